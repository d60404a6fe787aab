// Any format with any sample values: the output stays within 259 characters
// and terminated, and the bytes after the terminator are never touched.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "core/format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The first 36 bytes choose the values, the rest is the format.
  std::int32_t values[9] = {};
  const std::size_t head = std::min(size, sizeof values);
  std::memcpy(values, data, head);
  std::vector<char> format(data + head, data + size);
  format.push_back('\0');

  char out[kFormatBufferSize + 16];
  std::memset(out, 0, kFormatBufferSize);
  std::memset(out + kFormatBufferSize, 0x5A, 16);
  const FormatInput input = {static_cast<std::uint32_t>(values[0]), values[1], values[2], values[3], values[4],
                             values[5], values[6], (values[7] & 2) != 0, static_cast<std::uint32_t>(values[8]),
                             (values[7] & 4) != 0};
  char* r = values[7] & 1 ? MeasureFormat(out, format.data()) : ExpandFormat(out, format.data(), input);
  if (r != out) std::abort();
  if (std::strlen(out) > kFormatBufferSize - 1) std::abort();
  for (int i = 0; i < 16; ++i)
    if (out[kFormatBufferSize + i] != 0x5A) std::abort();

  // The longest fragment is a CSS colour name of 20 characters.
  char fragment[kFragmentBufferSize];
  char code[4] = {'%', format.size() > 1 ? format[0] : 'r', format.size() > 2 ? format[1] : 'r', 0};
  if (ExpandSpecifier(fragment, input, code) && std::strlen(fragment) > 20) std::abort();
  return 0;
}
