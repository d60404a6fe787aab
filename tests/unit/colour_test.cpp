#include <gtest/gtest.h>

#include <vector>

#include "core/colour.h"

namespace {

TEST(AveragePixels, TruncatesEachChannel) {
  // One white pixel among eight black: 255 / 9 = 28.3 → 28.
  std::vector<std::uint32_t> grid(9, 0);
  grid[4] = 0xFFFFFF;
  EXPECT_EQ(AveragePixels(grid.data(), grid.size(), PixelLayout::ColourRef), 0x1C1C1Cu);

  // Channels are kept apart: red 1+2 → 1 (not rounded up), green 0, blue 200.
  const std::uint32_t two[] = {0xC80001, 0xC80002};
  EXPECT_EQ(AveragePixels(two, 2, PixelLayout::ColourRef), 0xC80001u);
}

TEST(AveragePixels, InvalidPixelsCountAsWhite) {
  // Last screen column, size 3: six black pixels and three unreadable ones.
  const std::uint32_t grid[] = {0, 0, kInvalidPixel, 0, 0, kInvalidPixel, 0, 0, kInvalidPixel};
  EXPECT_EQ(AveragePixels(grid, 9, PixelLayout::ColourRef), 0x555555u);
}

TEST(AveragePixels, DibLayoutSwapsRedAndBlue) {
  const std::uint32_t dib[] = {0x00112233};  // R 0x11, G 0x22, B 0x33 in a DIB
  EXPECT_EQ(AveragePixels(dib, 1, PixelLayout::Dib), 0x332211u);
  EXPECT_EQ(AveragePixels(dib, 1, PixelLayout::ColourRef), 0x112233u);
}

TEST(AveragePixels, LargestSquareDoesNotOverflow) {
  std::vector<std::uint32_t> grid(101 * 101, kInvalidPixel);
  EXPECT_EQ(AveragePixels(grid.data(), grid.size(), PixelLayout::ColourRef), 0xFFFFFFu);
  EXPECT_EQ(AveragePixels(grid.data(), 0, PixelLayout::ColourRef), kSampleFallback);
}

// The picker's own pixels are left out of the square it samples: a 4 × 4
// square whose pixels' red channel is 10 × column, averaged outside holes.
TEST(AverageOutside, LeavesThePickersPixelsOut) {
  std::uint32_t square[16];
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) square[y * 4 + x] = static_cast<std::uint32_t>(10 * x) | 0x400000;
  const struct {
    SquareHole hole;
    std::uint32_t average;
  } rows[] = {
      {{0, 0, 0, 0}, 15 | 0x400000},       // no hole: every pixel
      {{2, 0, 4, 4}, 5 | 0x400000},        // the right half: columns 0 and 1
      {{1, 1, 3, 3}, 15 | 0x400000},       // the middle: a ring of 12, symmetric
      {{-5, -5, 1, 9}, 20 | 0x400000},     // reaching out of the square: columns 1-3
      {{0, 0, 4, 4}, 15 | 0x400000},       // everything: nothing better than all
      {{3, 3, 2, 9}, 15 | 0x400000},       // empty: right before left
  };
  for (const auto& r : rows)
    EXPECT_EQ(AverageOutside(square, 4, PixelLayout::ColourRef, r.hole), r.average)
        << r.hole.left << "," << r.hole.top << "-" << r.hole.right << "," << r.hole.bottom;
}

TEST(TextColourFor, ThresholdRule) {
  EXPECT_EQ(TextColourFor(0x646464, 428), 0xFFFFFFu);  // sum 300
  EXPECT_EQ(TextColourFor(0x64C8C8, 428), 0u);         // sum 500
  EXPECT_EQ(TextColourFor(0x8E8E8E, 428), 0xFFFFFFu);  // 142 each, sum 426
  EXPECT_EQ(TextColourFor(0x8F8F8F, 428), 0u);         // 143 each, sum 429
  EXPECT_EQ(TextColourFor(0x000000FF, 255), 0u);       // sum equal to threshold
  EXPECT_EQ(TextColourFor(0, 0), 0u);
  EXPECT_EQ(TextColourFor(0xFFFFFF, 766), 0xFFFFFFu);
  EXPECT_EQ(TextColourFor(0xFF000000, 1), 0xFFFFFFu) << "top byte is not a channel";
}

TEST(ClipSquare, CentresOddAndShiftsEvenSizes) {
  SquareClip c = ClipSquare(10, 10, 3, 0, 0, 100, 100);
  EXPECT_EQ(c.left, 9);
  EXPECT_EQ(c.top, 9);
  EXPECT_EQ(c.width, 3);
  EXPECT_EQ(c.offsetX, 0);
  // Size 4 reads x - 2 to x + 1.
  c = ClipSquare(10, 10, 4, 0, 0, 100, 100);
  EXPECT_EQ(c.left, 8);
  EXPECT_EQ(c.width, 4);
}

TEST(ClipSquare, EdgesAndCorners) {
  // Top-left corner: only the lower-right quarter is on screen.
  SquareClip c = ClipSquare(0, 0, 5, 0, 0, 100, 80);
  EXPECT_EQ(c.left, 0);
  EXPECT_EQ(c.top, 0);
  EXPECT_EQ(c.offsetX, 2);
  EXPECT_EQ(c.offsetY, 2);
  EXPECT_EQ(c.width, 3);
  EXPECT_EQ(c.height, 3);
  // Last column, bottom row.
  c = ClipSquare(99, 79, 3, 0, 0, 100, 80);
  EXPECT_EQ(c.left, 98);
  EXPECT_EQ(c.width, 2);
  EXPECT_EQ(c.height, 2);
  EXPECT_EQ(c.offsetX, 0);
  // A screen that does not start at 0 (monitor left of the primary).
  c = ClipSquare(-1281, 5, 3, -1280, 0, 1024, 768);
  EXPECT_EQ(c.left, -1280);
  EXPECT_EQ(c.offsetX, 2);
  EXPECT_EQ(c.width, 1);
  // Entirely off screen, and sizes that are not positive.
  EXPECT_EQ(ClipSquare(500, 5, 101, 0, 0, 100, 80).width, 0);
  EXPECT_EQ(ClipSquare(5, 5, 0, 0, 0, 100, 80).width, 0);
  EXPECT_EQ(ClipSquare(5, 5, -3, 0, 0, 100, 80).width, 0);
  // Positions at the ends of the int range do not overflow.
  EXPECT_EQ(ClipSquare(2147483647, 0, 101, 0, 0, 100, 80).width, 0);
}

}  // namespace
