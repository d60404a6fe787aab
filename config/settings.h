// Every setting of the program: process-wide values named by their INI keys,
// the picker format, the range list and the five key bindings.
#pragma once

#include <cstdint>

#include "keybind/keybind.h"

inline constexpr int kSpuitFormatSize = 70;  // 69 characters and the NUL
inline constexpr int kPickerFormatSize = 260;
inline constexpr int kSlotCount = 5;

// Shortcut slots, the same in memory, on the settings page and at the hook core.
enum Slot { kSlotSpuit = 0, kSlotPalette = 1, kSlotLock = 2, kSlotZoom = 3, kSlotShowPicker = 4 };

struct Settings {
  std::int32_t CursorMarginX;
  std::int32_t CursorMarginY;
  std::int32_t WindowMarginX;
  std::int32_t WindowMarginY;
  std::int32_t ThresholdText;  // "Threshold-Text"
  std::int32_t HidePicker;
  std::int32_t MuteBeep;
  std::int32_t Notation;
  std::int32_t NotationSpuit;
  std::int32_t TopMost;
  std::int32_t X;
  std::int32_t Y;
  std::int32_t CX;
  std::int32_t CY;
  std::int32_t ZoomLevel;
  std::int32_t ZoomType;
  std::int32_t ZoomRect;
  std::int32_t DrawArrowOnZoom;
  std::int32_t DrawGridOnZoom;
  std::int32_t ShowColorOnZoom;
  std::int32_t ChangeZoomLevelByWheel;
  std::int32_t AdjustCurPosByArrow;
  std::int32_t UseToggleForZoom;
  std::int32_t LayeredLevel;
  std::int32_t LayeredOnZoomOnly;
  std::int32_t Layered;
  char SpuitFormat[kSpuitFormatSize];
  std::int32_t RealtimeDraw;
  std::int32_t UseLimiterForRealtimeDraw;
  std::int32_t AdjustPickerPosition;
  std::int32_t HidePickerOnMenuLoop;
  std::int32_t BeepOnSpuit;
  std::int32_t EnableSpuitOnSuspend;
  std::int32_t NullMsgOnShortcut;
  std::int32_t NullMsgOnZoom;
  std::int32_t ShowPicker;
  std::int32_t ForceUpdateAfterDrag;
};

extern Settings settings;
extern char pickerFormat[kPickerFormatSize];
extern std::int32_t* rangeSizes;  // heap array of rangeCount side lengths
extern std::int32_t rangeCount;
extern std::int32_t rangeIndex;
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
  std::int32_t Settings::*field;  // null for the text setting
  std::int32_t fallback;          // the default
  std::int32_t min, max;          // what the settings dialog enforces
  bool checked;                   // whether the dialog checks it at all
  bool saved;                     // ForceUpdateAfterDrag is read, never written
};

inline constexpr int kSettingCount = 37;
extern const SettingDef kSettingsTable[kSettingCount];

extern const char kDefaultSpuitFormat[];   // "#%rx%gx%bx"
extern const char kDefaultPickerFormat[];  // the three default lines, 47 bytes
extern const std::int32_t kDefaultRanges[3];
extern const KeyBind kDefaultKeyBinds[kSlotCount];

// Replaces the range list; false (list unchanged) when it cannot be had.
bool SetRangeList(const std::int32_t* sizes, std::int32_t count, std::int32_t index);
void SetDefaultRangeList();
void FreeRangeList();
