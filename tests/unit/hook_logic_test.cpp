#include <gtest/gtest.h>

#include <vector>

#include "common/keybind_testing.h"
#include "hookcore/hook_logic.h"
#include "hookcore/hook_messages.h"

namespace {

using Reports = std::vector<std::vector<std::uint32_t>>;  // message, wParam, lParam

Reports Of(const HookOutcome& o) {
  Reports r;
  for (int i = 0; i < o.count; ++i) r.push_back({o.reports[i].message, o.reports[i].wParam, o.reports[i].lParam});
  return r;
}

constexpr HeldInput kNothing = {false, false, false, false, false};
constexpr HeldInput kShift = {true, false, false, false, false};
constexpr HeldInput kCtrl = {false, true, false, false, false};
constexpr HeldInput kAlt = {false, false, true, false, false};
constexpr HeldInput kAltCtrl = {false, true, true, false, false};
constexpr HeldInput kLeftButton = {false, false, false, true, false};

class HookLogicTest : public ::testing::Test {
 protected:
  void SetUp() override {
    config.binds[0] = Bind(516, 0, 0, 1);  // alt + right click
    config.binds[2] = Bind(113, 0, 0, 1);  // alt + F2
    config.binds[3] = Bind(16);            // Shift by itself
    config.binds[4] = Bind(112, 0, 0, 1);  // alt + F1
    config.doubleClickTime = 500;
    config.doubleClickWidth = 4;
    config.doubleClickHeight = 4;
  }
  HookOutcome Key(int vk, bool down, HeldInput held = kNothing) {
    return OnKeyEvent(state, config, vk, down, held);
  }
  HookOutcome Mouse(MouseEvent e, HeldInput held = kNothing, std::uint32_t time = 1000, int x = 10,
                    int y = 10, int delta = 0) {
    return OnMouseEvent(state, config, e, x, y, time, delta, held);
  }

