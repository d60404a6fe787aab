// Asks velun whether it answers: WM_NULL within 2 s. Prints its windows,
// working set, any message box it shows, where its open menus are, and
// where the settings' 閉じる button is while they are open. Non-zero when gone or hung.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>

namespace {
DWORD pid;
int windows;
std::string Utf8(HWND w) {
  wchar_t text[1024] = {};
  SendMessageTimeoutW(w, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, nullptr);
  char out[4096] = {};
  WideCharToMultiByte(CP_UTF8, 0, text, -1, out, sizeof out, nullptr, nullptr);
  for (char* c = out; *c; ++c)
    if (*c == '\n' || *c == '\r') *c = ' ';
  return out;
}
BOOL CALLBACK Child(HWND, LPARAM) { return ++windows, TRUE; }
BOOL CALLBACK Static(HWND w, LPARAM) {
  wchar_t cls[16];
  GetClassNameW(w, cls, 16);
  if (lstrcmpW(cls, L"Static") == 0) std::printf(" %s", Utf8(w).c_str());
  return TRUE;
}
BOOL CALLBACK Top(HWND w, LPARAM) {
  DWORD p = 0;
  GetWindowThreadProcessId(w, &p);
  if (p != pid) return TRUE;
  ++windows;
  EnumChildWindows(w, Child, 0);
  wchar_t cls[16];
  GetClassNameW(w, cls, 16);
  RECT r;
  if (lstrcmpW(cls, L"#32768") == 0 && IsWindowVisible(w) && GetWindowRect(w, &r))
    std::printf("menu %ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
  if (lstrcmpW(cls, L"#32770") == 0 && IsWindowVisible(w) && !FindWindowExW(w, nullptr, L"SysTabControl32", nullptr)) {
    std::printf("box %s |", Utf8(w).c_str());
    EnumChildWindows(w, Static, 0);
    std::printf("\n");
  }
  return TRUE;
}
}  // namespace

int main() {
  HWND main = FindWindowW(L"zq_velun", nullptr);
  if (!main) return std::printf("gone\n"), 1;
  DWORD_PTR r;
  if (!SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &r)) return std::printf("hung\n"), 2;
  GetWindowThreadProcessId(main, &pid);
  EnumWindows(Top, 0);
  PROCESS_MEMORY_COUNTERS m = {};
  m.cb = sizeof m;
  HANDLE h = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
  if (h) GetProcessMemoryInfo(h, &m, sizeof m), CloseHandle(h);
  std::printf("windows %d ws %lu\n", windows, static_cast<unsigned long>(m.WorkingSetSize));
  HWND close = GetDlgItem(main, 1003);  // IDC_CLOSE
  RECT at;
  if (close != nullptr && IsWindowVisible(main) && GetWindowRect(close, &at))
    std::printf("close %ld %ld\n", (at.left + at.right) / 2, (at.top + at.bottom) / 2);
  return 0;
}
