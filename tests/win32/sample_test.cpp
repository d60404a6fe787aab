#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "core/colour.h"
#include "picker/sample.h"
#include "screen_reference.h"
#include "test_window.h"

namespace {

// What the average must be, computed from the picture the window paints.
std::uint32_t ModelSample(const PatternWindow& w, int x, int y, int size) {
  std::vector<std::uint32_t> slots;
  const int half = size / 2;
  for (int r = 0; r < size; ++r)
    for (int c = 0; c < size; ++c) slots.push_back(w.Expected(x - half + c, y - half + r));
  return AveragePixels(slots.data(), slots.size(), PixelLayout::ColourRef);
}

std::uint32_t Busy(int x, int y) {
  return static_cast<std::uint32_t>(((x * 37 + y * 11) & 0xFF) | (((x * 5 + y * 29) & 0xFF) << 8) |
                                    (((x ^ y) & 0xFF) << 16));
}

class SampleColourTest : public ::testing::Test {
 protected:
  int width = GetSystemMetrics(SM_CXSCREEN);
  int height = GetSystemMetrics(SM_CYSCREEN);
};

TEST_F(SampleColourTest, OneReadMatchesPerPixelEverywhere) {
  PatternWindow window(Busy);
  ASSERT_NE(window.hwnd(), nullptr);
  ASSERT_EQ(ReferenceSample(7, 9, 1), Busy(7, 9)) << "the pattern window is not on the screen";

  const POINT points[] = {
      {width / 2, height / 2}, {0, 0},          {width - 1, 0},          {0, height - 1},
      {width - 1, height - 1}, {width - 1, 300}, {300, 0},                {1, height - 2},
      {-1, 200},               {width, 200},     {width / 2, height + 1}, {-60, -60},
  };
  for (int size : {1, 2, 3, 4, 5, 15, 101}) {
    for (const POINT& p : points) {
      const std::uint32_t fast = SampleColour(p.x, p.y, size);
      EXPECT_EQ(fast, ModelSample(window, p.x, p.y, size))
          << "size " << size << " at " << p.x << "," << p.y;
      // The per-pixel reference costs about 0.7 s at size 101: only the corners.
      if (size < 101 || p.x <= 0 || p.x >= width - 1) {
        EXPECT_EQ(fast, ReferenceSample(p.x, p.y, size))
            << "size " << size << " at " << p.x << "," << p.y;
      }
    }
  }
}

TEST_F(SampleColourTest, KnownAverages) {
  // Black, with one white pixel at (200, 200).
  PatternWindow window([](int x, int y) { return x == 200 && y == 200 ? 0xFFFFFFu : 0u; });
  EXPECT_EQ(SampleColour(200, 200, 1), 0xFFFFFFu);
  EXPECT_EQ(SampleColour(201, 200, 1), 0u);
  EXPECT_EQ(SampleColour(200, 200, 3), 0x1C1C1Cu);  // 255 / 9, truncated
  // Last column, size 3: six black pixels and three off-screen ones.
  EXPECT_EQ(SampleColour(width - 1, 100, 3), 0x555555u);
  // Entirely off the screen: white.
  EXPECT_EQ(SampleColour(-500, -500, 101), 0xFFFFFFu);
}

TEST_F(SampleColourTest, SizesThatAreNotPositiveGiveTheFallback) {
  EXPECT_EQ(SampleColour(10, 10, 0), kSampleFallback);
  EXPECT_EQ(SampleColour(10, 10, -5), kSampleFallback);
  EXPECT_EQ(SampleColour(10, 10, 2147483647), kSampleFallback);
}

}  // namespace
