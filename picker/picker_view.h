// What one paint of the picker shows, at the scale of the monitor it is
// on: built from the picker's state at each move, tick and WM_PAINT, so
// that the paint reads nothing else.
#pragma once

#include <windows.h>

#include <cstdint>

#include "core/format.h"

struct PickerView {
  int width = 0, height = 0;
  std::uint32_t colour = 0;  // the sample, also the zoom view's swatch
  std::uint32_t textColour = 0;
  const char* format = "";  // the normal view's text, expanded with input
  FormatInput input = {};
  HFONT font = nullptr;  // null: the stock GUI font
  int marginX = 0, marginY = 0;
  bool zoom = false;
  int zoomBlock = 0;  // screen pixels a source pixel covers; 0 shows no screen
  POINT cursor = {};  // the zoom view's centre
  bool arrow = false, grid = false, swatch = false;
  RECT own = {};  // the picker's own pixels as screen reads see them, or empty
  // The reference colour's strip at the normal view's right edge (0: none),
  // drawn while there is a reference.
  int referenceWidth = 0;
  // The screen is HDR: a mark says its values may be lighter than the source.
  bool hdrMark = false;
};

// The strip's width at 100 %, kept by the picker's size whenever its format
// compares with the reference.
inline constexpr int kReferenceStrip = 6;

// The picker's state now, without the size: the paint takes the window's.
PickerView PickerViewNow();
