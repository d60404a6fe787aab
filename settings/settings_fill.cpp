#include "settings/settings_fill.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdio>

#include "config/settings.h"
#include "palette/palette_model.h"
#include "picker/picker_state.h"
#include "settings/page_controls.h"
#include "settings/settings_state.h"

namespace {

void FillPickerPage() {
  SetNumber(kPickerPage, 1100, settings.CursorMarginX);
  SetNumber(kPickerPage, 1101, settings.CursorMarginY);
  SetNumber(kPickerPage, 1102, settings.WindowMarginX);
  SetNumber(kPickerPage, 1103, settings.WindowMarginY);
  SetNumber(kPickerPage, 1104, settings.ThresholdText);
  SetWindowTextA(PageControl(kPickerPage, 1105), pickerFormat);
}

void FillPalettePage() {
  SendMessageA(PageControl(kPalettePage, 1120), CB_SETCURSEL, 0, 0);
  for (int p = 0; p < kPaletteCount; ++p) workPalettes[p] = palettes[p].header;
  SetCheck(kPalettePage, 1126, settings.HidePicker);
  SetCheck(kPalettePage, 1127, settings.MuteBeep);
  LoadPaletteFields();
}

void FillZoomPage() {
  SetNumber(kZoomPage, 1140, settings.ZoomLevel);
  SetCheck(kZoomPage, 1141, settings.ZoomType == 0);
  SetCheck(kZoomPage, 1142, settings.ZoomType == 1);
  SetNumber(kZoomPage, 1143, settings.ZoomRect);
  const std::int32_t flags[] = {settings.DrawArrowOnZoom, settings.DrawGridOnZoom, settings.ShowColorOnZoom,
                                settings.ChangeZoomLevelByWheel, settings.AdjustCurPosByArrow,
                                settings.UseToggleForZoom};
  for (int i = 0; i < 6; ++i) SetCheck(kZoomPage, 1144 + i, flags[i]);
  EnableControl(kZoomPage, 1143, settings.ZoomType == 1);
}

void FillLayeredPage() {
  SendMessageA(PageControl(kLayeredPage, 1160), TBM_SETPOS, TRUE, settings.LayeredLevel);
  ShowLayeredPercent();
  SetCheck(kLayeredPage, 1162, settings.LayeredOnZoomOnly);
  SetCheck(kLayeredPage, 1163, settings.Layered);
  if (setLayeredWindowAttributes != nullptr) {
    for (int id : {1160, 1161, 1162}) EnableControl(kLayeredPage, id, settings.Layered != 0);
  } else {
    // Without the system's support nothing can be switched on.
    for (int id : {1160, 1161, 1163}) EnableControl(kLayeredPage, id, false);
  }
}

void FillRangePage() {
  SetWindowTextA(PageControl(kRangePage, 1180), "");
  HWND list = PageControl(kRangePage, 1184);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  for (int id : {1181, 1182, 1183}) EnableControl(kRangePage, id, false);
  // Without a copy the page shows nothing to edit, and apply keeps the list.
  if (!CopyRanges(workRanges, rangeSizes, rangeCount, rangeIndex)) ReportNoMemory();
  for (int i = 0; i < workRanges.count; ++i) InsertRangeLine(list, i, workRanges.sizes[i]);
}

void FillKeyPage() {
  for (int slot = 0; slot < kSlotCount; ++slot)
    SendMessageA(PageControl(kKeyPage, 1200 + 2 * slot), KBM_SETBIND, 0, reinterpret_cast<LPARAM>(&keyBinds[slot]));
}

void FillOtherPage() {
  SetWindowTextA(PageControl(kOtherPage, 1220), settings.SpuitFormat);
  const std::int32_t flags[] = {settings.RealtimeDraw,       settings.UseLimiterForRealtimeDraw,
                                settings.AdjustPickerPosition, settings.BeepOnSpuit,
                                settings.EnableSpuitOnSuspend, settings.NullMsgOnShortcut,
                                settings.NullMsgOnZoom};
  for (int i = 0; i < 7; ++i) SetCheck(kOtherPage, 1221 + i, flags[i]);
  EnableControl(kOtherPage, 1222, settings.RealtimeDraw != 0);
}

}  // namespace

void FillSettingsPages() {
  FillPickerPage();
  FillPalettePage();
  FillZoomPage();
  FillLayeredPage();
  FillRangePage();
  FillKeyPage();
  FillOtherPage();
}

void LoadPaletteFields() {
  const int i = SendMessageA(PageControl(kPalettePage, 1120), CB_GETCURSEL, 0, 0) == 1 ? 1 : 0;
  const PaletteHeader& h = workPalettes[i];
  SetNumber(kPalettePage, 1121, h.capacity);
  SetNumber(kPalettePage, 1122, h.checkRange);
  SetNumber(kPalettePage, 1123, h.threshold);
  SetNumber(kPalettePage, 1124, h.itemHeight);
  SetCheck(kPalettePage, 1125, h.enabled);
  EnablePaletteFields();
  shownPalette = i;
}

void EnablePaletteFields() {
  const bool on = GetCheck(kPalettePage, 1125) != 0;
  for (int id = 1121; id <= 1124; ++id) EnableControl(kPalettePage, id, on);
  if (SendMessageA(PageControl(kPalettePage, 1120), CB_GETCURSEL, 0, 0) != 1) EnableControl(kPalettePage, 1123, false);
}

void ShowLayeredPercent() {
  const int position = static_cast<int>(SendMessageA(PageControl(kLayeredPage, 1160), TBM_GETPOS, 0, 0));
  char text[16];
  std::snprintf(text, sizeof text, "%d%%", position * 100 / 255);
  SetWindowTextA(PageControl(kLayeredPage, 1161), text);
}

void StorePaletteFields() {
  PaletteHeader& h = workPalettes[shownPalette];
  h.capacity = GetNumber(kPalettePage, 1121, 64);
  h.checkRange = GetNumber(kPalettePage, 1122, 64);
  h.threshold = GetNumber(kPalettePage, 1123, 64);
  h.itemHeight = GetNumber(kPalettePage, 1124, 64);
  h.enabled = GetCheck(kPalettePage, 1125);
}
