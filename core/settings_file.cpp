#include "core/settings_file.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "core/data_files.h"
#include "core/number.h"
#include "core/palette_dat.h"
#include "core/settings.h"
#include "core/text.h"

namespace {

std::string DecimalText(std::int32_t v) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", static_cast<int>(v));
  return text;
}

void LoadProfile(DataStore& store) {
  for (const SettingDef& d : kSettingsTable) {
    if (d.kind == SettingKind::Text) {
      const std::string text = store.ReadProfile(d.section, d.key, kDefaultSpuitFormat);
      // 69 characters fit; a longer hand-edited value is cut, never overrun.
      CopyText(settings.SpuitFormat, sizeof settings.SpuitFormat, text.c_str());
      continue;
    }
    const std::string text = store.ReadProfile(d.section, d.key, DecimalText(d.fallback).c_str());
    settings.*d.field = ParseSettingInt(text.c_str());
  }
}

void SaveProfile(DataStore& store, const PalettePlacement* placement) {
  for (const SettingDef& d : kSettingsTable) {
    if (!d.saved) continue;
    if (d.kind == SettingKind::Text) {
      store.WriteProfile(d.section, d.key, settings.SpuitFormat);
      continue;
    }
    std::int32_t value = settings.*d.field;
    if (placement != nullptr) {
      // The window's normal rectangle; the variables themselves stay.
      if (d.field == &Settings::X) value = placement->left;
      if (d.field == &Settings::Y) value = placement->top;
      if (d.field == &Settings::CX) value = placement->right - placement->left;
      if (d.field == &Settings::CY) value = placement->bottom - placement->top;
    }
    store.WriteProfile(d.section, d.key, DecimalText(value).c_str());
  }
}

}  // namespace

void LoadSettingsFrom(DataStore& store) {
  LoadProfile(store);

  if (auto bytes = store.ReadData(kPickerFormatFile))
    DecodePickerFormat(*bytes, pickerFormat, kPickerFormatSize);
  else
    CopyText(pickerFormat, kPickerFormatSize, kDefaultPickerFormat);

  LoadPalettes(store);

  RangeList ranges;
  const auto rangeBytes = store.ReadData(kRangeFile);
  if (!rangeBytes || !DecodeRangeList(*rangeBytes, ranges) ||
      !SetRangeList(ranges.sizes.data(), static_cast<std::int32_t>(ranges.sizes.size()), ranges.index))
    SetDefaultRangeList();

  if (auto bytes = store.ReadData(kKeyConfigFile)) {
    std::memset(keyBinds, 0, sizeof keyBinds);
    DecodeKeyBinds(*bytes, keyBinds);
  } else {
    std::memcpy(keyBinds, kDefaultKeyBinds, sizeof keyBinds);
  }
}

bool SaveSettingsTo(DataStore& store, const PalettePlacement* placement) {
  store.BeginProfileSave();
  SaveProfile(store, placement);
  bool ok = store.EndProfileSave();
  ok = store.WriteData(kPickerFormatFile, EncodePickerFormat(pickerFormat)) && ok;
  ok = SavePalettes(store) == 0 && ok;
  ok = store.WriteData(kRangeFile, EncodeRangeList(rangeSizes, rangeCount, rangeIndex)) && ok;
  ok = store.WriteData(kKeyConfigFile, EncodeKeyBinds(keyBinds)) && ok;
  return ok;
}
