// The palette window: both palettes, their commands and the copy to the
// clipboard.
#pragma once

#include <windows.h>

extern HACCEL paletteAccelerators;

// What only the shell may do, asked by the palette window; installed by the
// shell at start-up.
struct PaletteShell {
  void (*openSettings)(int page);  // command 1347: the settings at the palette page
};
extern PaletteShell paletteShell;

// 0, or -1 when the class or the window cannot be made.
int CreatePaletteWindow();
void ShowPalette(int visible);
LRESULT CALLBACK PaletteWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
