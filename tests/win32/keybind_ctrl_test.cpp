#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "common/keybind_testing.h"
#include "input.h"
#include "keybind/keybind.h"
#include "keybind/lumet.h"
#include "module_info.h"
#include "resources/resource.h"
#include "test_window.h"

namespace {

constexpr char kHostClass[] = "velun_test_keybind_host";

class KeyBindCtrlTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_EQ(_InitKeyBindCtrl(GetModuleHandleA(nullptr)), 0);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kHostClass;
    RegisterClassA(&wc);
  }

  void SetUp() override {
    host = CreateWindowExA(0, kHostClass, "keybind", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100,
                           320, 200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ctrl = CreateWindowExA(0, "zq_keybind", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 10, 220,
                           24, host, reinterpret_cast<HMENU>(IDC_BIND_SPUIT), GetModuleHandleA(nullptr),
                           nullptr);
    other = CreateWindowExA(0, "BUTTON", "other", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 60, 80,
                            24, host, reinterpret_cast<HMENU>(1), GetModuleHandleA(nullptr),
                            nullptr);
    ASSERT_NE(ctrl, nullptr);
    SetForegroundWindow(host);
    SetFocus(other);
    PumpMessages(100);
  }

  void TearDown() override {
    ReleaseEverything();
    // Clear the library-wide held flags whatever a test left behind.
    for (WPARAM vk : {VK_SHIFT, VK_CONTROL, VK_MENU}) SendMessageA(ctrl, WM_KEYUP, vk, 0);
    DestroyWindow(host);
    PumpMessages(30);
  }

  KeyBind Get() const {
    KeyBind b;
    std::memset(&b, 0xCC, sizeof b);
    SendMessageA(ctrl, KBM_GETBIND, 0, reinterpret_cast<LPARAM>(&b));
    return b;
  }
  void Set(const KeyBind& b) const { SendMessageA(ctrl, KBM_SETBIND, 0, reinterpret_cast<LPARAM>(&b)); }
  void FocusControl() const {
    SetFocus(ctrl);
    PumpMessages(30);
  }
  COLORREF PixelAt(int x, int y) const {
    UpdateWindow(ctrl);
    PumpMessages(50);
    HDC dc = GetDC(ctrl);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(ctrl, dc);
    return c;
  }

  HWND host = nullptr;
  HWND ctrl = nullptr;
  HWND other = nullptr;
};

TEST_F(KeyBindCtrlTest, ClassIsRegisteredOnlyOnce) {
  EXPECT_EQ(_InitKeyBindCtrl(GetModuleHandleA(nullptr)), -1);
}

TEST_F(KeyBindCtrlTest, FreshControlAndItsMessages) {
  EXPECT_EQ(Get(), KeyBind{});
  EXPECT_EQ(SendMessageA(ctrl, WM_GETDLGCODE, 0, 0), 0x81);

  // All 12 bytes go in and come out, reserved ones too, without any check.
  KeyBind odd = Bind(0x12345678, 1, 0, 1, 0, 1);
  odd.reserved[0] = 7;
  odd.reserved[2] = 9;
  EXPECT_EQ(SendMessageA(ctrl, KBM_SETBIND, 0, reinterpret_cast<LPARAM>(&odd)), 0);
  EXPECT_EQ(Get(), odd);
  Set(KeyBind{});
  EXPECT_EQ(Get(), KeyBind{});
}

TEST_F(KeyBindCtrlTest, ModifierAutoRepeatAndKeyUps) {
  FocusControl();
  SendMessageA(ctrl, WM_KEYDOWN, VK_SHIFT, 0);
  EXPECT_EQ(Get(), Bind(16));  // Shift by itself never has its own flag
  const KeyBind marker = Bind('M');
  Set(marker);
  SendMessageA(ctrl, WM_KEYDOWN, VK_SHIFT, 0x40000000);  // auto-repeat while held
  EXPECT_EQ(Get(), marker);
  SendMessageA(ctrl, WM_KEYUP, VK_SHIFT, 0);
  EXPECT_EQ(Get(), marker) << "key-ups never change the value";
  SendMessageA(ctrl, WM_KEYDOWN, VK_SHIFT, 0);
  EXPECT_EQ(Get(), Bind(16)) << "after the key-up Shift is taken again";
  SendMessageA(ctrl, WM_KEYUP, VK_SHIFT, 0);

  // Other keys are taken on every repeat.
  SendMessageA(ctrl, WM_KEYDOWN, 'A', 0);
  Set(marker);
  SendMessageA(ctrl, WM_KEYDOWN, 'A', 0x40000000);
  EXPECT_EQ(Get(), Bind('A'));
  SendMessageA(ctrl, WM_KEYUP, 'A', 0);
  EXPECT_EQ(Get(), Bind('A'));
}

