// The program's manifest asks for per-monitor DPI awareness, as the loader
// read it into the activation context of a process started with it: this
// test program is built from the same resource script as velun.exe, with
// the same dependencies on the manifest. Wine gives every process physical
// coordinates whatever its manifest says, so a window's awareness would
// prove nothing here.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring ActivationSetting(const wchar_t* ns, const wchar_t* name) {
  wchar_t value[64] = {};
  SIZE_T written = 0;
  if (!QueryActCtxSettingsW(0, nullptr, ns, name, value, 64, &written)) return L"<none>";
  return value;
}

}  // namespace

TEST(Manifest, AsksForPerMonitorDpiAwareness) {
  EXPECT_EQ(ActivationSetting(L"http://schemas.microsoft.com/SMI/2016/WindowsSettings", L"dpiAwareness"),
            L"PerMonitorV2, PerMonitor");
  EXPECT_EQ(ActivationSetting(L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", L"dpiAware"), L"true/pm");
}
