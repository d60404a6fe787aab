// velun: the program's entry and its message loop.
#include <windows.h>

#include "app/app_state.h"
#include "app/main_window.h"
#include "resources/messages.h"
#include "store/settings_store.h"
#include "resources/program_module.h"

namespace {
constexpr wchar_t kMutexName[] = L"zq_velun";
// The exit code of a start that failed before the message loop.
constexpr int kStartFailed = -1;
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  HANDLE mutex = CreateMutexW(nullptr, TRUE, kMutexName);
  if (WaitForSingleObject(mutex, 0) == WAIT_TIMEOUT) {
    // Another instance runs: it opens its settings instead. This start got
    // the user's input, so it may hand the right to come to the foreground
    // on; without it Windows keeps the dialog behind the current window.
    HWND running = FindWindowW(kMainClass, nullptr);
    DWORD runningProcess = 0;
    if (GetWindowThreadProcessId(running, &runningProcess) != 0) AllowSetForegroundWindow(runningProcess);
    PostMessageW(running, UM_OPENSETTINGS, 0, 0);
    CloseHandle(mutex);
    return 0;
  }
  appInstance = instance;
  LoadSettings();
  if (!RegisterMainWindowClass()) {
    CloseHandle(mutex);
    return kStartFailed;
  }
  mainWindow = CreateMainWindow();
  if (InitMainWindow(mainWindow) != 0) {
    CloseHandle(mutex);
    return kStartFailed;
  }

  const int code = RunMessageLoop();
  CloseHandle(mutex);
  return code;
}
