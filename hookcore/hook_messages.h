// What the hook core and the program agree on: the reports it posts to the
// attached window (the picker, numbered with every other message), its
// suspend modes and its status codes.
#pragma once

#include "resources/messages.h"

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
