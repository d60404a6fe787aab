// Comparing and printing KeyBind records in tests.
#pragma once

#include <cstring>
#include <ostream>

#include "keybind/keybind.h"

inline bool operator==(const KeyBind& a, const KeyBind& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

inline void PrintTo(const KeyBind& b, std::ostream* os) {
  *os << "{code " << b.code << " shift " << int(b.shift) << " ctrl " << int(b.ctrl) << " alt "
      << int(b.alt) << " lhold " << int(b.lhold) << " rhold " << int(b.rhold) << "}";
}

inline KeyBind Bind(std::int32_t code, int shift = 0, int ctrl = 0, int alt = 0, int lhold = 0,
                    int rhold = 0) {
  KeyBind b = {};
  b.code = code;
  b.shift = static_cast<std::uint8_t>(shift);
  b.ctrl = static_cast<std::uint8_t>(ctrl);
  b.alt = static_cast<std::uint8_t>(alt);
  b.lhold = static_cast<std::uint8_t>(lhold);
  b.rhold = static_cast<std::uint8_t>(rhold);
  return b;
}
