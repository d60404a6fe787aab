// The key-binding record: the one type for a hot key in the whole system,
// held by the key-bind control, stored in keycfg.dat and handed to the hook
// core. Shared by the program and lumet.dll.
#pragma once

#include <cstdint>

#include "resources/messages.h"

#pragma pack(push, 1)
struct KeyBind {
  std::int32_t code;  // virtual-key code 1-255, a mouse message number, 0 = not set
  std::uint8_t shift;
  std::uint8_t ctrl;
  std::uint8_t alt;
  std::uint8_t lhold;  // left button held
  std::uint8_t rhold;  // right button held
  std::uint8_t reserved[3];
};
#pragma pack(pop)
static_assert(sizeof(KeyBind) == 12, "KeyBind is a 12-byte file and interface record");

// Mouse clicks are stored as their mouse message numbers.
inline constexpr std::int32_t kBindLeftClick = 513;
inline constexpr std::int32_t kBindLeftDoubleClick = 515;
inline constexpr std::int32_t kBindRightClick = 516;
inline constexpr std::int32_t kBindRightDoubleClick = 518;

// Virtual-key codes of the modifiers when captured by themselves.
inline constexpr std::int32_t kBindShiftKey = 16;
inline constexpr std::int32_t kBindCtrlKey = 17;
inline constexpr std::int32_t kBindAltKey = 18;

// Size of the buffer KeyBindText fills.
inline constexpr int kKeyBindTextSize = 256;
