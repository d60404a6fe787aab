// The whole program as a user meets it: started from a folder of its own,
// driven through the tray icon, its menus and its windows with real input.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "clipboard_text.h"
#include "desktop.h"
#include "input.h"
#include "message_box_catcher.h"
#include "resources/resource.h"
#include "test_window.h"
#include "velun_process.h"

namespace {

constexpr UINT kExitCommand = CMD_EXIT;

std::string Ini(const TempDir& dir, const char* section, const char* key) {
  char value[260] = {};
  GetPrivateProfileStringA(section, key, "<missing>", value, sizeof value, dir.Path("velun.ini").c_str());
  return value;
}

int IniKeys(const TempDir& dir) {
  int keys = 0;
  char names[4096];
  for (const char* section : {"ぬべら", "ぬべらパレット"}) {
    const DWORD n = GetPrivateProfileStringA(section, nullptr, "", names, sizeof names,
                                             dir.Path("velun.ini").c_str());
    for (const char* k = names; k < names + n && *k; k += std::strlen(k) + 1) ++keys;
  }
  return keys;
}

void ExpectDefaultFiles(const TempDir& dir) {
  EXPECT_EQ(dir.Names(), (std::vector<std::string>{"VELUN.DLL", "keycfg.dat", "lumet.dll", "palette.dat",
                                                    "pickfmt.dat", "range.dat", "velun.exe", "velun.ini"}));
  EXPECT_EQ(IniKeys(dir), 36);
  EXPECT_EQ(dir.Size("pickfmt.dat"), 47);
  EXPECT_EQ(dir.Size("range.dat"), 20);
  EXPECT_EQ(dir.Size("keycfg.dat"), 60);
  EXPECT_EQ(dir.Size("palette.dat"), 54);
}

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ReleaseEverything();
    MoveMouse(300, 300);
    ASSERT_TRUE(velun.Start());
    ASSERT_TRUE(WaitUntil([&] { return velun.Window("zq_velun_picker") != nullptr &&
                                       IsWindowVisible(velun.Window("zq_velun_picker")); }, 10000))
        << "the picker did not appear";
    main = velun.Window("zq_velun");
    picker = velun.Window("zq_velun_picker");
  }
  void TearDown() override {
    ReleaseEverything();
    for (HWND menu : WindowsOf(velun.pid(), "#32768")) PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    if (main != nullptr && IsWindow(main)) PostMessageA(main, WM_COMMAND, kExitCommand, 0);
    velun.WaitForExit(5000);
  }

  // The tray icon, found while the picker is shown.
  RECT TrayIcon() {
    RECT icon = {};
    EXPECT_TRUE(WaitUntil([&] { return FindTrayIcon(icon); })) << "no tray icon on the taskbar";
    return icon;
  }
  HWND OpenTrayMenu(const RECT& icon) {
    ClickAt((icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2, true);
    return WaitForMenu(velun.pid());
  }

  VelunProcess velun;
  HWND main = nullptr;
  HWND picker = nullptr;
};

TEST_F(ProgramTest, FirstStartShowsThePickerAndWritesNothing) {
  EXPECT_NE(velun.Window("zq_velun_palette"), nullptr);
  EXPECT_FALSE(IsWindowVisible(velun.Window("zq_velun_palette")));
  ASSERT_NE(main, nullptr);
  EXPECT_FALSE(IsWindowVisible(main));
  EXPECT_EQ(velun.dir().Names(), (std::vector<std::string>{"VELUN.DLL", "lumet.dll", "velun.exe"}));

  // The picker stands beside the cursor: 20 right of it, 10 below.
  MoveMouse(200, 150);
  EXPECT_TRUE(WaitUntil([&] {
    RECT r;
    GetWindowRect(picker, &r);
    return r.left == 220 && r.top == 160;
  })) << "the picker does not follow the mouse";
}

