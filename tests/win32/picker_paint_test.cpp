#include <windows.h>

#include <gtest/gtest.h>


#include "memory_canvas.h"
#include "picker/picker_paint.h"
#include "test_window.h"

namespace {

std::uint32_t Tiles(int x, int y) {
  return static_cast<std::uint32_t>(((x * 13) & 0xFF) | (((y * 7) & 0xFF) << 8) | 0x400000);
}

// A memory canvas of the picker's size, painted by one of the views.
using Canvas = MemoryCanvas;

// The screen's device context for the zoom view, for one test.
class ScreenDc {
 public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ~ScreenDc() { ReleaseDC(nullptr, dc_); }
  operator HDC() const { return dc_; }

 private:
  HDC dc_;
};

// A view of colour 0x123456 at 100, 100, each source pixel block × block.
PickerView View(int width, int height, int block = 8) {
  return {.width = width, .height = height, .colour = 0x123456, .marginX = 4, .marginY = 2, .zoomBlock = block,
          .cursor = {100, 100}};
}

class PickerPaintTest : public ::testing::Test {
 protected:
  ScreenDc screen;
  PickerView view = View(65, 65);
};

TEST_F(PickerPaintTest, ZoomViewMagnifiesAroundTheCursor) {
  PatternWindow pattern(Tiles);
  Canvas canvas(65, 65);
  ASSERT_TRUE(DrawZoomView(canvas.dc(), screen, view));
  // The cursor's pixel fills 32-39; the block starts 4 pixels up and left.
  for (int x : {32, 35, 39}) EXPECT_EQ(canvas.at(x, 36), Tiles(100, 100)) << x;
  EXPECT_EQ(canvas.at(40, 36), Tiles(101, 100));
  EXPECT_EQ(canvas.at(31, 36), Tiles(99, 100));
  EXPECT_EQ(canvas.at(4, 4), Tiles(96, 96));
  EXPECT_EQ(canvas.at(0, 10), GetSysColor(COLOR_3DLIGHT)) << "frame";
  EXPECT_EQ(canvas.at(64, 10), GetSysColor(COLOR_BTNSHADOW));

  view.grid = true;
  ASSERT_TRUE(DrawZoomView(canvas.dc(), screen, view));
  for (int x : {8, 16, 32, 56})
    EXPECT_EQ(canvas.at(x, 20), GetSysColor(COLOR_BTNSHADOW)) << "a grid line on a pixel's first column, " << x;
  EXPECT_EQ(canvas.at(33, 20), Tiles(100, 98));
  EXPECT_EQ(canvas.at(20, 24), GetSysColor(COLOR_BTNSHADOW)) << "and on its first row";
}

// The cursor's pixel for each geometry of the zoom view: the columns it
// fills, read from the pixels.
TEST_F(PickerPaintTest, TheCursorsPixelForEachSizeAndLevel) {
  PatternWindow pattern(Tiles);
  struct Case {
    int side, level, first, last;
  };
  for (const Case& c : {Case{41, 2, 20, 21}, Case{81, 3, 40, 42}, Case{81, 7, 39, 45}, Case{84, 4, 42, 45},
                        Case{65, 8, 32, 39}}) {
    view = View(c.side, c.side, c.level);
    Canvas canvas(c.side, c.side);
    ASSERT_TRUE(DrawZoomView(canvas.dc(), screen, view));
    const int y = (c.first + c.last) / 2;
    for (int x = c.first; x <= c.last; ++x)
      EXPECT_EQ(canvas.at(x, y), Tiles(100, 100)) << "side " << c.side << " level " << c.level << " x " << x;
    EXPECT_EQ(canvas.at(c.first - 1, y), Tiles(99, 100)) << "side " << c.side << " level " << c.level;
    EXPECT_EQ(canvas.at(c.last + 1, y), Tiles(101, 100)) << "side " << c.side << " level " << c.level;
  }
}

TEST_F(PickerPaintTest, SwatchSpansTheTopEighthOfTheMiddleHalf) {
  PatternWindow pattern(Tiles);
  Canvas canvas(65, 65);
  view.swatch = true;
  ASSERT_TRUE(DrawZoomView(canvas.dc(), screen, view));
  // x 16-48, y 0-7, outlined in the shadow colour.
  EXPECT_EQ(canvas.at(20, 3), 0x123456u);
  EXPECT_EQ(canvas.at(47, 6), 0x123456u);
  EXPECT_EQ(canvas.at(16, 3), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(canvas.at(48, 3), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(canvas.at(20, 7), GetSysColor(COLOR_BTNSHADOW)) << "its bottom edge is row 7";
  EXPECT_EQ(canvas.at(20, 8), Tiles(98, 97)) << "row 8 is the magnified screen again";
  EXPECT_EQ(canvas.at(15, 3), Tiles(97, 96));
  EXPECT_EQ(canvas.at(49, 3), Tiles(102, 96));
}

TEST_F(PickerPaintTest, ZoomViewDrawsTheArrowAtTheCursor) {
  PatternWindow pattern([](int, int) { return 0x00FF00u; });
  Canvas canvas(65, 65);
  view.arrow = true;
  ASSERT_TRUE(DrawZoomView(canvas.dc(), screen, view));
  // The arrow's tip sits on the cursor's pixel; far corners keep the screen.
  EXPECT_NE(canvas.at(35, 35), 0x00FF00u);
  EXPECT_EQ(canvas.at(4, 4), 0x00FF00u);
  EXPECT_EQ(canvas.at(60, 12), 0x00FF00u);
}

// Without a screen device context nothing is drawn: the window keeps its
// last picture instead of an undrawn bitmap.
TEST_F(PickerPaintTest, NoScreenLeavesTheLastPicture) {
  Canvas canvas(65, 65);
  RECT all = {0, 0, 65, 65};
  HBRUSH red = CreateSolidBrush(0x0000FF);
  FillRect(canvas.dc(), &all, red);
  DeleteObject(red);
  view.zoom = true;
  DrawPicker(canvas.dc(), nullptr, view);
  for (int y = 0; y < 65; y += 8)
    for (int x = 0; x < 65; x += 8) EXPECT_EQ(canvas.at(x, y), 0x0000FFu) << x << "," << y;
  // With one, the zoom view replaces it.
  PatternWindow pattern(Tiles);
  DrawPicker(canvas.dc(), screen, view);
  EXPECT_EQ(canvas.at(35, 35), Tiles(100, 100));
}

// The bounding box of the pixels of colour c.
RECT Extent(const Canvas& canvas, int w, int h, COLORREF c) {
  RECT r = {w, h, -1, -1};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (canvas.at(x, y) == c) {
        r.left = x < r.left ? x : r.left;
        r.top = y < r.top ? y : r.top;
        r.right = x > r.right ? x : r.right;
        r.bottom = y > r.bottom ? y : r.bottom;
      }
  return r;
}

TEST_F(PickerPaintTest, NormalViewIsTheColourWithTextAndFrame) {
  view = {.width = 60, .height = 30, .colour = 0, .textColour = 0xFFFFFF, .format = "%rx", .marginX = 4, .marginY = 2};
  Canvas canvas(60, 30);
  DrawPickerView(canvas.dc(), view);
  EXPECT_EQ(canvas.at(59, 0), GetSysColor(COLOR_3DLIGHT)) << "top-right corner is light";
  EXPECT_EQ(canvas.at(0, 29), GetSysColor(COLOR_BTNSHADOW)) << "bottom-left corner is dark";
  EXPECT_EQ(canvas.at(50, 25), 0u);
  const RECT text = Extent(canvas, 60, 30, 0xFFFFFF);
  ASSERT_GE(text.right, text.left) << "no white text";

  // The text starts at the margins + 1: the same text without margins
  // stands exactly (4, 2) further up and left.
  view.marginX = view.marginY = 0;
  DrawPickerView(canvas.dc(), view);
  const RECT bare = Extent(canvas, 60, 30, 0xFFFFFF);
  EXPECT_EQ(text.left - bare.left, 4);
  EXPECT_EQ(text.top - bare.top, 2);
  EXPECT_GE(bare.left, 1) << "inside the frame";

  // The colour the checks compare with stands in a strip at the right edge; HDR, an orange corner.
  EXPECT_EQ(canvas.at(56, 15), 0u) << "no reference, no strip";
  view.referenceWidth = 6;
  view.input = {.hasReference = true, .reference = 0x00FF00};
  view.hdrMark = true;
  DrawPicker(canvas.dc(), nullptr, view);
  EXPECT_EQ(canvas.at(56, 15), 0x00FF00u);
  EXPECT_EQ(canvas.at(53, 15), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(canvas.at(2, 2), kHdrMarkColour);
}

TEST_F(PickerPaintTest, TextLinesFollowTheLineBreaks) {
  view = {.width = 60, .height = 40, .textColour = 0xFFFFFF, .format = "%rx\r\n%rx", .marginX = 4, .marginY = 2};
  Canvas canvas(60, 40);
  DrawPickerView(canvas.dc(), view);
  const RECT two = Extent(canvas, 60, 40, 0xFFFFFF);
  view.format = "%rx";
  DrawPickerView(canvas.dc(), view);
  const RECT one = Extent(canvas, 60, 40, 0xFFFFFF);
  EXPECT_EQ(two.left, one.left);
  EXPECT_GT(two.bottom - two.top, 2 * (one.bottom - one.top)) << "a second line below the first";
}

}  // namespace

namespace {

// A large zoom view reaches under the picker itself: the source pixels the
// picker covers are drawn as a plain face, never as the picker's own image
// (with and without the arrow), and the rest of the block is the screen.
TEST_F(PickerPaintTest, TheZoomViewNeverShowsThePickerItself) {
  PatternWindow pattern(Tiles);
  view = View(81, 81, 2);
  view.own = {110, 90, 200, 140};  // beside the cursor at 100, 100
  Canvas canvas(81, 81);
  for (bool arrow : {false, true}) {
    view.arrow = arrow;
    ASSERT_TRUE(DrawZoomView(canvas.dc(), screen, view));
    // The block is 40 × 40 from 80, 80 on, each pixel 2 × 2 from -1, -1.
    EXPECT_EQ(canvas.at(2 * (112 - 80) - 1 + 1, 2 * (95 - 80) - 1 + 1), GetSysColor(COLOR_3DFACE)) << arrow;
    EXPECT_EQ(canvas.at(2 * (105 - 80), 2 * (85 - 80)), Tiles(105, 85)) << arrow;
  }
}

}  // namespace
