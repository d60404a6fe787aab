#include "settings/settings_dialog.h"

#include <commctrl.h>

#include <string>

#include "core/dpi_scale.h"
#include "core/settings.h"
#include "palette/palette_window.h"
#include "picker/picker_state.h"
#include "picker/picker_window.h"
#include "resources/program_module.h"
#include "resources/resource.h"
#include "resources/wide_text.h"
#include "shared/dpi.h"
#include "settings/pages.h"
#include "settings/range_page.h"
#include "settings/settings_fill.h"
#include "shared/palette_link.h"

namespace {

// The frame's outer size, in pixels at 100 %.
constexpr int kFrameWidth = 320;
constexpr int kFrameHeight = 380;

struct PageDef {
  const char* tab;
  int templateId;
  DLGPROC procedure;
};

const PageDef kPages[kPageCount] = {
    {"ピッカー", IDD_PAGE_PICKER, PickerPage}, {"パレット", IDD_PAGE_PALETTE, PalettePage},
    {"ズーム", IDD_PAGE_ZOOM, ZoomPage},       {"透過", IDD_PAGE_LAYERED, LayeredPage},
    {"範囲", IDD_PAGE_RANGE, RangePage},       {"キー設定", IDD_PAGE_KEY, KeyPage},
    {"その他", IDD_PAGE_OTHER, OtherPage},
};

// The frame's answer to a tab change: the user's click or the program's.
void NotifyTabChange() {
  NMHDR change = {settingsTab, IDC_TAB, static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageW(SettingsFrame(), WM_NOTIFY, IDC_TAB, reinterpret_cast<LPARAM>(&change));
}

}  // namespace

void AttachSettingsFrame(HWND frame) {
  settingsPages[kPageCount] = frame;
  settingsTab = GetDlgItem(frame, IDC_TAB);
  for (int i = 0; i < kPageCount; ++i) {
    std::wstring text = Widen(kPages[i].tab);
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageW(settingsTab, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
}

// DS_CENTER centred the empty template; centre the sized frame again, or
// its buttons could fall off a small screen.
void PlaceSettingsFrame(HWND frame) {
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int dpi = WindowDpi(frame);
  const int width = ScaleToDpi(kFrameWidth, dpi);
  const int height = ScaleToDpi(kFrameHeight, dpi);
  SetWindowPos(frame, nullptr, work.left + (work.right - work.left - width) / 2,
               work.top + (work.bottom - work.top - height) / 2, width, height, SWP_NOZORDER);
}

// The pages take more of the start-up than all the rest of velun: they,
// and the frame's size, are made when the dialog first opens.
void CreateSettingsPages() {
  if (settingsPages[0] != nullptr) return;
  for (int i = 0; i < kPageCount; ++i)
    settingsPages[i] = CreateDialogParamW(appInstance, MAKEINTRESOURCEW(kPages[i].templateId), SettingsFrame(),
                                          kPages[i].procedure, 0);
  PlaceSettingsFrame(SettingsFrame());
  LayoutSettingsDialog();
}

void ShowSelectedPage() {
  const int selected = static_cast<int>(SendMessageW(settingsTab, TCM_GETCURSEL, 0, 0));
  for (int i = 0; i < kPageCount; ++i) ShowWindow(settingsPages[i], i == selected ? SW_SHOW : SW_HIDE);
}

void SelectSettingsPage(int page) {
  SendMessageW(settingsTab, TCM_SETCURSEL, page, 0);
  NotifyTabChange();
}

void ShowSettingsDialog(int tab) {
  if (settingsOpen) return;
  CreateSettingsPages();
  settingsOpen = 1;
  SetPickerSuspend(1, -1);
  ShowPalette(0);
  FillSettingsPages();
  SelectSettingsPage(tab);
  SetFocus(settingsTab);
  ShowWindow(SettingsFrame(), SW_SHOWNORMAL);
  SetForegroundWindow(SettingsFrame());
}

void CloseSettingsDialog() {
  if (!settingsOpen) return;
  FreeRanges(workRanges);
  ShowWindow(SettingsFrame(), SW_HIDE);
  settingsOpen = 0;
  SetPickerSuspend(settings.ShowPicker ? 0 : 1, 1);
  ShowPalette(paletteWanted);
  if (!settings.UseToggleForZoom && zoomActive) SetPickerZoom(0);
}

void LayoutSettingsDialog() {
  HWND frame = SettingsFrame();
  if (frame == nullptr || settingsTab == nullptr) return;
  RECT client;
  GetClientRect(frame, &client);
  const int w = client.right;
  const int h = client.bottom;
  // The buttons' sizes are pixels at 100 %.
  const int dpi = WindowDpi(frame);
  auto px = [dpi](int pixels) { return ScaleToDpi(pixels, dpi); };
  MoveWindow(settingsTab, 1, 1, w - 1, h - px(32), TRUE);
  MoveWindow(GetDlgItem(frame, IDC_ABOUT), px(4), h - px(28), px(60), px(24), TRUE);
  MoveWindow(GetDlgItem(frame, IDC_APPLY), w - px(168), h - px(28), px(80), px(24), TRUE);
  MoveWindow(GetDlgItem(frame, IDC_CLOSE), w - px(84), h - px(28), px(80), px(24), TRUE);

  RECT page;
  GetClientRect(settingsTab, &page);
  SendMessageW(settingsTab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
  MapWindowPoints(settingsTab, frame, reinterpret_cast<POINT*>(&page), 2);
  for (int i = 0; i < kPageCount; ++i)
    if (settingsPages[i] != nullptr)
      MoveWindow(settingsPages[i], page.left, page.top, page.right - page.left, page.bottom - page.top, TRUE);
  ShowSelectedPage();
}

bool TranslateSettingsKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB || GetKeyState(VK_CONTROL) >= 0) return false;
  const int step = GetKeyState(VK_SHIFT) < 0 ? kPageCount - 1 : 1;
  const int selected = static_cast<int>(SendMessageW(settingsTab, TCM_GETCURSEL, 0, 0));
  SelectSettingsPage((selected + step) % kPageCount);
  SetFocus(settingsTab);
  return true;
}
