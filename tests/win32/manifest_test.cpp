// The program's manifest asks for per-monitor DPI awareness: as the built
// velun.exe carries it, and as the loader read it into the activation
// context of a process started with it (this test program holds the same
// resources). Wine gives every process physical coordinates whatever its
// manifest says, so a window's awareness would prove nothing here.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

const wchar_t kSettings2005[] = L"http://schemas.microsoft.com/SMI/2005/WindowsSettings";
const wchar_t kSettings2016[] = L"http://schemas.microsoft.com/SMI/2016/WindowsSettings";

std::string ProgramManifest() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string exe = path;
  exe = exe.substr(0, exe.find_last_of('\\')) + "\\..\\bin\\velun.exe";
  HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (module == nullptr) return "<no " + exe + ">";
  std::string text = "<no manifest>";
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // RT_MANIFEST
  if (found != nullptr)
    text.assign(static_cast<const char*>(LockResource(LoadResource(module, found))), SizeofResource(module, found));
  FreeLibrary(module);
  return text;
}

std::wstring ActivationSetting(const wchar_t* ns, const wchar_t* name) {
  wchar_t value[64] = {};
  SIZE_T written = 0;
  if (!QueryActCtxSettingsW(0, nullptr, ns, name, value, 64, &written)) return L"<none>";
  return value;
}

}  // namespace

TEST(Manifest, AsksForPerMonitorDpiAwareness) {
  const std::string manifest = ProgramManifest();
  EXPECT_NE(manifest.find("<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">"
                          "PerMonitorV2, PerMonitor</dpiAwareness>"),
            std::string::npos)
      << manifest;
  EXPECT_NE(manifest.find("<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm</dpiAware>"),
            std::string::npos);
  EXPECT_EQ(ActivationSetting(kSettings2016, L"dpiAwareness"), L"PerMonitorV2, PerMonitor");
  EXPECT_EQ(ActivationSetting(kSettings2005, L"dpiAware"), L"true/pm");
}
