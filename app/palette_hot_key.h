// The palette shortcut as the system's hot key, where the binding can be
// one: the program that receives its registered hot key may bring a window
// to the front over another program's, which a low-level hook never may.
#pragma once

#include <windows.h>

inline constexpr int kPaletteHotKeyId = 1;

// Registers the current binding for owner's WM_HOTKEY and takes it from the
// hook core. A binding that cannot be a hot key, or one another program
// holds, stays with the hook core.
void HoldPaletteHotKey(HWND owner);
// Hands the binding back to the hook core: the settings' key-bind controls
// must see every key.
void DropPaletteHotKey();
