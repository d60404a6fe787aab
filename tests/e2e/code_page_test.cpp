// The real program under 932, an English Windows' 1252 (from the locale) and the UTF-8 option's 65001
// (a build whose manifest alone asks for it): what it keeps in its files and shows must not change.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "input.h"
#include "resources/resource.h"
#include "resources/wide_text.h"
#include "screen_capture.h"
#include "velun_process.h"

namespace {

struct CodePage { UINT acp; const char *program, *lang; };  // lang empty: the suite's own, Japanese
const CodePage kCodePages[] = {{932, "velun.exe", ""}, {1252, "velun.exe", "en_US.UTF-8"}, {65001, "velun_utf8.exe", ""}};
const char* const kFiles[] = {"velun.ini", "pickfmt.dat", "range.dat", "keycfg.dat", "palette.dat"};

// A window's text and its descendants', tab items and status parts included, a line each, as
// the wide functions give them.
void AddTexts(HWND w, std::wstring& texts) {
  wchar_t cls[64] = {}, text[600] = {};
  GetClassNameW(w, cls, 64);
  SendMessageTimeoutW(w, WM_GETTEXT, 600, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, nullptr);
  const int id = (GetWindowLongW(w, GWL_STYLE) & WS_CHILD) != 0 ? GetDlgCtrlID(w) : 0;
  texts += std::wstring(cls) + L" " + std::to_wstring(id) + L": " + text + L"\n";
  const bool tab = lstrcmpiW(cls, WC_TABCONTROLW) == 0, status = lstrcmpiW(cls, STATUSCLASSNAMEW) == 0;
  const int count = status ? 3 : tab ? static_cast<int>(SendMessageW(w, TCM_GETITEMCOUNT, 0, 0)) : 0;
  for (int i = 0; i < count; ++i) texts += L"  item: " + RemoteTextOf(w, tab ? TCM_GETITEMW : SB_GETTEXTW, i) + L"\n";
  for (HWND c = GetWindow(w, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) AddTexts(c, texts);
}

// A user's files as velun saves them under 932, under every code page: the settings and the
// palette window read as under 932 (the saved formats too), the picker shows the same pixels,
// and the files save back byte for byte.
TEST(CodePages, FilesAndTextsStayUnderEvery) {
  std::map<std::string, std::string> saved = {{"velun.ini", "[ぬべら]\r\nSpuitFormat=色 #%rx%gx%bx\r\n"},
                                              {"pickfmt.dat", "色: %rx%gx%bx"}};
  PatternWindow screen([](int, int) { return 0x808000u; });
  std::wstring japanese;
  ScreenImage japanesePicker;
  for (const CodePage& cp : kCodePages) {
    VelunProcess velun("program", cp.program, cp.lang);
    for (const auto& [name, bytes] : saved) velun.dir().Write(name.c_str(), bytes);
    MoveMouse(300, 300);
    ASSERT_TRUE(velun.Start()) << cp.acp;
    HWND picker = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(picker = velun.Window("zq_velun_picker")); }, 10000));
    EXPECT_EQ(velun.CodePage(), cp.acp);
    MoveMouse(400, 300);
    RECT r;
    ASSERT_TRUE(WaitUntil([&] { return GetWindowRect(picker, &r) && r.left == 420 && r.top == 310; }));
    // Drawn in one piece from memory: once it shows the colour, it is whole.
    ScreenImage pickerImage;
    EXPECT_TRUE(WaitUntil([&] {
      pickerImage = CaptureScreen(r);
      return std::ranges::count(pickerImage.pixels, COLORREF{0x808000}) > 0;
    })) << cp.acp;

    EXPECT_EQ(velun.RunAgain(), 0u);  // opens the settings, filled from the files
    HWND main = velun.Window("zq_velun");
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(main) != FALSE; }));
    std::wstring texts;
    AddTexts(main, texts);
    AddTexts(velun.Window("zq_velun_palette"), texts);
    PostMessageA(main, WM_COMMAND, CMD_EXIT, 0);
    velun.WaitForExit(5000);

    if (cp.acp != 932) {
      for (const char* name : kFiles) EXPECT_EQ(velun.dir().Read(name), saved[name]) << name << " " << cp.acp;
      EXPECT_EQ(texts, japanese) << cp.acp;
      EXPECT_EQ(pickerImage.pixels, japanesePicker.pixels) << cp.acp;
      continue;
    }
    for (const char* name : kFiles) saved[name] = velun.dir().Read(name);
    japanese = texts;
    japanesePicker = pickerImage;
    for (const std::string& sjis : {std::to_string(IDC_SPUIT_FORMAT) + ": 色 #%rx%gx%bx\n", std::string("ぬべらパレット")})
      EXPECT_NE(texts.find(Widen(sjis)), std::wstring::npos) << sjis;  // the saved format, and the palette window
  }
}

}  // namespace
