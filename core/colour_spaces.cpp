#include "core/colour_spaces.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

// sRGB's transfer curve undone, for each of the 256 channel values.
const std::array<double, 256>& LinearChannel() {
  static const std::array<double, 256> table = [] {
    std::array<double, 256> t{};
    for (int i = 0; i < 256; ++i) {
      const double c = i / 255.0;
      t[i] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    }
    return t;
  }();
  return table;
}

double Degrees(double y, double x) {
  double h = std::atan2(y, x) * 180.0 / kPi;
  if (h < 0) h += 360.0;
  return h >= 360.0 ? 0.0 : h;
}

// The hue of HSL and HSV from the channels 0-1.
double HexconeHue(double r, double g, double b, double max, double d) {
  if (d == 0) return 0;
  double h;
  if (max == r) h = std::fmod((g - b) / d, 6.0);
  else if (max == g) h = (b - r) / d + 2;
  else h = (r - g) / d + 4;
  h *= 60;
  return h < 0 ? h + 360 : h;
}

struct Xyz {
  double x, y, z;
};
// Linear sRGB to XYZ (D65).
Xyz ToXyz65(double lr, double lg, double lb) {
  return {0.41239079926595934 * lr + 0.357584339383878 * lg + 0.1804807884018343 * lb,
          0.21263900587151027 * lr + 0.715168678767756 * lg + 0.07219231536073371 * lb,
          0.01933081871559182 * lr + 0.11919477979462598 * lg + 0.9505321522496607 * lb};
}

// CIE Lab's companding of a tristimulus value over its white's.
double LabF(double t) {
  constexpr double kEpsilon = 216.0 / 24389.0, kKappa = 24389.0 / 27.0;
  return t > kEpsilon ? std::cbrt(t) : (kKappa * t + 16) / 116;
}

}  // namespace

double RelativeLuminance(std::uint32_t colour) {
  const auto& linear = LinearChannel();
  return 0.2126 * linear[colour & 0xFF] + 0.7152 * linear[(colour >> 8) & 0xFF] +
         0.0722 * linear[(colour >> 16) & 0xFF];
}

Lab ToLab65(std::uint32_t colour) {
  const auto& linear = LinearChannel();
  const Xyz c = ToXyz65(linear[colour & 0xFF], linear[(colour >> 8) & 0xFF], linear[(colour >> 16) & 0xFF]);
  // The white from its chromaticity 0.3127, 0.3290, as CSS Color 4 gives it.
  const double fx = LabF(c.x / (0.3127 / 0.3290)), fy = LabF(c.y), fz = LabF(c.z / ((1 - 0.3127 - 0.3290) / 0.3290));
  return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

ColourSpaces ToColourSpaces(std::uint32_t colour) {
  const int R = colour & 0xFF, G = (colour >> 8) & 0xFF, B = (colour >> 16) & 0xFF;
  const double r = R / 255.0, g = G / 255.0, b = B / 255.0;
  const bool grey = R == G && G == B;
  ColourSpaces s{};

  const double max = std::max({r, g, b}), min = std::min({r, g, b}), d = max - min;
  s.hue = HexconeHue(r, g, b, max, d);
  s.hslL = (max + min) / 2;
  s.hslS = d == 0 ? 0 : d / (1 - std::fabs(2 * s.hslL - 1));
  s.hsvV = max;
  s.hsvS = max == 0 ? 0 : d / max;
  s.cmykK = 1 - max;
  if (s.cmykK < 1) {
    s.cmykC = (1 - r - s.cmykK) / (1 - s.cmykK);
    s.cmykM = (1 - g - s.cmykK) / (1 - s.cmykK);
    s.cmykY = (1 - b - s.cmykK) / (1 - s.cmykK);
  }

  const auto& linear = LinearChannel();
  const double lr = linear[R], lg = linear[G], lb = linear[B];
  s.luminance = RelativeLuminance(colour);

  // XYZ (D65) adapted to D50 by Bradford (CSS Color 4).
  const auto [x65, y65, z65] = ToXyz65(lr, lg, lb);
  const double x = 1.0479298208405488 * x65 + 0.022946793341019088 * y65 - 0.05019222954313557 * z65;
  const double y = 0.029627815688159344 * x65 + 0.990434484573249 * y65 - 0.01707382502938514 * z65;
  const double z = -0.009243058152591178 * x65 + 0.015055144896577895 * y65 + 0.7518742899580008 * z65;
  const double fx = LabF(x / 0.9642956764295677), fy = LabF(y), fz = LabF(z / 0.8251046025104602);
  s.labL = 116 * fy - 16;
  s.labA = grey ? 0 : 500 * (fx - fy);
  s.labB = grey ? 0 : 200 * (fy - fz);
  s.lchC = std::hypot(s.labA, s.labB);
  s.lchH = grey ? 0 : Degrees(s.labB, s.labA);

  // OKLab from linear sRGB.
  const double l = std::cbrt(0.4122214708 * lr + 0.5363325363 * lg + 0.0514459929 * lb);
  const double m = std::cbrt(0.2119034982 * lr + 0.6806995451 * lg + 0.1073969566 * lb);
  const double q = std::cbrt(0.0883024619 * lr + 0.2817188376 * lg + 0.6299787005 * lb);
  s.okL = 0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * q;
  s.okA = grey ? 0 : 1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * q;
  s.okB = grey ? 0 : 0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * q;
  s.okC = std::hypot(s.okA, s.okB);
  s.okH = grey ? 0 : Degrees(s.okB, s.okA);
  return s;
}

void WriteDecimal(char* out, int size, double value, int decimals, bool wrapHue) {
  long long scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  // Whole units of the last digit, halves away from zero: then only digits
  // remain to be written, which is faster than a formatted print.
  long long units = std::llround(value * static_cast<double>(scale));
  if (wrapHue && units >= 360 * scale) units -= 360 * scale;
  char digits[32];
  int n = 0;
  const bool negative = units < 0;  // zero is never "-0"
  unsigned long long u = negative ? 0ULL - static_cast<unsigned long long>(units) : static_cast<unsigned long long>(units);
  for (int i = 0; i < decimals; ++i, u /= 10) digits[n++] = static_cast<char>('0' + u % 10);
  if (decimals > 0) digits[n++] = '.';
  do {
    digits[n++] = static_cast<char>('0' + u % 10);
    u /= 10;
  } while (u != 0);
  if (negative) digits[n++] = '-';
  int w = 0;
  while (n > 0 && w < size - 1) out[w++] = digits[--n];
  if (size > 0) out[w] = '\0';
}
