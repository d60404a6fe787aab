// The palette window: both palettes, their commands and the copy to the
// clipboard.
#pragma once

#include <windows.h>

// Null until the window is created at start-up.
extern HWND paletteWindow;
// Set while ShowPalette has the window shown.
extern volatile int paletteShown;
extern HACCEL paletteAccelerators;

// 0, or -1 when the class or the window cannot be made.
int CreatePaletteWindow();
void ShowPalette(int visible);
LRESULT CALLBACK PaletteWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
