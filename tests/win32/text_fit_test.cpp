// Every text of the settings dialog fits its control in the font it is
// drawn with, at every display scale and also where ＭＳ Ｐゴシック is
// missing and Windows draws the pages in another font.
#include <windows.h>

#include <gtest/gtest.h>


#include "program_fixture.h"
#include "settings/settings_dialog.h"
#include "settings/settings_state.h"

namespace {

// The room a control's text needs: its extent in the control's font, and
// for a check box, a radio button or a group box the box or the frame's
// inset beside it.
int Needed(HWND control) {
  wchar_t cls[32] = {}, text[256] = {};
  GetClassNameW(control, cls, 32);
  GetWindowTextW(control, text, 256);
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
  RECT r = {};
  DrawTextW(dc, text, -1, &r, DT_CALCRECT | DT_SINGLELINE);
  const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  if (lstrcmpiW(cls, L"Button") != 0) return r.right;
  const LONG kind = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
  const bool boxed = kind == BS_AUTOCHECKBOX || kind == BS_CHECKBOX || kind == BS_AUTORADIOBUTTON ||
                     kind == BS_RADIOBUTTON || kind == BS_GROUPBOX;
  return r.right + MulDiv(boxed ? 16 : 6, dpi, 96);
}

class TextFitTest : public ProgramFixture {};

TEST_F(TextFitTest, EveryTextFitsItsControl) {
  StartProgram();
  ShowSettingsDialog(0);
  Pump(100);
  for (HWND page : settingsPages) {
    for (HWND c = GetWindow(page, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
      wchar_t cls[32] = {};
      GetClassNameW(c, cls, 32);
      RECT client;
      GetClientRect(c, &client);
      if (lstrcmpiW(cls, L"Static") == 0 || lstrcmpiW(cls, L"Button") == 0) {
        EXPECT_LE(Needed(c), client.right) << "control " << GetDlgCtrlID(c);
      }
    }
  }
}

// The same test in a process started at another scale, or with the
// stand-in for ＭＳ Ｐゴシック taken away: Wine reads both when a process
// starts. The child's report goes to this test's output.
DWORD RunFitTestAside() {
  char command[MAX_PATH + 64] = "\"";
  GetModuleFileNameA(nullptr, command + 1, MAX_PATH);
  lstrcatA(command, "\" --gtest_filter=TextFitTest.EveryTextFitsItsControl");
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdOutput = si.hStdError = GetStdHandle(STD_OUTPUT_HANDLE);
  PROCESS_INFORMATION pi = {};
  DWORD code = 1;
  if (!CreateProcessA(nullptr, command, nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) return code;
  if (WaitForSingleObject(pi.hProcess, 120000) == WAIT_OBJECT_0) GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return code;
}

TEST(TextFit, AtEveryScaleWithAndWithoutTheJapaneseFont) {
  const wchar_t kFace[] = L"ＭＳ Ｐゴシック";
  const wchar_t* kReplacements = L"Software\\Wine\\Fonts\\Replacements";
  wchar_t standIn[64] = {};
  DWORD size = sizeof standIn;
  RegGetValueW(HKEY_CURRENT_USER, kReplacements, kFace, RRF_RT_REG_SZ, nullptr, standIn, &size);
  for (DWORD dpi : {96, 120, 144, 192}) {
    for (bool font : {true, false}) {
      if (dpi == 96 && font) continue;  // the suite's own conditions, tested above
      RegSetKeyValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels", REG_DWORD, &dpi, sizeof dpi);
      if (!font) RegDeleteKeyValueW(HKEY_CURRENT_USER, kReplacements, kFace);
      const DWORD code = RunFitTestAside();
      const DWORD normal = 96;
      RegSetKeyValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels", REG_DWORD, &normal, sizeof normal);
      RegSetKeyValueW(HKEY_CURRENT_USER, kReplacements, kFace, REG_SZ, standIn, size);
      EXPECT_EQ(code, 0u) << "at " << dpi << " DPI " << (font ? "with" : "without") << " the font";
    }
  }
}

}  // namespace
