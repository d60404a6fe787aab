#include "settings/settings_apply.h"

#include <windows.h>

#include <commctrl.h>

#include "config/settings.h"
#include "config/settings_store.h"
#include "palette/palette_model.h"
#include "picker/hook_binding.h"
#include "picker/picker_state.h"
#include "picker/picker_window.h"
#include "settings/apply_rules.h"
#include "settings/page_controls.h"
#include "settings/settings_fill.h"
#include "settings/settings_state.h"

const char kLockRiskText[] =
    "システムをロックする可能性のあるキー設定があります\n安全のため入力の占有をおこないません\n\n(例: "
    "左クリックのみのキー設定など)";

namespace {

void ReadPickerPage() {
  settings.CursorMarginX = GetNumber(kPickerPage, 1100, 260);
  settings.CursorMarginY = GetNumber(kPickerPage, 1101, 260);
  settings.WindowMarginX = GetNumber(kPickerPage, 1102, 260);
  settings.WindowMarginY = GetNumber(kPickerPage, 1103, 260);
  settings.ThresholdText = GetNumber(kPickerPage, 1104, 260);
  GetText(kPickerPage, 1105, pickerFormat, kPickerFormatSize);
}

void ReadPalettePage() {
  StorePaletteFields();
  for (int p = 0; p < kPaletteCount; ++p) palettes[p].header = workPalettes[p];
  settings.HidePicker = GetCheck(kPalettePage, 1126);
  settings.MuteBeep = GetCheck(kPalettePage, 1127);
}

void ReadZoomPage() {
  settings.ZoomLevel = GetNumber(kZoomPage, 1140, 260);
  settings.ZoomType = GetCheck(kZoomPage, 1141) ? 0 : 1;
  settings.ZoomRect = GetNumber(kZoomPage, 1143, 260);  // also while the edit is disabled
  SettingWord* flags[] = {&settings.DrawArrowOnZoom, &settings.DrawGridOnZoom, &settings.ShowColorOnZoom,
                          &settings.ChangeZoomLevelByWheel, &settings.AdjustCurPosByArrow,
                          &settings.UseToggleForZoom};
  for (int i = 0; i < 6; ++i) *flags[i] = GetCheck(kZoomPage, 1144 + i);
}

void ReadLayeredPage() {
  settings.LayeredLevel = static_cast<std::int32_t>(SendMessageA(PageControl(kLayeredPage, 1160), TBM_GETPOS, 0, 0));
  settings.LayeredOnZoomOnly = GetCheck(kLayeredPage, 1162);
  settings.Layered = GetCheck(kLayeredPage, 1163);
}

// The edited list replaces the live one; without memory for it, or without
// a working copy to begin with, the live list stays as it was.
void ReadRangePage() {
  if (workRanges.count <= 0) return;
  if (!SetRangeList(workRanges.sizes, workRanges.count, workRanges.index)) ReportNoMemory();
}

void ReadKeyPage() {
  for (int slot = 0; slot < kSlotCount; ++slot)
    SendMessageA(PageControl(kKeyPage, 1200 + 2 * slot), KBM_GETBIND, 0, reinterpret_cast<LPARAM>(&keyBinds[slot]));
}

void ReadOtherPage() {
  GetText(kOtherPage, 1220, settings.SpuitFormat, kSpuitFormatSize);
  SettingWord* flags[] = {&settings.RealtimeDraw,         &settings.UseLimiterForRealtimeDraw,
                          &settings.AdjustPickerPosition, &settings.BeepOnSpuit,
                          &settings.EnableSpuitOnSuspend, &settings.NullMsgOnShortcut,
                          &settings.NullMsgOnZoom};
  for (int i = 0; i < 7; ++i) *flags[i] = GetCheck(kOtherPage, 1221 + i);
}

void Validate() {
  PaletteHeader headers[kPaletteCount] = {palettes[0].header, palettes[1].header};
  ValidateAppliedSettings(settings, headers);
  for (int p = 0; p < kPaletteCount; ++p) palettes[p].header = headers[p];
}

// A bare click bound while input is swallowed would take every click.
void CheckLockRisk() {
  if (FirstLockRisk(keyBinds) < 0 || settings.NullMsgOnShortcut == 0) return;
  settings.NullMsgOnShortcut = 0;
  SetCheck(kOtherPage, 1226, 0);
  MessageBoxA(SettingsFrame(), kLockRiskText, "警告", MB_ICONWARNING | MB_OK);
}

}  // namespace

void ApplySettings() {
  ReadPickerPage();
  ReadPalettePage();
  ReadZoomPage();
  ReadLayeredPage();
  ReadRangePage();
  ReadKeyPage();
  ReadOtherPage();
  Validate();
  CheckLockRisk();
  SaveSettings();
  PassSettingsToHookCore(zoomActive);  // the hook core is released while the dialog is open
  UpdatePickerSize(pickerWindow);
  ReallocPalettes();
  SetPickerLayered(settings.Layered && (!settings.LayeredOnZoomOnly || zoomActive));
}
