// The picker window on its thread, driven with real input through the real
// hook core, over a window that paints known colours.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "core/colour.h"
#include "core/palette_model.h"
#include "core/settings.h"
#include "hookcore/hook_messages.h"
#include "hookcore/velun_core.h"
#include "input.h"
#include "message_recorder.h"
#include "picker/picker_state.h"
#include "picker/picker_window.h"
#include "picker_fixture.h"
#include "resources/resource.h"
#include "shared/palette_link.h"
#include "test_window.h"

namespace {

// Every pixel its own colour, so a colour tells where it was read.
std::uint32_t Coded(int x, int y) {
  return static_cast<std::uint32_t>((x & 0xFF) | ((y & 0xFF) << 8) | (((x >> 8) + 4 * (y >> 8)) << 16));
}

using PickerTest = PickerFixture;

bool PickerAt(const RECT& r, int x, int y) { return r.left == x && r.top == y; }

TEST_F(PickerTest, FollowsTheMouseAndFlipsAtTheScreenEdges) {
  PatternWindow screen(Coded);
  StartPicker();
  MoveMouse(100, 100);
  ASSERT_TRUE(WaitUntil([&] { return PickerAt(PickerRect(), 120, 110); }));
  const RECT r = PickerRect();
  const int w = r.right - r.left, h = r.bottom - r.top;
  MoveMouse(1000, 740);
  EXPECT_TRUE(WaitUntil([&] { return PickerAt(PickerRect(), 1000 - 20 - w, 740 - 10 - h); }))
      << "both flipped";
  MoveMouse(1000, 700);
  EXPECT_TRUE(WaitUntil([&] { return PickerAt(PickerRect(), 1000 - 20 - w, 710); })) << "only x flips";
  settings.AdjustPickerPosition = 0;
  MoveMouse(1000, 740);
  EXPECT_TRUE(WaitUntil([&] { return PickerAt(PickerRect(), 1020, 750); })) << "partly off the screen";
}

// The desktop shrinks under a resting picker: the next move flips it at the
// new edge, not at the one it knew.
TEST_F(PickerTest, FlipsAtTheNewEdgeOnceTheDisplayChanges) {
  StartPicker();
  MoveMouse(700, 300);
  ASSERT_TRUE(WaitUntil([&] { return PickerAt(PickerRect(), 720, 310); }));
  const int w = PickerRect().right - PickerRect().left;
  DEVMODEA mode = {};
  mode.dmSize = sizeof mode;
  mode.dmPelsWidth = 800;
  mode.dmPelsHeight = 600;
  mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
  ASSERT_EQ(ChangeDisplaySettingsA(&mode, 0), DISP_CHANGE_SUCCESSFUL);
  struct Restore {
    ~Restore() { ChangeDisplaySettingsA(nullptr, 0); }
  } restore;
  MoveMouse(701, 300);
  EXPECT_TRUE(WaitUntil([&] { return PickerAt(PickerRect(), 701 - 20 - w, 310); }));
}

TEST_F(PickerTest, SizedToTheWidestTextOfTheFormat) {
  StartPicker();
  // The measuring text of the default format, measured here line by line.
  const char* lines[] = {"x9999, y9999\r", "10進: 255:255:255\r", "16進: #FFFFFF"};
  HDC dc = GetDC(pickerWindow);
  HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  int w = 0, h = 0;
  for (const char* line : lines) {
    SIZE s;
    GetTextExtentPoint32A(dc, line, static_cast<int>(std::strlen(line)), &s);
    w = s.cx > w ? s.cx : w;
    h = s.cy > h ? s.cy : h;
  }
  SelectObject(dc, old);
  ReleaseDC(pickerWindow, dc);
  const RECT r = PickerRect();
  EXPECT_EQ(r.right - r.left, w + 10);
  EXPECT_EQ(r.bottom - r.top, 3 * h + 6);
}

TEST_F(PickerTest, ZoomSizesAndWhenZoomCannotStart) {
  StartPicker();
  auto side = [&] {
    const RECT r = PickerRect();
    return r.right - r.left == r.bottom - r.top ? r.right - r.left : -1;
  };
  settings.ZoomLevel = 3;
  SetPickerZoom(1);
  EXPECT_EQ(side(), 41);
  SetPickerZoom(0);
  settings.ZoomLevel = 12;
  SetPickerZoom(1);
  EXPECT_EQ(side(), 97);
  SetPickerZoom(0);
  settings.ZoomType = 1;
  settings.ZoomRect = 80;
  SetPickerZoom(1);
  EXPECT_EQ(side(), 81) << "fixed, whatever the level";
  SetPickerZoom(0);

  // No zoom at level 0, nor fixed at size 0: the shortcut (Shift) does nothing.
  const RECT normal = PickerRect();
  settings.ZoomRect = 0;
  KeyDown(VK_SHIFT);
  PumpMessages(100);
  EXPECT_EQ(zoomActive, 0);
  KeyUp(VK_SHIFT);
  settings.ZoomType = 0;
  settings.ZoomLevel = 0;
  KeyDown(VK_SHIFT);
  PumpMessages(100);
  EXPECT_EQ(zoomActive, 0);
  KeyUp(VK_SHIFT);
  EXPECT_EQ(PickerRect().right - PickerRect().left, normal.right - normal.left);
}

TEST_F(PickerTest, WheelChangesTheZoomLevelWithinTwoToSixteen) {
  PatternWindow screen(Coded);
  StartPicker();
  settings.UseToggleForZoom = 1;
  SetPickerZoom(1);
  settings.ZoomLevel = 3;
  Wheel(120);  // away from the user: smaller
  EXPECT_TRUE(WaitUntil([] { return settings.ZoomLevel == 2; }));
  Wheel(120);
  PumpMessages(100);
  EXPECT_EQ(settings.ZoomLevel, 2);
  settings.ZoomLevel = 15;
  Wheel(-120);
  EXPECT_TRUE(WaitUntil([&] { return settings.ZoomLevel == 16 && PickerRect().right - PickerRect().left == 129; }))
      << "the picker is resized at once";
  Wheel(-120);
  PumpMessages(100);
  EXPECT_EQ(settings.ZoomLevel, 16);
}

TEST_F(PickerTest, LockAndZoomExcludeEachOther) {
  PatternWindow screen(Coded);
  StartPicker();
  settings.UseToggleForZoom = 1;
  auto press = [](WORD vk, bool alt) {
    if (alt) KeyDown(VK_MENU);
    Tap(vk);
    if (alt) KeyUp(VK_MENU);
    PumpMessages(100);
  };
  press(VK_SHIFT, false);  // zoom on (toggle)
  ASSERT_TRUE(WaitUntil([] { return zoomActive == 1; }));
  press(VK_F2, true);  // lock: not while zooming
  EXPECT_EQ(pickerLocked, 0);
  press(VK_SHIFT, false);
  ASSERT_TRUE(WaitUntil([] { return zoomActive == 0; }));
  press(VK_F2, true);
  ASSERT_TRUE(WaitUntil([] { return pickerLocked == 1; }));
  press(VK_SHIFT, false);  // zoom: not while locked
  EXPECT_EQ(zoomActive, 0);
  // The tray menu's zoom has no such condition.
  SetPickerZoom(1);
  EXPECT_EQ(zoomActive, 1);
}

TEST_F(PickerTest, LockedPickerStaysAndComesBackToTheCursor) {
  PatternWindow screen(Coded);
  StartPicker();
  PointAt(200, 200);  // Wine's own pointer there too: a move it adds comes here
  MoveMouse(200, 200);
  ASSERT_TRUE(WaitUntil([&] { return PickerAt(PickerRect(), 220, 210); }));
  SetPickerLock(1);
  MoveMouse(400, 300);
  PumpMessages(150);
  EXPECT_TRUE(PickerAt(PickerRect(), 220, 210));
  // A double-click on the picker itself unlocks it.
  SendMessageA(pickerWindow, WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
  EXPECT_EQ(pickerLocked, 0);
  // Command 1321 unlocks too.
  SetPickerLock(1);
  SendMessageA(pickerWindow, WM_COMMAND, CMD_UNLOCK, 0);
  EXPECT_EQ(pickerLocked, 0);
}

// Where the user left the cursor. Under Wine's desktop a position that was
// set, not moved to by the X pointer, reads back only for a moment, so the
// picker is told where the cursor rests.
POINT restingCursor;
BOOL WINAPI RestingCursor(POINT* p) {
  *p = restingCursor;
  return TRUE;
}

TEST_F(PickerTest, ArrowKeysMoveTheCursorByOnePixelWhileZooming) {
  PatternWindow screen(Coded);
  StartPicker();
  settings.UseToggleForZoom = 1;
  SetPickerZoom(1);
  readCursorPos = RestingCursor;
  POINT p;
  auto nudge = [&](WORD vk, int x, int y) {
    Tap(vk);
    const bool moved = WaitUntil([&] { return GetCursorPos(&p) && p.x == x && p.y == y; });
    restingCursor = {x, y};
    return moved;
  };
  restingCursor = {500, 400};
  EXPECT_TRUE(nudge(VK_RIGHT, 501, 400)) << p.x << "," << p.y;
  EXPECT_TRUE(nudge(VK_UP, 501, 399)) << p.x << "," << p.y;
  EXPECT_TRUE(nudge(VK_LEFT, 500, 399)) << p.x << "," << p.y;
  EXPECT_TRUE(nudge(VK_DOWN, 500, 400)) << p.x << "," << p.y;
  // Not while zoom is off.
  SetPickerZoom(0);
  Tap(VK_RIGHT);
  EXPECT_FALSE(WaitUntil([&] { return GetCursorPos(&p) && p.x == 501 && p.y == 400; }, 150));
  readCursorPos = GetCursorPos;
}

TEST_F(PickerTest, AltF4AndCloseLeaveThePickerAlone) {
  StartPicker();
  SendMessageA(pickerWindow, WM_CLOSE, 0, 0);
  SendMessageA(pickerWindow, WM_SYSCOMMAND, SC_CLOSE, 0);
  PumpMessages(100);
  ASSERT_TRUE(IsWindow(pickerWindow));
  EXPECT_TRUE(PickerVisible());
  EXPECT_TRUE(GetClassLongA(pickerWindow, GCL_STYLE) & CS_NOCLOSE);
}

// The redraw timer: a colour change under a resting cursor shows only while
// the timer runs.
TEST_F(PickerTest, TimerRunsByRealtimeDrawLimiterAndRange) {
  std::atomic<std::uint32_t> colour{0x102030};
  PatternWindow screen([&](int, int) { return colour.load(); });
  StartPicker();
  MoveMouse(300, 300);
  ASSERT_TRUE(WaitUntil([] { return pickerColour == 0x102030u; }));
  auto changeScreen = [&](std::uint32_t c) {
    colour = c;
    InvalidateRect(screen.hwnd(), nullptr, FALSE);
    UpdateWindow(screen.hwnd());
  };
  changeScreen(0x405060);
  EXPECT_TRUE(WaitUntil([] { return pickerColour == 0x405060u; })) << "range 1: the timer runs";

  // Range 5 with the limiter: no timer.
  const std::int32_t sizes[] = {1, 5};
  SetRangeList(sizes, 2, 1);
  SetPickerTimer(0);
  SetPickerTimer(1);
  changeScreen(0x708090);
  PumpMessages(200);
  EXPECT_EQ(pickerColour, 0x405060u) << "no timer at range 5 with the limiter";
  // Without the limiter it runs at range 5 too.
  settings.UseLimiterForRealtimeDraw = 0;
  SetPickerTimer(1);
  EXPECT_TRUE(WaitUntil([] { return pickerColour == 0x708090u; }));
  // Without RealtimeDraw never.
  SetPickerTimer(0);
  settings.RealtimeDraw = 0;
  SetPickerTimer(1);
  changeScreen(0x0A0B0C);
  PumpMessages(200);
  EXPECT_EQ(pickerColour, 0x708090u);
}

TEST_F(PickerTest, LayeredSwitchSetsTheStyleAndAlpha) {
  HMODULE user32 = GetModuleHandleA("user32.dll");
  setLayeredWindowAttributes = reinterpret_cast<SetLayeredWindowAttributesFn>(
      reinterpret_cast<void*>(GetProcAddress(user32, "SetLayeredWindowAttributes")));
  ASSERT_NE(setLayeredWindowAttributes, nullptr);
  settings.Layered = 1;
  settings.LayeredLevel = 55;
  StartPicker();
  EXPECT_TRUE(GetWindowLongA(pickerWindow, GWL_EXSTYLE) & WS_EX_LAYERED) << "layered from the start";
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(pickerWindow, nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 200);
  EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA));
  SetPickerLayered(0);
  EXPECT_FALSE(GetWindowLongA(pickerWindow, GWL_EXSTYLE) & WS_EX_LAYERED);