TEST_F(KeyBindCtrlTest, RealKeys) {
  FocusControl();
  KeyDown(VK_SHIFT);
  EXPECT_EQ(Get(), Bind(16));
  KeyDown('A');
  EXPECT_EQ(Get(), Bind('A', 1));
  KeyDown(VK_SHIFT);  // the held Shift repeats
  EXPECT_EQ(Get(), Bind('A', 1));
  KeyUp('A');
  KeyDown(VK_CONTROL);
  EXPECT_EQ(Get(), Bind(17, 1)) << "shift + *CTRL*";
  KeyDown(VK_F5);
  EXPECT_EQ(Get(), Bind(VK_F5, 1, 1)) << "shift + ctrl + F5";
  KeyUp(VK_F5);
  KeyUp(VK_CONTROL);
  KeyUp(VK_SHIFT);
  EXPECT_EQ(Get(), Bind(VK_F5, 1, 1)) << "releasing the keys keeps the binding";

  KeyDown(VK_MENU);
  EXPECT_EQ(Get(), Bind(18));
  KeyDown(VK_F2);  // arrives as WM_SYSKEYDOWN
  EXPECT_EQ(Get(), Bind(VK_F2, 0, 0, 1));
  KeyUp(VK_F2);
  KeyUp(VK_MENU);
  EXPECT_EQ(Get(), Bind(VK_F2, 0, 0, 1));
}

TEST_F(KeyBindCtrlTest, FirstClickOnlyFocuses) {
  const POINT c = CentreOf(ctrl);
  PointAt(c.x, c.y);
  ASSERT_NE(GetFocus(), ctrl);
  Click(Button::Left);
  EXPECT_EQ(GetFocus(), ctrl);
  EXPECT_EQ(Get(), KeyBind{}) << "the focusing click is not recorded";
  PumpMessages(GetDoubleClickTime() + 100);  // the next click is not a double-click
  Click(Button::Right);
  EXPECT_EQ(Get(), Bind(516));
  PumpMessages(GetDoubleClickTime() + 100);
  Click(Button::Left);
  EXPECT_EQ(Get(), Bind(513));
}

TEST_F(KeyBindCtrlTest, DoubleClicks) {
  const POINT c = CentreOf(ctrl);
  FocusControl();
  PointAt(c.x, c.y);
  ButtonDown(Button::Right);
  EXPECT_EQ(Get(), Bind(516)) << "the first press is a click";
  ButtonUp(Button::Right);
  Click(Button::Right);
  EXPECT_EQ(Get(), Bind(518));
  PumpMessages(GetDoubleClickTime() + 100);
  Click(Button::Left);
  Click(Button::Left);
  EXPECT_EQ(Get(), Bind(515));
}

TEST_F(KeyBindCtrlTest, ClicksWithTheOtherButtonHeld) {
  const POINT c = CentreOf(ctrl);
  FocusControl();
  PointAt(c.x, c.y);
  ButtonDown(Button::Left);
  EXPECT_EQ(Get(), Bind(513)) << "a left click never has lhold";
  ButtonDown(Button::Right);
  EXPECT_EQ(Get(), Bind(516, 0, 0, 0, 1)) << "L hold + 右クリック";
  ButtonUp(Button::Right);
  ButtonUp(Button::Left);
  PumpMessages(GetDoubleClickTime() + 100);

  ButtonDown(Button::Right);
  ButtonDown(Button::Left);
  EXPECT_EQ(Get(), Bind(513, 0, 0, 0, 0, 1)) << "R hold + 左クリック";
  ButtonUp(Button::Left);
  ButtonUp(Button::Right);

  PumpMessages(GetDoubleClickTime() + 100);
  KeyDown(VK_SHIFT);
  Click(Button::Right);
  KeyUp(VK_SHIFT);
  EXPECT_EQ(Get(), Bind(516, 1));
}

