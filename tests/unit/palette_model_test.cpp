#include <gtest/gtest.h>

#include <vector>

#include "common/palette_testing.h"
#include "core/palette_model.h"

namespace {

std::uint32_t Rgb(int r, int g, int b) {
  return static_cast<std::uint32_t>(r | g << 8 | b << 16);
}

std::vector<std::pair<int, PaletteChange>> changes;
void Record(int palette, PaletteChange change) { changes.emplace_back(palette, change); }

class PaletteModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetPalettes();
    changes.clear();
    SetPaletteChangedHandler(Record);
  }
  void TearDown() override {
    SetPaletteChangedHandler(nullptr);
    ResetPalettes();
  }
  // A palette with the given settings, enabled and empty.
  void Use(int p, int capacity, int checkRange, int threshold = 0) {
    palettes[p].header = {0, capacity, checkRange, threshold, 20, 1};
    ReallocPalettes();
  }
  void Fill(int p, const std::vector<std::uint32_t>& newestFirst, int moveMode = 1) {
    for (auto it = newestFirst.rbegin(); it != newestFirst.rend(); ++it)
      AddPaletteColor(*it, p, moveMode);
  }
};

TEST_F(PaletteModelTest, FullPaletteDropsItsOldestColour) {
  Use(kCollectPalette, 3, 3);
  EXPECT_EQ(AddPaletteColor(1, 1, 0), 1);
  EXPECT_EQ(AddPaletteColor(2, 1, 0), 2);
  EXPECT_EQ(AddPaletteColor(3, 1, 0), 3);
  EXPECT_EQ(AddPaletteColor(4, 1, 0), 3);
  EXPECT_EQ(Entries(1), (std::vector<std::uint32_t>{4, 3, 2}));

  Use(kSpuitPalette, 1, 1);
  AddPaletteColor(Rgb(1, 0, 0), 0, 1);
  EXPECT_EQ(AddPaletteColor(Rgb(2, 0, 0), 0, 1), 1);
  EXPECT_EQ(Entries(0), std::vector<std::uint32_t>{Rgb(2, 0, 0)});
}

// A hand-edited palette.dat can hold any threshold: the check must not
// overflow (the sanitizer tree fails on it) and still mean "within t".
TEST_F(PaletteModelTest, ExtremeThresholdsFromAHandEditedFile) {
  Use(kCollectPalette, 10, 10, 2147483647);
  EXPECT_EQ(AddPaletteColor(Rgb(0, 0, 0), 1, 0), 1);
  EXPECT_EQ(AddPaletteColor(Rgb(255, 255, 255), 1, 0), 0) << "everything is within";
  Use(kCollectPalette, 10, 10, -2147483647 - 1);
  EXPECT_EQ(AddPaletteColor(Rgb(9, 9, 9), 1, 0), 1);
  EXPECT_EQ(AddPaletteColor(Rgb(9, 9, 10), 1, 0), 2) << "nothing is within a negative threshold";
  EXPECT_EQ(AddPaletteColor(Rgb(9, 9, 10), 1, 0), 0) << "a repeat of the newest still is";
}

TEST_F(PaletteModelTest, MoveModeLooksOnlyWithinCheckRange) {
  Use(kSpuitPalette, 20, 10);
  std::vector<std::uint32_t> colours;
  for (std::uint32_t c = 13; c >= 1; --c) colours.push_back(c);  // entry 4 is 9, entry 12 is 1
  Fill(0, colours);
  ASSERT_EQ(Entries(0), colours);

  EXPECT_EQ(AddPaletteColor(9, 0, 1), 13);
  std::vector<std::uint32_t> moved = {9, 13, 12, 11, 10, 8, 7, 6, 5, 4, 3, 2, 1};
  EXPECT_EQ(Entries(0), moved);

  EXPECT_EQ(AddPaletteColor(1, 0, 1), 14) << "older than the check range: held twice";
  EXPECT_EQ(Entries(0)[0], 1u);
  EXPECT_EQ(Entries(0)[13], 1u);

  // Move mode ignores the threshold: near colours are added.
  EXPECT_EQ(AddPaletteColor(Rgb(0, 0, 1) + 1, 0, 1), 15);
}

