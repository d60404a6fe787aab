#include "palette/palette_window.h"

#include <commctrl.h>

#include <string>

#include "core/palette_model.h"
#include "core/picker_geometry.h"
#include "core/settings.h"
#include "palette/palette_copy.h"
#include "palette/palette_file_dialogs.h"
#include "palette/palette_list.h"
#include "palette/palette_state.h"
#include "resources/program_module.h"
#include "resources/resource.h"
#include "resources/wide_text.h"
#include "shared/dpi.h"

HACCEL paletteAccelerators = nullptr;
PaletteShell paletteShell = {};

namespace {

constexpr wchar_t kPaletteClass[] = L"zq_velun_palette";
constexpr char kPaletteTitle[] = "ぬべらパレット";

WNDPROC tabProcedure = nullptr;

// The list is the tab control's child: its drawing and notifications go on
// to the palette window.
LRESULT CALLBACK TabSubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_CONTEXTMENU:
      SendMessageW(GetParent(hwnd), msg, wParam, lParam);
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDC_PALETTE_LIST) {
        SendMessageW(GetParent(hwnd), msg, wParam, lParam);
        return 0;
      }
      break;
  }
  return CallWindowProcW(tabProcedure, hwnd, msg, wParam, lParam);
}

void LayoutPaletteWindow(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  RECT bar;
  GetWindowRect(paletteStatus, &bar);
  MoveWindow(paletteTab, 0, 0, client.right, client.bottom - (bar.bottom - bar.top), TRUE);
  RECT display;
  GetClientRect(paletteTab, &display);
  SendMessageW(paletteTab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  // The list is the tab control's child: its display area is where it goes.
  MoveWindow(paletteList, display.left, display.top, display.right - display.left,
             display.bottom - display.top, TRUE);
  LayoutPaletteStatus();
}

void OnSize(HWND window, WPARAM wParam, LPARAM lParam) {
  SendMessageW(paletteStatus, WM_SIZE, wParam, lParam);
  LayoutPaletteWindow(window);
}

void OnClose() {
  paletteWanted = 0;
  ShowPalette(0);
}

void SelectTab(int tab) {
  if (tab != kSpuitPalette && tab != kCollectPalette) return;
  SendMessageW(paletteTab, TCM_SETCURSEL, tab, 0);  // raises no TCN_SELCHANGE
  FillPaletteList(tab);
}

void ClearAfterAsking(HWND window) {
  if (MessageBoxSjis(window, "表示中のパレットを削除しますか", "確認", MB_ICONWARNING | MB_YESNO) == IDYES)
    ClearPalette(SelectedPalette());
}

void Sort(int kind, int order) {
  SortPalette(SelectedPalette(), kind, order);
  RepaintPaletteList();
}

void ToggleTopMost(HWND window) {
  settings.TopMost = !settings.TopMost;
  SetWindowPos(window, settings.TopMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void OnListNotify(int code) {
  switch (code) {
    case LBN_SELCHANGE: UpdatePaletteStatus(); break;
    case LBN_DBLCLK: CopyAndReport(); break;
    case LBN_KILLFOCUS: SendMessageW(paletteList, LB_SETCURSEL, static_cast<WPARAM>(-1), 0); break;
  }
}

void OnCommand(HWND window, int id, int code) {
  if (id == IDC_PALETTE_LIST) {
    OnListNotify(code);
    return;
  }
  switch (id) {
    case CMD_PALETTE_CLEAR: ClearAfterAsking(window); break;
    case CMD_PALETTE_COPY: CopyAndReport(); break;
    case CMD_PALETTE_COPY_HTML: settings.NotationSpuit = 0; break;
    case CMD_PALETTE_COPY_SPUIT: settings.NotationSpuit = 1; break;
    case CMD_PALETTE_DECIMAL:
      settings.Notation = 0;
      RepaintPaletteList();
      break;
    case CMD_PALETTE_HEX:
      settings.Notation = 1;
      RepaintPaletteList();
      break;
    case CMD_PALETTE_TOPMOST: ToggleTopMost(window); break;
    case CMD_PALETTE_CLOSE: SendMessageW(window, WM_CLOSE, 0, 0); break;
    case CMD_SORT_LUMINANCE: Sort(kSortLuminance, 0); break;
    case CMD_SORT_LUMINANCE_UP: Sort(kSortLuminance, 1); break;
    case CMD_SORT_RED: Sort(kSortRed, 0); break;
    case CMD_SORT_GREEN: Sort(kSortGreen, 0); break;
    case CMD_SORT_BLUE: Sort(kSortBlue, 0); break;
    case CMD_PALETTE_SETTINGS:
      if (paletteShell.openSettings != nullptr) paletteShell.openSettings(1);
      break;
    case CMD_PALETTE_EXPORT: ExportPaletteFile(window); break;
    case CMD_PALETTE_IMPORT: ImportPaletteFile(window); break;
    case CMD_PALETTE_PREVIOUS_TAB: SelectTab(SelectedPalette() - 1); break;
    case CMD_PALETTE_NEXT_TAB: SelectTab(SelectedPalette() + 1); break;
  }
}

void OnNotify(const NMHDR* header) {
  if (header->idFrom == IDC_PALETTE_TAB && header->code == static_cast<UINT>(TCN_SELCHANGE))
    FillPaletteList(SelectedPalette());
}

void OnInitMenuPopup(HMENU menu, bool systemMenu) {
  if (systemMenu) return;
  CheckMenuItem(menu, CMD_PALETTE_TOPMOST, MF_BYCOMMAND | (settings.TopMost ? MF_CHECKED : MF_UNCHECKED));
  CheckMenuRadioItem(menu, CMD_PALETTE_COPY_HTML, CMD_PALETTE_COPY_SPUIT,
                     settings.NotationSpuit ? CMD_PALETTE_COPY_SPUIT : CMD_PALETTE_COPY_HTML, MF_BYCOMMAND);
  CheckMenuRadioItem(menu, CMD_PALETTE_DECIMAL, CMD_PALETTE_HEX,
                     settings.Notation ? CMD_PALETTE_HEX : CMD_PALETTE_DECIMAL, MF_BYCOMMAND);
  const bool selected = SendMessageW(paletteList, LB_GETCURSEL, 0, 0) >= 0;
  EnableMenuItem(menu, CMD_PALETTE_COPY, MF_BYCOMMAND | (selected ? MF_ENABLED : MF_GRAYED));
}

// The controls' font, made for dpi; the old one goes once they hold the new.
void SetPaletteFont(int dpi) {
  HFONT font = CreateGuiFont(dpi);
  if (font == nullptr) return;
  for (HWND control : {paletteTab, paletteList, paletteStatus})
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  if (paletteFont != nullptr) DeleteObject(paletteFont);
  paletteFont = font;
  paletteDpi = dpi;
}

// Moved to a monitor of another scale: the window takes the rectangle the
// system suggests, and its font and items are made for the new DPI, which
// wParam carries.
void OnDpiChanged(HWND window, WPARAM wParam, const RECT& suggested) {
  SetPaletteFont(LOWORD(wParam));
  FillPaletteList(SelectedPalette());
  SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The end of the program, after the palettes were saved.
void OnDestroy() {
  ResetPalettes();
  paletteTab = paletteList = paletteStatus = nullptr;
  if (paletteFont != nullptr) DeleteObject(paletteFont);
  paletteFont = nullptr;
}

// The saved place is the normal rectangle as GetWindowPlacement gave it,
// in workspace coordinates: restored the same way, it does not creep by the
// size of a taskbar at the top or left each run. A place that lies on no
// monitor (one that is gone) comes back onto the nearest one's work area.
void RestorePlace(HWND window) {
  RECT work = {};  // workspace coordinates start at the primary monitor's work area
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  // The saved size is in pixels at 100 %, for the monitor the window opens on.
  const int dpi = WorkspaceDpiAt(settings.X, settings.Y);
  RECT place = {settings.X, settings.Y, settings.X + ScaleToDpi(settings.CX, dpi),
                settings.Y + ScaleToDpi(settings.CY, dpi)};
  RECT onScreen = place;
  OffsetRect(&onScreen, work.left, work.top);
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  if (MonitorFromRect(&onScreen, MONITOR_DEFAULTTONULL) == nullptr &&
      GetMonitorInfoW(MonitorFromRect(&onScreen, MONITOR_DEFAULTTONEAREST), &monitor)) {
    const RECT& area = monitor.rcWork;
    const MonitorArea moved = MoveInside({onScreen.left, onScreen.top, onScreen.right, onScreen.bottom},
                                         {area.left, area.top, area.right, area.bottom});
    place = {moved.left - work.left, moved.top - work.top, moved.right - work.left, moved.bottom - work.top};
  }
  WINDOWPLACEMENT wp = {};
  wp.length = sizeof wp;
  wp.showCmd = SW_HIDE;
  wp.rcNormalPosition = place;
  SetWindowPlacement(window, &wp);
  SetWindowPos(window, settings.TopMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool CreateControls(HWND window) {
  paletteTab = CreateWindowExW(0, WC_TABCONTROLW, L"",
                               WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_TABSTOP | TCS_FOCUSNEVER, 0, 0, 0,
                               0, window, reinterpret_cast<HMENU>(IDC_PALETTE_TAB), appInstance, nullptr);
  if (paletteTab == nullptr) return false;
  const char* tabs[2] = {"スポイト", "コレクト"};
  for (int i = 0; i < 2; ++i) {
    std::wstring text = Widen(tabs[i]);
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageW(paletteTab, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
  tabProcedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(paletteTab, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TabSubclassProc)));

  paletteList = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY |
                                    LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT | LBS_DISABLENOSCROLL | LBS_NODATA,
                                0, 0, 0, 0, paletteTab, reinterpret_cast<HMENU>(IDC_PALETTE_LIST), appInstance,
                                nullptr);
  if (paletteList == nullptr) return false;

  paletteStatus = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP | CCS_BOTTOM,
                                  0, 0, 0, 0, window, reinterpret_cast<HMENU>(IDC_PALETTE_STATUS), appInstance,
                                  nullptr);
  if (paletteStatus == nullptr) return false;
  const int parts[3] = {0, 0, -1};
  SendMessageW(paletteStatus, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(parts));
  SetPaletteFont(WindowDpi(window));
  return true;
}

}  // namespace

LRESULT CALLBACK PaletteWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_SIZE: OnSize(hwnd, wParam, lParam); return 0;
    case WM_CLOSE: OnClose(); return 0;
    case WM_DRAWITEM: DrawPaletteItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return 0;
    case WM_NOTIFY: OnNotify(reinterpret_cast<const NMHDR*>(lParam)); return 0;
    case WM_COMMAND: OnCommand(hwnd, LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_INITMENUPOPUP: OnInitMenuPopup(reinterpret_cast<HMENU>(wParam), HIWORD(lParam) != 0); return 0;
    case WM_ENTERMENULOOP:
    case WM_EXITMENULOOP:
      if (paletteShell.menuOpen != nullptr) paletteShell.menuOpen(msg == WM_ENTERMENULOOP);
      return 0;
    case PM_ADDCOLOR:
      AddPaletteColor(static_cast<std::uint32_t>(lParam), LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_DPICHANGED: OnDpiChanged(hwnd, wParam, *reinterpret_cast<const RECT*>(lParam)); return 0;
    case WM_DESTROY: OnDestroy(); return 0;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

int CreatePaletteWindow() {
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof wc;
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = PaletteWndProc;
  wc.hInstance = appInstance;
  wc.hIcon = LoadProgramIcon(IDI_SHOWN, 32);
  wc.hIconSm = LoadProgramIcon(IDI_SHOWN, 16);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszMenuName = MAKEINTRESOURCEW(IDM_PALETTE);
  wc.lpszClassName = kPaletteClass;
  if (!RegisterClassExW(&wc)) return kPaletteNoWindow;

  HWND window = CreateWindowExW(0, kPaletteClass, Widen(kPaletteTitle).c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 0,
                                0, nullptr, nullptr, appInstance, nullptr);
  if (window == nullptr) return kPaletteNoWindow;
  if (!CreateControls(window)) {
    DestroyWindow(window);
    return kPaletteNoWindow;
  }
  paletteAccelerators = LoadAcceleratorsW(appInstance, MAKEINTRESOURCEW(IDA_PALETTE));
  paletteWindow = window;
  RestorePlace(window);
  return 0;
}

void ShowPalette(int visible) {
  if (visible == paletteShown) return;
  if (visible) FillPaletteList(SelectedPalette());
  if (paletteShell.showing != nullptr) paletteShell.showing(visible);
  if (visible) {
    ShowWindow(paletteWindow, SW_SHOW);
    SetForegroundWindow(paletteWindow);
  } else {
    ShowWindow(paletteWindow, SW_HIDE);
  }
  paletteShown = visible;
}
