#include <windows.h>

#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "common/keybind_testing.h"
#include "core/settings.h"
#include "hookcore/hook_messages.h"
#include "hookcore/velun_core.h"
#include "input.h"
#include "message_recorder.h"
#include "module_info.h"
#include "picker/hook_link.h"
#include "test_window.h"

namespace {

void SetShortcut(int slot, const KeyBind& b) {
  DWORD w[3];
  std::memcpy(w, &b, sizeof w);
  __SetVelunShortcut(w[0], w[1], w[2], slot);
}

using Reports = std::vector<std::vector<std::uint32_t>>;

class HookCoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ReleaseEverything();
    SetShortcut(0, Bind(516, 0, 0, 1));  // alt + right click
    SetShortcut(1, Bind(515));           // left double-click
    SetShortcut(2, Bind(VK_F2, 0, 0, 1));
    SetShortcut(3, Bind(16));
    SetShortcut(4, Bind(VK_F1, 1, 1));
    __SetVelunNullMsg(0, 0);
    __SetVelunZoom(0, 1, 1, 0);
    __SetVelunSuspend(0);
    ASSERT_GE(__SetVelunCore(reports.hwnd()), 0);
    PointAt(400, 300);
    reports.Take();
    victim.Take();
  }
  void TearDown() override {
    ReleaseEverything();
    __ReleaseVelunCore();
    PumpMessages(GetDoubleClickTime());
  }
  // The hook core's reports since the last call, mouse moves left out.
  Reports Got() {
    Reports r;
    for (const Recorded& m : reports.Take())
      if (m.message != HCN_MOUSEMOVE)
        r.push_back({m.message, static_cast<std::uint32_t>(m.wParam), static_cast<std::uint32_t>(m.lParam)});
    return r;
  }

  RecorderWindow victim{WM_KEYFIRST, WM_MOUSELAST, true};
  RecorderWindow reports{HCN_MOUSEMOVE, HCN_ZOOMINPUT, false};
};

TEST(HookCoreLibrary, ExactlyTheSevenExports) {
  HMODULE core = GetModuleHandleA("VELUN.DLL");
  ASSERT_NE(core, nullptr);
  EXPECT_EQ(ExportNames(core),
            (std::vector<std::string>{"__GetVelunCore", "__ReleaseVelunCore", "__SetVelunCore",
                                      "__SetVelunNullMsg", "__SetVelunShortcut", "__SetVelunSuspend",
                                      "__SetVelunZoom"}));
  EXPECT_LT(__SetVelunCore(nullptr), 0);
  EXPECT_EQ(__GetVelunCore(), 0);
}

TEST_F(HookCoreTest, MovesAndButtonReleases) {
  EXPECT_NE(__GetVelunCore(), 0);
  MoveMouse(321, 123);
  POINT p;
  GetCursorPos(&p);
  bool seen = false;
  for (const Recorded& m : reports.Take())
    if (m.message == HCN_MOUSEMOVE && LOWORD(m.lParam) == p.x && HIWORD(m.lParam) == p.y) seen = true;
  EXPECT_TRUE(seen) << "a move to " << p.x << "," << p.y;
  Click(Button::Left);
  Click(Button::Right);
  EXPECT_EQ(Got(), (Reports{{HCN_BUTTONUP, 514, 0}, {HCN_BUTTONUP, 517, 0}}));
}

TEST_F(HookCoreTest, KeyBindingsWithExactModifiers) {
  Tap(VK_F2);
  EXPECT_TRUE(Got().empty());
  KeyDown(VK_MENU);
  KeyDown(VK_F2);
  EXPECT_EQ(Got(), (Reports{{HCN_SHORTCUT, 2, 0}}));
  KeyUp(VK_F2);
  KeyUp(VK_MENU);
  EXPECT_EQ(Got(), (Reports{{HCN_SHORTCUTUP, 2, 0}}));

  KeyDown(VK_SHIFT);
  KeyDown(VK_CONTROL);
  Tap(VK_F1);
  KeyUp(VK_CONTROL);
  KeyUp(VK_SHIFT);
  // Shift pressed first is Shift by itself (slot 3); then shift + ctrl + F1.
  EXPECT_EQ(Got(), (Reports{{HCN_SHORTCUT, 3, 0}, {HCN_SHORTCUT, 4, 0}, {HCN_SHORTCUTUP, 4, 0},
                            {HCN_SHORTCUTUP, 3, 0}}));

  KeyDown(VK_CONTROL);
  KeyDown(VK_SHIFT);
  KeyUp(VK_SHIFT);
  KeyUp(VK_CONTROL);
  EXPECT_TRUE(Got().empty()) << "Shift with Ctrl down is not Shift by itself";
}

