#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "common/keybind_testing.h"
#include "store/file_store.h"
#include "store/settings_store.h"
#include "core/palette_model.h"
#include "core/settings.h"
#include "message_box_catcher.h"
#include "temp_dir.h"

namespace {

class SettingsStoreTest : public ::testing::Test {
 protected:
  void TearDown() override {
    settings = Settings{};
    FreeRangeList();
    ResetPalettes();
    std::memset(keyBinds, 0, sizeof keyBinds);
  }
  std::string Ini(const char* section, const char* key) const {
    char value[260] = {};
    GetPrivateProfileStringA(section, key, "<missing>", value, sizeof value, dir.Path("velun.ini").c_str());
    return value;
  }
  void SetIni(const char* section, const char* key, const char* value) const {
    WritePrivateProfileStringA(section, key, value, dir.Path("velun.ini").c_str());
  }

  TempDir dir;
};

TEST_F(SettingsStoreTest, FirstSaveWritesExactlyTheDefaultFiles) {
  LoadSettingsIn(dir.path());
  EXPECT_TRUE(dir.Names().empty()) << "loading writes nothing";
  MessageBoxCatcher boxes;
  SaveSettingsIn(dir.path());
  EXPECT_TRUE(boxes.boxes().empty());
  EXPECT_EQ(dir.Names(), (std::vector<std::string>{"keycfg.dat", "palette.dat", "pickfmt.dat",
                                                    "range.dat", "velun.ini"}));
  EXPECT_EQ(dir.Size("pickfmt.dat"), 47);
  EXPECT_EQ(dir.Size("range.dat"), 20);
  EXPECT_EQ(dir.Size("keycfg.dat"), 60);
  EXPECT_EQ(dir.Size("palette.dat"), 54);

  // 36 keys in the two sections, as the profile functions see them.
  char names[4096];
  int keys = 0;
  for (const char* section : {"ぬべら", "ぬべらパレット"}) {
    const DWORD n = GetPrivateProfileStringA(section, nullptr, "", names, sizeof names,
                                             dir.Path("velun.ini").c_str());
    for (const char* k = names; k < names + n && *k; k += std::strlen(k) + 1) ++keys;
  }
  EXPECT_EQ(keys, 36);
  EXPECT_EQ(Ini("ぬべら", "Threshold-Text"), "428");
  EXPECT_EQ(Ini("ぬべら", "SpuitFormat"), "#%rx%gx%bx");
  EXPECT_EQ(Ini("ぬべらパレット", "CY"), "400");
  EXPECT_EQ(Ini("ぬべら", "ForceUpdateAfterDrag"), "<missing>");
}

TEST_F(SettingsStoreTest, HandEditedFilesLoadAsTheyStandAndSurviveASave) {
  SetIni("ぬべら", "CursorMarginX", "abc");
  SetIni("ぬべら", "ZoomLevel", "99");
  SetIni("ぬべら", "SpuitFormat", "");
  SetIni("ぬべら", "ForceUpdateAfterDrag", "1");
  dir.Write("pickfmt.dat", "");
  dir.Write("keycfg.dat", std::string("\x41\0\0\0\x01\0\0\0\0\0\0\0\x42\0\0\0\0\0\x01\0\0\0\0\0", 24));
  LoadSettingsIn(dir.path());
  EXPECT_EQ(settings.CursorMarginX, 0);
  EXPECT_EQ(settings.ZoomLevel, 99);
  EXPECT_STREQ(settings.SpuitFormat, "");
  EXPECT_EQ(settings.ForceUpdateAfterDrag, 1);
  EXPECT_STREQ(pickerFormat, "");
  EXPECT_EQ(keyBinds[kSlotSpuit], Bind('A', 1));
  EXPECT_EQ(keyBinds[kSlotLock], Bind('B', 0, 0, 1));
  EXPECT_EQ(keyBinds[kSlotShowPicker], KeyBind{});
  EXPECT_EQ(keyBinds[kSlotZoom], KeyBind{});
  EXPECT_EQ(keyBinds[kSlotPalette], KeyBind{});

  SaveSettingsIn(dir.path());
  EXPECT_EQ(Ini("ぬべら", "CursorMarginX"), "0");
  EXPECT_EQ(Ini("ぬべら", "ZoomLevel"), "99");
  EXPECT_EQ(Ini("ぬべら", "SpuitFormat"), "");
  EXPECT_EQ(Ini("ぬべら", "ForceUpdateAfterDrag"), "1");
  EXPECT_EQ(dir.Size("pickfmt.dat"), 0);
  EXPECT_EQ(dir.Size("keycfg.dat"), 60);
  LoadSettingsIn(dir.path());
  EXPECT_EQ(keyBinds[kSlotLock], Bind('B', 0, 0, 1));
  EXPECT_EQ(settings.ForceUpdateAfterDrag, 1);
}

TEST_F(SettingsStoreTest, AFileThatCannotBeCreatedGivesOneMessageBox) {
  LoadSettingsIn(dir.path());
  // A folder where range.dat and keycfg.dat belong: neither can be written.
  ASSERT_TRUE(CreateDirectoryA(dir.Path("range.dat").c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryA(dir.Path("keycfg.dat").c_str(), nullptr));
  MessageBoxCatcher boxes;
  SaveSettingsIn(dir.path());
  ASSERT_EQ(boxes.boxes().size(), 1u);
  EXPECT_EQ(boxes.boxes()[0].text, "設定の保存に失敗しました");
  EXPECT_EQ(boxes.boxes()[0].caption, "ぬべら");
  EXPECT_EQ(boxes.boxes()[0].owner, nullptr);
  // The other steps ran all the same.
  EXPECT_EQ(dir.Size("pickfmt.dat"), 47);
  EXPECT_EQ(dir.Size("palette.dat"), 54);
  EXPECT_EQ(Ini("ぬべら", "ShowPicker"), "1");
}

// A save that cannot write a file whole keeps the old file byte for byte
// and says so once: a data file, and velun.ini, whose new version must
// start as a copy of the hand-edited old one (a directory stands where the
// new version would go, as a full disk would stop it).
TEST_F(SettingsStoreTest, AFailedSaveKeepsTheOldFile) {
  const std::string range("\x02\0\0\0\x01\0\0\0\x03\0\0\0\x07\0\0\0", 16);
  const std::string ini = "; mine\r\n[ぬべら]\r\nCursorMarginX=33\r\n[mine]\r\nnote=kept\r\n";
  for (const char* blocked : {"range.dat", "velun.ini"}) {
    dir.Write("range.dat", range);
    dir.Write("velun.ini", ini);
    LoadSettingsIn(dir.path());
    ASSERT_EQ(rangeCount, 2);
    ASSERT_TRUE(CreateDirectoryA(dir.Path((std::string(blocked) + ".new").c_str()).c_str(), nullptr));
    settings.CursorMarginX = 44;
    rangeIndex = 0;
    MessageBoxCatcher boxes;
    SaveSettingsIn(dir.path());
    EXPECT_EQ(boxes.boxes().size(), 1u) << blocked;
    EXPECT_EQ(dir.Read(blocked), std::string(blocked) == "range.dat" ? range : ini) << blocked;
    RemoveDirectoryA(dir.Path((std::string(blocked) + ".new").c_str()).c_str());
  }
}

TEST_F(SettingsStoreTest, PaletteWindowPlacementIsSavedFromItsNormalRectangle) {
  LoadSettingsIn(dir.path());
  HWND palette = CreateWindowExA(0, "STATIC", "palette", WS_OVERLAPPEDWINDOW, 100, 50, 300, 500,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(palette, nullptr);
  ShowWindow(palette, SW_SHOWMINNOACTIVE);
  SetPlacementWindow(palette);
  SaveSettingsIn(dir.path());
  SetPlacementWindow(nullptr);
  DestroyWindow(palette);
  EXPECT_EQ(Ini("ぬべらパレット", "X"), "100");
  EXPECT_EQ(Ini("ぬべらパレット", "Y"), "50");
  EXPECT_EQ(Ini("ぬべらパレット", "CX"), "300");
  EXPECT_EQ(Ini("ぬべらパレット", "CY"), "500");
  EXPECT_EQ(settings.X, 80) << "the variables are not updated";
}

}  // namespace

namespace {

TEST_F(SettingsStoreTest, AStartRemovesWhatACutSaveLeftBehindAndKeepsForeignKeys) {
  dir.Write("range.dat.new", "cut");
  dir.Write("velun.ini.new", "[ぬべら]\r\nCursorMarg");
  SetIni("ぬべら", "CursorMarginX", "33");
  SetIni("mine", "note", "kept");
  LoadSettingsIn(dir.path());
  EXPECT_EQ(dir.Size("range.dat.new"), -1);
  EXPECT_EQ(dir.Size("velun.ini.new"), -1);
  EXPECT_EQ(settings.CursorMarginX, 33);
  SaveSettingsIn(dir.path());
  EXPECT_EQ(Ini("mine", "note"), "kept") << "a save replaces the file but keeps keys not its own";
  EXPECT_EQ(Ini("ぬべら", "CursorMarginX"), "33");
  EXPECT_EQ(dir.Size("velun.ini.new"), -1);
  // The profile reads what was last saved, also after the file was replaced.
  settings.CursorMarginX = 44;
  SaveSettingsIn(dir.path());
  EXPECT_EQ(Ini("ぬべら", "CursorMarginX"), "44");
  LoadSettingsIn(dir.path());
  EXPECT_EQ(settings.CursorMarginX, 44);
}

// A handle whose size cannot be had (a pipe) is read as nothing, not as a
// 16 MiB buffer of zeros.
// The store reads each section once, whole; every value must still read
// as the profile functions read it one key at a time.
TEST_F(SettingsStoreTest, ASectionReadWholeReadsAsTheProfileFunctions) {
  const char ini[] =
      "; a comment\r\n[Picker]\r\nplain=12\r\n  Spaced  =  a b  \r\nQuoted=\"x y\"\r\nsingle='z'\r\n"
      "half=\"open\r\nlone=\"\r\nmixed=\"a'\r\nempty=\r\nbare\r\nDup=first\r\ndup=second\r\n"
      "kanji=\x8a\xbf\x8e\x9a%r\r\n[picker]\r\nplain=again\r\n[Other]\r\nplain=other\r\n";
  FILE* f = std::fopen(dir.Path("velun.ini").c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fwrite(ini, 1, sizeof ini - 1, f);
  std::fclose(f);
  FileStore store(Widen(dir.Path("")));
  for (const char* key : {"plain", "PLAIN", "spaced", "quoted", "single", "half", "lone", "mixed", "empty", "bare",
                          "dup", "kanji", "missing"}) {
    char expected[260] = {};
    GetPrivateProfileStringA("picker", key, "<fallback>", expected, sizeof expected, dir.Path("velun.ini").c_str());
    EXPECT_EQ(store.ReadProfile("picker", key, "<fallback>"), expected) << key;
  }
  EXPECT_EQ(store.ReadProfile("other", "plain", ""), "other");
  EXPECT_EQ(store.ReadProfile("none", "plain", "<fallback>"), "<fallback>");
}

TEST(ReadWholeFile, NoSizeNoBytes) {
  HANDLE read = nullptr, write = nullptr;
  ASSERT_TRUE(CreatePipe(&read, &write, nullptr, 0));
  DWORD written = 0;
  WriteFile(write, "abc", 3, &written, nullptr);
  LARGE_INTEGER size = {};
  ASSERT_FALSE(GetFileSizeEx(read, &size)) << "the test needs a handle without a size";
  EXPECT_FALSE(ReadWholeFile(read).has_value());
  CloseHandle(read);
  CloseHandle(write);
  TempDir dir;  // and a handle that has a size but may not read
  dir.Write("a.dat", "abc");
  HANDLE writeOnly = CreateFileA(dir.Path("a.dat").c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  EXPECT_FALSE(ReadWholeFile(writeOnly).has_value());
  CloseHandle(writeOnly);
}

}  // namespace

namespace {

// A folder whose name holds characters outside the ANSI code page, as a
// user name in Hangul does under a Japanese system: the settings are saved
// there and read back, and the files hold Shift-JIS as everywhere else.
TEST_F(SettingsStoreTest, AFolderNameOutsideTheCodePageKeepsTheSettings) {
  const std::wstring folder = Widen(dir.path()) + L"\uBBFC\uC218\\";  // 민수
  ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
  LoadSettingsIn(folder);
  settings.CursorMarginX = 33;
  std::strcpy(settings.SpuitFormat, "色 #%rx%gx%bx");
  {
    MessageBoxCatcher boxes;
    SaveSettingsIn(folder);
    EXPECT_TRUE(boxes.boxes().empty()) << boxes.boxes()[0].text;
  }
  settings = Settings{};
  LoadSettingsIn(folder);
  EXPECT_EQ(settings.CursorMarginX, 33);
  EXPECT_STREQ(settings.SpuitFormat, "色 #%rx%gx%bx");

  std::string ini;
  HANDLE file = CreateFileW((folder + L"velun.ini").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    if (auto bytes = ReadWholeFile(file)) ini.assign(bytes->begin(), bytes->end());
    CloseHandle(file);
  }
  EXPECT_NE(ini.find("[ぬべら]\r\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("SpuitFormat=色 #%rx%gx%bx\r\n"), std::string::npos);
  for (const wchar_t* name : {L"velun.ini", L"pickfmt.dat", L"range.dat", L"keycfg.dat", L"palette.dat"})
    DeleteFileW((folder + name).c_str());
  EXPECT_TRUE(RemoveDirectoryW(folder.c_str())) << "a file the test did not expect is left";
}

}  // namespace
