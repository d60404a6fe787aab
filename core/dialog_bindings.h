// The settings pages and their controls, each bound to what it shows: one
// row per control. Filling the pages, reading them back and the range
// check of "更新" all walk this table; only the palette combo box and the
// range list are handled by hand.
#pragma once

#include <cstdint>
#include <span>

#include "core/palette_model.h"
#include "core/settings.h"

inline constexpr int kPageCount = 7;
// The pages in tab order.
enum SettingsPage { kPickerPage, kPalettePage, kZoomPage, kLayeredPage, kRangePage, kKeyPage, kOtherPage };

// A number is decimal text in an edit, a check is a check box (1 or 0), a
// text is an edit's or a combo box's text, a radio group's buttons stand
// for min to max in id order, a trackbar shows its position and a key
// control its binding.
enum class ControlKind { Number, Check, Text, Radio, Trackbar, Key };

struct ControlBinding {
  SettingsPage page;
  int id;  // a radio group's first button
  ControlKind kind;
  // What the control shows: a setting, a field of the palette the page
  // shows (workPalettes[shownPalette]), a text buffer or a key binding.
  SettingWord Settings::*setting;
  std::int32_t PaletteHeader::*paletteField;
  char* text;
  KeyBind* bind;
  // Numbers: the bytes read back from the edit; texts: their storage.
  int size;
  // "更新" puts a number outside min-max back to fallback: a setting's
  // default, or the palette field's.
  std::int32_t min, max;
  std::int32_t fallback;
  // Texts: the field's name in messages.
  const char* name = nullptr;
};

extern const std::span<const ControlBinding> kControlBindings;
