// Start-up that fails part-way, and the message loop's end: nothing is left
// behind, nothing is read that was never written.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/app_state.h"
#include "app/main_window.h"
#include "app/tray.h"
#include "store/settings_store.h"
#include "picker/picker_state.h"
#include "program_fixture.h"
#include "shared/palette_link.h"
#include "test_window.h"

namespace {

BOOL WINAPI FailingGet(MSG*, HWND, UINT, UINT) { return -1; }

BOOL WINAPI QuitWithSeven(MSG* msg, HWND, UINT, UINT) {
  *msg = {};
  msg->message = WM_QUIT;
  msg->wParam = 7;
  return FALSE;
}

TEST(MessageLoop, EndsWithTheQuitCodeOrMinusOneWhenGettingFails) {
  EXPECT_EQ(RunMessageLoop(FailingGet), -1);
  EXPECT_EQ(RunMessageLoop(QuitWithSeven), 7);
}

HANDLE WINAPI NoThread(LPSECURITY_ATTRIBUTES, SIZE_T, LPTHREAD_START_ROUTINE, LPVOID, DWORD, LPDWORD) {
  return nullptr;
}

// Whether the shell still shows an icon of this window with the tray's id.
bool TrayIconShown(HWND owner) {
  NOTIFYICONDATAA data = {};
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = owner;
  data.uID = kTrayIconId;
  data.uFlags = NIF_TIP;
  lstrcpynA(data.szTip, "probe", sizeof data.szTip);
  return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

using StartUpFailure = ProgramFixture;

// At log-on the shell may not take the icon yet: velun tries again until
// it can, and the icon is there once the shell takes it.
int refusals = 0;
BOOL WINAPI ShellStillStarting(DWORD message, PNOTIFYICONDATAW data) {
  if (message == NIM_ADD && refusals > 0) {
    --refusals;
    return FALSE;
  }
  return Shell_NotifyIconW(message, data);
}

TEST_F(StartUpFailure, ATrayIconTheShellRefusesIsAddedLater) {
  LoadSettings();
  ASSERT_TRUE(RegisterMainWindowClass());
  mainWindow = CreateMainWindow();
  refusals = 3;
  notifyIcon = ShellStillStarting;
  ASSERT_EQ(InitMainWindow(mainWindow), 0);
  EXPECT_FALSE(TrayIconShown(mainWindow));
  EXPECT_TRUE(WaitUntil([] { return TrayIconShown(mainWindow); }, 8000)) << refusals << " refusals left";
  EXPECT_EQ(refusals, 0);
  notifyIcon = Shell_NotifyIconW;
}

TEST_F(StartUpFailure, NoPickerThreadLeavesNoTrayIconBehind) {
  LoadSettings();
  ASSERT_TRUE(RegisterMainWindowClass());
  mainWindow = CreateMainWindow();
  startThread = NoThread;
  EXPECT_EQ(InitMainWindow(mainWindow), kInitNoPickerThread);
  startThread = CreateThread;
  Pump(200);
  EXPECT_FALSE(TrayIconShown(mainWindow)) << "the tray icon outlives the failed start";
  EXPECT_EQ(paletteWindow, nullptr);
  EXPECT_EQ(FindWindowA("zq_velun_palette", nullptr), nullptr);
  EXPECT_EQ(trayMenu, nullptr);
  EXPECT_EQ(menuIdleEvent, nullptr);
  EXPECT_EQ(pickerReadyEvent, nullptr);
  EXPECT_EQ(user32Module, nullptr);
}

LRESULT CALLBACK Squatter(HWND h, UINT m, WPARAM w, LPARAM l) { return DefWindowProcA(h, m, w, l); }

TEST_F(StartUpFailure, NoPaletteWindowLeavesNothingBehind) {
  // The palette window's class taken: it cannot be made.
  WNDCLASSA wc = {};
  wc.lpfnWndProc = Squatter;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "zq_velun_palette";
  ASSERT_TRUE(RegisterClassA(&wc));
  LoadSettings();
  ASSERT_TRUE(RegisterMainWindowClass());
  mainWindow = CreateMainWindow();
  EXPECT_EQ(InitMainWindow(mainWindow), kInitNoPaletteWindow);
  EXPECT_EQ(pickerThread, nullptr) << "the picker, started beside the palette window, ends";
  EXPECT_EQ(FindWindowA("zq_velun_picker", nullptr), nullptr);
  EXPECT_FALSE(TrayIconShown(mainWindow));
  EXPECT_EQ(menuIdleEvent, nullptr);
  EXPECT_EQ(user32Module, nullptr);
  EXPECT_EQ(trayMenu, nullptr);
}

}  // namespace
