#include <gtest/gtest.h>

#include "core/system_hot_key.h"

KeyBind Bind(std::int32_t code, int shift, int ctrl, int alt, int leftHeld) {
  KeyBind b{};
  b.code = code;
  b.shift = static_cast<std::uint8_t>(shift);
  b.ctrl = static_cast<std::uint8_t>(ctrl);
  b.alt = static_cast<std::uint8_t>(alt);
  b.lhold = static_cast<std::uint8_t>(leftHeld);
  return b;
}

TEST(SystemHotKey, OnlySwallowedKeysWithoutHeldButtonsFit) {
  const struct {
    KeyBind bind;
    bool swallowed;
    unsigned modifiers;  // 0: does not fit
  } rows[] = {
      {Bind('P', 1, 1, 0, 0), true, kHotKeyShift | kHotKeyCtrl | kHotKeyNoRepeat},
      {Bind(0x77, 0, 0, 1, 0), true, kHotKeyAlt | kHotKeyNoRepeat},  // alt + F8
      {Bind(0x77, 0, 0, 0, 0), true, kHotKeyNoRepeat},               // F8 alone
      {Bind('P', 1, 1, 0, 0), false, 0},                             // passed on to other programs too
      {Bind(kBindShiftKey, 0, 1, 0, 0), true, 0}, {Bind(163, 0, 0, 0, 0), true, 0},  // modifiers by themselves
      {Bind(kBindLeftClick, 0, 0, 1, 0), true, 0}, {Bind(kBindRightDoubleClick, 0, 0, 0, 0), true, 0},
      {Bind(0, 0, 1, 0, 0), true, 0}, {Bind('P', 0, 1, 0, 1), true, 0},
  };
  for (const auto& r : rows) {
    const SystemHotKey h = SystemHotKeyFor(r.bind, r.swallowed);
    EXPECT_EQ(h.fits, r.modifiers != 0) << r.bind.code;
    EXPECT_EQ(h.modifiers, r.modifiers) << r.bind.code;
    EXPECT_EQ(h.key, h.fits ? static_cast<unsigned>(r.bind.code) : 0u) << r.bind.code;
  }
}
