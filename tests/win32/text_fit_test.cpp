// Every text of the settings dialog fits its control in the font it is
// drawn with, at every display scale and also where ＭＳ Ｐゴシック is
// missing and Windows draws the pages in another font.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

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
      if (lstrcmpiW(cls, L"Static") != 0 && lstrcmpiW(cls, L"Button") != 0) continue;
      RECT client;
      GetClientRect(c, &client);
      char text[256] = {};
      GetWindowTextA(c, text, sizeof text);
      EXPECT_LE(Needed(c), client.right) << "control " << GetDlgCtrlID(c) << " " << text;
    }
  }
}

// The same test in a process started at another scale, or with the
// stand-in for ＭＳ Ｐゴシック taken away: Wine reads both when a process starts.
TEST(TextFit, AtEveryScaleWithAndWithoutTheJapaneseFont) {
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  const wchar_t kFace[] = L"ＭＳ Ｐゴシック";
  wchar_t standIn[64] = {};
  DWORD size = sizeof standIn;
  RegGetValueW(HKEY_CURRENT_USER, L"Software\\Wine\\Fonts\\Replacements", kFace, RRF_RT_REG_SZ, nullptr, standIn,
               &size);
  for (DWORD dpi : {96, 120, 144, 192}) {
    for (bool font : {true, false}) {
      if (dpi == 96 && font) continue;  // the suite's own conditions, tested above
      RegSetKeyValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels", REG_DWORD, &dpi, sizeof dpi);
      if (!font) RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Wine\\Fonts\\Replacements", kFace);
      char output[MAX_PATH];
      std::snprintf(output, sizeof output, "%s.fit-%lu-%d.txt", self, dpi, font ? 1 : 0);
      SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
      HANDLE out = CreateFileA(output, GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
      STARTUPINFOA si = {};
      si.cb = sizeof si;
      si.dwFlags = STARTF_USESTDHANDLES;
      si.hStdOutput = si.hStdError = out;
      std::string command = std::string("\"") + self + "\" --gtest_filter=TextFitTest.EveryTextFitsItsControl";
      PROCESS_INFORMATION pi = {};
      DWORD code = 1;
      if (CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) {
        if (WaitForSingleObject(pi.hProcess, 120000) == WAIT_OBJECT_0) GetExitCodeProcess(pi.hProcess, &code);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
      }
      CloseHandle(out);
      const DWORD normal = 96;
      RegSetKeyValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels", REG_DWORD, &normal, sizeof normal);
      RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Wine\\Fonts\\Replacements", kFace, REG_SZ, standIn,
                      static_cast<DWORD>((lstrlenW(standIn) + 1) * sizeof(wchar_t)));
      EXPECT_EQ(code, 0u) << "at " << dpi << " DPI " << (font ? "with" : "without") << " the font; see " << output;
    }
  }
}

}  // namespace
