#include "settings/settings_apply.h"

#include <windows.h>

#include <commctrl.h>

#include "store/settings_store.h"
#include "core/apply_rules.h"
#include "core/dialog_bindings.h"
#include "core/palette_model.h"
#include "core/settings.h"
#include "picker/hook_link.h"
#include "picker/picker_state.h"
#include "picker/picker_size.h"
#include "picker/picker_window.h"
#include "resources/wide_text.h"
#include "settings/page_controls.h"
#include "settings/palette_fields.h"
#include "settings/settings_dialog.h"
#include "settings/settings_fill.h"
#include "settings/settings_state.h"

const char kLockRiskText[] =
    "システムをロックする可能性のあるキー設定があります\n安全のため入力の占有をおこないません\n\n(例: "
    "左クリックのみのキー設定など)";

namespace {

// Every control bound to a setting, a text or a key binding; the palette
// fields go with StorePaletteFields.
void ReadBoundControls() {
  for (const ControlBinding& b : kControlBindings) {
    if (b.paletteField != nullptr) continue;
    const std::int32_t value = ReadBound(b);
    if (b.setting != nullptr) settings.*b.setting = value;
  }
}

// Nothing is applied while a text holds a character that Shift-JIS cannot
// hold, or more bytes than its field types (the controls count characters,
// a kanji takes two): the user is shown the field and what it keeps.
bool TextsCanBeSaved() {
  for (const ControlBinding& b : kControlBindings) {
    if (b.kind != ControlKind::Text) continue;
    HWND control = PageControl(b.page, b.id);
    const bool sjis = IsShiftJisText(control);
    if (sjis && FitsShiftJisBytes(control, b.size)) continue;
    SelectSettingsPage(b.page);
    SetFocus(control);
    if (sjis) ReportTooLong(b.name, b.size - 1);
    else ReportNotShiftJis(b.name);
    return false;
  }
  return true;
}

void ReadPalettes() {
  StorePaletteFields();
  for (int p = 0; p < kPaletteCount; ++p) palettes[p].header = workPalettes[p];
}

// The edited list replaces the live one; without memory for it, or without
// a working copy to begin with, the live list stays as it was.
void ReadRanges() {
  if (workRanges.count <= 0) return;
  if (!SetRangeList(workRanges.sizes, workRanges.count, workRanges.index)) ReportNoMemory();
}

void Validate() {
  PaletteHeader headers[kPaletteCount] = {palettes[0].header, palettes[1].header};
  ValidateAppliedSettings(settings, headers);
  for (int p = 0; p < kPaletteCount; ++p) palettes[p].header = headers[p];
}

// A bare click bound while input is swallowed would take every click.
void CheckLockRisk() {
  if (FirstLockRisk(keyBinds) == kNoLockRisk || settings.NullMsgOnShortcut == 0) return;
  settings.NullMsgOnShortcut = 0;
  SetCheck(kOtherPage, IDC_NULL_MSG_ON_SHORTCUT, 0);
  MessageBoxSjis(SettingsFrame(), kLockRiskText, "警告", MB_ICONWARNING | MB_OK);
}

}  // namespace

void ApplySettings() {
  if (!TextsCanBeSaved()) return;
  ReadBoundControls();
  ReadPalettes();
  ReadRanges();
  Validate();
  CheckLockRisk();
  SaveSettings();
  PassSettingsToHookCore(zoomActive);  // the hook core is released while the dialog is open
  UpdatePickerSize(pickerWindow);
  ReallocPalettes();
  SetPickerLayered(settings.Layered && (!settings.LayeredOnZoomOnly || zoomActive));
}
