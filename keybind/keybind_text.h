// The display text of a key binding, such as "alt + 右クリック".
#pragma once

#include "keybind/keybind.h"

// Composes the text of bind into buffer (kKeyBindTextSize bytes) and
// returns buffer.
char* KeyBindText(char* buffer, const KeyBind& bind);
