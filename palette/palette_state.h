// The palette window's state: what the picker thread knows of it (where to
// post colours, whether it is shown) and its controls. The palette window
// owns these.
#pragma once

#include <windows.h>

#include <atomic>

// Defined here, not in a source file, so that the picker reads them without
// linking the palette window.

// Null until the window is created at start-up.
inline HWND paletteWindow = nullptr;
// Set while ShowPalette has the window shown.
inline std::atomic<int> paletteShown{0};
// The user wants the window shown: tray item 1302 and the palette shortcut
// flip it, closing the window clears it. It shows only while the settings
// are closed.
inline std::atomic<int> paletteWanted{0};

// The window's controls: the tab control, the list (the tab control's
// child) and the status bar. Main thread only.
inline HWND paletteTab = nullptr;
inline HWND paletteList = nullptr;
inline HWND paletteStatus = nullptr;

// Posted, never sent, to the palette window: lParam the colour, wParam's low
// word the palette, its high word the move mode.
inline constexpr unsigned PM_ADDCOLOR = 1128;
