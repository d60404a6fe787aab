#include "picker_fixture.h"

#include <cstring>

#include "common/memory_store.h"
#include "config/settings.h"
#include "config/settings_file.h"
#include "input.h"
#include "palette/palette_model.h"
#include "palette/palette_state.h"
#include "picker/picker_state.h"
#include "picker/picker_window.h"
#include "resources/program_module.h"

std::atomic<int> PickerFixture::failures{0};
std::atomic<int> PickerFixture::shortcutCount{0};
std::atomic<unsigned> PickerFixture::lastShortcut{0};

void PickerFixture::SetUp() {
  ReleaseEverything();
  appInstance = GetModuleHandleA(nullptr);
  MemoryStore none;
  LoadSettingsFrom(none);  // every default
  paletteWindow = palette_.hwnd();
  menuIdleEvent = CreateEventA(nullptr, TRUE, TRUE, nullptr);
  pickerShell = {[] { ++failures; },
                 [](unsigned slot) {
                   lastShortcut = slot;
                   ++shortcutCount;
                 }};
}

void PickerFixture::StartPicker() {
  pickerReadyEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  DWORD id = 0;
  thread_ = CreateThread(nullptr, 0, PickerThreadMain, nullptr, 0, &id);
  ASSERT_NE(thread_, nullptr);
  const HANDLE waits[2] = {pickerReadyEvent, thread_};
  WaitForMultipleObjects(2, waits, FALSE, 10000);
  CloseHandle(pickerReadyEvent);
  pickerReadyEvent = nullptr;
  ASSERT_NE(pickerWindow, nullptr) << "the picker was not created";
  SetPickerSuspend(settings.ShowPicker ? 0 : 1, 0);
}

void PickerFixture::TearDown() {
  ReleaseEverything();
  if (pickerWindow != nullptr) SendMessageA(pickerWindow, UM_CLOSEPICKER, 0, 0);
  if (thread_ != nullptr) {
    EXPECT_EQ(WaitForSingleObject(thread_, 5000), WAIT_OBJECT_0) << "the picker thread did not end";
    CloseHandle(thread_);
  }
  CloseHandle(menuIdleEvent);
  menuIdleEvent = nullptr;
  paletteWindow = nullptr;
  pickerShell = {};
  settings = Settings{};
  FreeRangeList();
  ResetPalettes();
}

RECT PickerFixture::PickerRect() const {
  RECT r = {};
  GetWindowRect(pickerWindow, &r);
  return r;
}

bool PickerFixture::PickerVisible() const { return IsWindowVisible(pickerWindow) != FALSE; }

bool PickerFixture::DragIdle() const { return WaitForSingleObject(dragIdleEvent, 0) == WAIT_OBJECT_0; }
