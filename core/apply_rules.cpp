#include "core/apply_rules.h"

#include "core/dialog_bindings.h"

namespace {

bool Outside(std::int32_t v, const ControlBinding& b) { return v < b.min || v > b.max; }

}  // namespace

void ValidateAppliedSettings(Settings& s, PaletteHeader (&headers)[kPaletteCount]) {
  for (const ControlBinding& b : kControlBindings) {
    if (b.kind != ControlKind::Number) continue;
    if (b.setting != nullptr) {
      if (Outside(s.*b.setting, b)) s.*b.setting = b.fallback;
      continue;
    }
    for (PaletteHeader& h : headers)
      if (Outside(h.*b.paletteField, b)) h.*b.paletteField = b.fallback;
  }
}

bool IsLockRisk(const KeyBind& b) {
  return (b.code == kBindLeftClick || b.code == kBindRightClick) && b.shift == 0 && b.ctrl == 0 &&
         b.alt == 0 && b.lhold == 0 && b.rhold == 0;
}

int FirstLockRisk(const KeyBind (&binds)[kSlotCount]) {
  for (int slot = 0; slot < kSlotCount; ++slot)
    if (IsLockRisk(binds[slot])) return slot;
  return kNoLockRisk;
}
