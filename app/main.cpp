// velun: the program's entry and its message loop.
#include <windows.h>

#include "app/app_state.h"
#include "app/main_window.h"
#include "app/messages.h"
#include "config/settings_store.h"
#include "palette/palette_state.h"
#include "palette/palette_window.h"
#include "picker/picker_state.h"
#include "resources/program_module.h"
#include "resources/resource.h"

namespace {
constexpr char kMutexName[] = "zq_velun";
constexpr char kMainClass[] = "zq_velun";
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  HANDLE mutex = CreateMutexA(nullptr, TRUE, kMutexName);
  if (WaitForSingleObject(mutex, 0) == WAIT_TIMEOUT) {
    // Another instance runs: it opens its settings instead.
    PostMessageA(FindWindowA(kMainClass, nullptr), UM_OPENSETTINGS, 0, 0);
    CloseHandle(mutex);
    return 0;
  }
  appInstance = instance;
  LoadSettings();

  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = MainWndProc;
  wc.cbWndExtra = DLGWINDOWEXTRA;
  wc.hInstance = instance;
  wc.hIcon = LoadProgramIcon(IDI_SHOWN, 32);
  wc.hIconSm = LoadProgramIcon(IDI_SHOWN, 16);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kMainClass;
  if (!RegisterClassExA(&wc)) {
    CloseHandle(mutex);
    return -1;
  }

  mainWindow = CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_FRAME), nullptr, nullptr, 0);
  if (InitMainWindow(mainWindow) != 0) {
    CloseHandle(mutex);
    return -1;
  }

  // A failed GetMessage leaves msg as it was: zero, never garbage.
  MSG msg = {};
  BOOL got;
  while ((got = GetMessageA(&msg, nullptr, 0, 0)) > 0) {
    // Only keys concern the dialog and the accelerators. Asking for every
    // message costs a server call each under Wine, and the collect palette
    // brings many.
    const bool key = msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST;
    if (key && settingsOpen && IsDialogMessageA(mainWindow, &msg)) continue;
    if (key && paletteAccelerators != nullptr && TranslateAcceleratorA(paletteWindow, paletteAccelerators, &msg))
      continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  CloseHandle(mutex);
  return got < 0 ? -1 : static_cast<int>(msg.wParam);
}
