#include "settings/page_controls.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "core/number.h"
#include "core/text.h"
#include "settings/settings_state.h"

void SetNumber(int page, int id, std::int32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
  SetWindowTextA(PageControl(page, id), text);
}

std::int32_t GetNumber(int page, int id, int limit) {
  std::vector<char> text(static_cast<std::size_t>(limit) + 1, '\0');
  SendMessageA(PageControl(page, id), WM_GETTEXT, static_cast<WPARAM>(limit), reinterpret_cast<LPARAM>(text.data()));
  return ParseSettingInt(text.data());
}

void SetCheck(int page, int id, std::int32_t on) {
  SendMessageA(PageControl(page, id), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

std::int32_t GetCheck(int page, int id) {
  return SendMessageA(PageControl(page, id), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void GetText(int page, int id, char* text, int size) {
  // Read whole, then cut: a cut by the control could split a character.
  HWND control = PageControl(page, id);
  const int length = static_cast<int>(SendMessageA(control, WM_GETTEXTLENGTH, 0, 0));
  std::vector<char> whole(static_cast<std::size_t>(length) + 2, '\0');
  SendMessageA(control, WM_GETTEXT, whole.size(), reinterpret_cast<LPARAM>(whole.data()));
  std::memset(text, 0, static_cast<std::size_t>(size));
  CopyText(text, static_cast<std::size_t>(size), whole.data());
}

void EnableControl(int page, int id, bool on) { EnableWindow(PageControl(page, id), on ? TRUE : FALSE); }

void InsertRangeLine(HWND list, int at, std::int32_t size) {
  char line[32];
  std::snprintf(line, sizeof line, "%d ピクセル", static_cast<int>(size));
  SendMessageA(list, LB_INSERTSTRING, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(line));
}
