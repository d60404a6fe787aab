#include "core/format.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <iterator>

#include "core/colour_difference.h"
#include "core/colour_spaces.h"
#include "core/contrast.h"
#include "core/css_names.h"
#include "core/text.h"

namespace {

unsigned Red(std::uint32_t c) { return c & 0xFF; }
unsigned Green(std::uint32_t c) { return (c >> 8) & 0xFF; }
unsigned Blue(std::uint32_t c) { return (c >> 16) & 0xFF; }

// One expansion's sample: the input, and the colour's notations, worked out
// once and only when a specifier asks for them.
class Sample {
 public:
  explicit Sample(const FormatInput& in) : in(in) {}
  const ColourSpaces& Spaces() {
    if (!known_) {
      spaces_ = ToColourSpaces(in.colour);
      known_ = true;
    }
    return spaces_;
  }
  const CssName& Nearest() {
    if (nearest_.name == nullptr) nearest_ = NearestCssName(Lab65());
    return nearest_;
  }
  // The colour in Lab (D65), which the difference and the name both need.
  const Lab& Lab65() {
    if (!labKnown_) {
      lab_ = ToLab65(in.colour);
      labKnown_ = true;
    }
    return lab_;
  }
  double Ratio() {
    if (ratio_ < 0) ratio_ = WcagRatio(RelativeLuminance(in.colour), RelativeLuminance(in.reference));
    return ratio_;
  }
  const FormatInput& in;

