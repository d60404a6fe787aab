#include "core/format.h"

#include <cstdio>
#include <cstring>

#include "core/text.h"

namespace {

unsigned Red(std::uint32_t c) { return c & 0xFF; }
unsigned Green(std::uint32_t c) { return (c >> 8) & 0xFF; }
unsigned Blue(std::uint32_t c) { return (c >> 16) & 0xFF; }

template <typename T>
void Write(char* fragment, const char* f, T value) {
  std::snprintf(fragment, kFragmentBufferSize, f, value);
}

using SpecifierWriter = void (*)(char* fragment, const FormatInput& in);

struct Specifier {
  char name[3];  // the two characters after '%'
  SpecifierWriter write;
};

// Matched in this order, case-sensitively.
constexpr Specifier kSpecifiers[] = {
    {"rr", [](char* f, const FormatInput& in) { Write(f, "%u", Red(in.colour)); }},
    {"gg", [](char* f, const FormatInput& in) { Write(f, "%u", Green(in.colour)); }},
    {"bb", [](char* f, const FormatInput& in) { Write(f, "%u", Blue(in.colour)); }},
    {"rx", [](char* f, const FormatInput& in) { Write(f, "%02X", Red(in.colour)); }},
    {"gx", [](char* f, const FormatInput& in) { Write(f, "%02X", Green(in.colour)); }},
    {"bx", [](char* f, const FormatInput& in) { Write(f, "%02X", Blue(in.colour)); }},
    {"ro", [](char* f, const FormatInput& in) { Write(f, "%o", Red(in.colour)); }},
    {"go", [](char* f, const FormatInput& in) { Write(f, "%o", Green(in.colour)); }},
    {"bo", [](char* f, const FormatInput& in) { Write(f, "%o", Blue(in.colour)); }},
    {"sx", [](char* f, const FormatInput& in) { Write(f, "%d", in.screenX); }},
    {"sy", [](char* f, const FormatInput& in) { Write(f, "%d", in.screenY); }},
    {"cx", [](char* f, const FormatInput& in) { Write(f, "%d", in.clientX); }},
    {"cy", [](char* f, const FormatInput& in) { Write(f, "%d", in.clientY); }},
    {"pr", [](char* f, const FormatInput& in) { Write(f, "%d", in.range); }},
    // A range from a hand-edited file can be huge: wrap as 32-bit arithmetic
    // does instead of overflowing a signed int.
    {"px",
     [](char* f, const FormatInput& in) {
       const auto r = static_cast<std::uint32_t>(in.range);
       Write(f, "%d", static_cast<std::int32_t>(r * r));
     }},
    {"zl", [](char* f, const FormatInput& in) { Write(f, "%d", in.zoomLevel); }},
    {"rf", [](char* f, const FormatInput& in) { Write(f, "%u", static_cast<unsigned>(in.colour)); }},
    {"%%", [](char* f, const FormatInput&) { Write(f, "%s", "%"); }},
};

// Measuring mode: the widest value of every input, so that the picker sized
// once never changes size while the values change.
constexpr FormatInput kMeasuringInput = {0xFFFFFF, 9999, 9999, 9999, 9999, 101, 16};

}  // namespace

char* ExpandSpecifier(char* fragment, const FormatInput& input, const char* specifier) {
  if (fragment == nullptr || specifier == nullptr) return nullptr;
  if (std::strlen(specifier) != 3 || specifier[0] != '%') return nullptr;
  for (const Specifier& s : kSpecifiers)
    if (s.name[0] == specifier[1] && s.name[1] == specifier[2]) {
      s.write(fragment, input);
      return fragment;
    }
  return nullptr;
}

char* ExpandFormat(char* output, const char* format, const FormatInput& input) {
  if (output == nullptr) return nullptr;
  if (format == nullptr) format = "";

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
      if (k == 3 && ExpandSpecifier(fragment, input, specifier) != nullptr) {
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

char* MeasureFormat(char* output, const char* format) { return ExpandFormat(output, format, kMeasuringInput); }

char* ExpandSpecifier(char* fragment, int screenX, int screenY, int clientX, int clientY,
                      std::uint32_t colour, int zoomLevel, int range, const char* specifier) {
  return ExpandSpecifier(fragment, FormatInput{colour, screenX, screenY, clientX, clientY, range, zoomLevel},
                         specifier);
}

char* ExpandFormat(char* output, const char* format, std::uint32_t colour, int screenX,
                   int screenY, int clientX, int clientY, int range, int zoomLevel,
                   int measuring) {
  if (measuring) return MeasureFormat(output, format);
  return ExpandFormat(output, format, FormatInput{colour, screenX, screenY, clientX, clientY, range, zoomLevel});
}
