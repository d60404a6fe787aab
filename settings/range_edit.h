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

// The index of the new entry; -1 not odd or outside 1-101, -2 already in
// the list, -3 no memory (the list unchanged).
int RangeInsert(WorkRanges& list, std::int32_t v);
// The new index of entry s once it is v; -1 not odd or outside 1-101, -2 s
// is no entry, -3 v is another entry already.
int RangeModify(WorkRanges& list, int s, std::int32_t v);
// 0; -1 s is no entry, -2 no memory (the list unchanged).
int RangeDelete(WorkRanges& list, int s);
// A copy of count sizes into list, or false (list emptied) without memory.
bool CopyRanges(WorkRanges& list, const std::int32_t* sizes, std::int32_t count, std::int32_t index);
void FreeRanges(WorkRanges& list);
