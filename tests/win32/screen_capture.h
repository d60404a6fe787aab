// What the screen shows in a rectangle, read in one go.
#pragma once

#include <windows.h>

#include <vector>

struct ScreenImage {
  RECT rect = {};
  std::vector<COLORREF> pixels;  // row by row, 0x00BBGGRR
  int width() const { return rect.right - rect.left; }
  int height() const { return rect.bottom - rect.top; }
  COLORREF at(int x, int y) const { return pixels[static_cast<size_t>(y) * width() + x]; }
};

ScreenImage CaptureScreen(const RECT& rect);
