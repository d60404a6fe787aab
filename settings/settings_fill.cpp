#include "settings/settings_fill.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdio>

#include "core/dialog_bindings.h"
#include "core/palette_model.h"
#include "core/settings.h"
#include "picker/picker_state.h"
#include "resources/resource.h"
#include "resources/wide_text.h"
#include "settings/page_controls.h"
#include "settings/settings_state.h"

namespace {

// Every plain control bound to a setting or a text; the palette fields
// follow the palette chosen in the combo box (LoadPaletteFields).
void FillBoundControls() {
  for (const ControlBinding& b : kControlBindings) {
    if (b.paletteField != nullptr) continue;
    switch (b.kind) {
      case ControlKind::Number: SetNumber(b.page, b.id, settings.*b.setting); break;
      case ControlKind::Check: SetCheck(b.page, b.id, settings.*b.setting); break;
      case ControlKind::Text: SetWindowTextSjis(PageControl(b.page, b.id), b.text); break;
    }
  }
}

void FillPalettePage() {
  SendMessageW(PageControl(kPalettePage, IDC_PALETTE_CHOICE), CB_SETCURSEL, 0, 0);
  for (int p = 0; p < kPaletteCount; ++p) workPalettes[p] = palettes[p].header;
  LoadPaletteFields();
}

void FillZoomPage() {
  SetCheck(kZoomPage, IDC_ZOOM_AUTO, settings.ZoomType == 0);
  SetCheck(kZoomPage, IDC_ZOOM_FIXED, settings.ZoomType == 1);
  EnableControl(kZoomPage, IDC_ZOOM_RECT, settings.ZoomType == 1);
}

void FillLayeredPage() {
  SendMessageW(PageControl(kLayeredPage, IDC_LAYERED_LEVEL), TBM_SETPOS, TRUE, settings.LayeredLevel);
  ShowLayeredPercent();
  if (setLayeredWindowAttributes != nullptr) {
    for (int id : {IDC_LAYERED_LEVEL, IDC_LAYERED_PERCENT, IDC_LAYERED_ON_ZOOM_ONLY})
      EnableControl(kLayeredPage, id, settings.Layered != 0);
  } else {
    // Without the system's support nothing can be switched on.
    for (int id : {IDC_LAYERED_LEVEL, IDC_LAYERED_PERCENT, IDC_LAYERED}) EnableControl(kLayeredPage, id, false);
  }
}

void FillRangePage() {
  SetWindowTextW(PageControl(kRangePage, IDC_RANGE_EDIT), L"");
  HWND list = PageControl(kRangePage, IDC_RANGE_LIST);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (int id : {IDC_RANGE_ADD, IDC_RANGE_MODIFY, IDC_RANGE_DELETE}) EnableControl(kRangePage, id, false);
  // Without a copy the page shows nothing to edit, and apply keeps the list.
  if (!CopyRanges(workRanges, rangeSizes, rangeCount, rangeIndex)) ReportNoMemory();
  for (int i = 0; i < workRanges.count; ++i) InsertRangeLine(list, i, workRanges.sizes[i]);
}

void FillKeyPage() {
  for (int slot = 0; slot < kSlotCount; ++slot)
    SendMessageW(PageControl(kKeyPage, BindControl(slot)), KBM_SETBIND, 0, reinterpret_cast<LPARAM>(&keyBinds[slot]));
}

}  // namespace

void FillSettingsPages() {
  FillBoundControls();
  FillPalettePage();
  FillZoomPage();
  FillLayeredPage();
  FillRangePage();
  FillKeyPage();
  EnableControl(kOtherPage, IDC_REALTIME_LIMITER, settings.RealtimeDraw != 0);
}

void LoadPaletteFields() {
  const int i = SendMessageW(PageControl(kPalettePage, IDC_PALETTE_CHOICE), CB_GETCURSEL, 0, 0) == 1 ? 1 : 0;
  const PaletteHeader& h = workPalettes[i];
  for (const ControlBinding& b : kControlBindings) {
    if (b.paletteField == nullptr) continue;
    if (b.kind == ControlKind::Number) SetNumber(b.page, b.id, h.*b.paletteField);
    if (b.kind == ControlKind::Check) SetCheck(b.page, b.id, h.*b.paletteField);
  }
  EnablePaletteFields();
  shownPalette = i;
}

void StorePaletteFields() {
  PaletteHeader& h = workPalettes[shownPalette];
  for (const ControlBinding& b : kControlBindings) {
    if (b.paletteField == nullptr) continue;
    if (b.kind == ControlKind::Number) h.*b.paletteField = GetNumber(b.page, b.id, b.size);
    if (b.kind == ControlKind::Check) h.*b.paletteField = GetCheck(b.page, b.id);
  }
}

void EnablePaletteFields() {
  const bool on = GetCheck(kPalettePage, IDC_PALETTE_ENABLED) != 0;
  for (const ControlBinding& b : kControlBindings) {
    if (b.paletteField != nullptr && b.kind == ControlKind::Number) EnableControl(b.page, b.id, on);
  }
  if (SendMessageW(PageControl(kPalettePage, IDC_PALETTE_CHOICE), CB_GETCURSEL, 0, 0) != kCollectPalette)
    EnableControl(kPalettePage, IDC_PALETTE_THRESHOLD, false);
}

void ShowLayeredPercent() {
  const int position = static_cast<int>(SendMessageW(PageControl(kLayeredPage, IDC_LAYERED_LEVEL), TBM_GETPOS, 0, 0));
  char text[16];
  std::snprintf(text, sizeof text, "%d%%", position * 100 / 255);
  SetWindowTextSjis(PageControl(kLayeredPage, IDC_LAYERED_PERCENT), text);
}
