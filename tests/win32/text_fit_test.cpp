// Every text of the settings dialog fits its control in the font it is drawn with, at every
// display scale, also where ＭＳ Ｐゴシック is missing and the pages are drawn in another font.
#include <windows.h>

#include <gtest/gtest.h>

#include "program_fixture.h"
#include "settings/settings_dialog.h"
#include "settings/settings_state.h"

namespace {

// How much room a static's or a button's text lacks (none when it fits): its extent in the
// control's font, and for a check box, radio button or group box the box or inset beside it.
int Lack(HWND control) {
  wchar_t cls[32] = {}, text[256] = {};
  GetClassNameW(control, cls, 32);
  const bool button = lstrcmpiW(cls, L"Button") == 0;
  if (!button && lstrcmpiW(cls, L"Static") != 0) return 0;
  GetWindowTextW(control, text, 256);
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
  RECT r = {}, client;
  GetClientRect(control, &client);
  DrawTextW(dc, text, -1, &r, DT_CALCRECT | DT_SINGLELINE);
  const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  const LONG kind = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
  const int beside = !button ? 0 : kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON ? 6 : 16;
  return r.right + MulDiv(beside, dpi, 96) - client.right;
}

class TextFitTest : public ProgramFixture {};

TEST_F(TextFitTest, EveryTextFitsItsControl) {
  StartProgram();
  ShowSettingsDialog(0);
  Pump(100);
  for (HWND page : settingsPages)
    for (HWND c = GetWindow(page, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT))
      EXPECT_LE(Lack(c), 0) << "control " << GetDlgCtrlID(c);
}

// The same test in a process started at another scale, or without the stand-in
// for ＭＳ Ｐゴシック: Wine reads both at a process's start. Its report goes to this output.
TEST(TextFit, AtEveryScaleWithAndWithoutTheJapaneseFont) {
  const wchar_t kFace[] = L"ＭＳ Ｐゴシック", kReplacements[] = L"Software\\Wine\\Fonts\\Replacements";
  wchar_t standIn[64] = {};
  DWORD size = sizeof standIn;
  RegGetValueW(HKEY_CURRENT_USER, kReplacements, kFace, RRF_RT_REG_SZ, nullptr, standIn, &size);
  char command[MAX_PATH + 64] = "\"";
  GetModuleFileNameA(nullptr, command + 1, MAX_PATH);
  lstrcatA(command, "\" --gtest_filter=TextFitTest.EveryTextFitsItsControl");
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdOutput = si.hStdError = GetStdHandle(STD_OUTPUT_HANDLE);
  // All but the suite's own (96 DPI with the font, tested above); 96 last, the scale it leaves.
  for (const auto& [dpi, font] : {std::pair<DWORD, bool>{120, true}, {120, false}, {144, true}, {144, false},
                                  {192, true}, {192, false}, {96, false}}) {
    RegSetKeyValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels", REG_DWORD, &dpi, sizeof dpi);
    if (!font) RegDeleteKeyValueW(HKEY_CURRENT_USER, kReplacements, kFace);
    PROCESS_INFORMATION pi = {};
    DWORD code = 1;
    CreateProcessA(nullptr, command, nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi);
    if (WaitForSingleObject(pi.hProcess, 120000) == WAIT_OBJECT_0) GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    RegSetKeyValueW(HKEY_CURRENT_USER, kReplacements, kFace, REG_SZ, standIn, size);
    EXPECT_EQ(code, 0u) << "at " << dpi << " DPI " << (font ? "with" : "without") << " the font";
  }
}

}  // namespace
