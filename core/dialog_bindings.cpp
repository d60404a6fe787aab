#include "core/dialog_bindings.h"

#include "resources/resource.h"

namespace {

using H = PaletteHeader;
constexpr ControlKind N = ControlKind::Number;
constexpr ControlKind C = ControlKind::Check;
constexpr ControlKind T = ControlKind::Text;

// The numeric edits of the picker and zoom pages are read up to 260 bytes,
// the palette page's up to 64.
constexpr int kWideEdit = 260;
constexpr int kPaletteEdit = 64;

constexpr ControlBinding Bound(SettingsPage page, int id, ControlKind kind, SettingId setting, int size = 0) {
  const SettingDef& d = kSettingsTable[setting];
  return {page, id, kind, d.field, nullptr, nullptr, nullptr, size, d.min, d.max, d.fallback};
}
constexpr ControlBinding Number(SettingsPage page, int id, SettingId setting) {
  return Bound(page, id, N, setting, kWideEdit);
}
constexpr ControlBinding Check(SettingsPage page, int id, SettingId setting) { return Bound(page, id, C, setting); }
constexpr ControlBinding Text(SettingsPage page, int id, char* text, int size, const char* name) {
  return {page, id, T, nullptr, nullptr, text, nullptr, size, 0, 0, 0, name};
}
constexpr ControlBinding Key(int id, int slot) {
  return {kKeyPage, id, ControlKind::Key, nullptr, nullptr, nullptr, &keyBinds[slot], 0, 0, 0, 0};
}
constexpr ControlBinding PaletteNumber(int id, std::int32_t H::*field, std::int32_t min, std::int32_t max,
                                       std::int32_t fallback) {
  return {kPalettePage, id, N, nullptr, field, nullptr, nullptr, kPaletteEdit, min, max, fallback};
}
constexpr ControlBinding PaletteCheck(int id, std::int32_t H::*field) {
  return {kPalettePage, id, C, nullptr, field, nullptr, nullptr, 0, 0, 1, 0};
}

constexpr ControlBinding kRows[] = {
    Number(kPickerPage, IDC_CURSOR_MARGIN_X, kSettingCursorMarginX),
    Number(kPickerPage, IDC_CURSOR_MARGIN_Y, kSettingCursorMarginY),
    Number(kPickerPage, IDC_WINDOW_MARGIN_X, kSettingWindowMarginX),
    Number(kPickerPage, IDC_WINDOW_MARGIN_Y, kSettingWindowMarginY),
    Number(kPickerPage, IDC_THRESHOLD_TEXT, kSettingThresholdText),
    Text(kPickerPage, IDC_PICKER_FORMAT, pickerFormat, kPickerFormatSize, "ピッカーのフォーマット"),

    PaletteNumber(IDC_PALETTE_CAPACITY, &H::capacity, 0, 1000, 10),
    PaletteNumber(IDC_PALETTE_CHECK_RANGE, &H::checkRange, 0, 1000, 10),
    PaletteNumber(IDC_PALETTE_THRESHOLD, &H::threshold, 0, 128, 32),
    PaletteNumber(IDC_PALETTE_ITEM_HEIGHT, &H::itemHeight, 12, 80, 32),
    PaletteCheck(IDC_PALETTE_ENABLED, &H::enabled),
    Check(kPalettePage, IDC_HIDE_PICKER, kSettingHidePicker),
    Check(kPalettePage, IDC_MUTE_BEEP, kSettingMuteBeep),

    Number(kZoomPage, IDC_ZOOM_LEVEL, kSettingZoomLevel),
    Bound(kZoomPage, IDC_ZOOM_AUTO, ControlKind::Radio, kSettingZoomType),
    // Read even while the edit is disabled (ZoomType 0).
    Number(kZoomPage, IDC_ZOOM_RECT, kSettingZoomRect),
    Check(kZoomPage, IDC_DRAW_ARROW_ON_ZOOM, kSettingDrawArrowOnZoom),
    Check(kZoomPage, IDC_DRAW_GRID_ON_ZOOM, kSettingDrawGridOnZoom),
    Check(kZoomPage, IDC_SHOW_COLOR_ON_ZOOM, kSettingShowColorOnZoom),
    Check(kZoomPage, IDC_ZOOM_LEVEL_BY_WHEEL, kSettingChangeZoomLevelByWheel),
    Check(kZoomPage, IDC_CURSOR_BY_ARROW, kSettingAdjustCurPosByArrow),
    Check(kZoomPage, IDC_TOGGLE_FOR_ZOOM, kSettingUseToggleForZoom),

    Bound(kLayeredPage, IDC_LAYERED_LEVEL, ControlKind::Trackbar, kSettingLayeredLevel),
    Check(kLayeredPage, IDC_LAYERED_ON_ZOOM_ONLY, kSettingLayeredOnZoomOnly),
    Check(kLayeredPage, IDC_LAYERED, kSettingLayered),

    Key(IDC_BIND_SPUIT, kSlotSpuit),
    Key(IDC_BIND_PALETTE, kSlotPalette),
    Key(IDC_BIND_LOCK, kSlotLock),
    Key(IDC_BIND_ZOOM, kSlotZoom),
    Key(IDC_BIND_SHOW_PICKER, kSlotShowPicker),

    Text(kOtherPage, IDC_SPUIT_FORMAT, settings.SpuitFormat, kSpuitFormatSize, "スポイトのフォーマット"),
    Check(kOtherPage, IDC_REALTIME_DRAW, kSettingRealtimeDraw),
    Check(kOtherPage, IDC_REALTIME_LIMITER, kSettingUseLimiterForRealtimeDraw),
    Check(kOtherPage, IDC_ADJUST_PICKER_POSITION, kSettingAdjustPickerPosition),
    Check(kOtherPage, IDC_BEEP_ON_SPUIT, kSettingBeepOnSpuit),
    Check(kOtherPage, IDC_SPUIT_ON_SUSPEND, kSettingEnableSpuitOnSuspend),
    Check(kOtherPage, IDC_NULL_MSG_ON_SHORTCUT, kSettingNullMsgOnShortcut),
    Check(kOtherPage, IDC_NULL_MSG_ON_ZOOM, kSettingNullMsgOnZoom),
};

static_assert([] {
  for (const ControlBinding& b : kRows)
    if (b.fallback < b.min || b.fallback > b.max) return false;
  return true;
}(), "what a control falls back to lies within its limits");
static_assert(IDC_ZOOM_FIXED == IDC_ZOOM_AUTO + 1, "a radio group's buttons follow each other");

}  // namespace

const std::span<const ControlBinding> kControlBindings = kRows;
