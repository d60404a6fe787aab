// The palette window under Wine: its controls and menu as built, its
// commands from real keys through its accelerators, and its items' pixels.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "clipboard_text.h"
#include "common/memory_store.h"
#include "store/file_store.h"
#include "core/palette_exchange.h"
#include "core/palette_model.h"
#include "core/settings.h"
#include "core/settings_file.h"
#include "input.h"
#include "memory_canvas.h"
#include "message_box_catcher.h"
#include "palette/palette_copy.h"
#include "palette/palette_file_dialogs.h"
#include "palette/palette_list.h"
#include "palette/palette_state.h"
#include "palette/palette_window.h"
#include "program_fixture.h"
#include "resources/program_module.h"
#include "resources/resource.h"
#include "resources/wide_text.h"
#include "temp_dir.h"
#include "test_window.h"

namespace {

std::uint32_t Rgb(int r, int g, int b) { return static_cast<std::uint32_t>(r | g << 8 | b << 16); }

std::string Status(int part) {
  char text[128] = {};
  SendMessageA(paletteStatus, SB_GETTEXTA, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text));
  return text;
}


// Each status part holds its widest text in the bar's font; the longest report spans the bar.
void ExpectStatusFits() {
  HDC dc = GetDC(paletteStatus);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(paletteStatus, WM_GETFONT, 0, 0)));
  const std::pair<int, const char*> widest[] = {{1, "1000/1000"}, {2, "有効"}, {0, "追加 1000 色、スキップ 99999 色"}};
  for (const auto& [part, text] : widest) {
    if (part == 0) ReportOnPaletteStatus(text);
    else UpdatePaletteStatus();
    const std::wstring wide = Widen(text);
    RECT r = {};
    SIZE size = {};
    SendMessageW(paletteStatus, SB_GETRECT, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(&r));
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    EXPECT_GE(r.right - r.left, size.cx) << text << " at " << paletteDpi << " DPI";
  }
  UpdatePaletteStatus();
  SelectObject(dc, old);
  ReleaseDC(paletteStatus, dc);
}

int openedPage = -1;

class PaletteWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ReleaseEverything();
    appInstance = GetModuleHandleA(nullptr);
    MemoryStore none;
    LoadSettingsFrom(none);
    SetPaletteChangedHandler(OnPaletteChanged);
    paletteShell.openSettings = [](int page) { openedPage = page; };
    ASSERT_EQ(CreatePaletteWindow(), 0);
  }
  void TearDown() override {
    ReleaseEverything();
    SetPaletteChangedHandler(nullptr);
    DestroyWindow(paletteWindow);
    paletteWindow = nullptr;
    paletteShown = paletteWanted = 0;
    settings = Settings{};
    FreeRangeList();
  }
  // Shown, with the keyboard focus in the list, as a user leaves it.
  void Show() {
    paletteWanted = 1;
    ShowPalette(1);
    SetForegroundWindow(paletteWindow);
    SetFocus(paletteList);
    Pump(100);
  }
  void Spuit(std::uint32_t c) { SendMessageA(paletteWindow, PM_ADDCOLOR, 0x10000, static_cast<LPARAM>(c)); }
  int Items() const { return static_cast<int>(SendMessageA(paletteList, LB_GETCOUNT, 0, 0)); }
  void Select(int i) {
    SendMessageA(paletteList, LB_SETCURSEL, static_cast<WPARAM>(i), 0);
    SendMessageA(paletteWindow, WM_COMMAND, MAKEWPARAM(IDC_PALETTE_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(paletteList));
  }
};

