// The program's side of the hook core: handing it the settings.
#pragma once

#include "keybind/keybind.h"

// One binding, as the three words the hook core takes.
void PassShortcutToHookCore(int slot, const KeyBind& bind);

// The five bindings, the input-swallowing flags and the zoom flags, in the
// order the hook core expects them, with the given zoom state.
void PassSettingsToHookCore(int zoom);