TEST_F(ProgramTest, ASecondStartOpensTheSettingsOfTheFirst) {
  EXPECT_EQ(velun.RunAgain(), 0u);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(main) != FALSE; })) << "no settings frame";
  EXPECT_FALSE(IsWindowVisible(picker)) << "the picker hides while the settings are open";
  RECT frame, work;
  GetWindowRect(main, &frame);
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(frame.right - frame.left, 320);
  EXPECT_EQ(frame.bottom - frame.top, 380);
  EXPECT_NEAR((frame.left + frame.right) / 2, (work.left + work.right) / 2, 1) << "centred";
  EXPECT_NEAR((frame.top + frame.bottom) / 2, (work.top + work.bottom) / 2, 1);

  // Tab moves from the tab control into the page, Shift+Tab back past it
  // to the frame's buttons.
  GUITHREADINFO gui = {};
  gui.cbSize = sizeof gui;
  auto focusId = [&] {
    GetGUIThreadInfo(velun.MainThread(), &gui);
    return GetDlgCtrlID(gui.hwndFocus);
  };
  EXPECT_EQ(focusId(), IDC_TAB) << "the tab control has the focus";
  Tap(VK_TAB);
  EXPECT_TRUE(WaitUntil([&] { return focusId() == IDC_CURSOR_MARGIN_X; })) << "Tab went to " << focusId();
  Tap(VK_TAB);
  EXPECT_TRUE(WaitUntil([&] { return focusId() == IDC_CURSOR_MARGIN_Y; }));
  Chord(VK_SHIFT, VK_TAB, 2);
  EXPECT_TRUE(WaitUntil([&] { return focusId() == IDC_TAB; }));
  Chord(VK_SHIFT, VK_TAB);
  EXPECT_TRUE(WaitUntil([&] { return focusId() == IDC_CLOSE; })) << "Shift+Tab went to " << focusId();

  // "閉じる" hides the frame; the program goes on, the picker comes back.
  HWND close = FindWindowExA(main, nullptr, "Button", "閉じる");
  ASSERT_NE(close, nullptr);
  const POINT c = CentreOf(close);
  ClickAt(c.x, c.y);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(main); }));
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(picker) != FALSE; }));
  EXPECT_EQ(velun.WaitForExit(200), static_cast<DWORD>(STILL_ACTIVE));
}

TEST_F(ProgramTest, TrayMenuShowsRangesAndZoomState) {
  const RECT icon = TrayIcon();
  HWND menu = OpenTrayMenu(icon);
  ASSERT_NE(menu, nullptr) << "no tray menu";
  EXPECT_FALSE(IsWindowVisible(picker)) << "the picker hides while the menu is open";
  std::vector<MenuBand> items = ReadMenu(menu);
  ASSERT_EQ(items.size(), 8u);
  EXPECT_TRUE(items[0].checked) << "ピッカーを表示";
  EXPECT_FALSE(items[1].checked);
  EXPECT_TRUE(items[2].separator);
  EXPECT_TRUE(items[5].separator);

  PointAtBand(menu, items[3]);  // ズーム(&Z)
  HWND zoom = WaitForMenu(velun.pid(), {menu});
  ASSERT_NE(zoom, nullptr);
  std::vector<MenuBand> z = ReadMenu(zoom);
  ASSERT_EQ(z.size(), 6u);
  EXPECT_TRUE(z[0].greyed) << "ズーム is greyed while UseToggleForZoom is off";
  EXPECT_TRUE(z[1].separator);
  EXPECT_FALSE(z[2].checked);
  EXPECT_TRUE(z[3].checked) << "x8";
  EXPECT_FALSE(z[4].checked);

  PointAtBand(menu, items[4]);  // 範囲(&R)
  HWND ranges = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    for (HWND w : WindowsOf(velun.pid(), "#32768"))
      if (w != menu && ReadMenu(w).size() == 4u) ranges = w;
    return ranges != nullptr;
  })) << "no range submenu of 1, separator, 5, 15";
  std::vector<MenuBand> r = ReadMenu(ranges);
  EXPECT_TRUE(r[0].checked);
  EXPECT_TRUE(r[1].separator);
  EXPECT_FALSE(r[2].checked);
  EXPECT_FALSE(r[3].checked);

  // Choosing "5 ピクセル" makes it current.
  ClickBand(ranges, r[2]);
  EXPECT_TRUE(WaitUntil([&] { return WindowsOf(velun.pid(), "#32768").empty(); }));
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(picker) != FALSE; })) << "the picker is back";
  menu = OpenTrayMenu(icon);
  ASSERT_NE(menu, nullptr);
  items = ReadMenu(menu);
  ASSERT_EQ(items.size(), 8u);
  PointAtBand(menu, items[4]);
  ranges = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    for (HWND w : WindowsOf(velun.pid(), "#32768"))
      if (w != menu && ReadMenu(w).size() == 4u) ranges = w;
    return ranges != nullptr;
  }));
  r = ReadMenu(ranges);
  EXPECT_FALSE(r[0].checked);
  EXPECT_TRUE(r[2].checked) << "5 ピクセル is current";
  Tap(VK_ESCAPE);
  Tap(VK_ESCAPE);
}

