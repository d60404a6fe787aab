// Sizes at the display scales Windows offers: 100 %, 125 %, 150 %, 175 %,
// 200 % (96, 120, 144, 168, 192 DPI) and odd ones.
#include <gtest/gtest.h>

#include "core/dpi_scale.h"

TEST(DpiScale, SizesRoundToTheNearestPixel) {
  const struct {
    int pixels, dpi, scaled;
  } rows[] = {
      {20, 96, 20},  {20, 120, 25}, {20, 144, 30},  {20, 192, 40}, {10, 168, 18},  // 17.5 rounds up
      {3, 120, 4},   {2, 120, 3},   {1, 144, 2},    {1, 120, 1},   {0, 144, 0},
      {-5, 144, -8}, {-3, 120, -4},  // halves away from zero
      {20, 0, 20},   {20, -1, 20},   // no DPI: 100 %
      {1000, 480, 5000},
  };
  for (const auto& r : rows) EXPECT_EQ(ScaleToDpi(r.pixels, r.dpi), r.scaled) << r.pixels << " at " << r.dpi;
}

TEST(DpiScale, ZoomBlocksAreWholePixelsShowingTheSameArea) {
  const struct {
    int level, dpi, block;
  } rows[] = {
      {8, 96, 8}, {8, 120, 10}, {8, 144, 12}, {8, 192, 16}, {2, 120, 3}, {3, 120, 4}, {16, 144, 24},
      {1, 96, 1}, {1, 72, 1},  // never less than one screen pixel
  };
  for (const auto& r : rows) EXPECT_EQ(ZoomBlockForDpi(r.level, r.dpi), r.block) << r.level << " at " << r.dpi;
}