TEST_F(HookCoreTest, AModifierByItselfAndItsAutoRepeat) {
  KeyDown(VK_SHIFT);
  KeyDown(VK_SHIFT);
  KeyDown(VK_SHIFT);
  KeyUp(VK_SHIFT);
  EXPECT_EQ(Got(), (Reports{{HCN_SHORTCUT, 3, 0}, {HCN_SHORTCUTUP, 3, 0}}));
}

TEST_F(HookCoreTest, ClicksWithAModifierAndDoubleClicks) {
  KeyDown(VK_MENU);
  ButtonDown(Button::Right);
  EXPECT_EQ(Got(), (Reports{{HCN_SHORTCUT, 0, 0}}));
  ButtonUp(Button::Right);
  KeyUp(VK_MENU);
  EXPECT_EQ(Got(), (Reports{{HCN_BUTTONUP, 517, 0}, {HCN_SHORTCUTUP, 0, 0}}));

  Click(Button::Left);
  ButtonDown(Button::Left);
  EXPECT_EQ(Got(), (Reports{{HCN_BUTTONUP, 514, 0}, {HCN_SHORTCUT, 1, 0}}));
  ButtonUp(Button::Left);
  EXPECT_EQ(Got(), (Reports{{HCN_BUTTONUP, 514, 0}, {HCN_SHORTCUTUP, 1, 0}}));
}

TEST_F(HookCoreTest, ZoomInputOnlyWhileZoomIsOn) {
  Wheel(120);
  Tap(VK_LEFT);
  EXPECT_TRUE(Got().empty());
  __SetVelunZoom(1, 1, 1, 0);
  Wheel(-120);
  Tap(VK_LEFT);
  EXPECT_EQ(Got(), (Reports{{HCN_ZOOMINPUT, 0, 0xFF880000u}, {HCN_ZOOMINPUT, 1, VK_LEFT}}));
  __SetVelunZoom(1, 0, 1, 0);
  Wheel(120);
  EXPECT_TRUE(Got().empty());
}

TEST_F(HookCoreTest, SwallowingFollowsEachFlag) {
  KeyDown(VK_MENU);
  Tap(VK_F2);
  KeyUp(VK_MENU);
  EXPECT_TRUE(victim.Received(WM_SYSKEYDOWN, VK_F2)) << "flags off: the input goes on";
  Got();

  __SetVelunNullMsg(1, 0);
  KeyDown(VK_MENU);
  Tap(VK_F2);
  KeyUp(VK_MENU);
  auto masked = [](const std::vector<Recorded>& got) {  // no lone Alt, which makes a menu bar active
    auto at = [&](UINT m, WPARAM k) { return std::ranges::find_if(got, [=](auto& r) { return r.message == m && r.wParam == k; }); };
    return at(WM_SYSKEYDOWN, 0xE8) < at(WM_SYSKEYUP, VK_MENU);
  };
  std::vector<Recorded> got = victim.Take();
  for (const Recorded& m : got) EXPECT_NE(m.wParam, static_cast<WPARAM>(VK_F2)) << m.message;
  EXPECT_TRUE(masked(got));
  EXPECT_EQ(Got(), (Reports{{HCN_SHORTCUT, 2, 0}, {HCN_SHORTCUTUP, 2, 0}}));

  const POINT c = CentreOf(victim.hwnd());
  PointAt(c.x, c.y);
  KeyDown(VK_MENU);
  Click(Button::Right);
  KeyUp(VK_MENU);
  EXPECT_TRUE(masked(got = victim.Take()));
  for (const Recorded& m : got) {
    EXPECT_NE(m.message, static_cast<UINT>(WM_RBUTTONDOWN));
    EXPECT_NE(m.message, static_cast<UINT>(WM_RBUTTONUP));
  }
  Click(Button::Right);
  EXPECT_TRUE(victim.Received(WM_RBUTTONDOWN, MK_RBUTTON)) << "a click that matches nothing goes on";

  __SetVelunZoom(1, 1, 1, 0);
  Got();
  Tap(VK_LEFT);
  EXPECT_TRUE(victim.Received(WM_KEYDOWN, VK_LEFT)) << "zoom flag off";
  __SetVelunNullMsg(0, 1);
  Tap(VK_LEFT);
  EXPECT_FALSE(victim.Received(WM_KEYDOWN, VK_LEFT));
  EXPECT_EQ(Got().size(), 2u);
}

