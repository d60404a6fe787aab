// Sizes at every display scale. The pixel sizes the settings give (margins,
// the zoom view's side, the palette's item height) are pixels at 100 %
// (96 DPI); a window uses them scaled by the DPI of its monitor. Files keep
// the 100 % values.
#pragma once

inline constexpr int kBaseDpi = 96;

// pixels at 96 DPI, for dpi: rounded to the nearest pixel, halves away
// from zero. A dpi of 0 or less counts as 96.
int ScaleToDpi(int pixels, int dpi);
// Back: pixels at dpi as pixels at 96 DPI, rounded the same way, so that a
// size scaled and saved back keeps its value.
int UnscaleFromDpi(int pixels, int dpi);

// The screen pixels one source pixel of the zoom view takes: the zoom level
// times the scale, rounded, never less than one. Whole blocks keep the grid
// lines between source pixels, and the view shows the same source area as
// at 100 %.
int ZoomBlockForDpi(int zoomLevel, int dpi);
