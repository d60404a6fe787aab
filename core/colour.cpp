#include "core/colour.h"

#include <algorithm>

std::uint32_t AveragePixels(const std::uint32_t* pixels, std::size_t count, PixelLayout layout) {
  if (pixels == nullptr || count == 0) return kSampleFallback;
  const int redShift = layout == PixelLayout::ColourRef ? 0 : 16;
  const int blueShift = layout == PixelLayout::ColourRef ? 16 : 0;
  std::uint64_t red = 0, green = 0, blue = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint32_t p = pixels[i];
    red += (p >> redShift) & 0xFF;
    green += (p >> 8) & 0xFF;
    blue += (p >> blueShift) & 0xFF;
  }
  const auto r = static_cast<std::uint32_t>(red / count);
  const auto g = static_cast<std::uint32_t>(green / count);
  const auto b = static_cast<std::uint32_t>(blue / count);
  return r | g << 8 | b << 16;
}

std::uint32_t AverageOutside(const std::uint32_t* pixels, int size, PixelLayout layout, SquareHole hole) {
  const auto whole = static_cast<std::size_t>(size) * static_cast<std::size_t>(size);
  hole = {std::max(hole.left, 0), std::max(hole.top, 0), std::min(hole.right, size), std::min(hole.bottom, size)};
  if (pixels == nullptr || size <= 0 || hole.right <= hole.left || hole.bottom <= hole.top)
    return AveragePixels(pixels, whole, layout);
  const int redShift = layout == PixelLayout::ColourRef ? 0 : 16;
  const int blueShift = layout == PixelLayout::ColourRef ? 16 : 0;
  std::uint64_t red = 0, green = 0, blue = 0, count = 0;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      if (y >= hole.top && y < hole.bottom && x >= hole.left && x < hole.right) continue;
      const std::uint32_t p = pixels[static_cast<std::size_t>(y) * size + x];
      red += (p >> redShift) & 0xFF;
      green += (p >> 8) & 0xFF;
      blue += (p >> blueShift) & 0xFF;
      ++count;
    }
  if (count == 0) return AveragePixels(pixels, whole, layout);
  return static_cast<std::uint32_t>(red / count) | static_cast<std::uint32_t>(green / count) << 8 |
         static_cast<std::uint32_t>(blue / count) << 16;
}

std::uint32_t TextColourFor(std::uint32_t colour, int threshold) {
  const int sum = static_cast<int>((colour & 0xFF) + ((colour >> 8) & 0xFF) + ((colour >> 16) & 0xFF));
  return sum < threshold ? 0xFFFFFFu : 0u;
}

SquareClip ClipSquare(int x, int y, int size, int screenLeft, int screenTop, int screenRight,
                      int screenBottom) {
  // Even sizes put the extra column and row on the left and top.
  const long long half = size / 2;
  const long long x0 = static_cast<long long>(x) - half;
  const long long y0 = static_cast<long long>(y) - half;
  const long long left = std::max<long long>(x0, screenLeft);
  const long long top = std::max<long long>(y0, screenTop);
  const long long right = std::min<long long>(x0 + size, screenRight);
  const long long bottom = std::min<long long>(y0 + size, screenBottom);
  SquareClip clip{};
  if (size <= 0 || left >= right || top >= bottom) return clip;
  clip.left = static_cast<int>(left);
  clip.top = static_cast<int>(top);
  clip.offsetX = static_cast<int>(left - x0);
  clip.offsetY = static_cast<int>(top - y0);
  clip.width = static_cast<int>(right - left);
  clip.height = static_cast<int>(bottom - top);
  return clip;
}