 private:
  ColourSpaces spaces_{};
  bool known_ = false;
  CssName nearest_{};
  Lab lab_{};
  bool labKnown_ = false;
  double ratio_ = -1;
};

// Fragments are written by hand: a formatted print costs more than all the
// rest of most specifiers.
void Text(char* fragment, const char* text) {
  int n = 0;
  while (text[n] != '\0' && n < kFragmentBufferSize - 1) {
    fragment[n] = text[n];
    ++n;
  }
  fragment[n] = '\0';
}

// value in base 8, 10 or 16 (lower or upper case), at least width digits.
void Number(char* fragment, long long value, int base = 10, int width = 1, bool upper = true) {
  const char* digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
  char reversed[24];
  int n = 0;
  unsigned long long u = value < 0 ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
  do {
    reversed[n++] = digits[u % static_cast<unsigned>(base)];
    u /= static_cast<unsigned>(base);
  } while (u != 0 || n < width);
  int w = 0;
  if (value < 0) fragment[w++] = '-';
  while (n > 0) fragment[w++] = reversed[--n];
  fragment[w] = '\0';
}
void Decimal(char* fragment, double value, int decimals) { WriteDecimal(fragment, kFragmentBufferSize, value, decimals); }
void Hue(char* fragment, double degrees, int decimals) {
  WriteDecimal(fragment, kFragmentBufferSize, degrees, decimals, true);
}

// Whether there is a reference colour to compare with; without one the
// fragment is left empty.
bool Compared(char* fragment, const Sample& s) {
  if (!s.in.hasReference) fragment[0] = '\0';
  return s.in.hasReference;
}

const char* GradeText(WcagGrade grade) {
  switch (grade) {
    case WcagGrade::AAA: return "AAA";
    case WcagGrade::AA: return "AA";
    case WcagGrade::LargeOnly: return "AA大";
    case WcagGrade::None: break;
  }
  return "不可";
}

using SpecifierWriter = void (*)(char* fragment, Sample& s);

struct Specifier {
  char name[3];        // the two characters after '%'
  SpecifierWriter write;
  const char* widest;  // its widest text, for measuring; null: from the widest input
};

// Matched in this order, case-sensitively.
constexpr Specifier kSpecifiers[] = {
    {"rr", [](char* f, Sample& s) { Number(f, Red(s.in.colour)); }, nullptr},
    {"gg", [](char* f, Sample& s) { Number(f, Green(s.in.colour)); }, nullptr},
    {"bb", [](char* f, Sample& s) { Number(f, Blue(s.in.colour)); }, nullptr},
    {"rx", [](char* f, Sample& s) { Number(f, Red(s.in.colour), 16, 2); }, nullptr},
    {"gx", [](char* f, Sample& s) { Number(f, Green(s.in.colour), 16, 2); }, nullptr},
    {"bx", [](char* f, Sample& s) { Number(f, Blue(s.in.colour), 16, 2); }, nullptr},
    {"ro", [](char* f, Sample& s) { Number(f, Red(s.in.colour), 8); }, nullptr},
    {"go", [](char* f, Sample& s) { Number(f, Green(s.in.colour), 8); }, nullptr},
    {"bo", [](char* f, Sample& s) { Number(f, Blue(s.in.colour), 8); }, nullptr},
    {"sx", [](char* f, Sample& s) { Number(f, s.in.screenX); }, nullptr},
    {"sy", [](char* f, Sample& s) { Number(f, s.in.screenY); }, nullptr},
    {"cx", [](char* f, Sample& s) { Number(f, s.in.clientX); }, nullptr},
    {"cy", [](char* f, Sample& s) { Number(f, s.in.clientY); }, nullptr},
    {"pr", [](char* f, Sample& s) { Number(f, s.in.range); }, nullptr},
    // A range from a hand-edited file can be huge: wrap as 32-bit arithmetic
    // does instead of overflowing a signed int.
    {"px",
     [](char* f, Sample& s) {
       const auto r = static_cast<std::uint32_t>(s.in.range);
       Number(f, static_cast<std::int32_t>(r * r));
     },
     nullptr},
    {"zl", [](char* f, Sample& s) { Number(f, s.in.zoomLevel); }, nullptr},
    {"rf", [](char* f, Sample& s) { Number(f, static_cast<unsigned>(s.in.colour)); }, nullptr},
    {"%%", [](char* f, Sample&) { Text(f, "%"); }, nullptr},

    // The notations designers paste. Channels in lower-case hexadecimal, as
    // fractions and as percentages.
    {"rh", [](char* f, Sample& s) { Number(f, Red(s.in.colour), 16, 2, false); }, "ff"},
    {"gh", [](char* f, Sample& s) { Number(f, Green(s.in.colour), 16, 2, false); }, "ff"},
    {"bh", [](char* f, Sample& s) { Number(f, Blue(s.in.colour), 16, 2, false); }, "ff"},
    {"rn", [](char* f, Sample& s) { Decimal(f, Red(s.in.colour) / 255.0, 3); }, "1.000"},
    {"gn", [](char* f, Sample& s) { Decimal(f, Green(s.in.colour) / 255.0, 3); }, "1.000"},
    {"bn", [](char* f, Sample& s) { Decimal(f, Blue(s.in.colour) / 255.0, 3); }, "1.000"},
    {"rp", [](char* f, Sample& s) { Decimal(f, Red(s.in.colour) * 100 / 255.0, 0); }, "100"},
    {"gp", [](char* f, Sample& s) { Decimal(f, Green(s.in.colour) * 100 / 255.0, 0); }, "100"},
    {"bp", [](char* f, Sample& s) { Decimal(f, Blue(s.in.colour) * 100 / 255.0, 0); }, "100"},
    // HSL and HSV (one hue), CMYK: percentages.
    {"hh", [](char* f, Sample& s) { Hue(f, s.Spaces().hue, 0); }, "359"},
    {"hs", [](char* f, Sample& s) { Decimal(f, s.Spaces().hslS * 100, 0); }, "100"},
    {"hl", [](char* f, Sample& s) { Decimal(f, s.Spaces().hslL * 100, 0); }, "100"},
    {"vs", [](char* f, Sample& s) { Decimal(f, s.Spaces().hsvS * 100, 0); }, "100"},
    {"vv", [](char* f, Sample& s) { Decimal(f, s.Spaces().hsvV * 100, 0); }, "100"},
    {"kc", [](char* f, Sample& s) { Decimal(f, s.Spaces().cmykC * 100, 0); }, "100"},
    {"km", [](char* f, Sample& s) { Decimal(f, s.Spaces().cmykM * 100, 0); }, "100"},
    {"ky", [](char* f, Sample& s) { Decimal(f, s.Spaces().cmykY * 100, 0); }, "100"},
    {"kk", [](char* f, Sample& s) { Decimal(f, s.Spaces().cmykK * 100, 0); }, "100"},
    // CIE Lab and LCh.
    {"ll", [](char* f, Sample& s) { Decimal(f, s.Spaces().labL, 1); }, "100.0"},
    {"la", [](char* f, Sample& s) { Decimal(f, s.Spaces().labA, 1); }, "-128.0"},
    {"lb", [](char* f, Sample& s) { Decimal(f, s.Spaces().labB, 1); }, "-128.0"},
    {"lc", [](char* f, Sample& s) { Decimal(f, s.Spaces().lchC, 1); }, "150.0"},
    {"lh", [](char* f, Sample& s) { Hue(f, s.Spaces().lchH, 1); }, "359.9"},
    // OKLab and OKLCH.
    {"ol", [](char* f, Sample& s) { Decimal(f, s.Spaces().okL * 100, 1); }, "100.0"},
    {"oa", [](char* f, Sample& s) { Decimal(f, s.Spaces().okA, 3); }, "-0.400"},
    {"ob", [](char* f, Sample& s) { Decimal(f, s.Spaces().okB, 3); }, "-0.400"},
    {"oc", [](char* f, Sample& s) { Decimal(f, s.Spaces().okC, 3); }, "0.400"},
    {"oh", [](char* f, Sample& s) { Hue(f, s.Spaces().okH, 1); }, "359.9"},
    // WCAG 2 contrast ratio against white and against black.
    {"ww", [](char* f, Sample& s) { Decimal(f, 1.05 / (s.Spaces().luminance + 0.05), 2); }, "21.00"},
    {"wk", [](char* f, Sample& s) { Decimal(f, (s.Spaces().luminance + 0.05) / 0.05, 2); }, "21.00"},
    // Checks against the reference colour: WCAG 2 contrast and its grade,
    // APCA Lc with the sample as text on the reference, CIEDE2000.
    {"wr", [](char* f, Sample& s) { if (Compared(f, s)) Decimal(f, WcagRatioHundredths(s.Ratio()) / 100.0, 2); }, "21.00"},
    {"wg", [](char* f, Sample& s) { if (Compared(f, s)) Text(f, GradeText(GradeWcag(s.Ratio()))); },
     "AA大"},  // wider than 不可 in a proportional font
    {"ap",
     [](char* f, Sample& s) {
       if (Compared(f, s)) Decimal(f, ApcaContrast(ApcaLuminance(s.in.colour), ApcaLuminance(s.in.reference)), 1);
     },
     "-108.0"},
    {"de",
     [](char* f, Sample& s) {
       if (Compared(f, s)) Decimal(f, Ciede2000(s.Lab65(), ToLab65(s.in.reference)), 2);
     },
     "100.00"},
    // The nearest CSS colour name and its difference need no reference.
    {"cn", [](char* f, Sample& s) { Text(f, s.Nearest().name); }, kLongestCssName},
    {"cd", [](char* f, Sample& s) { Decimal(f, s.Nearest().difference, 2); }, "99.99"},
    {"hd", [](char* f, Sample& s) { Text(f, s.in.hdr ? "HDR" : ""); }, "HDR"},
};

// Measuring mode: the widest value of every input, so that the picker sized
// once never changes size while the values change; the notations give
// their widest texts themselves.
constexpr FormatInput kMeasuringInput = {0xFFFFFF, 9999, 9999, 9999, 9999, 101, 16};

// The first row of each name, found in one step: the picker expands its
// text at every move.
const Specifier* FindSpecifier(char first, char second) {
  static const std::array<std::int8_t, 128 * 128> rows = [] {
    std::array<std::int8_t, 128 * 128> index;
    index.fill(-1);
    for (int i = static_cast<int>(std::size(kSpecifiers)) - 1; i >= 0; --i)
      index[kSpecifiers[i].name[0] * 128 + kSpecifiers[i].name[1]] = static_cast<std::int8_t>(i);
    return index;
  }();
  const auto a = static_cast<unsigned char>(first), b = static_cast<unsigned char>(second);
  if (a >= 128 || b >= 128 || rows[a * 128 + b] < 0) return nullptr;
  return &kSpecifiers[rows[a * 128 + b]];
}

char* ExpandOne(char* fragment, Sample& sample, const char* specifier, bool measuring) {
  if (fragment == nullptr || specifier == nullptr) return nullptr;
  if (specifier[0] != '%' || specifier[1] == '\0' || specifier[2] == '\0' || specifier[3] != '\0') return nullptr;
  const Specifier* s = FindSpecifier(specifier[1], specifier[2]);
  if (s == nullptr) return nullptr;
  if (measuring && s->widest != nullptr) Text(fragment, s->widest);
  else s->write(fragment, sample);
  return fragment;
}

char* Expand(char* output, const char* format, const FormatInput& input, bool measuring) {
  if (output == nullptr) return nullptr;
  if (format == nullptr) format = "";
  Sample sample(input);

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
      if (k == 3 && ExpandOne(fragment, sample, specifier, measuring) != nullptr) {
        int m = 0;
        while (fragment[m] != '\0') ++m;
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

}  // namespace

char* ExpandSpecifier(char* fragment, const FormatInput& input, const char* specifier) {
  Sample sample(input);
  return ExpandOne(fragment, sample, specifier, false);
}

char* ExpandFormat(char* output, const char* format, const FormatInput& input) {
  return Expand(output, format, input, false);
}

char* MeasureFormat(char* output, const char* format) { return Expand(output, format, kMeasuringInput, true); }

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

bool FormatUsesReference(const char* format) {
  // Stepped as Expand reads: a specifier takes three bytes ("%%%wr" is "%"
  // and "wr"), a double-byte character two.
  for (std::size_t i = 0; format != nullptr && format[i] != '\0';) {
    if (format[i] != '%') {
      const auto lead = static_cast<unsigned char>(format[i]), next = static_cast<unsigned char>(format[i + 1]);
      i += IsSjisLeadByte(lead) && IsSjisTrailByte(next) ? 2 : 1;
      continue;
    }
    for (const char* name : {"wr", "wg", "ap", "de"})
      if (format[i + 1] == name[0] && format[i + 2] == name[1]) return true;
    i += format[i + 1] == '\0' ? 1 : format[i + 2] == '\0' ? 2 : 3;
  }
  return false;
}
