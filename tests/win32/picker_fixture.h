// The real picker on its own thread, started and ended as the shell does it,
// with the default settings, a stand-in palette window that records what the
// picker posts to it, and recorders for what it hands to the shell.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

#include "message_recorder.h"

class PickerFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Starts the picker with the settings as the test left them.
  void StartPicker();
  RECT PickerRect() const;
  bool PickerVisible() const;
  bool DragIdle() const;
  // What the picker posted to the palette window since the last call.
  std::vector<Recorded> PaletteMessages() { return palette_.Take(); }

  static std::atomic<int> failures;
  static std::atomic<int> shortcutCount;
  static std::atomic<unsigned> lastShortcut;

 private:
  RecorderWindow palette_{WM_USER, WM_USER + 200, false};
  HANDLE thread_ = nullptr;
};