  // Only while zooming.
  settings.LayeredOnZoomOnly = 1;
  SetPickerZoom(1);
  EXPECT_TRUE(GetWindowLongA(pickerWindow, GWL_EXSTYLE) & WS_EX_LAYERED);
  SetPickerZoom(0);
  EXPECT_FALSE(GetWindowLongA(pickerWindow, GWL_EXSTYLE) & WS_EX_LAYERED);

  // Without the function nothing changes.
  setLayeredWindowAttributes = nullptr;
  SetPickerLayered(1);
  EXPECT_FALSE(GetWindowLongA(pickerWindow, GWL_EXSTYLE) & WS_EX_LAYERED);
}

// The hook runs before the cursor moves: the picker must sample where the
// report says the cursor went, not where GetCursorPos still says it is.
TEST_F(PickerTest, AJumpSamplesTheNewPlace) {
  PatternWindow screen(Coded);
  StartPicker();
  const POINT places[] = {{100, 100}, {700, 500}, {101, 101}, {900, 80}, {40, 600},
                          {512, 384}, {513, 385}, {20, 20},   {1000, 700}, {300, 650}};
  for (int round = 0; round < 3; ++round)
    for (const POINT& p : places) {
      MoveMouse(p.x, p.y);
      EXPECT_TRUE(WaitUntil([&] { return cursorPosition.x == p.x && cursorPosition.y == p.y; }, 1000))
          << "stored " << cursorPosition.x << "," << cursorPosition.y << " for " << p.x << "," << p.y;
      PumpMessages(40);  // the timer resamples the stored position meanwhile
      EXPECT_EQ(cursorPosition.x, p.x);
      EXPECT_EQ(cursorPosition.y, p.y);
      EXPECT_EQ(pickerColour, Coded(p.x, p.y)) << "at " << p.x << "," << p.y;
    }
}

