// The floor of velun's start-up and footprint: a tray program with the same
// manifest and common controls that creates one hidden dialog with Japanese
// text and a tab control and one tray icon, and nothing else.
// Ends on WM_COMMAND CMD_EXIT sent to its dialog, as velun does.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include "resources/resource.h"

namespace {
constexpr int kTemplate = 1;
constexpr int kIcon = 1;
constexpr int kTab = 10;
constexpr UINT kTrayNotify = WM_APP + 1;

NOTIFYICONDATAA icon = {};

INT_PTR CALLBACK DialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG: {
      TCITEMA item = {};
      item.mask = TCIF_TEXT;
      item.pszText = const_cast<char*>("ピッカー");
      SendDlgItemMessageA(dialog, kTab, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == CMD_EXIT) DestroyWindow(dialog);
      return TRUE;
    case WM_DESTROY:
      Shell_NotifyIconA(NIM_DELETE, &icon);
      PostQuitMessage(0);
      return TRUE;
  }
  return FALSE;
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  InitCommonControls();
  HWND dialog = CreateDialogParamA(instance, MAKEINTRESOURCEA(kTemplate), nullptr, DialogProc, 0);
  if (dialog == nullptr) return 1;
  icon.cbSize = sizeof icon;
  icon.hWnd = dialog;
  icon.uID = 1;
  icon.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
  icon.uCallbackMessage = kTrayNotify;
  icon.hIcon = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(kIcon), IMAGE_ICON, 16, 16, 0));
  lstrcpynA(icon.szTip, "スポイト", sizeof icon.szTip);
  Shell_NotifyIconA(NIM_ADD, &icon);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (IsDialogMessageA(dialog, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  DestroyIcon(icon.hIcon);
  return 0;
}
