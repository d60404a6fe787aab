// What every loaded setting must satisfy, whatever the files held: checked
// by the fuzz targets after each load, and after a save loaded back.
#pragma once

#include <cstdlib>
#include <cstring>
#include <vector>

#include "core/palette_model.h"
#include "core/settings.h"
#include "core/settings_file.h"
#include "core/text.h"

namespace fuzz {

inline void Require(bool holds) {
  if (!holds) std::abort();
}

// Fits size bytes with its NUL, and does not end in half a double-byte
// character.
inline void RequireText(const char* text, std::size_t size) {
  const std::size_t length = strnlen(text, size);
  Require(length < size);
  for (std::size_t i = 0; i < length;) {
    const bool lead = IsSjisLeadByte(static_cast<unsigned char>(text[i]));
    Require(!(lead && i + 1 == length));
    i += lead && IsSjisTrailByte(static_cast<unsigned char>(text[i + 1])) ? 2 : 1;
  }
}

inline void RequireLoaded() {
  RequireText(settings.SpuitFormat, sizeof settings.SpuitFormat);
  RequireText(pickerFormat, sizeof pickerFormat);
  Require(rangeSizes != nullptr && rangeCount > 0);
  Require(rangeIndex >= 0 && rangeIndex < rangeCount);
  Require(currentRangeSize == rangeSizes[rangeIndex]);
  static_assert(sizeof(KeyBind) == 12, "bindings are 12-byte records");
}

// Everything a save writes, to compare a save loaded back with what was saved.
struct Snapshot {
  std::vector<std::int32_t> numbers;
  std::string spuit, picker;
  std::vector<std::int32_t> ranges;
  std::int32_t index;
  std::vector<unsigned char> binds;
  std::vector<std::int32_t> colours;  // both palettes: headers and entries

  static Snapshot Take() {
    Snapshot s;
    for (const SettingDef& d : kSettingsTable)
      if (d.field != nullptr && d.saved) s.numbers.push_back(settings.*d.field);
    s.spuit = settings.SpuitFormat;
    s.picker = pickerFormat;
    s.ranges.assign(rangeSizes, rangeSizes + rangeCount);
    s.index = rangeIndex;
    const auto* b = reinterpret_cast<const unsigned char*>(keyBinds);
    s.binds.assign(b, b + sizeof keyBinds);
    for (const Palette& p : ::palettes) {
      const PaletteHeader& h = p.header;
      s.colours.insert(s.colours.end(), {h.count, h.capacity, h.checkRange, h.threshold, h.itemHeight, h.enabled});
      for (int i = 0; i < h.count; ++i) s.colours.push_back(static_cast<std::int32_t>(p.entries[i]));
    }
    return s;
  }
  bool operator==(const Snapshot& o) const {
    return numbers == o.numbers && spuit == o.spuit && picker == o.picker && ranges == o.ranges &&
           index == o.index && binds == o.binds && colours == o.colours;
  }
};

// A save of what is loaded, loaded back into memory, gives the same values.
inline void RequireSaveLoadsBack(DataStore& saved) {
  const Snapshot loaded = Snapshot::Take();
  Require(SaveSettingsTo(saved, nullptr));
  LoadSettingsFrom(saved);
  RequireLoaded();
  Require(Snapshot::Take() == loaded);
}

}  // namespace fuzz