// A report that arrives before the system moved the cursor: the picker
// stands and samples where the report says.
TEST_F(PickerTest, AMoveReportIsWhereThePickerSamples) {
  PatternWindow screen(Coded);
  StartPicker();
  PointAt(100, 100);
  // Wine adds moves of its own now and then, and a report with another
  // behind it is skipped: it is sent again until it was the last.
  auto reported = [](LPARAM at, auto done) {
    return WaitUntil([&] { return PostMessageA(pickerWindow, HCN_MOUSEMOVE, 0, at) && done(); });
  };
  EXPECT_TRUE(reported(MAKELPARAM(700, 500), [this] {
    return PickerAt(PickerRect(), 720, 510) && cursorPosition.x == 700 && pickerColour == Coded(700, 500);
  }));
  // Left of the primary monitor the coordinates are negative; off the screen reads white.
  EXPECT_TRUE(reported(static_cast<LPARAM>(0x0064FFF6), [] {  // (-10, 100)
    return cursorPosition.x == -10 && cursorPosition.y == 100 && pickerColour == 0xFFFFFFu;
  }));
}

BOOL WINAPI UnreadableCursor(POINT* p) {
  p->x = p->y = 0x7EEEEEEE;  // what a failing GetCursorPos may leave behind
  return FALSE;
}

