#include "settings/page_controls.h"

#include <cstdio>
#include <cstring>
#include <string>

#include <commctrl.h>

#include "core/dialog_bindings.h"
#include "core/number.h"
#include "core/text.h"
#include "keybind/keybind.h"
#include "resources/wide_text.h"
#include "settings/settings_state.h"

void SetNumber(int page, int id, std::int32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
  SetWindowTextSjis(PageControl(page, id), text);
}

std::int32_t GetNumber(int page, int id, int limit) {
  std::string text = WindowTextSjis(PageControl(page, id));
  if (text.size() > static_cast<std::size_t>(limit)) text.resize(static_cast<std::size_t>(limit));
  return ParseSettingInt(text.c_str());
}

void SetCheck(int page, int id, std::int32_t on) {
  SendMessageW(PageControl(page, id), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

std::int32_t GetCheck(int page, int id) {
  return SendMessageW(PageControl(page, id), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void GetText(int page, int id, char* text, int size) {
  // Read whole, then cut: a cut by the control could split a character.
  const std::string whole = WindowTextSjis(PageControl(page, id));
  std::memset(text, 0, static_cast<std::size_t>(size));
  CopyText(text, static_cast<std::size_t>(size), whole.c_str());
}

bool IsShiftJisText(HWND control) {
  bool whole = true;
  WindowTextSjis(control, &whole);
  return whole;
}

bool FitsShiftJisBytes(HWND control, int bytes) {
  return WindowTextSjis(control).size() <= static_cast<std::size_t>(bytes);
}

void ReportTooLong(const char* field, int bytes) {
  char text[200];
  std::snprintf(text, sizeof text, "「%s」が長すぎます\n半角 %d 文字 (全角 %d 文字) までにしてください", field, bytes,
                bytes / 2);
  MessageBoxSjis(SettingsFrame(), text, "エラー", MB_ICONWARNING);
}

void ReportNotShiftJis(const char* field) {
  const std::string text = std::string("「") + field +
                           "」に保存できない文字があります\n"
                           "Shift-JIS にない文字 (ハングル、絵文字など) を取り除いてください";
  MessageBoxSjis(SettingsFrame(), text, "エラー", MB_ICONWARNING);
}

void EnableControl(int page, int id, bool on) { EnableWindow(PageControl(page, id), on ? TRUE : FALSE); }

void InsertRangeLine(HWND list, int at, std::int32_t size) {
  char line[32];
  std::snprintf(line, sizeof line, "%d ピクセル", static_cast<int>(size));
  SendMessageW(list, LB_INSERTSTRING, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(Widen(line).c_str()));
}

void ShowBound(const ControlBinding& b, std::int32_t value) {
  HWND control = PageControl(b.page, b.id);
  switch (b.kind) {
    case ControlKind::Number: SetNumber(b.page, b.id, value); break;
    case ControlKind::Check: SetCheck(b.page, b.id, value); break;
    case ControlKind::Text: SetWindowTextSjis(control, b.text); break;
    case ControlKind::Radio:
      for (std::int32_t v = b.min; v <= b.max; ++v) SetCheck(b.page, b.id + v - b.min, v == value);
      break;
    case ControlKind::Trackbar: SendMessageW(control, TBM_SETPOS, TRUE, value); break;
    case ControlKind::Key: SendMessageW(control, KBM_SETBIND, 0, reinterpret_cast<LPARAM>(b.bind)); break;
  }
}

std::int32_t ReadBound(const ControlBinding& b) {
  HWND control = PageControl(b.page, b.id);
  switch (b.kind) {
    case ControlKind::Number: return GetNumber(b.page, b.id, b.size);
    case ControlKind::Check: return GetCheck(b.page, b.id);
    case ControlKind::Text: GetText(b.page, b.id, b.text, b.size); return 0;
    case ControlKind::Radio: {
      std::int32_t v = b.min;  // none checked reads as the last
      while (v < b.max && !GetCheck(b.page, b.id + v - b.min)) ++v;
      return v;
    }
    case ControlKind::Trackbar: return static_cast<std::int32_t>(SendMessageW(control, TBM_GETPOS, 0, 0));
    case ControlKind::Key: SendMessageW(control, KBM_GETBIND, 0, reinterpret_cast<LPARAM>(b.bind)); return 0;
  }
  return 0;
}