TEST_F(HookCoreTest, SuspendedModes) {
  SetShortcut(1, Bind('P', 0, 0, 1));
  __SetVelunSuspend(2);
  MoveMouse(500, 400);
  KeyDown(VK_MENU);
  Tap(VK_F2);       // lock: not while hidden
  Tap('P');         // palette: yes
  Click(Button::Right);  // spuit: not in mode 2
  KeyUp(VK_MENU);
  std::vector<Recorded> got = reports.Take();
  Reports r;
  for (const Recorded& m : got) r.push_back({m.message, static_cast<std::uint32_t>(m.wParam), 0});
  EXPECT_EQ(r, (Reports{{HCN_MOUSEMOVE, 0, 0}, {HCN_SHORTCUT, 1, 0}, {HCN_SHORTCUTUP, 1, 0}, {HCN_BUTTONUP, 517, 0}}));

  __SetVelunSuspend(1);
  MoveMouse(510, 400);
  KeyDown(VK_MENU);
  Click(Button::Right);
  KeyUp(VK_MENU);
  r.clear();
  for (const Recorded& m : reports.Take()) r.push_back({m.message, static_cast<std::uint32_t>(m.wParam), 0});
  ASSERT_FALSE(r.empty());
  EXPECT_EQ(r.front(), (std::vector<std::uint32_t>{HCN_MOUSEMOVE, 0, 0}));
  EXPECT_EQ(r.back(), (std::vector<std::uint32_t>{HCN_SHORTCUTUP, 0, 0}));
}

TEST_F(HookCoreTest, NothingAfterRelease) {
  __SetVelunNullMsg(1, 1);
  __ReleaseVelunCore();
  EXPECT_EQ(__GetVelunCore(), 0);
  MoveMouse(300, 300);
  KeyDown(VK_MENU);
  Tap(VK_F2);
  KeyUp(VK_MENU);
  EXPECT_TRUE(reports.Take().empty());
  EXPECT_TRUE(victim.Received(WM_SYSKEYDOWN, VK_F2)) << "nothing is swallowed";
  // And attached again, it reports again.
  ASSERT_GE(__SetVelunCore(reports.hwnd()), 0);
  KeyDown(VK_MENU);
  Tap(VK_F2);
  KeyUp(VK_MENU);
  EXPECT_EQ(Got(), (Reports{{HCN_SHORTCUT, 2, 0}, {HCN_SHORTCUTUP, 2, 0}}));
}

TEST_F(HookCoreTest, TheProgramsSettingsReachTheHookCore) {
  std::memset(keyBinds, 0, sizeof keyBinds);
  keyBinds[kSlotLock] = Bind('L', 0, 1);
  settings.NullMsgOnShortcut = 1;
  PassSettingsToHookCore(0);
  KeyDown(VK_CONTROL);
  Tap('L');
  KeyDown(VK_MENU);
  Tap(VK_F2);  // the fixture's binding for the slot is gone
  KeyUp(VK_MENU);
  KeyUp(VK_CONTROL);
  EXPECT_EQ(Got(), (Reports{{HCN_SHORTCUT, 2, 0}, {HCN_SHORTCUTUP, 2, 0}}));
  EXPECT_FALSE(victim.Received(WM_KEYDOWN, 'L'));
  settings = Settings{};
  std::memset(keyBinds, 0, sizeof keyBinds);
}

}  // namespace

