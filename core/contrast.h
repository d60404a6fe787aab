// Contrast between two colours: WCAG 2's ratio and its grades for text, and
// APCA's lightness contrast.
#pragma once

#include <cstdint>

// WCAG 2 contrast ratio of two relative luminances, 1-21, either order.
double WcagRatio(double luminanceA, double luminanceB);

// What normal text of that contrast meets: AAA (7:1), AA (4.5:1), AA for
// large text only (3:1), or nothing.
enum class WcagGrade { None, LargeOnly, AA, AAA };
WcagGrade GradeWcag(double ratio);

// The ratio in hundredths as it is written: rounded to the nearest, but
// never up onto a grade's threshold that the ratio does not reach.
long long WcagRatioHundredths(double ratio);

// APCA 0.0.98G-4g screen luminance of a colour laid out 0x00BBGGRR.
double ApcaLuminance(std::uint32_t colour);
// Lightness contrast Lc of text on a background from their APCA
// luminances: positive for dark text on a light background, 0 below the
// least contrast that counts.
double ApcaContrast(double textY, double backgroundY);
