// Every text of the settings dialog fits its control in the font it is drawn with (MS UI
// Gothic, which every Windows has), at every display scale.
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
  const LONG kind = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;  // a push button's frame, else a box
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

// The same test in processes started at the other scales (read at a process's start), reporting here.
TEST(TextFit, AtEveryScale) {
  char command[MAX_PATH + 64] = "\"";
  GetModuleFileNameA(nullptr, command + 1, MAX_PATH);
  lstrcatA(command, "\" --gtest_filter=TextFitTest.EveryTextFitsItsControl");
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdOutput = si.hStdError = GetStdHandle(STD_OUTPUT_HANDLE);
  for (DWORD dpi : {120, 144, 192, 96}) {  // back to the suite's own last
    RegSetKeyValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels", REG_DWORD, &dpi, sizeof dpi);
    if (dpi == 96) break;
    PROCESS_INFORMATION pi = {};
    DWORD code = 1;
    CreateProcessA(nullptr, command, nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi);
    if (WaitForSingleObject(pi.hProcess, 120000) == WAIT_OBJECT_0) GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    EXPECT_EQ(code, 0u) << "at " << dpi << " DPI";
  }
}

}  // namespace
