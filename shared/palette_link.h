// What the picker thread and the shell know of the palette window: where to
// post colours and whether it is shown. The palette window owns these; they
// sit below both windows so that neither includes the other.
#pragma once

#include <windows.h>

#include <atomic>

#include "resources/messages.h"

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

