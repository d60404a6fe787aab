// What a user sees of velun on the desktop: the tray icon on the taskbar and
// the popup menus, read from the screen's pixels, and clicks on them with
// real input.
#pragma once

#include <windows.h>

#include <vector>

// How the tray icon is found: Wine's taskbar ("Shell_TrayWnd") draws the
// notification icons at its right end, and Shell_NotifyIconGetRect does not
// work there, so the icon is found by its pixels. The drop of the shown icon
// is the only pure red (255, 0, 0) on the taskbar; the icon's top-left
// corner lies one pixel left of and twelve above the drop's top-left pixel
// (see the picture in scripts/make_icons.py). The hidden icon has the same
// outline in grey (128, 128, 128) and no red. Clicks are SendInput at the
// icon's centre.
bool FindTrayIcon(RECT& icon);
enum class IconLook { Shown, Hidden, Missing };
IconLook LookOf(const RECT& icon);

void ClickAt(int x, int y, bool right = false);
void DoubleClickAt(int x, int y);

// One horizontal band of a popup menu: an item or a separator.
struct MenuBand {
  int top, bottom;  // screen coordinates
  bool separator;
  bool checked;  // a mark in the check column
  bool greyed;   // its text is grey, nothing in it is drawn dark
};
std::vector<MenuBand> ReadMenu(HWND menu);
// A visible popup menu of process pid other than those in known.
HWND WaitForMenu(DWORD pid, const std::vector<HWND>& known = {}, DWORD ms = 3000);
// Points at the middle of band (hovering opens a submenu after a moment).
void PointAtBand(HWND menu, const MenuBand& band);
// Clicks the middle of band, as a user picks a menu item.
void ClickBand(HWND menu, const MenuBand& band);
// Opens the tray menu of process pid by a right click on its icon and
// picks item index of its eight; false when no such menu opens.
bool PickTrayMenuItem(DWORD pid, const RECT& icon, int index);