// Where the cursor cannot be read (a secure desktop), the picker keeps its
// last position instead of an uninitialised one.
TEST_F(PickerTest, AnUnreadableCursorKeepsTheLastPosition) {
  PatternWindow screen(Coded);
  StartPicker();
  MoveMouse(250, 250);
  ASSERT_TRUE(WaitUntil([&] { return PickerAt(PickerRect(), 270, 260); }));
  readCursorPos = UnreadableCursor;
  SetPickerLock(1);
  SetPickerLock(0);  // moves to the cursor
  EXPECT_EQ(cursorPosition.x, 250);
  EXPECT_EQ(cursorPosition.y, 250);
  EXPECT_TRUE(PickerAt(PickerRect(), 270, 260));
  // The arrow nudge starts from there too.
  settings.UseToggleForZoom = 1;
  SetPickerZoom(1);
  SendMessageA(pickerWindow, HCN_ZOOMINPUT, 1, VK_RIGHT);
  POINT p;
  EXPECT_TRUE(WaitUntil([&] { return GetCursorPos(&p) && p.x == 251 && p.y == 250; }))
      << p.x << "," << p.y;
  readCursorPos = GetCursorPos;
}

// Drags, with real buttons: the picker hides while a button is held and
// moved, and comes back when the last one is released.
TEST_F(PickerTest, OneButtonDrag) {
  PatternWindow screen(Coded);
  StartPicker();
  MoveMouse(300, 300);
  ButtonDown(Button::Left);
  MoveMouse(320, 310);
  EXPECT_TRUE(WaitUntil([&] { return !PickerVisible(); })) << "the drag was not seen";
  EXPECT_FALSE(DragIdle());
  ButtonUp(Button::Left);
  EXPECT_TRUE(WaitUntil([&] { return PickerVisible() && DragIdle(); }));
  MoveMouse(330, 330);
  EXPECT_TRUE(WaitUntil([&] { return PickerAt(PickerRect(), 350, 340); }));
  // An up the hook never reports (here its hooks are gone for it): the
  // picker sees the button up at its next tick and shows again.
  ButtonDown(Button::Left);
  MoveMouse(340, 330);
  ASSERT_TRUE(WaitUntil([&] { return !PickerVisible(); }));
  __ReleaseVelunCore();
  ButtonUp(Button::Left);
  ReattachHookCore();
  EXPECT_TRUE(WaitUntil([&] { return PickerVisible() && DragIdle(); })) << "a lost up leaves the picker hidden";
}

