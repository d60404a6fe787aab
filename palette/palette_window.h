// The palette window: both palettes, their commands and the copy to the
// clipboard.
#pragma once

#include <windows.h>

// Null until the window is created at start-up.
extern HWND paletteWindow;
