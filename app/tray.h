// The tray icon and the tray menu.
#pragma once

#include <windows.h>

inline constexpr UINT kTrayIconId = 40920;

extern NOTIFYICONDATAW trayIconData;
extern HMENU trayMenu;
extern HMENU rangeMenu;

// Loads the menu once and rebuilds the range submenu from the range list.
HMENU BuildTrayMenu();
// The icon for the picker's shown or hidden state, at the taskbar's size.
HICON ChooseTrayIcon();
// Adds the icon. While the shell cannot take it (at log-on it may still be
// starting), owner's timer kTrayRetryTimer tries again every second until
// it can.
void AddTrayIcon(HWND owner);
inline constexpr UINT_PTR kTrayRetryTimer = 40921;
// How the shell is told: Shell_NotifyIconW, or a stand-in in tests.
using NotifyIconFn = BOOL(WINAPI*)(DWORD, PNOTIFYICONDATAW);
extern NotifyIconFn notifyIcon;
void RemoveTrayIcon();
// "ぬべら", and a word where the screen under the cursor is HDR.
void UpdateTrayTip();
// Flips ShowPicker and updates the picker and the tray icon.
void TogglePickerShown();
// Flips paletteWanted and shows or hides the palette window by it.
void TogglePaletteWanted();
// Check marks and greying, each time the menu opens.
void UpdateTrayMenuStates();
// The shell's callback: lParam is the mouse message on the icon.
void OnTrayNotify(HWND owner, LPARAM mouseMessage);
