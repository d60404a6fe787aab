// The settings pages and their plain controls, each bound to what it shows:
// one row per control. Filling the pages, reading them back and the range
// check of "更新" all walk this table; controls that are not plain (the
// palette combo box, the trackbar, the radio pair, the range list, the key
// binds) are handled by hand.
#pragma once

#include <cstdint>
#include <span>

#include "core/palette_model.h"
#include "core/settings.h"

inline constexpr int kPageCount = 7;
// The pages in tab order.
enum SettingsPage { kPickerPage, kPalettePage, kZoomPage, kLayeredPage, kRangePage, kKeyPage, kOtherPage };

// A number is decimal text in an edit, a check is a check box (1 or 0), a
// text is an edit's or a combo box's text.
enum class ControlKind { Number, Check, Text };

struct ControlBinding {
  SettingsPage page;
  int id;
  ControlKind kind;
  // What the control shows: a setting, a field of the palette the page
  // shows (workPalettes[shownPalette]), or a text buffer.
  SettingWord Settings::*setting;
  std::int32_t PaletteHeader::*paletteField;
  char* text;
  // Numbers: the bytes read back from the edit; texts: their storage.
  int size;
  // "更新" puts a number outside min-max back to the setting's default, or
  // a palette field back to paletteFallback.
  std::int32_t min, max;
  std::int32_t paletteFallback;
  // Texts: the field's name in messages.
  const char* name = nullptr;
};

extern const std::span<const ControlBinding> kControlBindings;

// The default a setting falls back to, found by its field.
std::int32_t DefaultOf(SettingWord Settings::*setting);
