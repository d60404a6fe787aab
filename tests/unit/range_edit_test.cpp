#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "common/keybind_testing.h"
#include "core/apply_rules.h"
#include "core/dialog_bindings.h"
#include "core/range_edit.h"
#include "core/settings.h"

namespace {

class RangeEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::int32_t sizes[] = {1, 5, 15};
    ASSERT_TRUE(CopyRanges(list, sizes, 3, 2));
  }
  void TearDown() override {
    rangeAllocate = std::malloc;
    FreeRanges(list);
  }
  std::vector<std::int32_t> Sizes() const { return {list.sizes, list.sizes + list.count}; }
  WorkRanges list = {};
};

void* NoMemory(std::size_t) { return nullptr; }

TEST_F(RangeEditTest, InsertKeepsTheListAscendingAndDistinct) {
  EXPECT_EQ(RangeInsert(list, 7), 2);
  EXPECT_EQ(Sizes(), (std::vector<std::int32_t>{1, 5, 7, 15}));
  EXPECT_EQ(list.index, 0) << "every change makes the first entry current";
  EXPECT_EQ(RangeInsert(list, 101), 4);
  EXPECT_EQ(RangeInsert(list, 3), 1);
  EXPECT_EQ(RangeInsert(list, 5), kInsertTaken);
  for (std::int32_t bad : {4, 0, 103, -3, 102, -1}) EXPECT_EQ(RangeInsert(list, bad), kInsertNotOdd) << bad;
  EXPECT_EQ(Sizes(), (std::vector<std::int32_t>{1, 3, 5, 7, 15, 101}));
}

TEST_F(RangeEditTest, ModifyResortsAndReportsTheNewIndex) {
  EXPECT_EQ(RangeModify(list, 2, 3), 1);
  EXPECT_EQ(Sizes(), (std::vector<std::int32_t>{1, 3, 5}));
  EXPECT_EQ(list.index, 0);
  list.index = 2;
  EXPECT_EQ(RangeModify(list, 1, 3), 1) << "the same value";
  EXPECT_EQ(list.index, 2) << "changes nothing, not even the current entry";
  EXPECT_EQ(RangeModify(list, 1, 5), kModifyTaken);
  EXPECT_EQ(RangeModify(list, 3, 9), kModifyNoEntry);
  EXPECT_EQ(RangeModify(list, -1, 9), kModifyNoEntry);
  EXPECT_EQ(RangeModify(list, 1, 8), kModifyNotOdd);
  EXPECT_EQ(RangeModify(list, 0, 99), 2) << "to the end";
  EXPECT_EQ(Sizes(), (std::vector<std::int32_t>{3, 5, 99}));
}

TEST_F(RangeEditTest, DeleteAndItsRefusals) {
  EXPECT_EQ(RangeDelete(list, 3), kDeleteNoEntry);
  EXPECT_EQ(RangeDelete(list, -1), kDeleteNoEntry);
  EXPECT_EQ(RangeDelete(list, 1), kDeleted);
  EXPECT_EQ(Sizes(), (std::vector<std::int32_t>{1, 15}));
  EXPECT_EQ(list.index, 0);
}

TEST_F(RangeEditTest, WithoutMemoryNothingIsLost) {
  rangeAllocate = NoMemory;
  EXPECT_EQ(RangeInsert(list, 7), kInsertNoMemory);
  EXPECT_EQ(RangeDelete(list, 1), kDeleteNoMemory);
  EXPECT_EQ(Sizes(), (std::vector<std::int32_t>{1, 5, 15}));
  EXPECT_EQ(list.index, 2);
  WorkRanges copy = {};
  EXPECT_FALSE(CopyRanges(copy, list.sizes, list.count, 0));
  EXPECT_EQ(copy.count, 0);
  // Nor in the live list: a refused replacement keeps the old one.
  rangeAllocate = std::malloc;
  SetDefaultRangeList();
  rangeAllocate = NoMemory;
  EXPECT_FALSE(SetRangeList(list.sizes, list.count, 0));
  EXPECT_EQ(rangeCount, 3);
  EXPECT_EQ(rangeSizes[2], 15);
  rangeAllocate = std::malloc;
  FreeRangeList();
}

// Apply's range check: only the numbers the dialog's edits set.
TEST(ApplyRules, OutOfRangeValuesGetTheirDefaults) {
  Settings s{};
  PaletteHeader h[2] = {{3, 10, 10, 0, 20, 1}, {0, 200, 200, 32, 20, 0}};
  s.CursorMarginX = 0;
  s.CursorMarginY = 0;
  s.WindowMarginX = 0;
  s.WindowMarginY = 101;
  s.ThresholdText = 767;
  s.ZoomLevel = 0;
  s.ZoomRect = 39;
  h[1].capacity = 1001;
  h[0].checkRange = -1;
  h[1].threshold = 129;
  h[0].itemHeight = 11;
  h[1].itemHeight = 80;
  // Not the dialog's to check: a hand-edited file keeps these.
  s.ShowPicker = 5;
  s.Notation = 7;
  s.NotationSpuit = -2;
  s.TopMost = 9;
  s.X = -5000;
  s.HidePickerOnMenuLoop = 3;
  ValidateAppliedSettings(s, h);
  EXPECT_EQ(s.CursorMarginX, 20);
  EXPECT_EQ(s.CursorMarginY, 10);
  EXPECT_EQ(s.WindowMarginX, 0);
  EXPECT_EQ(s.WindowMarginY, 2);
  EXPECT_EQ(s.ThresholdText, 428);
  EXPECT_EQ(s.ZoomLevel, 8);
  EXPECT_EQ(s.ZoomRect, 80);
  EXPECT_EQ(h[1].capacity, 10);
  EXPECT_EQ(h[0].checkRange, 10);
  EXPECT_EQ(h[1].threshold, 32);
  EXPECT_EQ(h[0].itemHeight, 32);
  EXPECT_EQ(h[1].itemHeight, 80);
  EXPECT_EQ(h[0].count, 3) << "carried along";
  EXPECT_EQ(s.ShowPicker, 5);
  EXPECT_EQ(s.Notation, 7);
  EXPECT_EQ(s.NotationSpuit, -2);
  EXPECT_EQ(s.TopMost, 9);
  EXPECT_EQ(s.X, -5000);
  EXPECT_EQ(s.HidePickerOnMenuLoop, 3);
}

TEST(ApplyRules, OnlyBareClicksAreLockRisks) {
  KeyBind binds[kSlotCount] = {};
  EXPECT_EQ(FirstLockRisk(binds), kNoLockRisk);
  binds[2] = Bind(kBindLeftClick, 1);  // shift + click
  binds[3] = Bind(kBindLeftDoubleClick);
  binds[4] = Bind(519);  // middle button
  EXPECT_EQ(FirstLockRisk(binds), kNoLockRisk);
  binds[1] = Bind(kBindRightClick, 0, 0, 0, 1);  // with the left held
  EXPECT_EQ(FirstLockRisk(binds), kNoLockRisk);
  binds[4] = Bind(kBindRightClick);
  EXPECT_EQ(FirstLockRisk(binds), 4);
  binds[0] = Bind(kBindLeftClick);
  EXPECT_EQ(FirstLockRisk(binds), 0);
}

}  // namespace