TEST_F(PaletteModelTest, CheckModeRefusesNearColoursOnEveryChannel) {
  Use(kCollectPalette, 200, 200, 32);
  Fill(1, {Rgb(130, 70, 100)}, 0);
  EXPECT_EQ(AddPaletteColor(Rgb(100, 100, 100), 1, 0), 0);
  EXPECT_EQ(Entries(1), std::vector<std::uint32_t>{Rgb(130, 70, 100)}) << "the match keeps its place";

  // Each channel on its own: 32 away is near, 33 away is not.
  for (int channel = 0; channel < 3; ++channel) {
    for (int sign : {-1, 1}) {
      Use(kCollectPalette, 200, 200, 32);
      ClearPalette(1);
      int c[3] = {100, 100, 100};
      Fill(1, {Rgb(c[0], c[1], c[2])}, 0);
      c[channel] += 32 * sign;
      EXPECT_EQ(AddPaletteColor(Rgb(c[0], c[1], c[2]), 1, 0), 0) << channel << " " << sign;
      c[channel] += sign;
      EXPECT_EQ(AddPaletteColor(Rgb(c[0], c[1], c[2]), 1, 0), 2) << channel << " " << sign;
    }
  }
}

TEST_F(PaletteModelTest, CheckModeWithCheckRangeZeroRefusesOnlyARepeat) {
  Use(kCollectPalette, 10, 0, 32);
  Fill(1, {Rgb(50, 50, 50)}, 0);
  EXPECT_EQ(AddPaletteColor(Rgb(50, 50, 50), 1, 0), 0);
  EXPECT_EQ(AddPaletteColor(Rgb(51, 50, 50), 1, 0), 2);
  // Spuit with check range 0 takes every colour.
  Use(kSpuitPalette, 10, 0);
  AddPaletteColor(7, 0, 1);
  EXPECT_EQ(AddPaletteColor(7, 0, 1), 2);
}

TEST_F(PaletteModelTest, ClearingLetsTheNewestColourInAgain) {
  Use(kCollectPalette, 10, 10, 32);
  Fill(1, {Rgb(9, 9, 9), Rgb(200, 0, 0)}, 0);
  changes.clear();
  EXPECT_EQ(ClearPalette(1), 0);
  EXPECT_EQ(palettes[1].header.count, 0);
  EXPECT_NE(palettes[1].entries, nullptr) << "the array stays";
  EXPECT_EQ(AddPaletteColor(Rgb(9, 9, 9), 1, 0), 1);
  EXPECT_EQ(changes, (std::vector<std::pair<int, PaletteChange>>{{1, PaletteChange::Cleared},
                                                                  {1, PaletteChange::Added}}));
  EXPECT_EQ(ClearPalette(2), kNoSuchPalette);
  EXPECT_EQ(ClearPalette(-1), kNoSuchPalette);
}

TEST_F(PaletteModelTest, RefusalsChangeNothingAndTellNobody) {
  EXPECT_EQ(AddPaletteColor(1, 2, 0), kNoSuchPalette);
  EXPECT_EQ(AddPaletteColor(1, -1, 1), kNoSuchPalette);
  EXPECT_EQ(AddPaletteColor(1, 0, 1), 0) << "all-zero header: capacity 0";
  palettes[0].header = {0, 10, 10, 0, 20, 0};  // disabled
  ReallocPalettes();
  EXPECT_EQ(palettes[0].entries, nullptr);
  EXPECT_EQ(AddPaletteColor(1, 0, 1), 0);
  Use(kCollectPalette, 0, 10);
  EXPECT_EQ(AddPaletteColor(1, 1, 0), 0);
  EXPECT_TRUE(changes.empty());
}

TEST_F(PaletteModelTest, SortKeys) {
  struct Row {
    std::uint32_t colour;
    int keys[4];
  };
  const Row rows[] = {
      {0xFFFFFF, {255, 85, 255, 107}},  {0x000000, {0, 85, 254, 107}},
      {0x0000FF, {76, 254, -211, -64}}, {0x00FF00, {149, -21, 701, -43}},
      {0xFF0000, {29, -63, -234, 255}}, {0x808080, {127, 85, 254, 107}},
      {0x123456, {58, 127, 190, 65}},   {0x0080FF, {151, 158, 13, -52}},
  };
  for (const Row& r : rows)
    for (int k = 0; k < 4; ++k) EXPECT_EQ(SortKey(r.colour, k), r.keys[k]) << r.colour << " " << k;
}

