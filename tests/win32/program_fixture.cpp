#include "program_fixture.h"

#include <cstring>
#include <vector>

#include "app/app_state.h"
#include "app/main_window.h"
#include "store/settings_store.h"
#include "core/palette_model.h"
#include "core/settings.h"
#include "input.h"
#include "keybind/keybind.h"
#include "resources/program_module.h"

void ProgramFixture::SetUp() {
  ReleaseEverything();
  MoveMouse(600, 500);
  appInstance = GetModuleHandleA(nullptr);
  UseDataDirectory(dir.path());
}

void ProgramFixture::StartProgram() {
  LoadSettings();
  ASSERT_TRUE(RegisterMainWindowClass());
  mainWindow = CreateMainWindow();
  ASSERT_EQ(InitMainWindow(mainWindow), 0);
  Pump(100);
}

void ProgramFixture::TearDown() {
  ReleaseEverything();
  if (mainWindow != nullptr && IsWindow(mainWindow)) DestroyWindow(mainWindow);  // saves, as 終了 does
  mainWindow = nullptr;
  MSG quit;
  PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
  UseDataDirectory("");
  settings = Settings{};
  std::memset(keyBinds, 0, sizeof keyBinds);
}

void Pump(DWORD ms) {
  const DWORD start = GetTickCount();
  do {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) continue;
      if (TranslateProgramMessage(msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(5);
  } while (GetTickCount() - start < ms);
}

void Type(const std::string& text) {
  std::vector<INPUT> in;
  for (unsigned char c : text) {
    INPUT i = {};
    i.type = INPUT_KEYBOARD;
    i.ki.wScan = c;
    i.ki.dwFlags = KEYEVENTF_UNICODE;
    in.push_back(i);
    i.ki.dwFlags |= KEYEVENTF_KEYUP;
    in.push_back(i);
  }
  SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
  Pump(100 + static_cast<DWORD>(text.size()));
}

void Press(WORD vk, std::initializer_list<WORD> held) {
  InjectChord(held, vk);
  Pump(60);
}
