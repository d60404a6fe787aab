// The palette window's controls: the tab control, the list (the tab
// control's child) and the status bar. Main thread only.
#pragma once

#include <windows.h>

#include "shared/palette_link.h"

inline HWND paletteTab = nullptr;
inline HWND paletteList = nullptr;
inline HWND paletteStatus = nullptr;
