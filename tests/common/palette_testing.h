// The colours a palette holds, newest first, for comparing in tests.
#pragma once

#include <cstdint>
#include <vector>

#include "core/palette_model.h"

inline std::vector<std::uint32_t> Entries(int p) {
  const Palette& pal = palettes[p];
  if (pal.entries == nullptr) return {};
  return std::vector<std::uint32_t>(pal.entries, pal.entries + pal.header.count);
}
