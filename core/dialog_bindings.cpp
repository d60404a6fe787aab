#include "core/dialog_bindings.h"

#include "resources/resource.h"

namespace {

using S = Settings;
using H = PaletteHeader;
constexpr ControlKind N = ControlKind::Number;
constexpr ControlKind C = ControlKind::Check;
constexpr ControlKind T = ControlKind::Text;

// The numeric edits of the picker and zoom pages are read up to 260 bytes,
// the palette page's up to 64.
constexpr int kWideEdit = 260;
constexpr int kPaletteEdit = 64;

constexpr ControlBinding Number(SettingsPage page, int id, SettingWord S::*setting, std::int32_t min, std::int32_t max) {
  return {page, id, N, setting, nullptr, nullptr, kWideEdit, min, max, 0};
}
constexpr ControlBinding Check(SettingsPage page, int id, SettingWord S::*setting) {
  return {page, id, C, setting, nullptr, nullptr, 0, 0, 1, 0};
}
constexpr ControlBinding Text(SettingsPage page, int id, char* text, int size, const char* name) {
  return {page, id, T, nullptr, nullptr, text, size, 0, 0, 0, name};
}
constexpr ControlBinding PaletteNumber(int id, std::int32_t H::*field, std::int32_t min, std::int32_t max,
                             std::int32_t fallback) {
  return {kPalettePage, id, N, nullptr, field, nullptr, kPaletteEdit, min, max, fallback};
}
constexpr ControlBinding PaletteCheck(int id, std::int32_t H::*field) {
  return {kPalettePage, id, C, nullptr, field, nullptr, 0, 0, 1, 0};
}

const ControlBinding kRows[] = {
    Number(kPickerPage, IDC_CURSOR_MARGIN_X, &S::CursorMarginX, 1, 100),
    Number(kPickerPage, IDC_CURSOR_MARGIN_Y, &S::CursorMarginY, 1, 100),
    Number(kPickerPage, IDC_WINDOW_MARGIN_X, &S::WindowMarginX, 0, 100),
    Number(kPickerPage, IDC_WINDOW_MARGIN_Y, &S::WindowMarginY, 0, 100),
    Number(kPickerPage, IDC_THRESHOLD_TEXT, &S::ThresholdText, 0, 766),
    Text(kPickerPage, IDC_PICKER_FORMAT, pickerFormat, kPickerFormatSize, "ピッカーのフォーマット"),

    PaletteNumber(IDC_PALETTE_CAPACITY, &H::capacity, 0, 1000, 10),
    PaletteNumber(IDC_PALETTE_CHECK_RANGE, &H::checkRange, 0, 1000, 10),
    PaletteNumber(IDC_PALETTE_THRESHOLD, &H::threshold, 0, 128, 32),
    PaletteNumber(IDC_PALETTE_ITEM_HEIGHT, &H::itemHeight, 12, 80, 32),
    PaletteCheck(IDC_PALETTE_ENABLED, &H::enabled),
    Check(kPalettePage, IDC_HIDE_PICKER, &S::HidePicker),
    Check(kPalettePage, IDC_MUTE_BEEP, &S::MuteBeep),

    Number(kZoomPage, IDC_ZOOM_LEVEL, &S::ZoomLevel, 2, 16),
    // Read even while the edit is disabled (ZoomType 0).
    Number(kZoomPage, IDC_ZOOM_RECT, &S::ZoomRect, 40, 200),
    Check(kZoomPage, IDC_DRAW_ARROW_ON_ZOOM, &S::DrawArrowOnZoom),
    Check(kZoomPage, IDC_DRAW_GRID_ON_ZOOM, &S::DrawGridOnZoom),
    Check(kZoomPage, IDC_SHOW_COLOR_ON_ZOOM, &S::ShowColorOnZoom),
    Check(kZoomPage, IDC_ZOOM_LEVEL_BY_WHEEL, &S::ChangeZoomLevelByWheel),
    Check(kZoomPage, IDC_CURSOR_BY_ARROW, &S::AdjustCurPosByArrow),
    Check(kZoomPage, IDC_TOGGLE_FOR_ZOOM, &S::UseToggleForZoom),

    Check(kLayeredPage, IDC_LAYERED_ON_ZOOM_ONLY, &S::LayeredOnZoomOnly),
    Check(kLayeredPage, IDC_LAYERED, &S::Layered),

    Text(kOtherPage, IDC_SPUIT_FORMAT, settings.SpuitFormat, kSpuitFormatSize, "スポイトのフォーマット"),
    Check(kOtherPage, IDC_REALTIME_DRAW, &S::RealtimeDraw),
    Check(kOtherPage, IDC_REALTIME_LIMITER, &S::UseLimiterForRealtimeDraw),
    Check(kOtherPage, IDC_ADJUST_PICKER_POSITION, &S::AdjustPickerPosition),
    Check(kOtherPage, IDC_BEEP_ON_SPUIT, &S::BeepOnSpuit),
    Check(kOtherPage, IDC_SPUIT_ON_SUSPEND, &S::EnableSpuitOnSuspend),
    Check(kOtherPage, IDC_NULL_MSG_ON_SHORTCUT, &S::NullMsgOnShortcut),
    Check(kOtherPage, IDC_NULL_MSG_ON_ZOOM, &S::NullMsgOnZoom),
};
}  // namespace

const std::span<const ControlBinding> kControlBindings = kRows;

std::int32_t DefaultOf(SettingWord Settings::*setting) {
  for (const SettingDef& d : kSettingsTable)
    if (d.field == setting) return d.fallback;
  return 0;
}