TEST_F(PickerTest, TwoButtonDragEndsWithTheLastButton) {
  PatternWindow screen(Coded);
  StartPicker();
  MoveMouse(300, 300);
  ButtonDown(Button::Left);
  MoveMouse(310, 300);
  ASSERT_TRUE(WaitUntil([&] { return !PickerVisible(); }));
  // The picker is hidden (suspended, mode 2): the right drag must still be seen.
  ButtonDown(Button::Right);
  MoveMouse(320, 300);
  PumpMessages(100);
  ButtonUp(Button::Left);
  PumpMessages(200);
  EXPECT_FALSE(PickerVisible()) << "the right button is still held";
  EXPECT_FALSE(DragIdle());
  ButtonUp(Button::Right);
  EXPECT_TRUE(WaitUntil([&] { return PickerVisible() && DragIdle(); }));
}

TEST_F(PickerTest, NoDragWhileTheTrayMenuIsOpenOrThePickerLocked) {
  PatternWindow screen(Coded);
  StartPicker();
  ResetEvent(menuIdleEvent);
  MoveMouse(300, 300);
  ButtonDown(Button::Left);
  MoveMouse(310, 300);
  PumpMessages(150);
  EXPECT_TRUE(DragIdle());
  ButtonUp(Button::Left);
  SetEvent(menuIdleEvent);
  SetPickerLock(1);
  ButtonDown(Button::Left);
  MoveMouse(320, 300);
  PumpMessages(150);
  EXPECT_TRUE(DragIdle());
  EXPECT_TRUE(PickerVisible());
  ButtonUp(Button::Left);
}

TEST_F(PickerTest, ForceUpdateAfterDragRepaintsEveryWindow) {
  PatternWindow screen(Coded);
  settings.ForceUpdateAfterDrag = 1;
  StartPicker();
  RecorderWindow other(WM_PAINT, WM_PAINT, true);
  MoveMouse(300, 300);
  ButtonDown(Button::Left);
  MoveMouse(310, 300);
  ASSERT_TRUE(WaitUntil([&] { return !PickerVisible(); }));
  other.Take();
  ButtonUp(Button::Left);
  EXPECT_TRUE(WaitUntil([&] { return other.Received(WM_PAINT, 0); })) << "no repaint of the other window";

  settings.ForceUpdateAfterDrag = 0;
  ButtonDown(Button::Left);
  MoveMouse(320, 300);
  ASSERT_TRUE(WaitUntil([&] { return !PickerVisible(); }));
  other.Take();
  ButtonUp(Button::Left);
  ASSERT_TRUE(WaitUntil([&] { return PickerVisible(); }));
  EXPECT_FALSE(other.Received(WM_PAINT, 0));
}

// Hidden with EnableSpuitOnSuspend, the picker samples on every move without
// showing or moving.
TEST_F(PickerTest, HiddenPickerSamplesForTheSpuit) {
  PatternWindow screen(Coded);
  settings.EnableSpuitOnSuspend = 1;
  settings.ShowPicker = 0;
  StartPicker();
  EXPECT_FALSE(PickerVisible());
  const RECT before = PickerRect();
  MoveMouse(640, 200);
  EXPECT_TRUE(WaitUntil([] { return pickerColour == Coded(640, 200); }));
  EXPECT_EQ(PickerRect().left, before.left);
  EXPECT_FALSE(PickerVisible());
}

