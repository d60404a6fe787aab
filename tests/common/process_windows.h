// The top-level windows of another process, found by class: what the
// end-to-end tests and the benchmarks that start velun look for.
#pragma once

#include <windows.h>

#include <vector>

namespace process_windows {
struct Search {
  DWORD pid;
  const char* className;
  bool visibleOnly;
  std::vector<HWND> found;
};

inline BOOL CALLBACK Collect(HWND hwnd, LPARAM lParam) {
  auto* s = reinterpret_cast<Search*>(lParam);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  char cls[64] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  if (pid == s->pid && lstrcmpA(cls, s->className) == 0 && (!s->visibleOnly || IsWindowVisible(hwnd)))
    s->found.push_back(hwnd);
  return TRUE;
}
}  // namespace process_windows

// Every top-level window of class className that process pid owns.
inline std::vector<HWND> TopWindowsOf(DWORD pid, const char* className, bool visibleOnly) {
  process_windows::Search s = {pid, className, visibleOnly, {}};
  EnumWindows(process_windows::Collect, reinterpret_cast<LPARAM>(&s));
  return s.found;
}
