// Every setting of the program: process-wide values named by their INI keys,
// the picker format, the range list and the five key bindings.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <iterator>

#include "keybind/keybind.h"

inline constexpr int kSpuitFormatSize = 70;  // 69 characters and the NUL
inline constexpr int kPickerFormatSize = 260;
inline constexpr int kSlotCount = 5;

// Shortcut slots, the same in memory, on the settings page and at the hook core.
enum Slot { kSlotSpuit = 0, kSlotPalette = 1, kSlotLock = 2, kSlotZoom = 3, kSlotShowPicker = 4 };

// One setting: the main thread writes it, the picker thread reads it (and
// writes ZoomLevel and, through the main window, ShowPicker). Relaxed
// atomic loads and stores: each is one word, read and written whole.
class SettingWord {
 public:
  constexpr SettingWord(std::int32_t v = 0) noexcept : value_(v) {}
  SettingWord(const SettingWord& other) noexcept : value_(other) {}
  SettingWord& operator=(const SettingWord& other) noexcept { return *this = static_cast<std::int32_t>(other); }
  SettingWord& operator=(std::int32_t v) noexcept {
    value_.store(v, std::memory_order_relaxed);
    return *this;
  }
  operator std::int32_t() const noexcept { return value_.load(std::memory_order_relaxed); }

 private:
  std::atomic<std::int32_t> value_;
};

// Every setting once, in the order of the INI files: its field, INI key,
// section, kind, default, the limits "更新" holds it to where the dialog
// edits it, and whether it is saved (ForceUpdateAfterDrag is read, never
// written). The struct, the INI table and the dialog's limits come from it.
#define VELUN_SETTINGS(ROW)                                                              \
  ROW(CursorMarginX, "CursorMarginX", Main, Int, 20, 1, 100, true)                       \
  ROW(CursorMarginY, "CursorMarginY", Main, Int, 10, 1, 100, true)                       \
  ROW(WindowMarginX, "WindowMarginX", Main, Int, 4, 0, 100, true)                        \
  ROW(WindowMarginY, "WindowMarginY", Main, Int, 2, 0, 100, true)                        \
  ROW(ThresholdText, "Threshold-Text", Main, Int, 428, 0, 766, true)                     \
  ROW(HidePicker, "HidePicker", Palette, Flag, 0, 0, 1, true)                            \
  ROW(MuteBeep, "MuteBeep", Palette, Flag, 0, 0, 1, true)                                \
  ROW(Notation, "Notation", Palette, Int, 1, kNoMin, kNoMax, true)                       \
  ROW(NotationSpuit, "NotationSpuit", Palette, Int, 0, kNoMin, kNoMax, true)             \
  ROW(TopMost, "TopMost", Palette, Flag, 0, 0, 1, true)                                  \
  ROW(X, "X", Palette, Int, 80, kNoMin, kNoMax, true)                                    \
  ROW(Y, "Y", Palette, Int, 80, kNoMin, kNoMax, true)                                    \
  ROW(CX, "CX", Palette, Int, 220, kNoMin, kNoMax, true)                                 \
  ROW(CY, "CY", Palette, Int, 400, kNoMin, kNoMax, true)                                 \
  ROW(ZoomLevel, "ZoomLevel", Main, Int, 8, 2, 16, true)                                 \
  ROW(ZoomType, "ZoomType", Main, Int, 0, 0, 1, true)                                    \
  ROW(ZoomRect, "ZoomRect", Main, Int, 80, 40, 200, true)                                \
  ROW(DrawArrowOnZoom, "DrawArrowOnZoom", Main, Flag, 1, 0, 1, true)                     \
  ROW(DrawGridOnZoom, "DrawGridOnZoom", Main, Flag, 1, 0, 1, true)                       \
  ROW(ShowColorOnZoom, "ShowColorOnZoom", Main, Flag, 0, 0, 1, true)                     \
  ROW(ChangeZoomLevelByWheel, "ChangeZoomLevelByWheel", Main, Flag, 1, 0, 1, true)       \
  ROW(AdjustCurPosByArrow, "AdjustCurPosByArrow", Main, Flag, 1, 0, 1, true)             \
  ROW(UseToggleForZoom, "UseToggleForZoom", Main, Flag, 0, 0, 1, true)                   \
  ROW(LayeredLevel, "LayeredLevel", Main, Int, 0, 0, 255, true)                          \
  ROW(LayeredOnZoomOnly, "LayeredOnZoomOnly", Main, Flag, 0, 0, 1, true)                 \
  ROW(Layered, "Layered", Main, Flag, 0, 0, 1, true)                                     \
  ROW(SpuitFormat, "SpuitFormat", Main, Text, 0, 0, 0, true)                             \
  ROW(RealtimeDraw, "RealtimeDraw", Main, Flag, 1, 0, 1, true)                           \
  ROW(UseLimiterForRealtimeDraw, "UseLimiterForRealtimeDraw", Main, Flag, 1, 0, 1, true) \
  ROW(AdjustPickerPosition, "AdjustPickerPosition", Main, Flag, 1, 0, 1, true)           \
  ROW(HidePickerOnMenuLoop, "HidePickerOnMenuLoop", Main, Flag, 1, 0, 1, true)           \
  ROW(BeepOnSpuit, "BeepOnSpuit", Main, Flag, 1, 0, 1, true)                             \
  ROW(EnableSpuitOnSuspend, "EnableSpuitOnSuspend", Main, Flag, 0, 0, 1, true)           \
  ROW(NullMsgOnShortcut, "NullMsgOnShortcut", Main, Flag, 0, 0, 1, true)                 \
  ROW(NullMsgOnZoom, "NullMsgOnZoom", Main, Flag, 1, 0, 1, true)                         \
  ROW(ShowPicker, "ShowPicker", Main, Flag, 1, 0, 1, true)                               \
  ROW(ForceUpdateAfterDrag, "ForceUpdateAfterDrag", Main, Flag, 0, 0, 1, false)

