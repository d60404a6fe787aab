// Byte layouts of pickfmt.dat, range.dat and keycfg.dat: plain 32-bit
// little-endian data without header.
#pragma once

#include <cstdint>
#include <vector>

#include "keybind/keybind.h"

using Bytes = std::vector<std::uint8_t>;

inline constexpr char kPickerFormatFile[] = "pickfmt.dat";
inline constexpr char kRangeFile[] = "range.dat";
inline constexpr char kKeyConfigFile[] = "keycfg.dat";

// pickfmt.dat: the format's bytes, without the NUL.
Bytes EncodePickerFormat(const char* format);
// Fills format (size bytes, size > 0) with at most size - 1 bytes and a NUL.
void DecodePickerFormat(const Bytes& bytes, char* format, int size);

// range.dat: count, index, then count sizes.
Bytes EncodeRangeList(const std::int32_t* sizes, std::int32_t count, std::int32_t index);
struct RangeList {
  std::vector<std::int32_t> sizes;
  std::int32_t index;
};
// False when the file holds no sound list: a count of zero or less, or more
// entries than the file holds.
bool DecodeRangeList(const Bytes& bytes, RangeList& list);

// keycfg.dat: five records in the file order of slots 0, 2, 4, 3, 1.
inline constexpr int kKeyConfigOrder[5] = {0, 2, 4, 3, 1};
Bytes EncodeKeyBinds(const KeyBind* binds);
// Whole records the file holds go to their slots; the others stay as they are.
void DecodeKeyBinds(const Bytes& bytes, KeyBind* binds);
