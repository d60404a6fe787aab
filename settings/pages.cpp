#include "settings/pages.h"

#include <commctrl.h>

#include <initializer_list>

#include "keybind/keybind.h"
#include "resources/program_module.h"
#include "settings/settings_fill.h"

namespace {

// Pages look at their own controls here, not through the page array: a
// page's WM_INITDIALOG runs before the array holds it.
bool Checked(HWND page, int id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }
void Enable(HWND page, int id, bool on) { EnableWindow(GetDlgItem(page, id), on ? TRUE : FALSE); }

void SetFixedFont(HWND control) {
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(OEM_FIXED_FONT)), TRUE);
}

void AddItems(HWND combo, std::initializer_list<const char*> items) {
  for (const char* item : items) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
}

}  // namespace

void AttachPageTooltips(HWND page, int first, int last) {
  HWND tips = CreateWindowExA(0, TOOLTIPS_CLASSA, "", TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, page, nullptr, appInstance, nullptr);
  if (tips == nullptr) return;
  for (int id = first; id <= last; ++id) {
    TOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;  // the 44-byte form
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = page;
    tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(page, id));
    tool.hinst = appInstance;
    tool.lpszText = MAKEINTRESOURCEA(id);
    SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  }
  SendMessageA(tips, TTM_SETDELAYTIME, TTDT_AUTOPOP, 10000);
  SendMessageA(tips, TTM_SETMAXTIPWIDTH, 0, 400);
}

INT_PTR CALLBACK PickerPage(HWND page, UINT msg, WPARAM, LPARAM) {
  if (msg != WM_INITDIALOG) return FALSE;
  AttachPageTooltips(page, 1100, 1105);
  SetFixedFont(GetDlgItem(page, 1105));
  SendDlgItemMessageA(page, 1105, EM_LIMITTEXT, 260, 0);
  return TRUE;
}

INT_PTR CALLBACK PalettePage(HWND page, UINT msg, WPARAM wParam, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG:
      AttachPageTooltips(page, 1120, 1127);
      AddItems(GetDlgItem(page, 1120), {"スポイト", "コレクト"});
      SendDlgItemMessageA(page, 1120, CB_SETCURSEL, 0, 0);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == 1120 && HIWORD(wParam) == CBN_SELCHANGE) {
        StorePaletteFields();  // the values shown so far go to their palette
        LoadPaletteFields();
        return TRUE;
      }
      if (LOWORD(wParam) == 1125) {
        EnablePaletteFields();
        return TRUE;
      }
      break;
  }
  return FALSE;
}

INT_PTR CALLBACK ZoomPage(HWND page, UINT msg, WPARAM wParam, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG: AttachPageTooltips(page, 1140, 1149); return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == 1141 || LOWORD(wParam) == 1142) {
        Enable(page, 1143, Checked(page, 1142));
        return TRUE;
      }
      break;
  }
  return FALSE;
}

INT_PTR CALLBACK LayeredPage(HWND page, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG:
      AttachPageTooltips(page, 1160, 1163);
      SendDlgItemMessageA(page, 1160, TBM_SETPAGESIZE, 0, 51);
      SendDlgItemMessageA(page, 1160, TBM_SETRANGE, TRUE, MAKELPARAM(0, 255));
      SendDlgItemMessageA(page, 1160, TBM_SETTICFREQ, 51, 0);
      return TRUE;
    case WM_HSCROLL:
      if (reinterpret_cast<HWND>(lParam) == GetDlgItem(page, 1160)) {
        ShowLayeredPercent();
        return TRUE;
      }
      break;
    case WM_COMMAND:
      if (LOWORD(wParam) == 1163) {
        for (int id : {1160, 1161, 1162}) Enable(page, id, Checked(page, 1163));
        return TRUE;
      }
      break;
  }
  return FALSE;
}

INT_PTR CALLBACK KeyPage(HWND page, UINT msg, WPARAM wParam, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG: AttachPageTooltips(page, 1200, 1208); return TRUE;
    case WM_COMMAND: {
      // "無効" beside each control clears it; like every edit it counts on "更新".
      const int id = LOWORD(wParam);
      if (id >= 1201 && id <= 1209 && id % 2 == 1) {
        const KeyBind none = {};
        SendDlgItemMessageA(page, id - 1, KBM_SETBIND, 0, reinterpret_cast<LPARAM>(&none));
        return TRUE;
      }
      break;
    }
  }
  return FALSE;
}

INT_PTR CALLBACK OtherPage(HWND page, UINT msg, WPARAM wParam, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG:
      AttachPageTooltips(page, 1220, 1227);
      AddItems(GetDlgItem(page, 1220), {"#%rx%gx%bx", "RGB( %rr, %gg, %bb)"});
      SetFixedFont(GetDlgItem(page, 1220));
      SendDlgItemMessageA(page, 1220, CB_LIMITTEXT, 70, 0);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == 1221) {
        Enable(page, 1222, Checked(page, 1221));
        return TRUE;
      }
      break;
  }
  return FALSE;
}