// The limits of a setting the dialog does not edit.
inline constexpr std::int32_t kNoMin = INT32_MIN;
inline constexpr std::int32_t kNoMax = INT32_MAX;

#define VELUN_FIELD_Int(name) SettingWord name;
#define VELUN_FIELD_Flag(name) SettingWord name;
#define VELUN_FIELD_Text(name) char name[kSpuitFormatSize];
#define VELUN_FIELD(name, key, section, kind, ...) VELUN_FIELD_##kind(name)

struct Settings {
  VELUN_SETTINGS(VELUN_FIELD)
};


extern Settings settings;
extern char pickerFormat[kPickerFormatSize];
// The range list belongs to the main thread; the picker reads only the size
// of the current entry, published whole whenever the list or the index
// changes (1 while there is no list).
extern std::int32_t* rangeSizes;  // heap array of rangeCount side lengths
extern std::int32_t rangeCount;
extern std::int32_t rangeIndex;
extern std::atomic<std::int32_t> currentRangeSize;
extern KeyBind keyBinds[kSlotCount];

// The INI sections.
extern const char kMainSection[];     // "ぬべら"
extern const char kPaletteSection[];  // "ぬべらパレット"

enum class SettingKind { Int, Flag, Text };

// One row of the settings table; load and save walk it in order.
struct SettingDef {
  const char* key;
  const char* section;
  SettingKind kind;
  SettingWord Settings::*field;  // null for the text setting
  std::int32_t fallback;         // the default
  std::int32_t min, max;
  bool saved;
};

#define VELUN_MEMBER_Int(name) &Settings::name
#define VELUN_MEMBER_Flag(name) &Settings::name
#define VELUN_MEMBER_Text(name) nullptr
#define VELUN_ROW(name, key, section, kind, fallback, min, max, saved) \
  {key, k##section##Section, SettingKind::kind, VELUN_MEMBER_##kind(name), fallback, min, max, saved},
#define VELUN_ID(name, ...) kSetting##name,

inline constexpr SettingDef kSettingsTable[] = {VELUN_SETTINGS(VELUN_ROW)};
inline constexpr int kSettingCount = static_cast<int>(std::size(kSettingsTable));
// A setting's row in the table: kSettingCursorMarginX and so on.
enum SettingId { VELUN_SETTINGS(VELUN_ID) };

static_assert([] {
  for (const SettingDef& d : kSettingsTable)
    if (d.fallback < d.min || d.fallback > d.max) return false;
  return true;
}(), "every default lies within its limits");

extern const char kDefaultSpuitFormat[];   // "#%rx%gx%bx"
extern const char kDefaultPickerFormat[];  // the three default lines, 47 bytes
extern const std::int32_t kDefaultRanges[3];
extern const KeyBind kDefaultKeyBinds[kSlotCount];

// Where range arrays come from: malloc, or a stand-in that fails in tests.
using RangeAllocator = void* (*)(std::size_t bytes);
extern RangeAllocator rangeAllocate;

// Replaces the range list; false (list unchanged) when it cannot be had.
bool SetRangeList(const std::int32_t* sizes, std::int32_t count, std::int32_t index);
// Makes entry index current (an index outside the list is ignored).
void SetRangeIndex(std::int32_t index);
void SetDefaultRangeList();
void FreeRangeList();
