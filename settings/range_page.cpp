#include "settings/range_page.h"

#include <cstdio>
#include <string>

#include "core/number.h"
#include "core/range_edit.h"
#include "resources/resource.h"
#include "resources/wide_text.h"
#include "settings/page_controls.h"
#include "settings/pages.h"
#include "settings/settings_state.h"

namespace {

constexpr int kEdit = IDC_RANGE_EDIT;
constexpr int kAdd = IDC_RANGE_ADD;
constexpr int kModify = IDC_RANGE_MODIFY;
constexpr int kDelete = IDC_RANGE_DELETE;
constexpr int kList = IDC_RANGE_LIST;

const char kNotOddText[] = "範囲に設定できるのは、1～101の奇数です";
const char kTakenText[] = "既に登録されている範囲です";
const char kInternalText[] = "内部エラーが発生しました";

void Tell(const char* text, UINT icon) { MessageBoxSjis(SettingsFrame(), text, "エラー", icon); }

HWND List(HWND page) { return GetDlgItem(page, kList); }
int Selection(HWND page) { return static_cast<int>(SendMessageW(List(page), LB_GETCURSEL, 0, 0)); }

std::string EditText(HWND page) { return WindowTextSjis(GetDlgItem(page, kEdit)); }

// A character Shift-JIS cannot hold would read as '?': told, not taken.
bool EditIsShiftJis(HWND page) {
  if (IsShiftJisText(GetDlgItem(page, kEdit))) return true;
  ReportNotShiftJis("範囲");
  return false;
}

std::int32_t EditNumber(HWND page) { return ParseSettingInt(EditText(page).c_str()); }

// The first line, the smallest size, can be neither modified nor deleted.
bool Changeable(int s) { return s != -1 && s != 0; }

void SelectLine(HWND page, int line) {
  SendMessageW(List(page), LB_SETCURSEL, static_cast<WPARAM>(line), 0);
  SendMessageW(page, WM_COMMAND, MAKEWPARAM(kList, LBN_SELCHANGE), reinterpret_cast<LPARAM>(List(page)));
}

// The typed text stays selected for the next try.
void BackToEdit(HWND page) {
  SendDlgItemMessageW(page, kEdit, EM_SETSEL, 0, -1);
  SetFocus(GetDlgItem(page, kEdit));
}

void OnEditChange(HWND page) {
  const bool typed = !EditText(page).empty();
  EnableWindow(GetDlgItem(page, kAdd), typed);
  EnableWindow(GetDlgItem(page, kModify), typed && Changeable(Selection(page)));
}

void OnAdd(HWND page) {
  if (!EditIsShiftJis(page)) return BackToEdit(page);
  const std::int32_t v = EditNumber(page);
  const int r = RangeInsert(workRanges, v);
  switch (r) {
    case kInsertNotOdd: Tell(kNotOddText, MB_ICONWARNING); break;
    case kInsertTaken: Tell(kTakenText, MB_ICONWARNING); break;
    case kInsertNoMemory: ReportNoMemory(); break;
    default:
      InsertRangeLine(List(page), r, v);
      SelectLine(page, r);
      break;
  }
  BackToEdit(page);
}

void OnModify(HWND page) {
  if (!EditIsShiftJis(page)) return BackToEdit(page);
  const int s = Selection(page);
  const std::int32_t v = EditNumber(page);
  const int r = RangeModify(workRanges, s, v);
  switch (r) {
    case kModifyNotOdd: Tell(kNotOddText, MB_ICONWARNING); break;
    case kModifyNoEntry: Tell(kInternalText, MB_ICONERROR); break;
    case kModifyTaken: Tell(kTakenText, MB_ICONWARNING); break;
    default:
      SendMessageW(List(page), LB_DELETESTRING, static_cast<WPARAM>(s), 0);
      InsertRangeLine(List(page), r, v);
      SelectLine(page, r);
      break;
  }
  BackToEdit(page);
}

void OnDelete(HWND page) {
  const int s = Selection(page);
  switch (RangeDelete(workRanges, s)) {
    case kDeleteNoEntry: Tell(kInternalText, MB_ICONERROR); break;
    case kDeleteNoMemory: ReportNoMemory(); break;
    default:
      SendMessageW(List(page), LB_DELETESTRING, static_cast<WPARAM>(s), 0);
      SelectLine(page, s == workRanges.count ? s - 1 : s);
      break;
  }
}

void OnSelectionChange(HWND page) {
  const int s = Selection(page);
  char text[16] = "";
  if (s >= 0 && s < workRanges.count) std::snprintf(text, sizeof text, "%d", static_cast<int>(workRanges.sizes[s]));
  SetWindowTextSjis(GetDlgItem(page, kEdit), text);  // raises EN_CHANGE
  EnableWindow(GetDlgItem(page, kModify), text[0] != '\0' && Changeable(s));
  EnableWindow(GetDlgItem(page, kDelete), Changeable(s));
}

bool OnCommand(HWND page, int id, int code) {
  switch (id) {
    case kEdit:
      if (code == EN_CHANGE) OnEditChange(page);
      return code == EN_CHANGE;
    case kAdd: OnAdd(page); return true;
    case kModify: OnModify(page); return true;
    case kDelete: OnDelete(page); return true;
    case kList:
      if (code == LBN_SELCHANGE) OnSelectionChange(page);
      return code == LBN_SELCHANGE;
  }
  return false;
}

}  // namespace

INT_PTR CALLBACK RangePage(HWND page, UINT msg, WPARAM wParam, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG: AttachPageTooltips(page, kEdit, kList); return TRUE;
    case WM_COMMAND: return OnCommand(page, LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
  }
  return FALSE;
}
