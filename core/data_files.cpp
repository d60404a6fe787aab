#include "core/data_files.h"

#include <cstring>
#include <string>

#include "core/byte_order.h"
#include "core/text.h"

Bytes EncodePickerFormat(const char* format) {
  return Bytes(format, format + std::strlen(format));
}

void DecodePickerFormat(const Bytes& bytes, char* format, int size) {
  std::memset(format, 0, static_cast<std::size_t>(size));
  // A NUL inside the file ends the text there, as it would in memory; an
  // oversized file is cut without splitting a double-byte character.
  std::string text(bytes.begin(), bytes.end());
  CopyText(format, static_cast<std::size_t>(size), text.c_str());
}

Bytes EncodeRangeList(const std::int32_t* sizes, std::int32_t count, std::int32_t index) {
  Bytes out;
  PutLe32(out, static_cast<std::uint32_t>(count));
  PutLe32(out, static_cast<std::uint32_t>(index));
  for (std::int32_t i = 0; i < count; ++i) PutLe32(out, static_cast<std::uint32_t>(sizes[i]));
  return out;
}

bool DecodeRangeList(const Bytes& bytes, RangeList& list) {
  if (bytes.size() < 8) return false;
  const std::int32_t count = static_cast<std::int32_t>(GetLe32(bytes.data()));
  if (count <= 0 || static_cast<std::size_t>(count) > (bytes.size() - 8) / 4) return false;
  list.index = static_cast<std::int32_t>(GetLe32(bytes.data() + 4));
  list.sizes.resize(static_cast<std::size_t>(count));
  for (std::int32_t i = 0; i < count; ++i)
    list.sizes[i] = static_cast<std::int32_t>(GetLe32(bytes.data() + 8 + 4 * i));
  return true;
}

Bytes EncodeKeyBinds(const KeyBind* binds) {
  Bytes out(sizeof(KeyBind) * 5);
  for (int i = 0; i < 5; ++i)
    std::memcpy(out.data() + sizeof(KeyBind) * i, &binds[kKeyConfigOrder[i]], sizeof(KeyBind));
  return out;
}

void DecodeKeyBinds(const Bytes& bytes, KeyBind* binds) {
  const std::size_t records = bytes.size() / sizeof(KeyBind);
  for (std::size_t i = 0; i < records && i < 5; ++i)
    std::memcpy(&binds[kKeyConfigOrder[i]], bytes.data() + sizeof(KeyBind) * i, sizeof(KeyBind));
}
