// Asks velun whether it answers WM_NULL within 2 s (non-zero when gone or hung), and prints its
// counts, boxes, file dialogs, menus, the settings' 閉じる while open and the palette window's state.
#include <windows.h>
#include <psapi.h>
#include <winternl.h>

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
  for (char* c = out; *c; ++c) *c = *c == '\n' || *c == '\r' ? ' ' : *c;
  return out;
}
bool Is(HWND w, const wchar_t* cls) {
  wchar_t name[32] = {};
  return GetClassNameW(w, name, 32) && lstrcmpW(name, cls) == 0;
}
BOOL CALLBACK Child(HWND w, LPARAM box) {
  ++windows;
  if (box && Is(w, L"Static")) std::printf(" %s", Utf8(w).c_str());
  return TRUE;
}
BOOL CALLBACK Top(HWND w, LPARAM) {
  DWORD p = 0;
  GetWindowThreadProcessId(w, &p);
  if (p != pid) return TRUE;
  ++windows;
  RECT r;
  if (Is(w, L"#32768") && IsWindowVisible(w) && GetWindowRect(w, &r))
    std::printf("menu %ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
  const bool dialog = Is(w, L"#32770") && IsWindowVisible(w);
  const bool file = dialog && GetDlgItem(w, 1136);  // cmb1, the file types
  const bool box = dialog && !file && !FindWindowExW(w, nullptr, L"SysTabControl32", nullptr);
  if (file || box) std::printf("%s %s%s", file ? "filedlg" : "box", Utf8(w).c_str(), box ? " |" : "");
  EnumChildWindows(w, Child, box);
  if (file || box) std::printf("\n");
  return TRUE;
}
// Wine's GetGuiResources answers 0, but its PEB points to the GDI handle table, as Windows' did: 65536
// entries of 24 bytes, type 0 when free. A program with 0, 500 and 2000 brushes read 24, 524 and 2024.
long GdiObjects(HANDLE process) {
  if (const DWORD n = GetGuiResources(process, GR_GDIOBJECTS)) return static_cast<long>(n);
  PROCESS_BASIC_INFORMATION basic = {};
  void* table = nullptr;
  std::string entries(65536 * 24, '\0');
  if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0 ||
      !ReadProcessMemory(process, reinterpret_cast<const char*>(basic.PebBaseAddress) + (sizeof(void*) == 4 ? 0x94 : 0xF8),
                         &table, sizeof table, nullptr) ||  // PEB.GdiSharedHandleTable
      !table || !ReadProcessMemory(process, table, entries.data(), entries.size(), nullptr))
    return -1;
  long used = 0;
  for (size_t i = 14; i < entries.size(); i += 24) used += entries[i] != 0;
  return used;
}
}  // namespace

int main() {
  HWND main = FindWindowW(L"zq_velun", nullptr);
  if (!main) return std::printf("gone\n"), 1;
  if (DWORD_PTR r; !SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &r)) return std::printf("hung\n"), 2;
  GetWindowThreadProcessId(main, &pid);
  EnumWindows(Top, 0);
  PROCESS_MEMORY_COUNTERS m = {};
  m.cb = sizeof m;
  HANDLE h = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
  long gdi = -1;
  if (h) GetProcessMemoryInfo(h, &m, sizeof m), gdi = GdiObjects(h), CloseHandle(h);
  std::printf("windows %d %lu %ld\n", windows, static_cast<unsigned long>(m.WorkingSetSize), gdi);
  // The palette: shown, with the keys, its X window (Wine's property); the focused control; menu mode.
  HWND palette = FindWindowW(L"zq_velun_palette", nullptr);
  GUITHREADINFO gui = {};
  gui.cbSize = sizeof gui;
  GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &gui);
  std::printf("palette %d %d %lu %d %d\n", palette && IsWindowVisible(palette),
              palette && GetForegroundWindow() == palette && (gui.hwndFocus == palette || IsChild(palette, gui.hwndFocus)),
              static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(GetPropW(palette, L"__wine_x11_whole_window"))),
              gui.hwndFocus ? GetDlgCtrlID(gui.hwndFocus) : 0, (gui.flags & GUI_INMENUMODE) != 0);
  RECT at;
  if (IsWindowVisible(main) && GetWindowRect(GetDlgItem(main, 1003), &at))  // IDC_CLOSE
    std::printf("close %ld %ld\n", (at.left + at.right) / 2, (at.top + at.bottom) / 2);
  return 0;
}