  HookConfig config = {};
  HookState state = {};
};

TEST_F(HookLogicTest, KeyWithExactlyItsModifiers) {
  EXPECT_TRUE(Of(Key(113, true)).empty()) << "F2 without alt";
  Key(113, false);
  EXPECT_TRUE(Of(Key(113, true, kAltCtrl)).empty()) << "an extra modifier";
  Key(113, false);
  EXPECT_EQ(Of(Key(113, true, kAlt)), (Reports{{HCN_SHORTCUT, 2, 0}}));
  EXPECT_TRUE(Of(Key(113, true, kAlt)).empty()) << "auto-repeat reports nothing new";
  EXPECT_EQ(Of(Key(113, false, kAlt)), (Reports{{HCN_SHORTCUTUP, 2, 0}}));
  EXPECT_TRUE(Of(Key(113, false)).empty()) << "a second release is not reported";
}

TEST_F(HookLogicTest, AModifierByItself) {
  // Sided codes count as the modifier; its own state does not count as a flag.
  EXPECT_EQ(Of(Key(160, true, kShift)), (Reports{{HCN_SHORTCUT, 3, 0}}));
  EXPECT_TRUE(Of(Key(160, true, kShift)).empty());
  EXPECT_EQ(Of(Key(161, false, kShift)), (Reports{{HCN_SHORTCUTUP, 3, 0}}));
  EXPECT_TRUE(Of(Key(16, true, kCtrl)).empty()) << "Shift with Ctrl down is not Shift alone";
  Key(16, false, kCtrl);
  EXPECT_TRUE(Of(Key(16, true, kLeftButton)).empty()) << "nor with a button held";
}

TEST_F(HookLogicTest, HeldButtonsArePartOfAKeyBinding) {
  config.binds[1] = Bind('A', 0, 0, 0, 1, 0);  // L hold + A
  EXPECT_TRUE(Of(Key('A', true)).empty());
  Key('A', false);
  EXPECT_EQ(Of(Key('A', true, kLeftButton)), (Reports{{HCN_SHORTCUT, 1, 0}}));
}

TEST_F(HookLogicTest, ClicksAndTheirReleases) {
  EXPECT_TRUE(Of(Mouse(MouseEvent::RightDown)).empty());
  EXPECT_EQ(Of(Mouse(MouseEvent::RightUp)), (Reports{{HCN_BUTTONUP, 517, 0}}));
  EXPECT_EQ(Of(Mouse(MouseEvent::RightDown, kAlt, 5000)), (Reports{{HCN_SHORTCUT, 0, 0}}));
  EXPECT_EQ(Of(Mouse(MouseEvent::RightUp, kAlt, 5010)),
            (Reports{{HCN_BUTTONUP, 517, 0}, {HCN_SHORTCUTUP, 0, 0}}));
  EXPECT_EQ(Of(Mouse(MouseEvent::LeftUp)), (Reports{{HCN_BUTTONUP, 514, 0}}));

  // L hold + right click: the right press with the left button down.
  config.binds[1] = Bind(516, 0, 0, 0, 1, 0);
  EXPECT_EQ(Of(Mouse(MouseEvent::RightDown, kLeftButton, 9000)), (Reports{{HCN_SHORTCUT, 1, 0}}));
}

TEST_F(HookLogicTest, DoubleClicks) {
  config.binds[1] = Bind(515);
  EXPECT_TRUE(Of(Mouse(MouseEvent::LeftDown, kNothing, 1000)).empty());
  Mouse(MouseEvent::LeftUp, kNothing, 1050);
  EXPECT_EQ(Of(Mouse(MouseEvent::LeftDown, kNothing, 1200, 11, 9)), (Reports{{HCN_SHORTCUT, 1, 0}}));
  Mouse(MouseEvent::LeftUp, kNothing, 1250);
  EXPECT_TRUE(Of(Mouse(MouseEvent::LeftDown, kNothing, 1300)).empty()) << "a third press starts anew";
  Mouse(MouseEvent::LeftUp);
  // Too slow, or too far.
  EXPECT_TRUE(Of(Mouse(MouseEvent::LeftDown, kNothing, 1801)).empty());
  Mouse(MouseEvent::LeftUp);
  EXPECT_TRUE(Of(Mouse(MouseEvent::LeftDown, kNothing, 2000, 10, 13)).empty());
  // A right press between does not pair with a left one.
  config.binds[2] = Bind(518);
  Mouse(MouseEvent::RightDown, kNothing, 3000);
  EXPECT_EQ(Of(Mouse(MouseEvent::RightDown, kNothing, 3100)), (Reports{{HCN_SHORTCUT, 2, 0}}));
}

TEST_F(HookLogicTest, NotSetBindingsMatchNothing) {
  config = HookConfig{};
  EXPECT_TRUE(Of(Key(0, true)).empty());
  EXPECT_TRUE(Of(Mouse(MouseEvent::LeftDown)).empty());
}

TEST_F(HookLogicTest, SwallowingFollowsTheFlags) {
  EXPECT_FALSE(Key(113, true, kAlt).swallow);
  EXPECT_FALSE(Key(113, false, kAlt).swallow);
  config.nullOnShortcut = true;
  EXPECT_TRUE(Key(113, true, kAlt).maskAlt) << "kept back under Alt: masked";
  EXPECT_TRUE(Key(113, true, kAlt).swallow) << "its repeats too";
  EXPECT_TRUE(Key(113, false, kAlt).swallow) << "and its release";
  EXPECT_FALSE(Key(114, true, kAlt).swallow) << "other keys pass";
  EXPECT_TRUE(Mouse(MouseEvent::RightDown, kAlt).maskAlt);
  EXPECT_TRUE(Mouse(MouseEvent::RightUp, kAlt).swallow);
  EXPECT_FALSE(Mouse(MouseEvent::RightUp).swallow);
}

TEST_F(HookLogicTest, ZoomInputOnlyWhileZooming) {
  EXPECT_TRUE(Of(Mouse(MouseEvent::Wheel, kNothing, 1, 0, 0, 120)).empty());
  EXPECT_TRUE(Of(Key(37, true)).empty());
  Key(37, false);
  config.zoom = true;
  config.wheelZoom = true;
  config.arrowMove = true;
  config.nullOnZoom = true;
  HookOutcome o = Mouse(MouseEvent::Wheel, kNothing, 1, 0, 0, -120);
  EXPECT_EQ(Of(o), (Reports{{HCN_ZOOMINPUT, 0, 0xFF880000u}}));
  EXPECT_TRUE(o.swallow);
  o = Key(40, true);
  EXPECT_EQ(Of(o), (Reports{{HCN_ZOOMINPUT, 1, 40}}));
  EXPECT_TRUE(o.swallow);
  EXPECT_EQ(Of(Key(40, true)), (Reports{{HCN_ZOOMINPUT, 1, 40}})) << "every repeat moves";
  EXPECT_TRUE(Key(40, false).swallow);

  config.wheelZoom = false;
  config.nullOnZoom = false;
  EXPECT_TRUE(Of(Mouse(MouseEvent::Wheel, kNothing, 1, 0, 0, 120)).empty());
  EXPECT_FALSE(Key(38, true).swallow);
  config.arrowMove = false;
  Key(38, false);
  EXPECT_TRUE(Of(Key(38, true)).empty());
}

TEST_F(HookLogicTest, MovesCarryTheirPosition) {
  EXPECT_EQ(Of(Mouse(MouseEvent::Move, kNothing, 1, 300, 200)), (Reports{{HCN_MOUSEMOVE, 0, 200u << 16 | 300u}}));
  EXPECT_EQ(Of(Mouse(MouseEvent::Move, kNothing, 1, -1280, 5)), (Reports{{HCN_MOUSEMOVE, 0, 5u << 16 | 0xFB00u}}));
}

TEST_F(HookLogicTest, SuspendedModesKeepWhatAHiddenPickerNeeds) {
  config.binds[1] = Bind('P', 0, 0, 1);
  config.suspendMode = kHookSuspended;
  EXPECT_EQ(Of(Mouse(MouseEvent::Move, kNothing, 1, 7, 8)), (Reports{{HCN_MOUSEMOVE, 0, 8u << 16 | 7u}}))
      << "moves in every mode: the picker tells drags from moves";
  EXPECT_TRUE(Of(Mouse(MouseEvent::RightDown, kAlt)).empty()) << "no spuit";
  EXPECT_EQ(Of(Mouse(MouseEvent::RightUp, kAlt)), (Reports{{HCN_BUTTONUP, 517, 0}}));
  EXPECT_TRUE(Of(Key(113, true, kAlt)).empty()) << "no lock";
  EXPECT_TRUE(Of(Key(16, true)).empty()) << "no zoom";
  EXPECT_EQ(Of(Key('P', true, kAlt)), (Reports{{HCN_SHORTCUT, 1, 0}}));
  EXPECT_EQ(Of(Key(112, true, kAlt)), (Reports{{HCN_SHORTCUT, 4, 0}}));

  config.suspendMode = kHookSuspendedWithSpuit;
  EXPECT_EQ(Of(Mouse(MouseEvent::Move, kNothing, 1, 1, 2)), (Reports{{HCN_MOUSEMOVE, 0, 2u << 16 | 1u}}));
  EXPECT_EQ(Of(Mouse(MouseEvent::RightDown, kAlt, 9000)), (Reports{{HCN_SHORTCUT, 0, 0}}));
  Key(113, false);
  EXPECT_TRUE(Of(Key(113, true, kAlt)).empty()) << "still no lock";

  config.zoom = config.wheelZoom = true;
  EXPECT_TRUE(Of(Mouse(MouseEvent::Wheel, kNothing, 1, 0, 0, 120)).empty());
}

}  // namespace
