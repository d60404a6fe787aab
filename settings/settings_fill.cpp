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
#include "settings/palette_fields.h"
#include "settings/settings_state.h"

namespace {

// Every control bound to a setting, a text or a key binding; the palette
// fields follow the palette chosen in the combo box (LoadPaletteFields).
void FillBoundControls() {
  for (const ControlBinding& b : kControlBindings)
    if (b.paletteField == nullptr) ShowBound(b, b.setting != nullptr ? static_cast<std::int32_t>(settings.*b.setting) : 0);
}

void FillPalettePage() {
  SendMessageW(PageControl(kPalettePage, IDC_PALETTE_CHOICE), CB_SETCURSEL, 0, 0);
  for (int p = 0; p < kPaletteCount; ++p) workPalettes[p] = palettes[p].header;
  LoadPaletteFields();
}

void FillZoomPage() {
  EnableControl(kZoomPage, IDC_ZOOM_RECT, settings.ZoomType == 1);
}

void FillLayeredPage() {
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

}  // namespace

void FillSettingsPages() {
  FillBoundControls();
  FillPalettePage();
  FillZoomPage();
  FillLayeredPage();
  FillRangePage();
  EnableControl(kOtherPage, IDC_REALTIME_LIMITER, settings.RealtimeDraw != 0);
}

void ShowLayeredPercent() {
  const int position = static_cast<int>(SendMessageW(PageControl(kLayeredPage, IDC_LAYERED_LEVEL), TBM_GETPOS, 0, 0));
  char text[16];
  std::snprintf(text, sizeof text, "%d%%", position * 100 / 255);
  SetWindowTextSjis(PageControl(kLayeredPage, IDC_LAYERED_PERCENT), text);
}
