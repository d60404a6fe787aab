#include <gtest/gtest.h>

#include <utility>

#include "core/picker_geometry.h"

namespace {

TEST(PlacePicker, FlipsAtTheScreenEdges) {
  auto at = [](int x, int y, bool adjust) {
    return PlacePicker(x, y, 20, 10, 120, 50, MonitorArea{0, 0, 1024, 768}, adjust);
  };
  PickerPoint p = at(1000, 740, true);
  EXPECT_EQ(p.x, 860);
  EXPECT_EQ(p.y, 680);
  p = at(1000, 700, true);  // 710 + 50 fits: only x flips
  EXPECT_EQ(p.x, 860);
  EXPECT_EQ(p.y, 710);
  p = at(100, 100, true);
  EXPECT_EQ(p.x, 120);
  EXPECT_EQ(p.y, 110);
  p = at(1000, 740, false);
  EXPECT_EQ(p.x, 1020);
  EXPECT_EQ(p.y, 750);
  p = at(884, 708, true);  // exactly fits: 884 + 20 + 120 = 1024
  EXPECT_EQ(p.x, 904);
  EXPECT_EQ(p.y, 718);
}

TEST(PlacePicker, FlipsAtTheEdgesOfTheMonitorUnderTheCursor) {
  auto at = [](int x, int y, MonitorArea m) { return PlacePicker(x, y, 20, 10, 120, 50, m, true); };
  // A monitor right of the primary: the picker stays right of the cursor
  // until that monitor's own edge.
  const MonitorArea right = {1024, 0, 2304, 1024};
  PickerPoint p = at(1500, 500, right);
  EXPECT_EQ(p.x, 1520);
  EXPECT_EQ(p.y, 510);
  p = at(2200, 1000, right);
  EXPECT_EQ(p.x, 2060);
  EXPECT_EQ(p.y, 940);
  // Left of and above the primary: negative coordinates.
  const MonitorArea left = {-1280, -200, 0, 824};
  p = at(-1000, -100, left);
  EXPECT_EQ(p.x, -980);
  EXPECT_EQ(p.y, -90);
  p = at(-50, 800, left);
  EXPECT_EQ(p.x, -190);
  EXPECT_EQ(p.y, 740);
  // A short monitor below a tall one flips at its own bottom.
  const MonitorArea below = {0, 768, 800, 1368};
  p = at(100, 1340, below);
  EXPECT_EQ(p.y, 1280);
}

TEST(PickerTextLines, SplitAtLineFeedsOnly) {
  auto lines = [](const char* text) {
    std::vector<std::pair<int, int>> out;
    for (const TextLine& l : PickerTextLines(text)) out.push_back({l.start, l.length});
    return out;
  };
  using L = std::vector<std::pair<int, int>>;
  EXPECT_EQ(lines(""), (L{{0, 0}}));
  EXPECT_EQ(lines("abc"), (L{{0, 3}}));
  // The CR stays with its line, the LF is not measured, the last line counts.
  EXPECT_EQ(lines("ab\r\ncd\r\nefg"), (L{{0, 3}, {4, 3}, {8, 3}}));
  EXPECT_EQ(lines("ab\n"), (L{{0, 2}, {3, 0}}));
  EXPECT_EQ(lines("\n\nx"), (L{{0, 0}, {1, 0}, {2, 1}}));
  EXPECT_EQ(lines("a\rb"), (L{{0, 3}})) << "a lone CR splits nothing";
}

TEST(ZoomPickerSide, FromTheLevelOrFixed) {
  EXPECT_EQ(ZoomPickerSide(0, 3, 80), 41);
  EXPECT_EQ(ZoomPickerSide(0, 2, 80), 41);
  EXPECT_EQ(ZoomPickerSide(0, 5, 80), 41);
  EXPECT_EQ(ZoomPickerSide(0, 8, 80), 65);
  EXPECT_EQ(ZoomPickerSide(0, 12, 80), 97);
  EXPECT_EQ(ZoomPickerSide(0, 16, 80), 129);
  EXPECT_EQ(ZoomPickerSide(1, 3, 80), 81);
  EXPECT_EQ(ZoomPickerSide(1, 16, 80), 81);
}

TEST(TextPickerSize, MarginsAndFrame) {
  const PickerSize s = TextPickerSize(100, 13, 3, 4, 2);
  EXPECT_EQ(s.width, 110);
  EXPECT_EQ(s.height, 45);
}

TEST(ZoomLevelAfterWheel, StaysWithinTwoToSixteen) {
  EXPECT_EQ(ZoomLevelAfterWheel(8, 120), 7);
  EXPECT_EQ(ZoomLevelAfterWheel(8, -120), 9);
  EXPECT_EQ(ZoomLevelAfterWheel(2, 120), 2);
  EXPECT_EQ(ZoomLevelAfterWheel(16, -120), 16);
  EXPECT_EQ(ZoomLevelAfterWheel(8, 0), 9) << "no turn counts as towards the user";
}

}  // namespace

namespace {

// Where the cursor's pixel is drawn along one axis: its first and last column.
std::pair<int, int> CursorCells(const ZoomBlock& b, int level) {
  const int first = (b.nx / 2) * level - b.ox;
  return {first, first + level - 1};
}

TEST(ZoomGeometry, BlocksAndTheCursorPixel) {
  ZoomBlock b = ZoomGeometry(65, 65, 8);
  EXPECT_EQ(b.nx, 8);
  EXPECT_EQ(b.ox, 0);
  EXPECT_EQ(b.ny, 8);
  EXPECT_EQ(CursorCells(b, 8), std::make_pair(32, 39));

  b = ZoomGeometry(41, 41, 2);
  EXPECT_EQ(b.nx, 20);
  EXPECT_EQ(b.ox, 0);
  EXPECT_EQ(CursorCells(b, 2), std::make_pair(20, 21));

  b = ZoomGeometry(81, 81, 3);
  EXPECT_EQ(b.nx, 28);
  EXPECT_EQ(b.ox, 2);
  EXPECT_EQ(CursorCells(b, 3), std::make_pair(40, 42));

  b = ZoomGeometry(81, 81, 7);
  EXPECT_EQ(b.nx, 12);
  EXPECT_EQ(b.ox, 3);
  EXPECT_EQ(CursorCells(b, 7), std::make_pair(39, 45));

  b = ZoomGeometry(84, 84, 4);
  EXPECT_EQ(b.nx, 22);
  EXPECT_EQ(b.ox, 2);
  EXPECT_EQ(CursorCells(b, 4), std::make_pair(42, 45));

  b = ZoomGeometry(65, 41, 8);  // the axes are independent
  EXPECT_EQ(b.nx, 8);
  EXPECT_EQ(b.ny, 6);
  EXPECT_EQ(ZoomGeometry(65, 65, 0).nx, 0) << "level 0 shows nothing";
}

}  // namespace
