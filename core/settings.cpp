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

namespace {
constexpr const char* M = kMainSection;
constexpr const char* P = kPaletteSection;
constexpr SettingKind I = SettingKind::Int;
constexpr SettingKind F = SettingKind::Flag;
using S = Settings;
}  // namespace

const SettingDef kSettingsTable[kSettingCount] = {
    {"CursorMarginX", M, I, &S::CursorMarginX, 20, true},
    {"CursorMarginY", M, I, &S::CursorMarginY, 10, true},
    {"WindowMarginX", M, I, &S::WindowMarginX, 4, true},
    {"WindowMarginY", M, I, &S::WindowMarginY, 2, true},
    {"Threshold-Text", M, I, &S::ThresholdText, 428, true},
    {"HidePicker", P, F, &S::HidePicker, 0, true},
    {"MuteBeep", P, F, &S::MuteBeep, 0, true},
    {"Notation", P, I, &S::Notation, 1, true},
    {"NotationSpuit", P, I, &S::NotationSpuit, 0, true},
    {"TopMost", P, F, &S::TopMost, 0, true},
    {"X", P, I, &S::X, 80, true},
    {"Y", P, I, &S::Y, 80, true},
    {"CX", P, I, &S::CX, 220, true},
    {"CY", P, I, &S::CY, 400, true},
    {"ZoomLevel", M, I, &S::ZoomLevel, 8, true},
    {"ZoomType", M, I, &S::ZoomType, 0, true},
    {"ZoomRect", M, I, &S::ZoomRect, 80, true},
    {"DrawArrowOnZoom", M, F, &S::DrawArrowOnZoom, 1, true},
    {"DrawGridOnZoom", M, F, &S::DrawGridOnZoom, 1, true},
    {"ShowColorOnZoom", M, F, &S::ShowColorOnZoom, 0, true},
    {"ChangeZoomLevelByWheel", M, F, &S::ChangeZoomLevelByWheel, 1, true},
    {"AdjustCurPosByArrow", M, F, &S::AdjustCurPosByArrow, 1, true},
    {"UseToggleForZoom", M, F, &S::UseToggleForZoom, 0, true},
    {"LayeredLevel", M, I, &S::LayeredLevel, 0, true},
    {"LayeredOnZoomOnly", M, F, &S::LayeredOnZoomOnly, 0, true},
    {"Layered", M, F, &S::Layered, 0, true},
    {"SpuitFormat", M, SettingKind::Text, nullptr, 0, true},
    {"RealtimeDraw", M, F, &S::RealtimeDraw, 1, true},
    {"UseLimiterForRealtimeDraw", M, F, &S::UseLimiterForRealtimeDraw, 1, true},
    {"AdjustPickerPosition", M, F, &S::AdjustPickerPosition, 1, true},
    {"HidePickerOnMenuLoop", M, F, &S::HidePickerOnMenuLoop, 1, true},
    {"BeepOnSpuit", M, F, &S::BeepOnSpuit, 1, true},
    {"EnableSpuitOnSuspend", M, F, &S::EnableSpuitOnSuspend, 0, true},
    {"NullMsgOnShortcut", M, F, &S::NullMsgOnShortcut, 0, true},
    {"NullMsgOnZoom", M, F, &S::NullMsgOnZoom, 1, true},
    {"ShowPicker", M, F, &S::ShowPicker, 1, true},
    {"ForceUpdateAfterDrag", M, F, &S::ForceUpdateAfterDrag, 0, false},
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