TEST_F(PaletteModelTest, SortOrdersAndTies) {
  Use(kSpuitPalette, 20, 0);
  // Luminance ties: the order is the one the quicksort produces.
  const std::vector<std::uint32_t> start = {0x010101, 0x000000, 0x0000FF, 0x010000, 0x000100,
                                            0x000001, 0x020000, 0x000002, 0xFFFFFF};
  Fill(0, start);
  SortPalette(0, kSortLuminance, 0);
  EXPECT_EQ(Entries(0), (std::vector<std::uint32_t>{0xFFFFFF, 0xFF, 0x1, 0x20000, 0x2, 0x0,
                                                    0x10101, 0x100, 0x10000}));
  ClearPalette(0);
  Fill(0, start);
  SortPalette(0, kSortLuminance, 1);
  EXPECT_EQ(Entries(0), (std::vector<std::uint32_t>{0x1, 0x100, 0x2, 0x20000, 0x0, 0x10101,
                                                    0x10000, 0xFF, 0xFFFFFF}));
  ClearPalette(0);
  Fill(0, {0xFFFFFF, 0x000000, 0x0000FF, 0x00FF00, 0xFF0000, 0x808080, 0x123456, 0x0080FF});
  SortPalette(0, kSortGreen, 0);
  EXPECT_EQ(Entries(0), (std::vector<std::uint32_t>{0xFF00, 0xFFFFFF, 0x808080, 0x0, 0x123456,
                                                    0x80FF, 0xFF, 0xFF0000}));

  ClearPalette(0);
  SortPalette(0, kSortLuminance, 0);
  EXPECT_TRUE(Entries(0).empty());
  Fill(0, {0x123456});
  SortPalette(0, kSortBlue, 1);
  EXPECT_EQ(Entries(0), std::vector<std::uint32_t>{0x123456});
  SortPalette(5, kSortBlue, 1);  // invalid index: nothing
}

TEST_F(PaletteModelTest, ReallocKeepsTheNewestAndDisablingEmpties) {
  Use(kSpuitPalette, 10, 10);
  Fill(0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  palettes[0].header.capacity = 5;
  ReallocPalettes();
  EXPECT_EQ(Entries(0), (std::vector<std::uint32_t>{1, 2, 3, 4, 5}));
  EXPECT_EQ(AddPaletteColor(11, 0, 1), 5);

  palettes[0].header.enabled = 0;
  ReallocPalettes();
  EXPECT_EQ(palettes[0].entries, nullptr);
  EXPECT_EQ(palettes[0].header.count, 0);
  palettes[0].header.enabled = 1;
  ReallocPalettes();
  EXPECT_NE(palettes[0].entries, nullptr);
  EXPECT_EQ(palettes[0].header.count, 0) << "enabled again, it starts empty";
}

TEST_F(PaletteModelTest, AnArrayThatCannotBeHadLeavesAnEmptyPalette) {
  Use(kSpuitPalette, 10, 10);
  Fill(0, {1, 2, 3});
  palettes[0].header.capacity = kMaxPaletteCapacity + 1;
  ReallocPalettes();
  EXPECT_EQ(palettes[0].entries, nullptr);
  EXPECT_EQ(palettes[0].header.count, 0);
  EXPECT_EQ(AddPaletteColor(4, 0, 1), 0);
}

}  // namespace

namespace {

// A batch goes in as its colours one after the other would, duplicate rule
// and capacity included, and the window hears of it once.
TEST_F(PaletteModelTest, ABatchIsAddedInOrderAndToldOnce) {
  Use(1, 3, 3);
  const std::uint32_t batch[] = {1, 2, 2, 3, 4};
  EXPECT_EQ(AddPaletteColors(batch, 5, 1, 0), 4) << "the repeat of 2 is refused";
  EXPECT_EQ(Entries(1), (std::vector<std::uint32_t>{4, 3, 2})) << "the oldest dropped out";
  EXPECT_EQ(changes, (std::vector<std::pair<int, PaletteChange>>{{1, PaletteChange::AddedMany}}));
  EXPECT_EQ(AddPaletteColors(batch, 5, 2, 0), kNoSuchPalette);
}

}  // namespace
