#include "app/tray.h"

#include "app/after_drag.h"

#include <cstdio>
#include <initializer_list>

#include "resources/messages.h"
#include "core/settings.h"
#include "palette/palette_window.h"
#include "picker/picker_state.h"
#include "picker/picker_window.h"
#include "resources/program_module.h"
#include "resources/resource.h"
#include "resources/wide_text.h"
#include "shared/dpi.h"
#include "shared/palette_link.h"

NOTIFYICONDATAW trayIconData = {};
NotifyIconFn notifyIcon = Shell_NotifyIconW;
HMENU trayMenu = nullptr;
HMENU rangeMenu = nullptr;

namespace {

constexpr UINT kTrayRetryMs = 1000;

bool IsWindowsXp() {
  OSVERSIONINFOW version = {};
  version.dwOSVersionInfoSize = sizeof version;
  if (!GetVersionExW(&version)) return false;
  return version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion == 5 &&
         version.dwMinorVersion == 1;
}

void SetTip() {
  const char* tip = pickerOnHdr ? "ぬべら (HDR の画面: 色は元より明るく読まれます)" : "ぬべら";
  lstrcpynW(trayIconData.szTip, Widen(tip).c_str(), ARRAYSIZE(trayIconData.szTip));
}

void SetIcon(HICON icon) {
  HICON old = trayIconData.hIcon;
  trayIconData.hIcon = icon;
  notifyIcon(NIM_MODIFY, &trayIconData);
  if (old != nullptr) DestroyIcon(old);
}

void ShowTrayMenu(HWND owner, int) {
  ResetEvent(menuIdleEvent);
  SetPickerSuspend(1, 0);
  POINT at;
  GetCursorPos(&at);
  SetForegroundWindow(owner);
  TrackPopupMenu(GetSubMenu(trayMenu, 0), TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr);
  PostMessageW(owner, WM_NULL, 0, 0);  // lets the menu close properly when the user clicks elsewhere
  SetEvent(menuIdleEvent);
  SetPickerSuspend(PickerHiddenByChoice() ? 1 : 0, 0);
}

}  // namespace

HMENU BuildTrayMenu() {
  if (trayMenu == nullptr) {
    trayMenu = LoadMenuW(appInstance, MAKEINTRESOURCEW(IDM_TRAY));
    SetMenuDefaultItem(GetSubMenu(trayMenu, 0), CMD_SHOW_PICKER, FALSE);
    rangeMenu = CreatePopupMenu();
    ModifyMenuW(trayMenu, CMD_RANGE_FIRST, MF_BYCOMMAND | MF_POPUP,
                reinterpret_cast<UINT_PTR>(rangeMenu), Widen("範囲(&R)").c_str());
  }
  while (DeleteMenu(rangeMenu, 0, MF_BYPOSITION)) {
  }
  for (int i = 0; i < rangeCount; ++i) {
    char text[64];
    std::snprintf(text, sizeof text, "%d ピクセル", static_cast<int>(rangeSizes[i]));
    AppendMenuW(rangeMenu, MF_STRING, CMD_RANGE_FIRST + i, Widen(text).c_str());
    if (i == 0) AppendMenuW(rangeMenu, MF_SEPARATOR, 0, nullptr);
  }
  return trayMenu;
}

HICON ChooseTrayIcon() {
  const bool xp = IsWindowsXp();
  const int id = settings.ShowPicker ? (xp ? IDI_SHOWN : IDI_SHOWN16) : (xp ? IDI_HIDDEN : IDI_HIDDEN16);
  // The small-icon size at the DPI of the taskbar's (the primary) monitor:
  // 16, 20, 24 or 32 pixels, each drawn in the icon resources.
  return LoadProgramIcon(id, SystemMetricForDpi(SM_CXSMICON, MonitorDpiAt({0, 0})));
}

void AddTrayIcon(HWND owner) {
  if (trayIconData.cbSize == 0) {
    trayIconData.cbSize = NOTIFYICONDATAW_V1_SIZE;  // the first form, which every shell takes
    trayIconData.hWnd = owner;
    trayIconData.uID = kTrayIconId;
    trayIconData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    trayIconData.uCallbackMessage = UM_TRAYNOTIFY;
    trayIconData.hIcon = ChooseTrayIcon();
    SetTip();
  }
  if (notifyIcon(NIM_ADD, &trayIconData)) {
    KillTimer(owner, kTrayRetryTimer);
  } else {
    SetTimer(owner, kTrayRetryTimer, kTrayRetryMs, nullptr);
  }
}

void UpdateTrayTip() {
  SetTip();
  notifyIcon(NIM_MODIFY, &trayIconData);
}

void RemoveTrayIcon() {
  KillTimer(trayIconData.hWnd, kTrayRetryTimer);
  notifyIcon(NIM_DELETE, &trayIconData);
  if (trayIconData.hIcon != nullptr) DestroyIcon(trayIconData.hIcon);
  trayIconData.hIcon = nullptr;
}

void TogglePickerShown() {
  settings.ShowPicker = !settings.ShowPicker;
  SetPickerSuspend(PickerHiddenByChoice() ? 1 : 0, 0);
  SetIcon(ChooseTrayIcon());
}

void TogglePaletteWanted() {
  paletteWanted = !paletteWanted;
  ShowPalette(paletteWanted && !settingsOpen ? 1 : 0);
}

void UpdateTrayMenuStates() {
  auto check = [](UINT id, bool on) { CheckMenuItem(trayMenu, id, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED)); };
  check(CMD_SHOW_PICKER, settings.ShowPicker != 0);
  check(CMD_SHOW_PALETTE, paletteWanted != 0);
  check(CMD_ZOOM, zoomActive != 0);
  EnableMenuItem(trayMenu, CMD_ZOOM, MF_BYCOMMAND | (settings.UseToggleForZoom ? MF_ENABLED : MF_GRAYED));
  for (int level : {4, 8, 12, 16}) check(CMD_ZOOM + level, settings.ZoomLevel == level);
  for (int i = 0; i < rangeCount; ++i) check(CMD_RANGE_FIRST + i, i == rangeIndex);
  EnableMenuItem(trayMenu, CMD_SETTINGS, MF_BYCOMMAND | (settingsOpen ? MF_GRAYED : MF_ENABLED));
}

void OnTrayNotify(HWND owner, LPARAM mouseMessage) {
  switch (mouseMessage) {
    case WM_LBUTTONDOWN:
      if (pickerLocked)
        SetWindowPos(pickerWindow, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      break;
    case WM_LBUTTONDBLCLK:
      if (pickerLocked) SetPickerLock(0);
      else TogglePickerShown();
      break;
    case WM_RBUTTONUP: RunWhenNoDrag(owner, ShowTrayMenu, 0); break;
  }
}
