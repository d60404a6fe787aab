#include "core/range_edit.h"

#include <cstdlib>
#include <cstring>

#include "core/settings.h"

namespace {

bool Valid(std::int32_t v) { return v >= 1 && v <= 101 && v % 2 != 0; }

bool Holds(const WorkRanges& list, std::int32_t v, int except) {
  for (int i = 0; i < list.count; ++i)
    if (i != except && list.sizes[i] == v) return true;
  return false;
}

std::int32_t* Allocate(std::int32_t count) {
  return static_cast<std::int32_t*>(rangeAllocate(sizeof(std::int32_t) * static_cast<std::size_t>(count)));
}

// Replaces the array; the current range becomes the first.
void Adopt(WorkRanges& list, std::int32_t* sizes, std::int32_t count) {
  std::free(list.sizes);
  list.sizes = sizes;
  list.count = count;
  list.index = 0;
}

}  // namespace

int RangeInsert(WorkRanges& list, std::int32_t v) {
  if (!Valid(v)) return kInsertNotOdd;
  if (Holds(list, v, -1)) return kInsertTaken;
  std::int32_t* fresh = Allocate(list.count + 1);
  if (fresh == nullptr) return kInsertNoMemory;
  int r = list.count;
  for (int i = 0; i < list.count; ++i)
    if (list.sizes[i] > v) {
      r = i;
      break;
    }
  for (int i = 0, j = 0; i <= list.count; ++i) fresh[i] = i == r ? v : list.sizes[j++];
  Adopt(list, fresh, list.count + 1);
  return r;
}

int RangeModify(WorkRanges& list, int s, std::int32_t v) {
  if (!Valid(v)) return kModifyNotOdd;
  if (s < 0 || s >= list.count) return kModifyNoEntry;
  if (list.sizes[s] == v) return s;  // nothing changes, not even the current entry
  if (Holds(list, v, s)) return kModifyTaken;
  list.sizes[s] = v;
  // Sorted by exchange, as the list has always been kept.
  for (int j = 0; j + 1 < list.count; ++j)
    for (int k = j + 1; k < list.count; ++k)
      if (list.sizes[k] < list.sizes[j]) {
        const std::int32_t t = list.sizes[j];
        list.sizes[j] = list.sizes[k];
        list.sizes[k] = t;
      }
  list.index = 0;
  for (int i = 0; i < list.count; ++i)
    if (list.sizes[i] == v) return i;
  return s;
}

int RangeDelete(WorkRanges& list, int s) {
  if (s < 0 || s >= list.count) return kDeleteNoEntry;
  std::int32_t* fresh = list.count > 1 ? Allocate(list.count - 1) : nullptr;
  if (list.count > 1 && fresh == nullptr) return kDeleteNoMemory;
  for (int i = 0, j = 0; i < list.count; ++i)
    if (i != s) fresh[j++] = list.sizes[i];
  Adopt(list, fresh, list.count - 1);
  return kDeleted;
}

bool CopyRanges(WorkRanges& list, const std::int32_t* sizes, std::int32_t count, std::int32_t index) {
  FreeRanges(list);
  if (count <= 0) return true;
  std::int32_t* copy = Allocate(count);
  if (copy == nullptr) return false;
  std::memcpy(copy, sizes, sizeof(std::int32_t) * static_cast<std::size_t>(count));
  list = {copy, count, index};
  return true;
}

void FreeRanges(WorkRanges& list) {
  std::free(list.sizes);
  list = {nullptr, 0, 0};
}
