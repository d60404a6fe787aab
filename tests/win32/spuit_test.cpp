// The spuit on the real picker: what reaches the clipboard, which sound
// plays, and what the palette window is sent.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <mutex>
#include <string>
#include <vector>

#include "core/palette_model.h"
#include "core/settings.h"
#include "input.h"
#include "picker/picker_state.h"
#include "picker/picker_window.h"
#include "picker/spuit.h"
#include "picker_fixture.h"
#include "resources/resource.h"
#include "shared/palette_link.h"
#include "test_window.h"

namespace {

constexpr std::uint32_t kOrange = 0x0080FF;  // R 255, G 128, B 0

std::mutex beepLock;
std::vector<UINT> beeps;

BOOL WINAPI RecordBeep(UINT type) {
  std::lock_guard<std::mutex> hold(beepLock);
  beeps.push_back(type);
  return TRUE;
}

std::vector<UINT> Beeps() {
  std::lock_guard<std::mutex> hold(beepLock);
  std::vector<UINT> taken;
  taken.swap(beeps);
  return taken;
}

// The CF_TEXT item's bytes, all of them: the text and its NUL, no more.
std::string ClipboardBytes() {
  std::string bytes = "<none>";
  if (!OpenClipboard(nullptr)) return "<busy>";
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* p = static_cast<const char*>(GlobalLock(data))) bytes.assign(p, GlobalSize(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return bytes;
}

void PutOnClipboard(const char* text) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL m = GlobalAlloc(GMEM_MOVEABLE, std::strlen(text) + 1);
  std::memcpy(GlobalLock(m), text, std::strlen(text) + 1);
  GlobalUnlock(m);
  SetClipboardData(CF_TEXT, m);
  CloseClipboard();
}

class SpuitTest : public PickerFixture {
 protected:
  void SetUp() override {
    PickerFixture::SetUp();
    spuitBeep = RecordBeep;
    Beeps();
    PutOnClipboard("before");
  }
  void TearDown() override {
    PickerFixture::TearDown();
    spuitBeep = MessageBeep;
  }
  // Starts the picker over orange and waits until it has sampled it.
  void StartOverOrange() {
    StartPicker();
    MoveMouse(400, 300);
    ASSERT_TRUE(WaitUntil([] { return pickerColour == kOrange; }));
    PaletteMessages();
  }
  void SpuitCommand() { SendMessageA(pickerWindow, WM_COMMAND, CMD_SPUIT, 0); }
  PatternWindow screen{[](int, int) { return kOrange; }};
};

TEST_F(SpuitTest, CopiesTheColourBeepsAndFeedsTheSpuitPalette) {
  StartOverOrange();
  // alt + right click, the default binding, with real input.
  KeyDown(VK_MENU);
  Click(Button::Right);
  KeyUp(VK_MENU);
  ASSERT_TRUE(WaitUntil([] { return ClipboardBytes() != std::string("before", 7); }));
  EXPECT_EQ(ClipboardBytes(), std::string("#FF8000", 8));
  EXPECT_EQ(Beeps(), std::vector<UINT>{MB_OK});
  const std::vector<Recorded> posted = PaletteMessages();
  ASSERT_EQ(posted.size(), 1u);
  EXPECT_EQ(posted[0].message, PM_ADDCOLOR);
  EXPECT_EQ(posted[0].wParam, 0x10000u);
  EXPECT_EQ(static_cast<std::uint32_t>(posted[0].lParam), kOrange);

  std::strcpy(settings.SpuitFormat, "RGB( %rr, %gg, %bb)");
  SpuitCommand();
  EXPECT_EQ(ClipboardBytes(), std::string("RGB( 255, 128, 0)", 18));

  // Unknown specifiers leave an empty text: just the NUL.
  std::strcpy(settings.SpuitFormat, "%ab");
  SpuitCommand();
  EXPECT_EQ(ClipboardBytes(), std::string(1, '\0'));
}

TEST_F(SpuitTest, AnEmptyFormatOrADisabledPaletteDoLess) {
  StartOverOrange();
  settings.SpuitFormat[0] = '\0';
  SpuitCommand();
  EXPECT_EQ(ClipboardBytes(), std::string("before", 7));
  EXPECT_TRUE(Beeps().empty());
  EXPECT_TRUE(PaletteMessages().empty());

  std::strcpy(settings.SpuitFormat, "#%rx%gx%bx");
  palettes[kSpuitPalette].header.enabled = 0;
  SpuitCommand();
  EXPECT_EQ(ClipboardBytes(), std::string("#FF8000", 8));
  EXPECT_TRUE(PaletteMessages().empty()) << "a disabled spuit palette is not fed";
}

TEST_F(SpuitTest, SoundsFollowBeepOnSpuitAndMuteBeep) {
  StartOverOrange();
  settings.MuteBeep = 1;
  SpuitCommand();
  EXPECT_EQ(Beeps(), std::vector<UINT>{MB_OK}) << "the palette is hidden: MuteBeep does not count";
  paletteShown = 1;
  SpuitCommand();
  EXPECT_TRUE(Beeps().empty()) << "muted while the palette is shown";
  settings.MuteBeep = 0;
  SpuitCommand();
  EXPECT_EQ(Beeps(), std::vector<UINT>{MB_OK});
  paletteShown = 0;
  settings.BeepOnSpuit = 0;
  SpuitCommand();
  EXPECT_TRUE(Beeps().empty());
  EXPECT_EQ(ClipboardBytes(), std::string("#FF8000", 8)) << "copied all the same";
}

// Another window holds the clipboard open: the error sound, the clipboard
// as it was, and nothing for the palette; also with BeepOnSpuit off.
TEST_F(SpuitTest, ABusyClipboardGivesTheErrorSound) {
  StartOverOrange();
  settings.BeepOnSpuit = 0;
  HWND holder = CreateWindowExA(0, "STATIC", "holder", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(OpenClipboard(holder));
  SpuitCommand();
  CloseClipboard();
  DestroyWindow(holder);
  EXPECT_EQ(Beeps(), std::vector<UINT>{MB_ICONHAND});
  EXPECT_EQ(ClipboardBytes(), std::string("before", 7));
  EXPECT_TRUE(PaletteMessages().empty());
}

TEST_F(SpuitTest, AHiddenPickerCopiesOnlyWithEnableSpuitOnSuspend) {
  settings.ShowPicker = 0;
  StartPicker();
  MoveMouse(400, 300);
  PumpMessages(100);
  KeyDown(VK_MENU);
  Click(Button::Right);
  KeyUp(VK_MENU);
  PumpMessages(200);
  EXPECT_EQ(ClipboardBytes(), std::string("before", 7)) << "hidden and not allowed";

  settings.EnableSpuitOnSuspend = 1;
  SetPickerSuspend(0, 0);
  SetPickerSuspend(1, 0);  // the hook core learns the new mode
  MoveMouse(410, 300);
  ASSERT_TRUE(WaitUntil([] { return pickerColour == kOrange; }));
  KeyDown(VK_MENU);
  Click(Button::Right);
  KeyUp(VK_MENU);
  EXPECT_TRUE(WaitUntil([] { return ClipboardBytes() == std::string("#FF8000", 8); }));
  EXPECT_FALSE(IsWindowVisible(pickerWindow));
}

}  // namespace

namespace {

// The picker stands beside the cursor, so a square of range 101 reaches
// under it: after a one-pixel move (the picker still where it stood) the
// sample is the screen's colour alone, never the picker's text and frame.
TEST_F(SpuitTest, ALargeRangeNeverSamplesThePickerItself) {
  const std::int32_t widest[] = {101};
  ASSERT_TRUE(SetRangeList(widest, 1, 0));
  StartOverOrange();
  for (int x : {401, 402, 401}) {
    MoveMouse(x, 300);
    ASSERT_TRUE(WaitUntil([&] { return cursorPosition.x == x; }));
    PumpMessages(60);  // the timer samples again meanwhile
    SpuitCommand();
    EXPECT_EQ(ClipboardBytes(), std::string("#FF8000", 8)) << "after the move to " << x;
  }
}

}  // namespace
