// Every setting of the program: process-wide values named by their INI keys,
// the picker format, the range list and the five key bindings.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

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

struct Settings {
  SettingWord CursorMarginX;
  SettingWord CursorMarginY;
  SettingWord WindowMarginX;
  SettingWord WindowMarginY;
  SettingWord ThresholdText;  // "Threshold-Text"
  SettingWord HidePicker;
  SettingWord MuteBeep;
  SettingWord Notation;
  SettingWord NotationSpuit;
  SettingWord TopMost;
  SettingWord X;
  SettingWord Y;
  SettingWord CX;
  SettingWord CY;
  SettingWord ZoomLevel;
  SettingWord ZoomType;
  SettingWord ZoomRect;
  SettingWord DrawArrowOnZoom;
  SettingWord DrawGridOnZoom;
  SettingWord ShowColorOnZoom;
  SettingWord ChangeZoomLevelByWheel;
  SettingWord AdjustCurPosByArrow;
  SettingWord UseToggleForZoom;
  SettingWord LayeredLevel;
  SettingWord LayeredOnZoomOnly;
  SettingWord Layered;
  char SpuitFormat[kSpuitFormatSize];
  SettingWord RealtimeDraw;
  SettingWord UseLimiterForRealtimeDraw;
  SettingWord AdjustPickerPosition;
  SettingWord HidePickerOnMenuLoop;
  SettingWord BeepOnSpuit;
  SettingWord EnableSpuitOnSuspend;
  SettingWord NullMsgOnShortcut;
  SettingWord NullMsgOnZoom;
  SettingWord ShowPicker;
  SettingWord ForceUpdateAfterDrag;
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
  SettingWord Settings::*field;   // null for the text setting
  std::int32_t fallback;          // the default
  bool saved;                     // ForceUpdateAfterDrag is read, never written
};

inline constexpr int kSettingCount = 37;
extern const SettingDef kSettingsTable[kSettingCount];

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
