#include "core/settings.h"

#include <cstdlib>
#include <cstring>

Settings settings = {};
char pickerFormat[kPickerFormatSize] = {};
std::int32_t* rangeSizes = nullptr;
std::int32_t rangeCount = 0;
std::int32_t rangeIndex = 0;
std::atomic<std::int32_t> currentRangeSize{1};
RangeAllocator rangeAllocate = std::malloc;
KeyBind keyBinds[kSlotCount] = {};

const char kMainSection[] = "ぬべら";
const char kPaletteSection[] = "ぬべらパレット";

const char kDefaultSpuitFormat[] = "#%rx%gx%bx";
const char kDefaultPickerFormat[] = "x%sx, y%sy\r\n10進: %rr:%gg:%bb\r\n16進: #%rx%gx%bx";
const std::int32_t kDefaultRanges[3] = {1, 5, 15};

// Spuit alt + 右クリック, palette not set, lock alt + F2, zoom Shift alone,
// show picker alt + F1.
const KeyBind kDefaultKeyBinds[kSlotCount] = {
    {516, 0, 0, 1, 0, 0, {}},
    {0, 0, 0, 0, 0, 0, {}},
    {113, 0, 0, 1, 0, 0, {}},
    {16, 0, 0, 0, 0, 0, {}},
    {112, 0, 0, 1, 0, 0, {}},
};

bool SetRangeList(const std::int32_t* sizes, std::int32_t count, std::int32_t index) {
  if (count <= 0) return false;
  auto* fresh = static_cast<std::int32_t*>(rangeAllocate(sizeof(std::int32_t) * static_cast<std::size_t>(count)));
  if (fresh == nullptr) return false;
  std::memcpy(fresh, sizes, sizeof(std::int32_t) * static_cast<std::size_t>(count));
  std::int32_t* old = rangeSizes;
  rangeSizes = fresh;
  rangeCount = count;
  // The picker always reads the current entry: it must be in the list.
  rangeIndex = index >= 0 && index < count ? index : 0;
  currentRangeSize = rangeSizes[rangeIndex];
  std::free(old);  // published first, freed last
  return true;
}

void SetRangeIndex(std::int32_t index) {
  if (index < 0 || index >= rangeCount) return;
  rangeIndex = index;
  currentRangeSize = rangeSizes[index];
}

void SetDefaultRangeList() { SetRangeList(kDefaultRanges, 3, 0); }

void FreeRangeList() {
  std::int32_t* old = rangeSizes;
  rangeSizes = nullptr;
  rangeCount = 0;
  rangeIndex = 0;
  currentRangeSize = 1;
  std::free(old);
}
