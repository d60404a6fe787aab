#include "settings/pages.h"

#include <commctrl.h>

#include <initializer_list>

#include "core/settings.h"
#include "keybind/keybind.h"
#include "resources/program_module.h"
#include "resources/resource.h"
#include "resources/wide_text.h"
#include "settings/palette_fields.h"
#include "settings/settings_fill.h"
#include "shared/dpi.h"

namespace {

// Pages look at their own controls here, not through the page array: a
// page's WM_INITDIALOG runs before the array holds it.
bool Checked(HWND page, int id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }
void Enable(HWND page, int id, bool on) { EnableWindow(GetDlgItem(page, id), on ? TRUE : FALSE); }

// The format's columns line up in a fixed font; the stock one (the OEM
// font) has no kanji on a system of another language. The page deletes it.
void SetFixedFont(HWND control) {
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(CreateFixedFont(WindowDpi(control))), TRUE);
}

// The font SetFixedFont made goes with its page.
void DeleteFixedFont(HWND control) {
  DeleteObject(reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
}

void AddItems(HWND combo, std::initializer_list<const char*> items) {
  for (const char* item : items) SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
}

}  // namespace

void AttachPageTooltips(HWND page, int first, int last) {
  HWND tips = CreateWindowExW(0, TOOLTIPS_CLASSW, L"", TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, page, nullptr, appInstance, nullptr);
  if (tips == nullptr) return;
  for (int id = first; id <= last; ++id) {
    TOOLINFOW tool = {};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;  // the 44-byte form
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = page;
    tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(page, id));
    tool.hinst = appInstance;
    tool.lpszText = MAKEINTRESOURCEW(id);
    SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  SendMessageW(tips, TTM_SETDELAYTIME, TTDT_AUTOPOP, 10000);
  SendMessageW(tips, TTM_SETMAXTIPWIDTH, 0, 400);
}

INT_PTR CALLBACK PickerPage(HWND page, UINT msg, WPARAM, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG:
      AttachPageTooltips(page, IDC_CURSOR_MARGIN_X, IDC_PICKER_FORMAT);
      SetFixedFont(GetDlgItem(page, IDC_PICKER_FORMAT));
      SendDlgItemMessageW(page, IDC_PICKER_FORMAT, EM_LIMITTEXT, kPickerFormatSize, 0);
      return TRUE;
    case WM_DESTROY:
      DeleteFixedFont(GetDlgItem(page, IDC_PICKER_FORMAT));
      return FALSE;
  }
  return FALSE;
}

INT_PTR CALLBACK PalettePage(HWND page, UINT msg, WPARAM wParam, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG:
      AttachPageTooltips(page, IDC_PALETTE_CHOICE, IDC_MUTE_BEEP);
      AddItems(GetDlgItem(page, IDC_PALETTE_CHOICE), {"スポイト", "コレクト"});
      SendDlgItemMessageW(page, IDC_PALETTE_CHOICE, CB_SETCURSEL, 0, 0);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDC_PALETTE_CHOICE && HIWORD(wParam) == CBN_SELCHANGE) {
        StorePaletteFields();  // the values shown so far go to their palette
        LoadPaletteFields();
        return TRUE;
      }
      if (LOWORD(wParam) == IDC_PALETTE_ENABLED) {
        EnablePaletteFields();
        return TRUE;
      }
      break;
  }
  return FALSE;
}

INT_PTR CALLBACK ZoomPage(HWND page, UINT msg, WPARAM wParam, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG: AttachPageTooltips(page, IDC_ZOOM_LEVEL, IDC_TOGGLE_FOR_ZOOM); return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDC_ZOOM_AUTO || LOWORD(wParam) == IDC_ZOOM_FIXED) {
        Enable(page, IDC_ZOOM_RECT, Checked(page, IDC_ZOOM_FIXED));
        return TRUE;
      }
      break;
  }
  return FALSE;
}

INT_PTR CALLBACK LayeredPage(HWND page, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG:
      AttachPageTooltips(page, IDC_LAYERED_LEVEL, IDC_LAYERED);
      SendDlgItemMessageW(page, IDC_LAYERED_LEVEL, TBM_SETPAGESIZE, 0, 51);
      SendDlgItemMessageW(page, IDC_LAYERED_LEVEL, TBM_SETRANGE, TRUE, MAKELPARAM(0, 255));
      SendDlgItemMessageW(page, IDC_LAYERED_LEVEL, TBM_SETTICFREQ, 51, 0);
      return TRUE;
    case WM_HSCROLL:
      if (reinterpret_cast<HWND>(lParam) == GetDlgItem(page, IDC_LAYERED_LEVEL)) {
        ShowLayeredPercent();
        return TRUE;
      }
      break;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDC_LAYERED) {
        for (int id : {IDC_LAYERED_LEVEL, IDC_LAYERED_PERCENT, IDC_LAYERED_ON_ZOOM_ONLY})
          Enable(page, id, Checked(page, IDC_LAYERED));
        return TRUE;
      }
      break;
  }
  return FALSE;
}

INT_PTR CALLBACK KeyPage(HWND page, UINT msg, WPARAM wParam, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG: AttachPageTooltips(page, IDC_BIND_SPUIT, IDC_BIND_SHOW_PICKER); return TRUE;
    case WM_COMMAND: {
      // "無効" beside each control clears it; like every edit it counts on "更新".
      const int id = LOWORD(wParam);
      if (id >= IDC_UNBIND_SPUIT && id <= IDC_UNBIND_SHOW_PICKER && (id - IDC_UNBIND_SPUIT) % 2 == 0) {
        const KeyBind none = {};
        SendDlgItemMessageW(page, id - 1, KBM_SETBIND, 0, reinterpret_cast<LPARAM>(&none));
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
      AttachPageTooltips(page, IDC_SPUIT_FORMAT, IDC_NULL_MSG_ON_ZOOM);
      // The two classic forms, then what CSS takes.
      AddItems(GetDlgItem(page, IDC_SPUIT_FORMAT),
               {"#%rx%gx%bx", "RGB( %rr, %gg, %bb)", "rgb(%rr %gg %bb)", "hsl(%hh %hs%%% %hl%%%)", "lab(%ll %la %lb)",
                "oklch(%ol%%% %oc %oh)", "#%rh%gh%bh"});
      SetFixedFont(GetDlgItem(page, IDC_SPUIT_FORMAT));
      SendDlgItemMessageW(page, IDC_SPUIT_FORMAT, CB_LIMITTEXT, kSpuitFormatSize, 0);
      return TRUE;
    case WM_DESTROY:
      DeleteFixedFont(GetDlgItem(page, IDC_SPUIT_FORMAT));
      return FALSE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDC_REALTIME_DRAW) {
        Enable(page, IDC_REALTIME_LIMITER, Checked(page, IDC_REALTIME_DRAW));
        return TRUE;
      }
      break;
  }
  return FALSE;
}
