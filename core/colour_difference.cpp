#include "core/colour_difference.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double k25To7 = 6103515625.0;  // 25^7

double Pow7(double v) {
  const double v2 = v * v;
  return v2 * v2 * v2 * v;
}

double HuePrime(double a, double b) {
  if (a == 0 && b == 0) return 0;
  const double h = std::atan2(b, a);
  return h < 0 ? h + 2 * kPi : h;
}

double LightnessWeight(double meanL) {
  const double d2 = (meanL - 50) * (meanL - 50);
  return 1 + 0.015 * d2 / std::sqrt(20 + d2);
}

}  // namespace

// Sharma, Wu and Dalal's formulation, with the hues kept as directions in
// the a'b plane rather than angles: dH' and the mean hue come from the two
// vectors, and T from the mean hue's cosine and sine, which spares five
// trigonometric calls of six. The angle is needed only near the blues.
double Ciede2000(const Lab& x, const Lab& y) {
  const double cx = std::sqrt(x.a * x.a + x.b * x.b), cy = std::sqrt(y.a * y.a + y.b * y.b);
  const double c7 = Pow7((cx + cy) / 2);
  const double g = 0.5 * (1 - std::sqrt(c7 / (c7 + k25To7)));
  const double apx = x.a * (1 + g), apy = y.a * (1 + g);
  const double cpx = std::sqrt(apx * apx + x.b * x.b), cpy = std::sqrt(apy * apy + y.b * y.b);
  const double dL = y.l - x.l, dC = cpy - cpx;

  // dH' = 2 sqrt(C'x C'y) sin(dh'/2): its square is what the distance in
  // the a'b plane leaves beside dC' (exactly 0 for equal colours), its sign
  // the way x turns to y. The mean hue halves the shorter arc; an
  // achromatic colour leaves the other's hue.
  double dH = 0, cosH = 1, sinH = 0;
  if (cpx * cpy != 0) {
    const double da = apy - apx, db = y.b - x.b;
    dH = std::sqrt(std::max(0.0, da * da + db * db - dC * dC));
    if (apx * y.b - x.b * apy < 0) dH = -dH;
    const double wx = apx / cpx + apy / cpy, wy = x.b / cpx + y.b / cpy;
    const double w = std::sqrt(wx * wx + wy * wy);
    if (w > 1e-6) {
      cosH = wx / w;
      sinH = wy / w;
    } else {  // hues opposite: the mean of the two angles, unshifted
      const double hp = (HuePrime(apx, x.b) + HuePrime(apy, y.b)) / 2;
      cosH = std::cos(hp);
      sinH = std::sin(hp);
    }
  } else if (cpx + cpy != 0) {
    cosH = (apx + apy) / (cpx + cpy);
    sinH = (x.b + y.b) / (cpx + cpy);
  }

  // T = 1 - 0.17 cos(h - 30°) + 0.24 cos 2h + 0.32 cos(3h + 6°) - 0.20 cos(4h - 63°)
  const double c2 = 2 * cosH * cosH - 1, s2 = 2 * sinH * cosH;
  const double c3 = cosH * (2 * c2 - 1), s3 = sinH * (2 * c2 + 1);
  const double c4 = 2 * c2 * c2 - 1, s4 = 2 * s2 * c2;
  const double t = 1 - 0.17 * (0.8660254037844387 * cosH + 0.5 * sinH) + 0.24 * c2 +
                   0.32 * (0.9945218953682733 * c3 - 0.10452846326765347 * s3) -
                   0.2 * (0.45399049973954675 * c4 + 0.8910065241883679 * s4);
  const double meanL = (x.l + y.l) / 2, meanC = (cpx + cpy) / 2;
  const double sl = LightnessWeight(meanL);
  const double sc = 1 + 0.045 * meanC;
  const double sh = 1 + 0.015 * meanC * t;

  // The rotation term of the blues. Below 116.7° the mean hue is more than
  // 6.3 widths of 25° from 275°, where the term is below 1e-17 of the others.
  double rt = 0;
  if (sinH < 0 || cosH < -0.45) {
    double hp = std::atan2(sinH, cosH);
    if (hp < 0) hp += 2 * kPi;
    const double hd = (180 / kPi * hp - 275) / 25;
    const double mc7 = Pow7(meanC);
    rt = -std::sin(2 * (kPi / 6) * std::exp(-hd * hd)) * 2 * std::sqrt(mc7 / (mc7 + k25To7));
  }

  const double l = dL / sl, c = dC / sc, h = dH / sh;
  return std::sqrt(l * l + c * c + h * h + rt * c * h);
}

namespace {

// Hues that stay below 108.5° whatever G does to a (a' <= 1.5 a): where
// both colours have one, so has their mean hue, and the rotation term is 0.
bool Warm(const Lab& c) { return c.b >= 0 && (c.a >= 0 || c.b > -3 * c.a); }

}  // namespace

// The terms weighed: l = dL/SL, c = dC'/SC, h = dH'/SH, and dE² = l² + c² +
// h² + RT c h. |RT| <= 2 sin 60°, so c² + h² + RT c h >= (1 - sin 60°)(c² +
// h²). SH <= SC, as 0.015 T < 0.045. In the a'b plane dC'² + dH'² is the
// squared distance, at least da² + db² as a' = (1 + G) a. C' <= (1 + G) C,
// and G C never exceeds 6.4, which bounds SC. The first test needs no
// division, square root or branch; the second weighs the lightness by its
// own SL and drops the rotation where it is 0.
bool Ciede2000Exceeds(const Lab& x, double cx, const Lab& y, double cy, double limit) {
  const double dl = y.l - x.l, da = y.a - x.a, db = y.b - x.b;
  const double meanC = (cx + cy) / 2;
  const double sc = 1 + 0.045 * (meanC + std::min(0.5 * meanC, 6.5));
  constexpr double kRotation = 0.1339;  // just below 1 - sin 60°
  const double ab = (da * da + db * db) / (sc * sc), limit2 = limit * limit * (1 + 1e-9);
  if (dl * dl / (kMaxLightnessWeight * kMaxLightnessWeight) + kRotation * ab > limit2) return true;
  const double sl = LightnessWeight((x.l + y.l) / 2);
  return dl * dl / (sl * sl) + (Warm(x) && Warm(y) ? 1 : kRotation) * ab > limit2;
}
