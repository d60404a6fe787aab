// The program's side of the hook core: handing it the settings.
#pragma once

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
