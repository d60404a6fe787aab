#include "picker/format.h"

#include <cstdio>
#include <cstring>

#include "config/text.h"

namespace {

unsigned Red(std::uint32_t c) { return c & 0xFF; }
unsigned Green(std::uint32_t c) { return (c >> 8) & 0xFF; }
unsigned Blue(std::uint32_t c) { return (c >> 16) & 0xFF; }


}  // namespace

char* ExpandSpecifier(char* fragment, int screenX, int screenY, int clientX, int clientY,
                      std::uint32_t colour, int zoomLevel, int range, const char* specifier) {
  if (fragment == nullptr || specifier == nullptr) return nullptr;
  if (std::strlen(specifier) != 3 || specifier[0] != '%') return nullptr;

  const char a = specifier[1];
  const char b = specifier[2];
  auto is = [&](const char* s) { return a == s[0] && b == s[1]; };
  auto write = [&](const char* f, auto value) {
    std::snprintf(fragment, kFragmentBufferSize, f, value);
    return fragment;
  };

  if (is("rr")) return write("%u", Red(colour));
  if (is("gg")) return write("%u", Green(colour));
  if (is("bb")) return write("%u", Blue(colour));
  if (is("rx")) return write("%02X", Red(colour));
  if (is("gx")) return write("%02X", Green(colour));
  if (is("bx")) return write("%02X", Blue(colour));
  if (is("ro")) return write("%o", Red(colour));
  if (is("go")) return write("%o", Green(colour));
  if (is("bo")) return write("%o", Blue(colour));
  if (is("sx")) return write("%d", screenX);
  if (is("sy")) return write("%d", screenY);
  if (is("cx")) return write("%d", clientX);
  if (is("cy")) return write("%d", clientY);
  if (is("pr")) return write("%d", range);
  // A range from a hand-edited file can be huge: wrap as 32-bit arithmetic
  // does instead of overflowing a signed int.
  if (is("px")) {
    const auto r = static_cast<std::uint32_t>(range);
    return write("%d", static_cast<std::int32_t>(r * r));
  }
  if (is("zl")) return write("%d", zoomLevel);
  if (is("rf")) return write("%u", static_cast<unsigned>(colour));
  if (is("%%")) return write("%s", "%");
  return nullptr;
}

char* ExpandFormat(char* output, const char* format, std::uint32_t colour, int screenX,
                   int screenY, int clientX, int clientY, int range, int zoomLevel,
                   int measuring) {
  if (output == nullptr) return nullptr;
  if (format == nullptr) format = "";
  if (measuring) {
    screenX = screenY = clientX = clientY = 9999;
    colour = 0xFFFFFF;
    zoomLevel = 16;
    range = 101;
  }

  constexpr int kLimit = kFormatBufferSize - 1;
  const int length = static_cast<int>(std::strlen(format));
  int i = 0;
  int n = 0;
  while (i < length) {
    if (format[i] == '%') {
      char specifier[4] = {};
      int k = 0;
      while (k < 3 && format[i + k] != '\0') {
        specifier[k] = format[i + k];
        ++k;
      }
      char fragment[kFragmentBufferSize];
      if (k == 3 && ExpandSpecifier(fragment, screenX, screenY, clientX, clientY, colour,
                                    zoomLevel, range, specifier) != nullptr) {
        const int m = static_cast<int>(std::strlen(fragment));
        if (n + m > kLimit) break;
        std::memcpy(output + n, fragment, m);
        n += m;
      }
      i += k;
    } else {
      // Literal text follows the same limit; a double-byte character is
      // copied whole or not at all.
      const bool lead = IsSjisLeadByte(static_cast<unsigned char>(format[i])) &&
                        IsSjisTrailByte(static_cast<unsigned char>(format[i + 1]));
      const int width = lead ? 2 : 1;
      if (n + width > kLimit) break;
      std::memcpy(output + n, format + i, width);
      n += width;
      i += width;
    }
    output[n] = '\0';
  }
  output[n] = '\0';
  return output;
}
