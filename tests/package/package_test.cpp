// The installer as a user runs it, silently (/S), under Wine: where it puts
// the program, what it registers, and that it ends a running velun and
// never takes the user's settings. The packages come from
// cmake --build --preset win32 --target package (out/).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/resource.h"
#include "temp_dir.h"
#include "velun_process.h"

#ifndef VELUN_OUT_DIR
#error "VELUN_OUT_DIR names the folder of the packages"
#endif

namespace {

const char* const kSettingsFiles[] = {"velun.ini", "pickfmt.dat", "palette.dat", "range.dat", "keycfg.dat"};
const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\velun";
const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::string Expand(const char* text) {
  char path[MAX_PATH] = {};
  ExpandEnvironmentStringsA(text, path, MAX_PATH);
  return path;
}

std::string InstallDir() { return Expand("%LOCALAPPDATA%\\Programs\\velun\\"); }
std::string Shortcut() { return Expand("%APPDATA%\\Microsoft\\Windows\\Start Menu\\Programs\\ぬべら\\ぬべら.lnk"); }
bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

DWORD RunToEnd(const std::string& command, DWORD ms = 60000) {
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  std::string line = command;
  if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return 9999;
  DWORD code = STILL_ACTIVE;
  if (WaitForSingleObject(pi.hProcess, ms) == WAIT_OBJECT_0) GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return code;
}

std::string SetupCommand() { return std::string("\"") + VELUN_OUT_DIR + "\\velun-1.2.0-setup.exe\" /S"; }

std::string RegValue(const char* key, const char* name) {
  char value[512] = {};
  DWORD size = sizeof value;
  if (RegGetValueA(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
    return "<missing>";
  return value;
}

bool KeyExists(const char* key) {
  HKEY k;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
  RegCloseKey(k);
  return true;
}

// The installed velun, started from its folder as the shortcut does.
PROCESS_INFORMATION StartInstalled() {
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  std::string line = InstallDir();
  line.insert(0, 1, '"');
  line += "velun.exe\"";
  CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, InstallDir().c_str(), &si, &pi);
  CloseHandle(pi.hThread);
  return pi;
}

class InstallerTest : public ::testing::Test {
 protected:
  void SetUp() override { Clean(); }
  void TearDown() override { Clean(); }
  // No installation from an earlier test.
  static void Clean() {
    HWND running = FindWindowA("zq_velun", nullptr);
    if (running != nullptr) SendMessageTimeoutA(running, WM_COMMAND, CMD_EXIT, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
    const std::string dir = InstallDir();
    for (const char* f : {"velun.exe", "lumet.dll", "VELUN.DLL", "README.txt", "uninstall.exe"})
      DeleteFileA((dir + f).c_str());
    for (const char* f : kSettingsFiles) DeleteFileA((dir + f).c_str());
    DeleteFileA((dir + "velun.ini.new").c_str());
    RemoveDirectoryA(dir.c_str());
    RegDeleteKeyValueA(HKEY_CURRENT_USER, kRunKey, "velun");
    DeleteFileA(Shortcut().c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, kUninstallKey);
  }
};

TEST_F(InstallerTest, ASilentInstallIsForTheUserAlone) {
  ASSERT_EQ(RunToEnd(SetupCommand()), 0u);
  const std::string dir = InstallDir();
  for (const char* f : {"velun.exe", "lumet.dll", "VELUN.DLL", "README.txt", "uninstall.exe"})
    EXPECT_TRUE(Exists(dir + f)) << f;
  EXPECT_EQ(RegValue(kUninstallKey, "DisplayName"), "ぬべら");
  EXPECT_EQ(RegValue(kUninstallKey, "DisplayVersion"), "1.2.0");
  EXPECT_EQ(RegValue(kUninstallKey, "Publisher"), "velun");
  EXPECT_EQ(RegValue(kUninstallKey, "DisplayIcon"), dir + "velun.exe,0");
  EXPECT_EQ(RegValue(kUninstallKey, "UninstallString"), "\"" + dir + "uninstall.exe\"");
  EXPECT_TRUE(Exists(Shortcut()));
  EXPECT_EQ(RegValue(kRunKey, "velun"), "<missing>")
      << "starting with Windows is off unless chosen";
  for (const char* f : kSettingsFiles) EXPECT_FALSE(Exists(dir + f)) << "nothing of the user's yet: " << f;

  // The installed program runs and keeps its files beside itself.
  PROCESS_INFORMATION velun = StartInstalled();
  ASSERT_NE(velun.hProcess, nullptr);
  ASSERT_TRUE(WaitUntil([] { return FindWindowA("zq_velun_picker", nullptr) != nullptr; }, 10000));
  PostMessageA(FindWindowA("zq_velun", nullptr), WM_COMMAND, CMD_EXIT, 0);
  ASSERT_EQ(WaitForSingleObject(velun.hProcess, 10000), WAIT_OBJECT_0);
  CloseHandle(velun.hProcess);
  for (const char* f : kSettingsFiles) EXPECT_TRUE(Exists(dir + f)) << f;
}

TEST_F(InstallerTest, InstallingAgainEndsARunningVelunAndKeepsItsSettings) {
  ASSERT_EQ(RunToEnd(SetupCommand()), 0u);
  const std::string ini = InstallDir() + "velun.ini";
  WritePrivateProfileStringA("ぬべら", "CursorMarginX", "44", ini.c_str());
  PROCESS_INFORMATION velun = StartInstalled();
  ASSERT_TRUE(WaitUntil([] { return FindWindowA("zq_velun_picker", nullptr) != nullptr; }, 10000));

  // An earlier install chose to start with Windows; this one (silent, the
  // box unticked) does not, so the Run value goes.
  std::string run = InstallDir() + "velun.exe\"";
  run.insert(0, 1, '"');  // built so, GCC 12 sees no false overlap in it
  RegSetKeyValueA(HKEY_CURRENT_USER, kRunKey, "velun", REG_SZ, run.c_str(), static_cast<DWORD>(run.size() + 1));
  ASSERT_EQ(RunToEnd(SetupCommand()), 0u);
  EXPECT_EQ(RegValue(kRunKey, "velun"), "<missing>") << "autostart could not be turned off";
  EXPECT_EQ(WaitForSingleObject(velun.hProcess, 5000), WAIT_OBJECT_0) << "the running velun was not ended";
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(velun.hProcess, &code);
  EXPECT_EQ(code, 0u) << "ended as 終了 ends it";
  CloseHandle(velun.hProcess);
  char value[16] = {};
  GetPrivateProfileStringA("ぬべら", "CursorMarginX", "", value, sizeof value, ini.c_str());
  EXPECT_STREQ(value, "44");
  EXPECT_TRUE(Exists(InstallDir() + "pickfmt.dat")) << "velun saved as it ended";
  EXPECT_TRUE(Exists(InstallDir() + "velun.exe"));
}

TEST_F(InstallerTest, ASilentUninstallLeavesTheSettings) {
  ASSERT_EQ(RunToEnd(SetupCommand()), 0u);
  PROCESS_INFORMATION velun = StartInstalled();
  ASSERT_TRUE(WaitUntil([] { return FindWindowA("zq_velun_picker", nullptr) != nullptr; }, 10000));
  PostMessageA(FindWindowA("zq_velun", nullptr), WM_COMMAND, CMD_EXIT, 0);
  ASSERT_EQ(WaitForSingleObject(velun.hProcess, 10000), WAIT_OBJECT_0);
  CloseHandle(velun.hProcess);

  const std::string dir = InstallDir();
  HANDLE cut = CreateFileA((dir + "velun.ini.new").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  CloseHandle(cut);  // what a save cut short left
  // The uninstaller copies itself away and runs from there: wait for its
  // work, whose last step removes the uninstall key.
  ASSERT_EQ(RunToEnd("\"" + dir + "uninstall.exe\" /S"), 0u);
  EXPECT_TRUE(WaitUntil([&] { return !KeyExists(kUninstallKey); }, 20000));
  for (const char* f : {"velun.exe", "lumet.dll", "VELUN.DLL", "README.txt", "uninstall.exe"})
    EXPECT_FALSE(Exists(dir + f)) << f;
  EXPECT_FALSE(Exists(Shortcut()));
  for (const char* f : kSettingsFiles) EXPECT_TRUE(Exists(dir + f)) << "kept: " << f;
  EXPECT_FALSE(Exists(dir + "velun.ini.new")) << "a cut save's file stays behind";
}

}  // namespace
