// The palette window: both palettes, their commands and the copy to the
// clipboard.
#pragma once

#include <windows.h>

extern HACCEL paletteAccelerators;

// What only the shell may do, asked by the palette window; installed by the
// shell at start-up.
struct PaletteShell {
  void (*openSettings)(int page);  // command 1347: the settings at the palette page
  // The window is about to be shown (1) or hidden (0): the picker hides
  // behind a shown palette when HidePicker asks for it.
  void (*showing)(int visible);
  // One of the window's menus opened (1) or closed (0): the topmost picker
  // would lie over its items.
  void (*menuOpen)(int open);
};
extern PaletteShell paletteShell;

// 0, or kPaletteNoWindow when the class or the window cannot be made.
inline constexpr int kPaletteNoWindow = -1;
int CreatePaletteWindow();
void ShowPalette(int visible);
LRESULT CALLBACK PaletteWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
