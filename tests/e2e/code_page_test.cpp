// The real program under the code pages its users have: Japanese (932), an
// English Windows' (1252, from the locale) and Windows' UTF-8 option (65001,
// by a build whose manifest alone asks for it). What it keeps in its files
// and what it shows must not change with them.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "input.h"
#include "resources/resource.h"
#include "resources/wide_text.h"
#include "screen_capture.h"
#include "test_window.h"
#include "velun_process.h"

namespace {

struct CodePage {
  UINT acp;
  const char* program;
  const char* lang;  // empty: the suite's own, Japanese
};
const CodePage kCodePages[] = {{932, "velun.exe", ""}, {1252, "velun.exe", "en_US.UTF-8"},
                               {65001, "velun_utf8.exe", ""}};
const char* const kFiles[] = {"velun.ini", "pickfmt.dat", "range.dat", "keycfg.dat", "palette.dat"};

// The text of control id on whichever page of the settings holds it.
std::wstring ControlText(HWND frame, int id) {
  wchar_t text[600] = {};
  for (HWND page = GetWindow(frame, GW_CHILD); page != nullptr; page = GetWindow(page, GW_HWNDNEXT))
    if (HWND control = GetDlgItem(page, id)) SendMessageW(control, WM_GETTEXT, 600, reinterpret_cast<LPARAM>(text));
  return text;
}

class CodePageRun {
 public:
  explicit CodePageRun(const CodePage& cp) : velun("program", cp.program) { velun.SetLocale(cp.lang); }
  ~CodePageRun() { Exit(); }
  bool Start() {
    MoveMouse(300, 300);
    return velun.Start() && WaitUntil([&] {
             HWND picker = velun.Window("zq_velun_picker");
             return picker != nullptr && IsWindowVisible(picker);
           }, 10000);
  }
  void Exit() {
    HWND main = velun.Window("zq_velun");
    if (main != nullptr) PostMessageA(main, WM_COMMAND, CMD_EXIT, 0);
    velun.WaitForExit(5000);
  }
  VelunProcess velun;
};

// A window's text and its children's as the wide functions give them (the
// system carries WM_GETTEXT across processes), tab items and status parts
// included, a line each. Buttons are left out where Wine's own labels them
// in the system's language (the question's はい and いいえ).
BOOL CALLBACK AddWindow(HWND w, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(w);
  return TRUE;
}

std::vector<std::wstring> TextsOf(HWND top, bool buttons = true) {
  std::vector<HWND> windows = {top};
  EnumChildWindows(top, AddWindow, reinterpret_cast<LPARAM>(&windows));
  std::vector<std::wstring> texts;
  for (HWND w : windows) {
    wchar_t cls[64] = {}, text[600] = {};
    GetClassNameW(w, cls, 64);
    if (!buttons && lstrcmpiW(cls, L"Button") == 0) continue;
    DWORD_PTR got = 0;
    SendMessageTimeoutW(w, WM_GETTEXT, 600, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, &got);
    const int id = (GetWindowLongW(w, GWL_STYLE) & WS_CHILD) != 0 ? GetDlgCtrlID(w) : 0;
    texts.push_back(std::wstring(cls) + L" " + std::to_wstring(id) + L": " + text);
    const UINT items = lstrcmpiW(cls, WC_TABCONTROLW) == 0 ? TCM_GETITEMW
                       : lstrcmpiW(cls, STATUSCLASSNAMEW) == 0 ? SB_GETTEXTW : 0;
    const int count = items == SB_GETTEXTW ? 3 : items == 0 ? 0 : static_cast<int>(SendMessageW(w, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) texts.push_back(L"  item: " + RemoteTextOf(w, items, i));
  }
  return texts;
}

bool Holds(const std::vector<std::wstring>& texts, const char* sjis) {
  const std::wstring want = Widen(sjis);
  for (const std::wstring& t : texts)
    if (t.find(want) != std::wstring::npos) return true;
  return false;
}

// What a user saved under 932 comes back under every code page: the
// settings show the saved Japanese formats, every text of the settings
// dialog, the palette window and the delete question reads as under 932
// (where it is the resources' and the program's own), the picker shows
// the same pixels, and the files save back byte for byte.
TEST(CodePages, FilesAndTextsStayUnderEvery) {
  std::map<std::string, std::string> saved;
  {
    CodePageRun first(kCodePages[0]);
    first.velun.dir().Write("velun.ini", "[ぬべら]\r\nSpuitFormat=色 #%rx%gx%bx\r\n");
    first.velun.dir().Write("pickfmt.dat", "色: %rx%gx%bx");
    ASSERT_TRUE(first.Start());
    first.Exit();
    for (const char* name : kFiles) saved[name] = first.velun.dir().Read(name);
  }
  PatternWindow screen([](int, int) { return 0x808000u; });
  std::vector<std::wstring> japanese;
  ScreenImage japanesePicker;
  for (const CodePage& cp : kCodePages) {
    CodePageRun run(cp);
    for (const auto& [name, bytes] : saved) run.velun.dir().Write(name.c_str(), bytes);
    ASSERT_TRUE(run.Start()) << cp.acp;
    EXPECT_EQ(run.velun.CodePage(), cp.acp);
    HWND picker = run.velun.Window("zq_velun_picker");
    MoveMouse(400, 300);
    ASSERT_TRUE(WaitUntil([&] {
      RECT r;
      GetWindowRect(picker, &r);
      return r.left == 420 && r.top == 310;
    }));
    // Drawn in one piece from memory: once it shows the colour, it is whole.
    RECT r;
    GetWindowRect(picker, &r);
    ScreenImage pickerImage;
    EXPECT_TRUE(WaitUntil([&] {
      pickerImage = CaptureScreen(r);
      return std::count(pickerImage.pixels.begin(), pickerImage.pixels.end(), COLORREF{0x808000}) > 0;
    })) << cp.acp;

    EXPECT_EQ(run.velun.RunAgain(), 0u);  // opens the settings, filled from the files
    HWND main = run.velun.Window("zq_velun");
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(main) != FALSE; }));
    EXPECT_EQ(ControlText(main, IDC_SPUIT_FORMAT), Widen("色 #%rx%gx%bx")) << cp.acp;
    EXPECT_EQ(ControlText(main, IDC_PICKER_FORMAT), Widen("色: %rx%gx%bx")) << cp.acp;
    std::vector<std::wstring> texts = TextsOf(main);
    HWND palette = run.velun.Window("zq_velun_palette");
    const std::vector<std::wstring> paletteTexts = TextsOf(palette);
    texts.insert(texts.end(), paletteTexts.begin(), paletteTexts.end());
    PostMessageW(palette, WM_COMMAND, CMD_PALETTE_CLEAR, 0);
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
      const std::vector<HWND> boxes = WindowsOf(run.velun.pid(), "#32770");
      box = boxes.empty() ? nullptr : boxes.front();
      return box != nullptr;
    })) << "no delete question";
    const std::vector<std::wstring> boxTexts = TextsOf(box, false);
    texts.insert(texts.end(), boxTexts.begin(), boxTexts.end());
    PostMessageW(box, WM_COMMAND, IDNO, 0);
    run.Exit();
    for (const char* name : kFiles) EXPECT_EQ(run.velun.dir().Read(name), saved[name]) << name << " " << cp.acp;

    if (cp.acp == 932) {
      japanese = texts;
      japanesePicker = pickerImage;
      for (const char* text : {"更新", "ピッカー", "表示するテキスト(&F):", "alt + 右クリック", "ぬべらパレット", "有効",
                               "表示中のパレットを削除しますか", "確認"})
        EXPECT_TRUE(Holds(texts, text)) << text;
      continue;
    }
    EXPECT_EQ(texts, japanese) << cp.acp;
    EXPECT_EQ(pickerImage.pixels, japanesePicker.pixels) << cp.acp;
  }
}

}  // namespace
