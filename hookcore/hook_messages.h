// What the hook core and the program agree on: the reports it posts to the
// attached window (the picker), its suspend modes and its status codes.
#pragma once

inline constexpr unsigned HCN_MOUSEMOVE = 1174;   // lParam: x low 16 bits, y high 16 bits
inline constexpr unsigned HCN_BUTTONUP = 1175;    // wParam: 514 or 517
inline constexpr unsigned HCN_SHORTCUT = 1176;    // wParam: slot
inline constexpr unsigned HCN_SHORTCUTUP = 1177;  // wParam: slot
inline constexpr unsigned HCN_ZOOMINPUT = 1178;   // wParam 0: wheel, delta in lParam's high word;
                                                  // wParam 1: arrow key, lParam 37-40

// Suspend modes of the hook core.
inline constexpr int kHookActive = 0;
inline constexpr int kHookSuspendedWithSpuit = 1;
inline constexpr int kHookSuspended = 2;

// __SetVelunCore: 0 attached, or
inline constexpr int kCoreNoWindow = -1;      // the target is no window
inline constexpr int kCoreNoThread = -2;      // no event or thread for the hooks
inline constexpr int kCoreHooksRefused = -3;  // the system refused a hook
// __SetVelunShortcut: 0, or
inline constexpr int kCoreNoSlot = -1;        // the slot is outside 0-4
