#include "picker_fixture.h"

#include <cstring>

#include "common/memory_store.h"
#include "config/settings.h"
#include "config/settings_file.h"
#include "input.h"
#include "palette/palette_model.h"
#include "palette/palette_state.h"
#include "picker_harness.h"
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
  thread_ = StartPickerThread();
  ASSERT_NE(thread_, nullptr) << "the picker was not created";
}

void PickerFixture::TearDown() {
  ReleaseEverything();
  if (thread_ != nullptr) {
    EXPECT_TRUE(StopPickerThread(thread_)) << "the picker thread did not end";
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
