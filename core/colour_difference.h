// The CIEDE2000 colour difference.
#pragma once

#include "core/colour_spaces.h"

// ΔE00 between two Lab colours, with kL = kC = kH = 1.
double Ciede2000(const Lab& x, const Lab& y);

// Lower bounds of Ciede2000(x, y), cheap enough to skip colours that cannot
// be nearer than one already found. The lightness weight SL never exceeds
// kMaxLightnessWeight, so a lightness difference dL alone means at least
// dL / kMaxLightnessWeight.
inline constexpr double kMaxLightnessWeight = 1.75;
// Whether Ciede2000(x, y) is surely above limit; cx and cy are the chromas
// of x and y. False says nothing.
bool Ciede2000Exceeds(const Lab& x, double cx, const Lab& y, double cy, double limit);
