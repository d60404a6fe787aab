#include "core/text.h"

std::size_t CopyText(char* dst, std::size_t size, const char* src) {
  if (size == 0) return 0;
  std::size_t n = 0;
  while (src[n] != '\0') {
    const bool lead = IsSjisLeadByte(static_cast<unsigned char>(src[n]));
    const bool pair = lead && IsSjisTrailByte(static_cast<unsigned char>(src[n + 1]));
    const std::size_t width = pair ? 2 : 1;
    if (n + width > size - 1) break;
    // A lead byte without its trail would end the copy in half a character.
    if (lead && !pair && (src[n + 1] == '\0' || n + 1 == size - 1)) break;
    for (std::size_t i = 0; i < width; ++i) dst[n + i] = src[n + i];
    n += width;
  }
  dst[n] = '\0';
  return n;
}