TEST_F(ProgramTest, DoubleClickOnTheIconSwitchesThePicker) {
  const RECT icon = TrayIcon();
  EXPECT_EQ(LookOf(icon), IconLook::Shown);
  DoubleClickAt((icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(picker); })) << "the picker stays";
  EXPECT_TRUE(WaitUntil([&] { return LookOf(icon) == IconLook::Hidden; })) << "the icon stays";
  PumpMessages(GetDoubleClickTime() + 100);
  DoubleClickAt((icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2);
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(picker) != FALSE; }));
  EXPECT_TRUE(WaitUntil([&] { return LookOf(icon) == IconLook::Shown; }));
}

TEST_F(ProgramTest, ExitFromTheTrayMenuSavesTheDefaultFiles) {
  const RECT icon = TrayIcon();
  ASSERT_TRUE(PickTrayMenuItem(velun.pid(), icon, 7));  // 終了(&X)
  EXPECT_EQ(velun.WaitForExit(10000), 0u);
  ExpectDefaultFiles(velun.dir());
  EXPECT_EQ(Ini(velun.dir(), "ぬべら", "ShowPicker"), "1");
  EXPECT_EQ(Ini(velun.dir(), "ぬべらパレット", "CX"), "220");
  EXPECT_EQ(LookOf(icon), IconLook::Missing) << "the tray icon is removed";
  main = nullptr;
}

TEST_F(ProgramTest, EndOfSessionSavesWithoutEnding) {
  SendMessageA(main, WM_ENDSESSION, TRUE, 0);
  ExpectDefaultFiles(velun.dir());
  EXPECT_EQ(velun.WaitForExit(300), static_cast<DWORD>(STILL_ACTIVE));
  SendMessageA(main, WM_ENDSESSION, FALSE, 0);  // a cancelled shut-down saves nothing
}

BOOL CALLBACK FindById(HWND child, LPARAM lParam) {
  auto* search = reinterpret_cast<std::pair<int, HWND>*>(lParam);
  if (GetDlgCtrlID(child) == search->first) search->second = child;
  return search->second == nullptr;
}

// A control of the settings frame's pages, by its id.
HWND SettingsControl(HWND frame, int id) {
  std::pair<int, HWND> search = {id, nullptr};
  EnumChildWindows(frame, FindById, reinterpret_cast<LPARAM>(&search));
  return search.second;
}

std::string TextOf(HWND control) {
  char text[256] = {};
  SendMessageA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

// From the tray to a new distance of the picker, as a user does it.
TEST_F(ProgramTest, ANewCursorMarginFromTheSettingsMovesThePicker) {
  ASSERT_TRUE(PickTrayMenuItem(velun.pid(), TrayIcon(), 6));  // 設定(&C)...
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(main) != FALSE; })) << "no settings";
  HWND margin = SettingsControl(main, IDC_CURSOR_MARGIN_X);
  ASSERT_NE(margin, nullptr);
  EXPECT_EQ(TextOf(margin), "20");
  // With the keyboard: the tab control has the focus, Tab goes into the
  // page, Shift+Tab back past the tab control to the buttons. (Clicks on the
  // frame are unreliable here: under Wine's desktop an injected pointer
  // position lasts about 100 ms, which a busy program may miss.)
  velun.WaitIdle();
  auto focus = [&] {
    GUITHREADINFO gui = {};
    gui.cbSize = sizeof gui;
    GetGUIThreadInfo(velun.MainThread(), &gui);
    return gui.hwndFocus;
  };
  Tap(VK_TAB);
  ASSERT_TRUE(WaitUntil([&] { return focus() == margin; })) << "Tab goes into the page";
  Tap(VK_END);
  Tap(VK_BACK);
  Tap(VK_BACK);
  Tap('4');
  Tap('0');
  EXPECT_TRUE(WaitUntil([&] { return TextOf(margin) == "40"; })) << TextOf(margin);
  Chord(VK_SHIFT, VK_TAB, 3);  // tab control, 閉じる, 更新
  ASSERT_TRUE(WaitUntil([&] { return GetDlgCtrlID(focus()) == IDC_APPLY; })) << "更新 has the focus";
  Tap(VK_SPACE);
  EXPECT_TRUE(WaitUntil([&] { return Ini(velun.dir(), "ぬべら", "CursorMarginX") == "40"; }));
  Tap(VK_TAB);
  ASSERT_TRUE(WaitUntil([&] { return GetDlgCtrlID(focus()) == IDC_CLOSE; }));
  Tap(VK_SPACE);  // 閉じる
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(main) && IsWindowVisible(picker); }));

  MoveMouse(300, 300);
  EXPECT_TRUE(WaitUntil([&] {
    RECT r;
    GetWindowRect(picker, &r);
    return r.left == 340 && r.top == 310;
  })) << "the picker stands 40 right of the cursor";

  // Closed and opened again, the saved value is shown.
  EXPECT_EQ(velun.RunAgain(), 0u);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(main) != FALSE; }));
  EXPECT_EQ(TextOf(SettingsControl(main, IDC_CURSOR_MARGIN_X)), "40");
}