TEST_F(PaletteWindowTest, CreatedHiddenWithItsControlsWhereTheSettingsSay) {
  EXPECT_FALSE(IsWindowVisible(paletteWindow));
  RECT r;
  GetWindowRect(paletteWindow, &r);
  EXPECT_EQ(r.left, 80);
  EXPECT_EQ(r.top, 80);
  EXPECT_EQ(r.right - r.left, 220);
  EXPECT_EQ(r.bottom - r.top, 400);
  EXPECT_FALSE(GetWindowLongA(paletteWindow, GWL_EXSTYLE) & WS_EX_TOPMOST);

  EXPECT_EQ(GetDlgItem(paletteWindow, IDC_PALETTE_TAB), paletteTab);
  EXPECT_EQ(SendMessageA(paletteTab, TCM_GETITEMCOUNT, 0, 0), 2);
  char tab[32] = {};
  TCITEMA item = {};
  item.mask = TCIF_TEXT;
  item.pszText = tab;
  item.cchTextMax = sizeof tab;
  SendMessageA(paletteTab, TCM_GETITEMA, 1, reinterpret_cast<LPARAM>(&item));
  EXPECT_STREQ(tab, "コレクト");
  EXPECT_EQ(SendMessageA(paletteTab, TCM_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(GetDlgItem(paletteTab, IDC_PALETTE_LIST), paletteList) << "the list is the tab control's child";
  const LONG style = GetWindowLongA(paletteList, GWL_STYLE);
  EXPECT_EQ(style & (LBS_NODATA | LBS_OWNERDRAWFIXED | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_DISABLENOSCROLL),
            LBS_NODATA | LBS_OWNERDRAWFIXED | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_DISABLENOSCROLL);
  EXPECT_EQ(GetDlgItem(paletteWindow, IDC_PALETTE_STATUS), paletteStatus);
  int parts[4] = {};
  EXPECT_EQ(SendMessageA(paletteStatus, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(parts)), 3);
  RECT list, client;
  GetWindowRect(paletteList, &list);
  GetClientRect(paletteWindow, &client);
  MapWindowPoints(HWND_DESKTOP, paletteWindow, reinterpret_cast<POINT*>(&list), 2);
  EXPECT_GT(list.bottom - list.top, 200) << "the list fills the tab control";
}

TEST_F(PaletteWindowTest, MenuStatesFollowTheSettingsAndTheSelection) {
  Spuit(Rgb(1, 2, 3));
  Show();
  HMENU functions = GetSubMenu(GetMenu(paletteWindow), 0);
  SendMessageA(paletteWindow, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(functions), 0);
  EXPECT_TRUE(GetMenuState(functions, CMD_PALETTE_COPY, MF_BYCOMMAND) & MF_GRAYED) << "nothing selected";
  EXPECT_TRUE(GetMenuState(functions, CMD_PALETTE_HEX, MF_BYCOMMAND) & MF_CHECKED) << "Notation 1";
  EXPECT_FALSE(GetMenuState(functions, CMD_PALETTE_DECIMAL, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_TRUE(GetMenuState(functions, CMD_PALETTE_COPY_HTML, MF_BYCOMMAND) & MF_CHECKED) << "NotationSpuit 0";
  EXPECT_FALSE(GetMenuState(functions, CMD_PALETTE_TOPMOST, MF_BYCOMMAND) & MF_CHECKED);
  settings.Notation = 0;
  settings.NotationSpuit = 1;
  settings.TopMost = 1;
  Select(0);
  SendMessageA(paletteWindow, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(functions), 0);
  EXPECT_FALSE(GetMenuState(functions, CMD_PALETTE_COPY, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_TRUE(GetMenuState(functions, CMD_PALETTE_DECIMAL, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_FALSE(GetMenuState(functions, CMD_PALETTE_HEX, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_TRUE(GetMenuState(functions, CMD_PALETTE_COPY_SPUIT, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_TRUE(GetMenuState(functions, CMD_PALETTE_TOPMOST, MF_BYCOMMAND) & MF_CHECKED);
}

TEST_F(PaletteWindowTest, ShownListAndStatusFollowThePalette) {
  for (int i = 0; i < 3; ++i) Spuit(Rgb(10 * i, 0, 0));
  Show();
  EXPECT_EQ(Items(), 3);
  EXPECT_EQ(Status(0), "");
  EXPECT_EQ(Status(1), "3/10");
  EXPECT_EQ(Status(2), "有効");
  Select(1);
  EXPECT_EQ(Status(0), "No.2");

  // New colours grow the list until it is full; then it only repaints.
  for (int i = 3; i < 12; ++i) Spuit(Rgb(10 * i, 0, 0));
  EXPECT_EQ(Items(), 10);
  EXPECT_EQ(Status(1), "10/10");

  // A spuit while the collect palette is shown leaves the list alone.
  SendMessageA(paletteTab, TCM_SETCURSEL, 1, 0);
  NMHDR change = {paletteTab, IDC_PALETTE_TAB, static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageA(paletteWindow, WM_NOTIFY, IDC_PALETTE_TAB, reinterpret_cast<LPARAM>(&change));
  EXPECT_EQ(Items(), 0);
  EXPECT_EQ(Status(1), "0/200");
  EXPECT_EQ(Status(2), "無効");
  Spuit(Rgb(1, 1, 1));
  EXPECT_EQ(Items(), 0);
  Press(VK_LEFT);
  EXPECT_EQ(Items(), 10);
  EXPECT_EQ(palettes[0].entries[0], Rgb(1, 1, 1)) << "the newest first";
}

TEST_F(PaletteWindowTest, ArrowKeysSelectTabsWithinTheTwo) {
  Spuit(Rgb(1, 1, 1));
  Show();
  Press(VK_LEFT);
  EXPECT_EQ(SendMessageA(paletteTab, TCM_GETCURSEL, 0, 0), 0) << "no tab before the first";
  Press(VK_RIGHT);
  EXPECT_EQ(SendMessageA(paletteTab, TCM_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(Status(1), "0/200") << "the list was refilled";
  Press(VK_RIGHT);
  EXPECT_EQ(SendMessageA(paletteTab, TCM_GETCURSEL, 0, 0), 1) << "no tab after the last";
  Press(VK_LEFT);
  EXPECT_EQ(SendMessageA(paletteTab, TCM_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(Items(), 1);
}

TEST_F(PaletteWindowTest, DeleteAsksFirst) {
  for (int i = 0; i < 3; ++i) Spuit(Rgb(i, 0, 0));
  Show();
  {
    MessageBoxCatcher no(IDNO);
    Press(VK_DELETE);
    Pump(100);
    ASSERT_EQ(no.boxes().size(), 1u);
    EXPECT_EQ(no.boxes()[0].text, "表示中のパレットを削除しますか");
    EXPECT_EQ(no.boxes()[0].caption, "確認");
    EXPECT_EQ(no.boxes()[0].owner, paletteWindow);
  }
  EXPECT_EQ(palettes[0].header.count, 3);
  EXPECT_EQ(Items(), 3);
  {
    MessageBoxCatcher yes(IDYES);
    Press(VK_DELETE);
    Pump(100);
    EXPECT_EQ(yes.boxes().size(), 1u);
  }
  EXPECT_EQ(palettes[0].header.count, 0);
  EXPECT_EQ(Items(), 0);
  EXPECT_EQ(Status(1), "0/10");
}

TEST_F(PaletteWindowTest, KeysSortAndSwitchTheNotation) {
  const std::uint32_t white = Rgb(255, 255, 255), black = 0, red = Rgb(255, 0, 0), blue = Rgb(0, 0, 255);
  for (std::uint32_t c : {black, red, white, blue}) Spuit(c);  // newest first: blue white red black
  Show();
  auto order = [] { return std::vector<std::uint32_t>(palettes[0].entries, palettes[0].entries + 4); };
  Press('2');
  EXPECT_EQ(order(), (std::vector<std::uint32_t>{black, blue, red, white})) << "luminance, darkest first";
  Press('1');
  EXPECT_EQ(order().front(), white);
  EXPECT_EQ(order().back(), black);
  Press('3');
  EXPECT_EQ(order().front(), red);
  Press('5');
  EXPECT_EQ(order().front(), blue);
  Press('Q');
  EXPECT_EQ(settings.Notation, 0);
  Press('W');
  EXPECT_EQ(settings.Notation, 1);
  Press(VK_BACK);
  EXPECT_EQ(settings.TopMost, 1);
  EXPECT_TRUE(GetWindowLongA(paletteWindow, GWL_EXSTYLE) & WS_EX_TOPMOST);
  Press(VK_BACK);
  EXPECT_FALSE(GetWindowLongA(paletteWindow, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(PaletteWindowTest, EnterCopiesTheSelectedColour) {
  Spuit(Rgb(0x12, 0xAB, 0x09));
  Spuit(Rgb(1, 2, 3));
  Show();
  Select(1);
  Press(VK_RETURN);
  EXPECT_EQ(ClipboardText(), "#12AB09");
  EXPECT_EQ(Status(0), "転送しました");

  // The spuit format; an empty one copies nothing.
  settings.NotationSpuit = 1;
  std::strcpy(settings.SpuitFormat, "RGB( %rr, %gg, %bb)");
  Select(0);
  SendMessageA(paletteWindow, WM_COMMAND, CMD_PALETTE_COPY, 0);
  EXPECT_EQ(ClipboardText(), "RGB( 1, 2, 3)");
  settings.SpuitFormat[0] = '\0';
  SendMessageA(paletteWindow, WM_COMMAND, CMD_PALETTE_COPY, 0);
  EXPECT_EQ(Status(0), "フォーマットが空です");
  EXPECT_EQ(ClipboardText(), "RGB( 1, 2, 3)");

  // A double click copies too.
  settings.NotationSpuit = 0;
  SendMessageA(paletteWindow, WM_COMMAND, MAKEWPARAM(IDC_PALETTE_LIST, LBN_DBLCLK), reinterpret_cast<LPARAM>(paletteList));
  EXPECT_EQ(ClipboardText(), "#010203");

  // Without a selection (a double click on empty list space, Enter, the
  // menu) nothing is copied and nothing is said: no failure happened.
  SendMessageA(paletteList, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  SendMessageA(paletteStatus, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(""));
  MessageBoxCatcher boxes;
  SendMessageA(paletteWindow, WM_COMMAND, MAKEWPARAM(IDC_PALETTE_LIST, LBN_DBLCLK), reinterpret_cast<LPARAM>(paletteList));
  SendMessageA(paletteWindow, WM_COMMAND, CMD_PALETTE_COPY, 0);
  EXPECT_TRUE(boxes.boxes().empty()) << boxes.boxes()[0].text;
  EXPECT_EQ(Status(0), "");
  EXPECT_EQ(ClipboardText(), "#010203");
}

TEST_F(PaletteWindowTest, CloseHidesAndForgetsTheWish) {
  Show();
  SendMessageA(paletteWindow, WM_SYSCOMMAND, SC_CLOSE, 0);
  Pump(50);
  EXPECT_TRUE(IsWindow(paletteWindow));
  EXPECT_FALSE(IsWindowVisible(paletteWindow));
  EXPECT_EQ(paletteWanted, 0);
  EXPECT_EQ(paletteShown, 0);
  // The menu's 閉じる does the same; 設定を開く asks the shell for page 1.
  Show();
  SendMessageA(paletteWindow, WM_COMMAND, CMD_PALETTE_CLOSE, 0);
  EXPECT_FALSE(IsWindowVisible(paletteWindow));
  SendMessageA(paletteWindow, WM_COMMAND, CMD_PALETTE_SETTINGS, 0);
  EXPECT_EQ(openedPage, 1);
}

TEST_F(PaletteWindowTest, DestroyingTheWindowClearsBothPalettes) {
  Spuit(Rgb(1, 2, 3));
  DestroyWindow(paletteWindow);
  EXPECT_EQ(palettes[0].entries, nullptr);
  EXPECT_EQ(palettes[0].header.capacity, 0);
  EXPECT_EQ(palettes[1].header.capacity, 0);
  paletteWindow = nullptr;
}

// One item drawn into a memory canvas, as the list would draw it.
class ItemCanvas {
 public:
  ItemCanvas(int w, int h) : canvas_(w, h) {
    font_ = SelectObject(canvas_.dc(), GetStockObject(DEFAULT_GUI_FONT));
  }
  ~ItemCanvas() { SelectObject(canvas_.dc(), font_); }
  void Draw(int index, bool selected) {
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_LISTBOX;
    item.CtlID = IDC_PALETTE_LIST;
    item.itemID = static_cast<UINT>(index);
    item.itemState = selected ? ODS_SELECTED : 0;
    item.hDC = canvas_.dc();
    item.rcItem = {0, 0, canvas_.width(), canvas_.height()};
    DrawPaletteItem(item);
  }
  COLORREF at(int x, int y) const { return canvas_.at(x, y); }
  // How many pixels of colour c lie in the rectangle.
  int Count(RECT r, COLORREF c) const {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) n += at(x, y) == c;
    return n;
  }
  int Columns(RECT r, COLORREF c) const {
    int first = r.right, last = -1;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x)
        if (at(x, y) == c) {
          first = x < first ? x : first;
          last = x > last ? x : last;
        }
    return last < first ? 0 : last - first + 1;
  }

 private:
  MemoryCanvas canvas_;
  HGDIOBJ font_;
};

TEST_F(PaletteWindowTest, ItemsShowNumberSwatchAndItsText) {
  palettes[0].header = {0, 5, 5, 0, 20, 1};
  ReallocPalettes();
  Spuit(Rgb(255, 0, 0));
  ItemCanvas canvas(200, 20);
  const COLORREF window = GetSysColor(COLOR_WINDOW), text = GetSysColor(COLOR_WINDOWTEXT);
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  canvas.Draw(0, false);
  EXPECT_EQ(canvas.at(32, 10), shadow) << "the swatch's outline";
  EXPECT_EQ(canvas.at(33, 2), window) << "between outline and swatch";
  EXPECT_EQ(canvas.at(34, 3), Rgb(255, 0, 0));
  EXPECT_EQ(canvas.at(196, 16), Rgb(255, 0, 0));
  EXPECT_EQ(canvas.at(197, 16), window);
  const int oneDigit = canvas.Columns({0, 0, 32, 20}, text);
  EXPECT_GT(oneDigit, 0) << "the number 1";

  // Capacity 1000 numbers the first item 0001: four digits, wider.
  palettes[0].header.capacity = 1000;
  canvas.Draw(0, false);
  EXPECT_GT(canvas.Columns({0, 0, 32, 20}, text), 3 * oneDigit);

  // Selected: the highlight behind the number.
  canvas.Draw(0, true);
  EXPECT_EQ(canvas.at(1, 1), GetSysColor(COLOR_HIGHLIGHT));

  // The swatch text, black or white by Threshold-Text, only from height 20.
  const RECT swatch = {34, 3, 197, 17};
  settings.ThresholdText = 255;
  canvas.Draw(0, false);
  EXPECT_GT(canvas.Count(swatch, 0), 10) << "black text on red";
  EXPECT_EQ(canvas.Count(swatch, 0xFFFFFF), 0);
  settings.ThresholdText = 256;
  canvas.Draw(0, false);
  EXPECT_GT(canvas.Count(swatch, 0xFFFFFF), 10) << "white text on red";
  const int hexWidth = canvas.Columns(swatch, 0xFFFFFF);
  settings.Notation = 0;
  canvas.Draw(0, false);
  EXPECT_GT(canvas.Columns(swatch, 0xFFFFFF), hexWidth) << "R:255 G:0 B:0 is longer than #FF0000";
  palettes[0].header.itemHeight = 19;
  ItemCanvas low(200, 19);
  low.Draw(0, false);
  EXPECT_EQ(low.Count({34, 3, 197, 16}, 0xFFFFFF), 0) << "no text below height 20";
  EXPECT_EQ(low.Count({34, 3, 197, 16}, Rgb(255, 0, 0)), 163 * 13);
}

}  // namespace

// Moved to a monitor at 150 %: the window takes the rectangle the system
// suggests, its items the scaled item height, its controls a font made
// for the new DPI, and the status bar's parts hold their texts at both.
TEST_F(PaletteWindowTest, FollowsAChangeOfDisplayScale) {
  Show();
  ExpectStatusFits();
  HDC dc = GetDC(paletteList);
  TEXTMETRICA before = {};
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(paletteList, WM_GETFONT, 0, 0)));
  GetTextMetricsA(dc, &before);
  SelectObject(dc, old);

  RECT suggested = {150, 120, 150 + 330, 120 + 600};
  SendMessageA(paletteWindow, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  RECT r;
  GetWindowRect(paletteWindow, &r);
  EXPECT_TRUE(EqualRect(&r, &suggested)) << r.left << "," << r.top << " " << r.right << "," << r.bottom;
  EXPECT_EQ(SendMessageA(paletteList, LB_GETITEMHEIGHT, 0, 0), 30) << "item height 20 at 150 %";

  TEXTMETRICA after = {};
  old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(paletteList, WM_GETFONT, 0, 0)));
  GetTextMetricsA(dc, &after);
  SelectObject(dc, old);
  ReleaseDC(paletteList, dc);
  EXPECT_NEAR(after.tmHeight, before.tmHeight * 1.5, 2.0);
  ExpectStatusFits();
}

// A saved place on no monitor (one that is gone) comes back whole onto the
// work area; a place on the screen stays where it was saved.
TEST_F(PaletteWindowTest, APlaceOnNoMonitorComesBackOntoTheScreen) {
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  const struct {
    int x, y;
    bool stays;
  } rows[] = {{5000, 3000, false}, {-3000, 100, false}, {100, -2000, false}, {120, 90, true}};
  for (const auto& row : rows) {
    DestroyWindow(paletteWindow);
    UnregisterClassA("zq_velun_palette", appInstance);
    settings.X = row.x;
    settings.Y = row.y;
    ASSERT_EQ(CreatePaletteWindow(), 0);
    RECT r;
    GetWindowRect(paletteWindow, &r);
    EXPECT_EQ(r.right - r.left, 220) << row.x << "," << row.y;
    EXPECT_EQ(r.bottom - r.top, 400);
    if (row.stays) {
      EXPECT_EQ(r.left, row.x);
      EXPECT_EQ(r.top, row.y);
    } else {
      EXPECT_TRUE(r.left >= work.left && r.right <= work.right && r.top >= work.top && r.bottom <= work.bottom)
          << row.x << "," << row.y << " came to " << r.left << "," << r.top;
    }
  }
}

namespace {

// A user at the file dialog: once it shows (found by its title), the file
// name is typed into its name box and OK pressed.
void AnswerFileDialog(const wchar_t* title, std::wstring file) {
  HWND dialog = nullptr;
  for (int i = 0; i < 250 && dialog == nullptr; ++i) {
    dialog = FindWindowW(L"#32770", title);
    if (dialog == nullptr) Sleep(20);
  }
  if (dialog == nullptr) return;
  for (int box : {0x47C, 0x480}) SetDlgItemTextW(dialog, box, file.c_str());  // cmb13 or edt1
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}

std::vector<std::uint32_t> SpuitColours() {
  return {palettes[kSpuitPalette].entries, palettes[kSpuitPalette].entries + palettes[kSpuitPalette].header.count};
}

// Through the menu's commands and the real dialogs: the palette goes out as
// a GIMP palette under a Japanese name (the extension follows the type),
// comes back in the same order, and a file that is no palette changes
// nothing and says so.
TEST_F(PaletteWindowTest, ExportAndImportThroughTheDialogs) {
  for (std::uint32_t c : {Rgb(1, 2, 3), Rgb(0x12, 0xAB, 0x09), Rgb(255, 128, 0)}) Spuit(c);
  Show();
  const std::vector<std::uint32_t> shown = SpuitColours();
  ASSERT_EQ(shown.size(), 3u);
  TempDir dir;
  const std::wstring file = Widen(dir.path()) + L"\u30D1\u30EC\u30C3\u30C8";  // パレット

  std::thread user(AnswerFileDialog, kExportTitle, file);
  SendMessageA(paletteWindow, WM_COMMAND, CMD_PALETTE_EXPORT, 0);
  user.join();
  const auto written = ReadWholeFile(file + L".gpl");
  ASSERT_TRUE(written.has_value()) << "no palette file";
  EXPECT_EQ(*written, ExportPalette(PaletteFileType::Gimp, shown, ""));
  EXPECT_EQ(Status(0), "エクスポートしました");

  ClearPalette(kSpuitPalette);
  user = std::thread(AnswerFileDialog, kImportTitle, file + L".gpl");
  SendMessageA(paletteWindow, WM_COMMAND, CMD_PALETTE_IMPORT, 0);
  user.join();
  EXPECT_EQ(SpuitColours(), shown);
  EXPECT_EQ(Status(0), "追加 3 色、スキップ 0 色");

  dir.Write("bad.gpl", "not a palette\n");
  MessageBoxCatcher boxes;
  user = std::thread(AnswerFileDialog, kImportTitle, Widen(dir.Path("bad.gpl")));
  SendMessageA(paletteWindow, WM_COMMAND, CMD_PALETTE_IMPORT, 0);
  user.join();
  int refusals = 0;  // the catcher sees the file dialog too
  for (const auto& box : boxes.boxes()) refusals += box.text == "パレットのファイルとして読めませんでした";
  EXPECT_EQ(refusals, 1);
  EXPECT_EQ(SpuitColours(), shown);
  DeleteFileW((file + L".gpl").c_str());
}

}  // namespace
