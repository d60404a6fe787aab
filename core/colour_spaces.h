// A colour in the notations designers paste: HSL and HSV, CMYK, CIE Lab and
// LCh as CSS Color 4 defines them (D50 white, sRGB adapted from D65 by
// Bradford), OKLab and OKLCH, and the WCAG 2 relative luminance.
#pragma once

#include <cstdint>

struct ColourSpaces {
  double hue;                // HSL and HSV hue in degrees, [0, 360); 0 without chroma
  double hslS, hslL;         // 0-1
  double hsvS, hsvV;         // 0-1
  double cmykC, cmykM, cmykY, cmykK;  // 0-1
  double labL, labA, labB;   // CIE L*a*b* (D50)
  double lchC, lchH;         // its chroma, and hue in degrees [0, 360)
  double okL, okA, okB;      // OKLab, L 0-1
  double okC, okH;           // OKLCH chroma, and hue in degrees [0, 360)
  double luminance;          // WCAG 2 relative luminance, 0-1
};

// For a colour laid out 0x00BBGGRR. A grey (R = G = B) has every hue 0.
ColourSpaces ToColourSpaces(std::uint32_t colour);

// The WCAG 2 relative luminance alone, 0-1.
double RelativeLuminance(std::uint32_t colour);

// CIE L*a*b* on the D65 white, from sRGB's XYZ with no adaptation: the Lab
// colour differences are computed on.
struct Lab {
  double l, a, b;
};
Lab ToLab65(std::uint32_t colour);

// value with decimals digits after the point, rounded to the nearest, halves
// away from zero; never "-0" or "-0.0". A hue of 360 after rounding is 0
// when wrapHue is set. Writes at most size bytes with the NUL.
void WriteDecimal(char* out, int size, double value, int decimals, bool wrapHue = false);