TEST(RefusedPicker, ShowsTheFailureAndEndsInOrder) {
  VelunProcess velun("refusing");
  ASSERT_TRUE(velun.Start());
  HWND box = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    for (HWND w : WindowsOf(velun.pid(), "#32770")) box = w;
    return box != nullptr;
  }, 10000)) << "no message box";
  char caption[64] = {}, text[256] = {};
  GetWindowTextA(box, caption, sizeof caption);
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
  EXPECT_STREQ(caption, "エラー");
  EXPECT_STREQ(text, "ピッカーの作成に失敗しました");
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(velun.WaitForExit(10000), 0u);
  ExpectDefaultFiles(velun.dir());
}


TEST_F(ProgramTest, ShortcutsZoomLockAndCopyTheColour) {
  MoveMouse(300, 300);
  RECT normal;
  ASSERT_TRUE(WaitUntil([&] {
    GetWindowRect(picker, &normal);
    return normal.left == 320;
  }));


  // Shift held: the zoom view, 8 × 8 + 1 pixels; released: the text view again.
  KeyDown(VK_SHIFT);
  EXPECT_TRUE(WaitUntil([&] {
    RECT r;
    GetWindowRect(picker, &r);
    return r.right - r.left == 65 && r.bottom - r.top == 65;
  })) << "no zoom";
  KeyUp(VK_SHIFT);
  EXPECT_TRUE(WaitUntil([&] {
    RECT r;
    GetWindowRect(picker, &r);
    return r.right - r.left == normal.right - normal.left;
  }));


  // alt + right click copies the colour under the cursor, as the screen shows it.
  HDC screenDc = GetDC(nullptr);
  const COLORREF under = GetPixel(screenDc, 300, 300);
  ReleaseDC(nullptr, screenDc);
  char expected[8];
  std::snprintf(expected, sizeof expected, "#%02X%02X%02X", GetRValue(under), GetGValue(under), GetBValue(under));
  OpenClipboard(nullptr);
  EmptyClipboard();
  CloseClipboard();
  KeyDown(VK_MENU);
  Click(Button::Right);
  KeyUp(VK_MENU);
  EXPECT_TRUE(WaitUntil([&] { return ClipboardText() == expected; })) << ClipboardText() << " for " << expected;


  // alt + F2 locks the picker where it is; a second time frees it, and it
  // follows the mouse again. (Under Wine's desktop an injected move is seen
  // by GetCursorPos only for a moment, so the test moves once more after
  // unlocking instead of asking where the unlocked picker jumped to.)
  Chord(VK_MENU, VK_F2);
  PumpMessages(200);
  MoveMouse(600, 300);
  PumpMessages(300);
  RECT r;
  GetWindowRect(picker, &r);
  EXPECT_EQ(r.left, normal.left) << "a locked picker stays";
  Chord(VK_MENU, VK_F2);
  PumpMessages(200);
  MoveMouse(650, 300);
  EXPECT_TRUE(WaitUntil([&] {
    GetWindowRect(picker, &r);
    return r.left == 670;
  })) << "unlocked, it follows the mouse again; it is at " << r.left;

  // alt + F1 hides the picker and switches the tray icon; the main window
  // runs it, handed over from the picker thread.
  const RECT icon = TrayIcon();
  Chord(VK_MENU, VK_F1);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(picker); })) << "the picker stays";
  EXPECT_TRUE(WaitUntil([&] { return LookOf(icon) == IconLook::Hidden; })) << "the icon stays";
  Chord(VK_MENU, VK_F1);
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(picker) != FALSE; }));
  EXPECT_TRUE(WaitUntil([&] { return LookOf(icon) == IconLook::Shown; }));
}

}  // namespace

// What velun shows at one display scale: Wine takes the scale from
// LogPixels when a process starts.
struct AtScale {
  RECT picker;     // with the cursor at 300, 300
  int itemHeight;  // of the palette window's list
  RECT frame;      // the settings frame
  bool fits;       // its buttons inside its client area, below the tab control
  RECT palette;    // the palette window
  std::string savedSize;  // its CX and CY in velun.ini after the exit
};

