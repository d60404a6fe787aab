// The whole program inside the test process, started as WinMain starts it
// (main window, tray, palette window, picker thread and hook core), with
// its files in a folder of the test's own. Its message loop is Pump.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "temp_dir.h"

class ProgramFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Starts the program with whatever files the test has put in dir.
  void StartProgram();

  TempDir dir;
};

// The program's message loop for ms milliseconds: the dialog's keys and
// the palette accelerators first, as in WinMain.
void Pump(DWORD ms);
// Characters typed on the keyboard, all in one go.
void Type(const std::string& text);
// A key pressed and released with modifiers held round it, in one injection, its messages left for Pump.
void Press(WORD vk, std::initializer_list<WORD> held = {});
