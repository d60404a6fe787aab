// Averaging a square of screen pixels and choosing the text colour over it.
#pragma once

#include <cstddef>
#include <cstdint>

// Returned whenever the screen cannot be sampled (reads as yellow).
inline constexpr std::uint32_t kSampleFallback = 0xFFFF;
// What the screen gives for a pixel it cannot read; it counts as white.
inline constexpr std::uint32_t kInvalidPixel = 0xFFFFFFFF;

// How 32-bit pixels are laid out: colours (0x00BBGGRR, as GetPixel gives
// them) or the rows of a 32-bit DIB (0x00RRGGBB).
enum class PixelLayout { ColourRef, Dib };

// Average of count pixels, each channel summed separately and divided with
// truncation. Returns kSampleFallback when count is 0.
std::uint32_t AveragePixels(const std::uint32_t* pixels, std::size_t count, PixelLayout layout);

// Columns and rows of a sampled square that are left out: where the picker
// itself stands. Empty when right <= left or bottom <= top.
struct SquareHole {
  int left, top, right, bottom;
};
// The average of the size × size square's pixels outside hole, each
// channel summed and divided with truncation. A hole that covers the whole
// square leaves nothing better to go by than every pixel: their average.
std::uint32_t AverageOutside(const std::uint32_t* pixels, int size, PixelLayout layout, SquareHole hole);

// White (0xFFFFFF) when red + green + blue is below threshold, else black.
std::uint32_t TextColourFor(std::uint32_t colour, int threshold);

// The part of a size × size square centred on (x, y) that lies inside a
// screen rectangle, in screen coordinates and as an offset into the square.
struct SquareClip {
  int left, top;          // screen position of the first readable pixel
  int offsetX, offsetY;   // the same pixel's column and row in the square
  int width, height;      // readable extent; 0 when nothing is on the screen
};
SquareClip ClipSquare(int x, int y, int size, int screenLeft, int screenTop, int screenRight,
                      int screenBottom);
