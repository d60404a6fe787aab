#include "palette/palette_list.h"

#include <commctrl.h>

#include "core/colour.h"
#include "core/palette_text.h"
#include "core/settings.h"
#include "palette/palette_state.h"
#include "resources/wide_text.h"
#include "shared/dpi.h"

#include <algorithm>

namespace {

// The largest capacity the settings page takes: the widest count text.
constexpr std::int32_t kWidestCapacity = 1000;

// Set while part 0 holds a report and spans the whole bar.
bool reportShown = false;

int TextWidth(HDC dc, const std::string& text) {
  const std::wstring wide = Widen(text);
  SIZE size = {};
  GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
  return size.cx;
}

void SetStatusPart(WPARAM part, const std::string& text) {
  SendMessageW(paletteStatus, SB_SETTEXTW, part, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

void DrawCentred(HDC dc, const std::string& text, RECT r) {
  const std::wstring wide = Widen(text);
  DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

}  // namespace

void LayoutPaletteStatus() {
  HDC dc = GetDC(paletteStatus);
  HGDIOBJ old = SelectObject(dc, paletteFont != nullptr ? paletteFont : GetStockObject(DEFAULT_GUI_FONT));
  PaletteHeader full = {};
  full.count = full.capacity = kWidestCapacity;
  PaletteHeader off = full;
  full.enabled = 1;
  const int padding = ScaleToDpi(10, paletteDpi);
  const int count = TextWidth(dc, StatusCountText(full)) + padding;
  const int state = std::max(TextWidth(dc, StatusEnabledText(full)), TextWidth(dc, StatusEnabledText(off))) +
                    padding + SystemMetricForDpi(SM_CXVSCROLL, paletteDpi);  // and the size grip
  SelectObject(dc, old);
  ReleaseDC(paletteStatus, dc);
  RECT bar;
  GetClientRect(paletteStatus, &bar);
  int parts[3] = {bar.right - count - state, bar.right - state, -1};
  if (reportShown) parts[0] = parts[1] = -1;
  SendMessageW(paletteStatus, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(parts));
}

void ReportOnPaletteStatus(const std::string& text) {
  reportShown = true;
  LayoutPaletteStatus();
  SetStatusPart(0 | SBT_POPOUT, text);
}

int SelectedPalette() {
  const int tab = static_cast<int>(SendMessageW(paletteTab, TCM_GETCURSEL, 0, 0));
  return tab == kCollectPalette ? kCollectPalette : kSpuitPalette;
}

int FillPaletteList(int palette) {
  if (palette != kSpuitPalette && palette != kCollectPalette) return kNoSuchPalette;
  const PaletteHeader& h = palettes[palette].header;
  SendMessageW(paletteList, LB_RESETCONTENT, 0, 0);
  SendMessageW(paletteList, LB_SETITEMHEIGHT, 0, ScaleToDpi(h.itemHeight, paletteDpi));
  // The items carry no data: item i shows colour i.
  SendMessageW(paletteList, LB_SETCOUNT, h.count > 0 ? h.count : 0, 0);
  UpdatePaletteStatus();
  return 0;
}

void UpdatePaletteStatus() {
  const PaletteHeader& h = palettes[SelectedPalette()].header;
  const int selection = static_cast<int>(SendMessageW(paletteList, LB_GETCURSEL, 0, 0));
  if (reportShown) {
    reportShown = false;
    LayoutPaletteStatus();
  }
  SetStatusPart(0, StatusSelectionText(selection));
  SetStatusPart(1, StatusCountText(h));
  SetStatusPart(2, StatusEnabledText(h));
}

void DrawPaletteItem(const DRAWITEMSTRUCT& item) {
  if (item.itemID == static_cast<UINT>(-1)) return;
  const Palette& p = palettes[SelectedPalette()];
  const int index = static_cast<int>(item.itemID);
  if (p.entries == nullptr || index >= p.header.count) return;
  const std::uint32_t c = p.entries[index];
  HDC dc = item.hDC;
  const RECT& r = item.rcItem;
  const int saved = SaveDC(dc);
  const int number = ScaleToDpi(32, paletteDpi);  // the width of the item numbers
  const int inset = ScaleToDpi(2, paletteDpi);

  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  FillRect(dc, &r, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  DrawCentred(dc, ItemNumberText(index, p.header.capacity), {r.left, r.top, r.left + number, r.bottom});

  HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
  SelectObject(dc, pen);
  SelectObject(dc, GetSysColorBrush(COLOR_WINDOW));
  Rectangle(dc, r.left + number, r.top + 1, r.right - 1, r.bottom - 1);
  HBRUSH swatch = CreateSolidBrush(c);
  const RECT inner = {r.left + number + inset, r.top + 1 + inset, r.right - 1 - inset, r.bottom - 1 - inset};
  FillRect(dc, &inner, swatch);
  if (p.header.itemHeight >= 20) {
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, c);
    SetTextColor(dc, TextColourFor(c, settings.ThresholdText));
    DrawCentred(dc, SwatchText(c, settings.Notation), inner);
  }

  RestoreDC(dc, saved);
  DeleteObject(swatch);
  DeleteObject(pen);
}

void RepaintPaletteList() {
  InvalidateRect(paletteList, nullptr, TRUE);
  UpdateWindow(paletteList);
}

void OnPaletteChanged(int palette, PaletteChange change) {
  if (!paletteShown || paletteList == nullptr || palette != SelectedPalette()) return;
  if (change != PaletteChange::Added) {
    FillPaletteList(palette);
    return;
  }
  // A full palette keeps its length: its items only show other colours.
  const int items = static_cast<int>(SendMessageW(paletteList, LB_GETCOUNT, 0, 0));
  if (items < palettes[palette].header.count)
    SendMessageW(paletteList, LB_INSERTSTRING, 0, 0);
  else
    RepaintPaletteList();
  UpdatePaletteStatus();
}
