#include "settings/apply_rules.h"

#include <cstdio>
#include <cstring>

#include "config/number.h"

namespace {

const SettingDef& Def(const char* key) {
  for (const SettingDef& d : kSettingsTable)
    if (std::strcmp(d.key, key) == 0) return d;
  return kSettingsTable[0];  // every key below is in the table
}

// The default as its INI text gives it, the way the loader reads it.
std::int32_t DefaultOf(const SettingDef& d) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", static_cast<int>(d.fallback));
  return ParseSettingInt(text);
}

void Check(Settings& s, const char* key) {
  const SettingDef& d = Def(key);
  const std::int32_t v = s.*d.field;
  if (v < d.min || v > d.max) s.*d.field = DefaultOf(d);
}

void Check(std::int32_t& v, std::int32_t min, std::int32_t max, std::int32_t replacement) {
  if (v < min || v > max) v = replacement;
}

}  // namespace

void ValidateAppliedSettings(Settings& s, PaletteHeader (&headers)[kPaletteCount]) {
  for (const char* key : {"CursorMarginX", "CursorMarginY", "WindowMarginX", "WindowMarginY", "Threshold-Text"})
    Check(s, key);
  for (PaletteHeader& h : headers) {
    Check(h.capacity, 0, 1000, 10);
    Check(h.checkRange, 0, 1000, 10);
    Check(h.threshold, 0, 128, 32);
    Check(h.itemHeight, 12, 80, 32);
  }
  Check(s, "ZoomLevel");
  Check(s, "ZoomRect");
}

bool IsLockRisk(const KeyBind& b) {
  return (b.code == kBindLeftClick || b.code == kBindRightClick) && b.shift == 0 && b.ctrl == 0 &&
         b.alt == 0 && b.lhold == 0 && b.rhold == 0;
}

int FirstLockRisk(const KeyBind (&binds)[kSlotCount]) {
  for (int slot = 0; slot < kSlotCount; ++slot)
    if (IsLockRisk(binds[slot])) return slot;
  return -1;
}
