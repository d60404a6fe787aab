// The reports the hook core posts to the attached window (the picker).
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