void SetLogPixels(DWORD dpi) {
  RegSetKeyValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels", REG_DWORD, &dpi, sizeof dpi);
}

AtScale RunAtScale(DWORD dpi) {
  AtScale seen = {};
  ReleaseEverything();
  MoveMouse(300, 300);
  SetLogPixels(dpi);
  VelunProcess velun;
  const bool started = velun.Start() && WaitUntil([&] {
    return velun.Window("zq_velun_picker") != nullptr && IsWindowVisible(velun.Window("zq_velun_picker"));
  }, 10000);
  SetLogPixels(96);
  EXPECT_TRUE(started) << dpi;
  if (!started) return seen;
  HWND main = velun.Window("zq_velun");
  HWND picker = velun.Window("zq_velun_picker");
  MoveMouse(310, 310);
  MoveMouse(300, 300);
  WaitUntil([&] {
    GetWindowRect(picker, &seen.picker);
    return seen.picker.left > 300 && seen.picker.left < 340 && seen.picker.top > 300 && seen.picker.top < 320;
  });

  PostMessageA(main, WM_COMMAND, CMD_SHOW_PALETTE, 0);
  HWND palette = velun.Window("zq_velun_palette");
  WaitUntil([&] { return IsWindowVisible(palette) != FALSE; });
  GetWindowRect(palette, &seen.palette);
  HWND list = GetDlgItem(GetDlgItem(palette, IDC_PALETTE_TAB), IDC_PALETTE_LIST);
  seen.itemHeight = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));

  EXPECT_EQ(velun.RunAgain(), 0u);  // the settings of the running one open
  WaitUntil([&] { return IsWindowVisible(main) != FALSE; });
  GetWindowRect(main, &seen.frame);
  RECT client, tab;
  GetClientRect(main, &client);
  GetWindowRect(GetDlgItem(main, IDC_TAB), &tab);
  MapWindowPoints(HWND_DESKTOP, main, reinterpret_cast<POINT*>(&tab), 2);
  seen.fits = true;
  for (int id : {IDC_ABOUT, IDC_APPLY, IDC_CLOSE}) {
    RECT button;
    GetWindowRect(GetDlgItem(main, id), &button);
    MapWindowPoints(HWND_DESKTOP, main, reinterpret_cast<POINT*>(&button), 2);
    seen.fits = seen.fits && button.left >= 0 && button.right <= client.right && button.bottom <= client.bottom &&
                button.top >= tab.bottom;
  }
  PostMessageA(main, WM_COMMAND, kExitCommand, 0);
  EXPECT_EQ(velun.WaitForExit(5000), 0u);
  seen.savedSize = Ini(velun.dir(), "ぬべらパレット", "CX") + "x" + Ini(velun.dir(), "ぬべらパレット", "CY");
  return seen;
}

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

// At 150 % every size is one and a half times its size at 100 %: the
// picker's margins and text, the palette window and its items and the
// settings frame, whose buttons still fit.
TEST(DisplayScale, EverySizeGrowsByTheScale) {
  const AtScale base = RunAtScale(96);
  const AtScale scaled = RunAtScale(144);
  EXPECT_EQ(base.picker.left - 300, 20);
  EXPECT_EQ(base.picker.top - 300, 10);
  EXPECT_EQ(scaled.picker.left - 300, 30);
  EXPECT_EQ(scaled.picker.top - 300, 15);
  // Hinted glyphs do not widen exactly by the scale.
  EXPECT_NEAR(Width(scaled.picker), Width(base.picker) * 1.5, Width(base.picker) * 0.1);
  EXPECT_NEAR(Height(scaled.picker), Height(base.picker) * 1.5, 3);
  EXPECT_EQ(base.itemHeight, 20);
  EXPECT_EQ(scaled.itemHeight, 30);
  EXPECT_EQ(Width(base.frame), 320);
  EXPECT_EQ(Width(scaled.frame), 480);
  EXPECT_EQ(Height(scaled.frame), 570);
  EXPECT_TRUE(base.fits);
  EXPECT_TRUE(scaled.fits);
  // The palette window's saved size is at 100 %, scaled where it opens.
  EXPECT_EQ(Width(scaled.palette), 330);
  EXPECT_EQ(Height(scaled.palette), 600);
  EXPECT_EQ(scaled.savedSize, "220x400");
}
