// The palette window's controls: the tab control, the list (the tab
// control's child) and the status bar, with the DPI of the window's
// monitor and the font made for it. Main thread only.
#pragma once

#include <windows.h>

#include "core/dpi_scale.h"
#include "shared/palette_link.h"

inline HWND paletteTab = nullptr;
inline HWND paletteList = nullptr;
inline HWND paletteStatus = nullptr;
inline int paletteDpi = kBaseDpi;
inline HFONT paletteFont = nullptr;
