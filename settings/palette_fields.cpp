#include "settings/palette_fields.h"

#include <windows.h>

#include "core/dialog_bindings.h"
#include "core/palette_model.h"
#include "resources/resource.h"
#include "settings/page_controls.h"
#include "settings/settings_state.h"

void LoadPaletteFields() {
  const int i = SendMessageW(PageControl(kPalettePage, IDC_PALETTE_CHOICE), CB_GETCURSEL, 0, 0) == 1 ? 1 : 0;
  const PaletteHeader& h = workPalettes[i];
  for (const ControlBinding& b : kControlBindings)
    if (b.paletteField != nullptr) ShowBound(b, h.*b.paletteField);
  EnablePaletteFields();
  shownPalette = i;
}

void EnablePaletteFields() {
  const bool on = GetCheck(kPalettePage, IDC_PALETTE_ENABLED) != 0;
  for (const ControlBinding& b : kControlBindings) {
    if (b.paletteField != nullptr && b.kind == ControlKind::Number) EnableControl(b.page, b.id, on);
  }
  if (SendMessageW(PageControl(kPalettePage, IDC_PALETTE_CHOICE), CB_GETCURSEL, 0, 0) != kCollectPalette)
    EnableControl(kPalettePage, IDC_PALETTE_THRESHOLD, false);
}

void StorePaletteFields() {
  PaletteHeader& h = workPalettes[shownPalette];
  for (const ControlBinding& b : kControlBindings)
    if (b.paletteField != nullptr) h.*b.paletteField = ReadBound(b);
}
