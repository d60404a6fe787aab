// The program's side of the hook core: handing it the settings, and the
// picker thread's attachment, which it keeps and watches.
#pragma once

#include <windows.h>

#include <atomic>

#include "keybind/keybind.h"

// Set while the system watches the palette shortcut as a hot key: the hook
// core then leaves its key alone, or it would keep the key from the system.
inline std::atomic<int> paletteHotKeyHeld{0};

// One binding, as the three words the hook core takes.
void PassShortcutToHookCore(int slot, const KeyBind& bind);

// The five bindings, the input-swallowing flags and the zoom flags, in the
// order the hook core expects them, with the given zoom state.
void PassSettingsToHookCore(int zoom);

// Picker thread. Attaches the hook core, reporting to window; a failed
// attach stays wanted: the watch tries again at its next look.
bool AttachHookCore(HWND window);
void ReleaseHookCore();
// Attaches it anew if it is wanted.
void AttachHookCoreAgain(HWND window);
// A move report, or a move the program made itself, at where.
void NoteMoveReport(POINT where);
// Once a second: whether the cursor went somewhere no move report told of;
// if so for long, the hooks are attached anew.
void WatchHookCore(HWND window);