TEST_F(KeyBindCtrlTest, PaintsFocusInTheHighlightColours) {
  RECT r;
  GetClientRect(ctrl, &r);
  const int fillX = r.right - 3;
  const int fillY = r.bottom - 3;
  EXPECT_EQ(PixelAt(0, 0), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(PixelAt(r.right - 1, r.bottom - 1), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(PixelAt(fillX, fillY), GetSysColor(COLOR_WINDOW));

  // The text "未設定" is drawn in the window-text colour near (3, 3).
  auto textPixels = [&](COLORREF colour) {
    PixelAt(0, 0);  // paints
    HDC dc = GetDC(ctrl);
    int n = 0;
    for (int y = 3; y < r.bottom - 2; ++y)
      for (int x = 3; x < 60; ++x) n += GetPixel(dc, x, y) == colour;
    ReleaseDC(ctrl, dc);
    return n;
  };
  EXPECT_GT(textPixels(GetSysColor(COLOR_WINDOWTEXT)), 10);

  FocusControl();
  EXPECT_EQ(PixelAt(fillX, fillY), GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(PixelAt(0, 0), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_GT(textPixels(GetSysColor(COLOR_HIGHLIGHTTEXT)), 10);

  SetFocus(other);
  PumpMessages(30);
  EXPECT_EQ(PixelAt(fillX, fillY), GetSysColor(COLOR_WINDOW));
}

TEST_F(KeyBindCtrlTest, MissingInstanceDataIsNeverUsed) {
  const LONG_PTR data = GetWindowLongPtrA(ctrl, 0);
  ASSERT_NE(data, 0);
  SetWindowLongPtrA(ctrl, 0, 0);
  KeyBind b = Bind(99);
  SendMessageA(ctrl, KBM_GETBIND, 0, reinterpret_cast<LPARAM>(&b));
  SendMessageA(ctrl, KBM_SETBIND, 0, reinterpret_cast<LPARAM>(&b));
  SendMessageA(ctrl, WM_KEYDOWN, 'A', 0);
  SendMessageA(ctrl, WM_LBUTTONDBLCLK, 0, 0);
  InvalidateRect(ctrl, nullptr, TRUE);
  UpdateWindow(ctrl);
  EXPECT_EQ(b, Bind(99));
  SetWindowLongPtrA(ctrl, 0, data);  // so that WM_DESTROY frees it
  EXPECT_EQ(Get(), KeyBind{});
}

}  // namespace

namespace {

TEST(Lumet, OneExportAndItsVersion) {
  HMODULE lumet = GetModuleHandleA("lumet.dll");
  ASSERT_NE(lumet, nullptr);
  EXPECT_EQ(ExportNames(lumet), std::vector<std::string>{"_InitKeyBindCtrl"});
  const VersionInfo v = ReadVersion(lumet);
  EXPECT_EQ(v.fileMS, 0x00010000u);
  EXPECT_EQ(v.fileLS, 0x00030000u);
  EXPECT_EQ(v.description, "ZQ カスタムコントロールライブラリ");
}

}  // namespace

// The page gives the control its dialog font, made for the dialog's DPI:
// the text is drawn in it, so a taller font takes more rows of ink.
TEST_F(KeyBindCtrlTest, DrawsWithTheFontItIsGiven) {
  Set(Bind(VK_F2, 0, 0, 1));
  auto inkedRows = [&] {
    RedrawWindow(ctrl, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetDC(ctrl);
    RECT r;
    GetClientRect(ctrl, &r);
    int rows = 0;
    for (int y = 1; y < r.bottom - 1; ++y) {
      bool ink = false;
      for (int x = 1; x < r.right - 1 && !ink; ++x) {
        const COLORREF c = GetPixel(dc, x, y);
        ink = GetRValue(c) + GetGValue(c) + GetBValue(c) < 300;
      }
      rows += ink;
    }
    ReleaseDC(ctrl, dc);
    return rows;
  };
  const int stock = inkedRows();
  HFONT tall = CreateFontA(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS UI Gothic");
  SendMessageA(ctrl, WM_SETFONT, reinterpret_cast<WPARAM>(tall), TRUE);
  EXPECT_EQ(SendMessageA(ctrl, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(tall));
  EXPECT_GT(inkedRows(), stock + 4) << "drawn in the stock font: " << stock << " rows";
  SendMessageA(ctrl, WM_SETFONT, 0, FALSE);
  DeleteObject(tall);
}
