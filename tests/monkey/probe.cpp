// Asks velun whether it answers: WM_NULL within 2 s. Prints its windows,
// GDI objects, working set, any message box or file dialog it shows, where
// its open menus are, where the settings' 閉じる button is while they are
// open, and which mouse buttons the system holds down. Non-zero when gone
// or hung.
#include <windows.h>
#include <psapi.h>
#include <winternl.h>

#include <cstdio>
#include <cstdlib>
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
  const bool dialog = lstrcmpW(cls, L"#32770") == 0 && IsWindowVisible(w);
  if (dialog && GetDlgItem(w, 1136) != nullptr) {  // cmb1, the file types
    std::printf("filedlg %s\n", Utf8(w).c_str());
  } else if (dialog && !FindWindowExW(w, nullptr, L"SysTabControl32", nullptr)) {
    std::printf("box %s |", Utf8(w).c_str());
    EnumChildWindows(w, Static, 0);
    std::printf("\n");
  }
  return TRUE;
}
// Windows answers GetGuiResources; Wine answers 0 there, but keeps each
// process's GDI handle table where the process's PEB points, as Windows
// did: 65536 entries of 24 bytes, type 0 when free.
long GdiObjects(HANDLE process) {
  const DWORD windows = GetGuiResources(process, GR_GDIOBJECTS);
  if (windows != 0) return static_cast<long>(windows);
  using QueryFn = NTSTATUS(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
  const auto query = reinterpret_cast<QueryFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
  PROCESS_BASIC_INFORMATION basic = {};
  if (query == nullptr || query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) return -1;
  const auto peb = reinterpret_cast<const char*>(basic.PebBaseAddress);
  void* table = nullptr;
  const SIZE_T at = sizeof(void*) == 4 ? 0x94 : 0xF8;  // PEB.GdiSharedHandleTable
  if (!ReadProcessMemory(process, peb + at, &table, sizeof table, nullptr) || table == nullptr) return -1;
  constexpr int kEntries = 65536, kEntry = 24, kType = 14;
  std::string entries(static_cast<size_t>(kEntries) * kEntry, '\0');
  if (!ReadProcessMemory(process, table, entries.data(), entries.size(), nullptr)) return -1;
  long used = 0;
  for (int i = 0; i < kEntries; ++i) used += entries[static_cast<size_t>(i) * kEntry + kType] != 0;
  return used;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) {  // a GDI count of any process: how the count itself is checked
    HANDLE h = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, std::strtoul(argv[1], nullptr, 10));
    return std::printf("gdi %ld\n", h ? GdiObjects(h) : -1L), 0;
  }
  HWND main = FindWindowW(L"zq_velun", nullptr);
  if (!main) return std::printf("gone\n"), 1;
  DWORD_PTR r;
  if (!SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &r)) return std::printf("hung\n"), 2;
  GetWindowThreadProcessId(main, &pid);
  EnumWindows(Top, 0);
  PROCESS_MEMORY_COUNTERS m = {};
  m.cb = sizeof m;
  HANDLE h = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
  long gdi = -1;
  if (h) GetProcessMemoryInfo(h, &m, sizeof m), gdi = GdiObjects(h), CloseHandle(h);
  std::printf("windows %d ws %lu gdi %ld\n", windows, static_cast<unsigned long>(m.WorkingSetSize), gdi);
  // The palette window, whether it has the keys, and its X window (Wine
  // keeps it as a property); the control with the keys' focus; whether a
  // menu bar is active.
  HWND palette = FindWindowW(L"zq_velun_palette", nullptr);
  GUITHREADINFO gui = {};
  gui.cbSize = sizeof gui;
  GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &gui);
  const bool keys = palette && GetForegroundWindow() == palette && (gui.hwndFocus == palette || IsChild(palette, gui.hwndFocus));
  std::printf("palette %d %d %lu\nfocus %d\nmenumode %d\n", palette && IsWindowVisible(palette), keys,
              palette ? static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(GetPropW(palette, L"__wine_x11_whole_window"))) : 0,
              gui.hwndFocus ? GetDlgCtrlID(gui.hwndFocus) : 0, (gui.flags & GUI_INMENUMODE) != 0);
  std::printf("buttons %d %d\n", (GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0, (GetAsyncKeyState(VK_RBUTTON) & 0x8000) != 0);
  RECT at;
  if (IsWindowVisible(main) && GetWindowRect(GetDlgItem(main, 1003), &at))  // IDC_CLOSE
    std::printf("close %ld %ld\n", (at.left + at.right) / 2, (at.top + at.bottom) / 2);
  return 0;
}
