// Editing the working copy of the range list on the range page: the list
// stays ascending, holds odd sizes 1-101 without repeats, and its first
// entry can be neither modified nor deleted through the page.
#pragma once

#include <cstdint>

// The working copy, made when the settings dialog opens.
struct WorkRanges {
  std::int32_t* sizes;  // heap array (rangeAllocate), count entries
  std::int32_t count;
  std::int32_t index;   // the current entry
};

// The index of the new entry, or (the list unchanged)
enum RangeInsertStatus { kInsertNotOdd = -1, kInsertTaken = -2, kInsertNoMemory = -3 };
int RangeInsert(WorkRanges& list, std::int32_t v);
// The new index of entry s once it is v, or
enum RangeModifyStatus { kModifyNotOdd = -1, kModifyNoEntry = -2, kModifyTaken = -3 };
int RangeModify(WorkRanges& list, int s, std::int32_t v);
// kDeleted, or (the list unchanged)
enum RangeDeleteStatus { kDeleted = 0, kDeleteNoEntry = -1, kDeleteNoMemory = -2 };
int RangeDelete(WorkRanges& list, int s);
// Not odd means: even, or outside 1-101.
// A copy of count sizes into list, or false (list emptied) without memory.
bool CopyRanges(WorkRanges& list, const std::int32_t* sizes, std::int32_t count, std::int32_t index);
void FreeRanges(WorkRanges& list);
