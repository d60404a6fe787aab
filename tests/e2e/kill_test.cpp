// velun ended at any moment while it saves (a crash, a power cut): every
// file stays whole, the old version or the new one, and the next start
// reads it. 25 kills here; VELUN_KILLS asks for more (scripts/soak.sh: 200).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "resources/messages.h"
#include "resources/resource.h"
#include "test_window.h"
#include "velun_process.h"

namespace {

constexpr UINT kExitCommand = CMD_EXIT;
constexpr UINT kApply = IDC_APPLY;
const char* const kFiles[] = {"velun.ini", "pickfmt.dat", "palette.dat", "range.dat", "keycfg.dat"};

std::string Le32(std::int32_t v) {
  std::string s;
  for (int i = 0; i < 4; ++i) s += static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xFF);
  return s;
}

std::string Ints(std::initializer_list<std::int32_t> values) {
  std::string s;
  for (std::int32_t v : values) s += Le32(v);
  return s;
}

// Settings and palettes that are not the defaults.
void WriteUserFiles(const TempDir& dir) {
  const std::string ini = dir.Path("velun.ini");
  WritePrivateProfileStringA("ぬべら", "CursorMarginX", "33", ini.c_str());
  WritePrivateProfileStringA("ぬべら", "SpuitFormat", "RGB( %rr, %gg, %bb)", ini.c_str());
  WritePrivateProfileStringA("ぬべら", "ZoomLevel", "12", ini.c_str());
  WritePrivateProfileStringA("ぬべらパレット", "Notation", "0", ini.c_str());
  dir.Write("pickfmt.dat", "色 %rx%gx%bx\r\n%sx,%sy");
  dir.Write("range.dat", Ints({4, 2, 1, 3, 7, 9}));
  std::string keys(60, '\0');
  keys[0] = 'S';
  keys[5] = 1;  // ctrl + S spuits
  dir.Write("keycfg.dat", keys);
  dir.Write("palette.dat", std::string("VP120", 6) + Ints({3, 10, 10, 0, 20, 1, 0xFF, 0xFF00, 0xFF0000}) +
                               Ints({2, 200, 200, 32, 20, 1, 0x123456, 0x654321}));
}

int KillsAsked() {
  const char* asked = std::getenv("VELUN_KILLS");
  return asked != nullptr ? std::atoi(asked) : 25;
}

bool Ready(VelunProcess& velun) {
  return WaitUntil([&] { return velun.Window("zq_velun_picker") != nullptr && velun.Window("zq_velun") != nullptr; },
                   10000);
}

TEST(KillDuringSave, EveryFileStaysWholeAndLoadsAgain) {
  VelunProcess velun;
  WriteUserFiles(velun.dir());
  // A clean run first: the files as velun writes them are the versions a
  // killed save may leave, old or new (the values do not change).
  ASSERT_TRUE(velun.Start());
  ASSERT_TRUE(Ready(velun));
  PostMessageA(velun.Window("zq_velun"), WM_COMMAND, kExitCommand, 0);
  ASSERT_EQ(velun.WaitForExit(10000), 0u);
  std::string expected[5];
  for (int f = 0; f < 5; ++f) expected[f] = velun.dir().Read(kFiles[f]);
  ASSERT_NE(expected[0].find("CursorMarginX=33"), std::string::npos);
  ASSERT_EQ(expected[3], Ints({4, 2, 1, 3, 7, 9}));

  std::mt19937 random(12345);
  const int kills = KillsAsked();
  int killedWhileSaving = 0;
  for (int k = 0; k < kills; ++k) {
    ASSERT_TRUE(velun.Start());
    ASSERT_TRUE(Ready(velun)) << "start " << k;
    HWND main = velun.Window("zq_velun");
    // Saves, one after another: at Windows' end of session, and on 更新
    // with the settings open (every other round).
    const bool apply = k % 2 == 1;
    if (apply) PostMessageA(main, UM_OPENSETTINGS, 0, 0);
    const DWORD until = GetTickCount() + std::uniform_int_distribution<DWORD>(20, 400)(random);
    while (GetTickCount() < until) {
      PostMessageA(main, apply ? WM_COMMAND : WM_ENDSESSION, apply ? kApply : TRUE, 0);
      Sleep(std::uniform_int_distribution<DWORD>(0, 15)(random));
    }
    bool saving = false;
    for (const char* f : kFiles) saving = saving || velun.dir().Size((std::string(f) + ".new").c_str()) >= 0;
    killedWhileSaving += saving;
    velun.Kill();
    for (int f = 0; f < 5; ++f)
      ASSERT_EQ(velun.dir().Read(kFiles[f]), expected[f]) << kFiles[f] << " after kill " << k;
  }
  std::printf("%d kills, %d of them with a save under way\n", kills, killedWhileSaving);

  // The next start cleans up what the cut saves left and reads the values.
  ASSERT_TRUE(velun.Start());
  ASSERT_TRUE(Ready(velun));
  for (const char* f : kFiles) EXPECT_EQ(velun.dir().Size((std::string(f) + ".new").c_str()), -1) << f;
  PostMessageA(velun.Window("zq_velun"), WM_COMMAND, kExitCommand, 0);
  ASSERT_EQ(velun.WaitForExit(10000), 0u);
  for (int f = 0; f < 5; ++f) EXPECT_EQ(velun.dir().Read(kFiles[f]), expected[f]) << kFiles[f];
}

}  // namespace