TEST_F(PickerTest, CollectPaletteGetsEachPixelPassedOver) {
  PatternWindow screen(Coded);
  palettes[kCollectPalette].header.enabled = 1;
  StartPicker();
  PaletteMessages();
  MoveMouse(123, 45);
  std::vector<Recorded> got;
  ASSERT_TRUE(WaitUntil([&] {
    for (const Recorded& r : PaletteMessages()) got.push_back(r);
    return !got.empty() && static_cast<std::uint32_t>(got.back().lParam) == Coded(123, 45);
  }));
  EXPECT_EQ(got.back().message, PM_ADDCOLOR);
  EXPECT_EQ(got.back().wParam, 1u);
  // The pixel itself, also where the picker shows an average (red wraps at
  // x 256, so the 5 x 5 average differs from it).
  const std::int32_t five[] = {5};
  SetRangeList(five, 1, 0);
  MoveMouse(256, 300);
  EXPECT_TRUE(WaitUntil([&] {
    for (const Recorded& r : PaletteMessages())
      if (static_cast<std::uint32_t>(r.lParam) == Coded(256, 300)) return true;
    return false;
  }));
  EXPECT_NE(pickerColour.load(), Coded(256, 300)) << "the picker shows the 5 x 5 average";
  PumpMessages(200);
  PaletteMessages();  // what Wine's own moves added
  // Not while the palette window is shown, nor while the picker is hidden.
  paletteShown = 1;
  MoveMouse(130, 45);
  EXPECT_TRUE(PaletteMessages().empty());
  paletteShown = 0;
  SetPickerSuspend(1, 0);
  MoveMouse(140, 45);
  EXPECT_TRUE(PaletteMessages().empty());
}

// The palette and show-picker shortcuts belong to the main thread: the
// picker hands them over and touches neither itself.
TEST_F(PickerTest, PaletteAndShowPickerShortcutsGoToTheShell) {
  StartPicker();
  SendMessageA(pickerWindow, HCN_SHORTCUT, kSlotPalette, 0);
  EXPECT_EQ(shortcutCount, 1);
  EXPECT_EQ(lastShortcut, static_cast<unsigned>(kSlotPalette));
  EXPECT_EQ(paletteWanted, 0);
  SendMessageA(pickerWindow, HCN_SHORTCUT, kSlotShowPicker, 0);
  EXPECT_EQ(shortcutCount, 2);
  EXPECT_EQ(lastShortcut, static_cast<unsigned>(kSlotShowPicker));
  EXPECT_EQ(settings.ShowPicker, 1);
  // Locked, show-picker does nothing; with the settings open nothing at all.
  SetPickerLock(1);
  SendMessageA(pickerWindow, HCN_SHORTCUT, kSlotShowPicker, 0);
  EXPECT_EQ(shortcutCount, 2);
  settingsOpen = 1;
  SendMessageA(pickerWindow, HCN_SHORTCUT, kSlotPalette, 0);
  EXPECT_EQ(shortcutCount, 2);
  settingsOpen = 0;
}

}  // namespace

namespace {

// Hooks gone without the picker being told (as Windows drops a hook that
// once answered too slowly; here they are released from outside): the
// picker notices that the cursor went where no report told of, attaches
// the hooks anew within a few seconds, and follows the mouse again.
TEST_F(PickerTest, HooksDroppedBehindItsBackComeBack) {
  // A move made before the hook thread answers goes unseen under Wine (the
  // core names its window a moment before its hooks are in), and the user
  // moves on, as here.
  auto followsTheMouse = [&](int x, int y) {
    for (int i = 0; i < 10; ++i) {
      MoveMouse(x + i, y);
      if (WaitUntil([&] { return PickerAt(PickerRect(), x + i + 20, y + 10); }, 1000)) return true;
    }
    return false;
  };
  StartPicker();
  ASSERT_TRUE(followsTheMouse(200, 200));
  __ReleaseVelunCore();
  MoveMouse(400, 300);
  EXPECT_TRUE(WaitUntil([] { return __GetVelunCore() != 0; }, 10000)) << "the hooks were not attached anew";
  EXPECT_TRUE(followsTheMouse(410, 310)) << "the picker does not follow the mouse again";
}

}  // namespace