namespace {

std::vector<DWORD> ThreadsOfThisProcess() {
  std::vector<DWORD> ids;
  HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  THREADENTRY32 t = {};
  t.dwSize = sizeof t;
  for (BOOL more = Thread32First(snap, &t); more; more = Thread32Next(snap, &t))
    if (t.th32OwnerProcessID == GetCurrentProcessId()) ids.push_back(t.th32ThreadID);
  CloseHandle(snap);
  return ids;
}

// A hook thread that does not answer: the release gives up waiting after a
// bounded time, and the hooks are gone all the same.
TEST(HookCoreLife, AReleaseDoesNotWaitForAStuckHookThread) {
  RecorderWindow reports{HCN_MOUSEMOVE, HCN_ZOOMINPUT, false};
  const std::vector<DWORD> before = ThreadsOfThisProcess();
  ASSERT_GE(__SetVelunCore(reports.hwnd()), 0);
  DWORD hookThread = 0;
  for (DWORD id : ThreadsOfThisProcess())
    if (std::find(before.begin(), before.end(), id) == before.end()) hookThread = id;
  ASSERT_NE(hookThread, 0u);
  HANDLE thread = OpenThread(THREAD_SUSPEND_RESUME | SYNCHRONIZE, FALSE, hookThread);
  ASSERT_NE(thread, nullptr);
  SuspendThread(thread);
  const DWORD start = GetTickCount();
  __ReleaseVelunCore();
  const DWORD waited = GetTickCount() - start;
  EXPECT_LT(waited, 8000u);
  EXPECT_GE(waited, 4000u) << "it did wait for the thread first";
  EXPECT_EQ(__GetVelunCore(), 0);
  // Input no longer goes through the stuck thread's hooks: moves and keys
  // go on, and nothing is reported.
  reports.Take();
  const DWORD inputStart = GetTickCount();
  MoveMouse(333, 222);
  Tap(VK_F2);
  EXPECT_LT(GetTickCount() - inputStart, 1000u) << "input waited on the stuck thread";
  EXPECT_TRUE(reports.Take().empty());
  // A new attach works, and keeps working once the stuck thread of the old
  // one ends late: that thread removes its own hooks, never the new ones.
  auto reported = [&](int x) {
    MoveMouse(x, 222);
    bool moved = false;
    for (const Recorded& m : reports.Take()) moved = moved || m.message == HCN_MOUSEMOVE;
    return moved;
  };
  ASSERT_GE(__SetVelunCore(reports.hwnd()), 0);
  EXPECT_TRUE(reported(340));
  ResumeThread(thread);
  EXPECT_EQ(WaitForSingleObject(thread, 5000), WAIT_OBJECT_0) << "the old hook thread ends";
  CloseHandle(thread);
  EXPECT_TRUE(reported(350)) << "the late thread removed the new attach's hooks";
  __ReleaseVelunCore();
}

HWND churnTarget = nullptr;

DWORD WINAPI Churn(LPVOID) {
  for (int i = 0; i < 150; ++i) {
    __SetVelunCore(churnTarget);
    __ReleaseVelunCore();
  }
  return 0;
}

// Attach and release from two threads at once: one hook thread at most, and
// the state the last call left.
TEST(HookCoreLife, AttachAndReleaseFromTwoThreads) {
  RecorderWindow reports{HCN_MOUSEMOVE, HCN_ZOOMINPUT, false};
  churnTarget = reports.hwnd();
  const std::size_t before = ThreadsOfThisProcess().size();
  HANDLE a = CreateThread(nullptr, 0, Churn, nullptr, 0, nullptr);
  HANDLE b = CreateThread(nullptr, 0, Churn, nullptr, 0, nullptr);
  const HANDLE both[2] = {a, b};
  EXPECT_EQ(WaitForMultipleObjects(2, both, TRUE, 60000), WAIT_OBJECT_0);
  CloseHandle(a);
  CloseHandle(b);
  EXPECT_EQ(__GetVelunCore(), 0);
  EXPECT_TRUE(WaitUntil([&] { return ThreadsOfThisProcess().size() == before; })) << "a hook thread was left behind";
  ASSERT_GE(__SetVelunCore(churnTarget), 0);
  EXPECT_EQ(ThreadsOfThisProcess().size(), before + 1);
  __ReleaseVelunCore();
}

}  // namespace
