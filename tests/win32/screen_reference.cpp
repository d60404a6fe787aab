#include "screen_reference.h"

#include <windows.h>

#include <vector>

#include "core/colour.h"

std::uint32_t ReferenceSample(int x, int y, int size) {
  if (size <= 0) return kSampleFallback;
  HDC screen = GetDC(nullptr);
  if (screen == nullptr) return kSampleFallback;
  std::vector<std::uint32_t> slots(static_cast<size_t>(size) * size);
  const int half = size / 2;
  size_t k = 0;
  for (int r = 0; r < size; ++r)
    for (int c = 0; c < size; ++c) slots[k++] = GetPixel(screen, x - half + c, y - half + r);
  ReleaseDC(nullptr, screen);
  return AveragePixels(slots.data(), slots.size(), PixelLayout::ColourRef);
}
