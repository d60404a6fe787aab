#include "core/contrast.h"

#include <algorithm>
#include <array>
#include <cmath>

double WcagRatio(double luminanceA, double luminanceB) {
  return (std::max(luminanceA, luminanceB) + 0.05) / (std::min(luminanceA, luminanceB) + 0.05);
}

// WCAG's thresholds are absolute: 4.499:1 fails 4.5:1, so the grade goes by
// the ratio itself, not by its rounded text.
WcagGrade GradeWcag(double ratio) {
  if (ratio >= 7) return WcagGrade::AAA;
  if (ratio >= 4.5) return WcagGrade::AA;
  if (ratio >= 3) return WcagGrade::LargeOnly;
  return WcagGrade::None;
}

// A ratio just under a threshold rounds to it ("4.50" for 4.497); written
// so, it would contradict the grade beside it. Such a ratio shows one
// hundredth less instead.
long long WcagRatioHundredths(double ratio) {
  const long long shown = std::llround(ratio * 100);
  for (const long long threshold : {300LL, 450LL, 700LL})
    if (shown == threshold && ratio < threshold / 100.0) return threshold - 1;
  return shown;
}

double ApcaLuminance(std::uint32_t colour) {
  // A plain 2.4 power stands in for the sRGB curve, as APCA's screens do.
  static const std::array<double, 256> curve = [] {
    std::array<double, 256> t{};
    for (int i = 0; i < 256; ++i) t[i] = std::pow(i / 255.0, 2.4);
    return t;
  }();
  return 0.2126729 * curve[colour & 0xFF] + 0.7151522 * curve[(colour >> 8) & 0xFF] +
         0.0721750 * curve[(colour >> 16) & 0xFF];
}

double ApcaContrast(double textY, double backgroundY) {
  // Near black, luminances are softly clamped up: flare on a real screen.
  constexpr double kBlackThreshold = 0.022, kBlackClamp = 1.414;
  auto clamp = [](double y) { return y > kBlackThreshold ? y : y + std::pow(kBlackThreshold - y, kBlackClamp); };
  textY = clamp(textY);
  backgroundY = clamp(backgroundY);
  if (std::fabs(backgroundY - textY) < 0.0005) return 0;
  constexpr double kScale = 1.14, kOffset = 0.027, kLowClip = 0.1;
  if (backgroundY > textY) {  // dark text on a light background
    const double sapc = (std::pow(backgroundY, 0.56) - std::pow(textY, 0.57)) * kScale;
    return sapc < kLowClip ? 0 : (sapc - kOffset) * 100;
  }
  const double sapc = (std::pow(backgroundY, 0.65) - std::pow(textY, 0.62)) * kScale;
  return sapc > -kLowClip ? 0 : (sapc + kOffset) * 100;
}
