#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "config/settings.h"
#include "picker/picker_paint.h"
#include "picker/picker_state.h"
#include "test_window.h"

namespace {

std::uint32_t Tiles(int x, int y) {
  return static_cast<std::uint32_t>(((x * 13) & 0xFF) | (((y * 7) & 0xFF) << 8) | 0x400000);
}

// A memory canvas of the picker's size, painted by one of the views.
class Canvas {
 public:
  Canvas(int w, int h) : w_(w), h_(h) {
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, w, h);
    old_ = SelectObject(dc_, bitmap_);
    ReleaseDC(nullptr, screen);
  }
  ~Canvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  HDC dc() const { return dc_; }
  COLORREF at(int x, int y) const { return GetPixel(dc_, x, y); }

 private:
  int w_, h_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};

class PickerPaintTest : public ::testing::Test {
 protected:
  void SetUp() override {
    settings = Settings{};
    settings.ZoomLevel = 8;
    settings.WindowMarginX = 4;
    settings.WindowMarginY = 2;
    cursorPosition = {100, 100};
    pickerColour = 0x123456;
  }
  void TearDown() override { settings = Settings{}; }
};

TEST_F(PickerPaintTest, ZoomViewMagnifiesAroundTheCursor) {
  PatternWindow screen(Tiles);
  Canvas canvas(65, 65);
  DrawZoomView(canvas.dc(), 65, 65);
  // The cursor's pixel fills 32-39; the block starts 4 pixels up and left.
  for (int x : {32, 35, 39}) EXPECT_EQ(canvas.at(x, 36), Tiles(100, 100)) << x;
  EXPECT_EQ(canvas.at(40, 36), Tiles(101, 100));
  EXPECT_EQ(canvas.at(4, 4), Tiles(96, 96));
  EXPECT_EQ(canvas.at(0, 10), GetSysColor(COLOR_3DLIGHT)) << "frame";
  EXPECT_EQ(canvas.at(64, 10), GetSysColor(COLOR_BTNSHADOW));

  settings.DrawGridOnZoom = 1;
  settings.ShowColorOnZoom = 1;
  DrawZoomView(canvas.dc(), 65, 65);
  EXPECT_EQ(canvas.at(32, 20), GetSysColor(COLOR_BTNSHADOW)) << "a grid line on a pixel's first column";
  EXPECT_EQ(canvas.at(33, 20), Tiles(100, 98));
  EXPECT_EQ(canvas.at(20, 3), 0x123456u) << "the swatch";
  EXPECT_EQ(canvas.at(16, 3), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_NE(canvas.at(20, 9), 0x123456u) << "the swatch ends at row 7";
}

TEST_F(PickerPaintTest, ZoomViewDrawsTheArrowAtTheCursor) {
  PatternWindow screen([](int, int) { return 0x00FF00u; });
  Canvas canvas(65, 65);
  settings.DrawArrowOnZoom = 1;
  DrawZoomView(canvas.dc(), 65, 65);
  // The arrow's tip sits on the cursor's pixel; far corners keep the screen.
  EXPECT_NE(canvas.at(35, 35), 0x00FF00u);
  EXPECT_EQ(canvas.at(4, 4), 0x00FF00u);
  EXPECT_EQ(canvas.at(60, 12), 0x00FF00u);
}

TEST_F(PickerPaintTest, NormalViewIsTheColourWithTextAndFrame) {
  std::strcpy(pickerFormat, "%rx");
  pickerColour = 0;
  pickerTextColour = 0xFFFFFF;
  Canvas canvas(40, 20);
  DrawPickerView(canvas.dc(), 40, 20);
  EXPECT_EQ(canvas.at(39, 0), GetSysColor(COLOR_3DLIGHT)) << "top-right corner is light";
  EXPECT_EQ(canvas.at(0, 19), GetSysColor(COLOR_BTNSHADOW)) << "bottom-left corner is dark";
  EXPECT_EQ(canvas.at(30, 15), 0u);
  int white = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 40; ++x) white += canvas.at(x, y) == 0xFFFFFFu;
  EXPECT_GT(white, 5) << "the text is drawn in white on black";
  for (int y = 1; y < 3; ++y)
    for (int x = 1; x < 5; ++x) EXPECT_EQ(canvas.at(x, y), 0u) << "the text starts inside the margins";
  std::memset(pickerFormat, 0, sizeof pickerFormat);
}

}  // namespace
