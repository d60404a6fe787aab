#include "picker_fixture.h"

#include <cstring>

#include "common/memory_store.h"
#include "core/palette_model.h"
#include "core/settings.h"
#include "core/settings_file.h"
#include "input.h"
#include "picker/picker_state.h"
#include "picker/picker_window.h"
#include "picker_harness.h"
#include "resources/program_module.h"
#include "shared/palette_link.h"

std::atomic<int> PickerFixture::failures{0};
std::atomic<int> PickerFixture::shortcutCount{0};
std::atomic<unsigned> PickerFixture::lastShortcut{0};

void PickerFixture::SetUp() {
  ReleaseEverything();
  // Wine may take the cursor back to the X pointer when a window moves under
  // it, and an earlier test's SetCursorPos (which moves the pointer too) may
  // have left that where this picker goes: back to the middle, as X starts.
  SetCursorPos(GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2);
  appInstance = GetModuleHandleA(nullptr);
  MemoryStore none;
  LoadSettingsFrom(none);  // every default
  paletteWindow = palette_.hwnd();
  menuIdleEvent = CreateEventA(nullptr, TRUE, TRUE, nullptr);
  pickerShell = {[] { ++failures; },
                 [](unsigned slot) {
                   lastShortcut = slot;
                   ++shortcutCount;
                 },
                 nullptr, nullptr};
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
