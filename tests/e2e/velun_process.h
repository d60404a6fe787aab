// The real velun.exe, started as a user would start it, from a fresh folder
// that holds the program and its two libraries.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "temp_dir.h"
#include "test_window.h"

class VelunProcess {
 public:
  // core: the folder whose VELUN.DLL is used; program: the build started as velun.exe; lang: its LANG.
  explicit VelunProcess(const char* core = "program", const char* program = "velun.exe", const char* lang = "");
  ~VelunProcess();
  VelunProcess(const VelunProcess&) = delete;
  VelunProcess& operator=(const VelunProcess&) = delete;

  bool Start();                  // one more start from the same folder
  // Ends it at once, as a crash or a power cut would: nothing runs after.
  void Kill();
  DWORD pid() const { return pid_; }
  const TempDir& dir() const { return dir_; }
  // Its top-level window of class name, or null.
  HWND Window(const char* className) const;
  DWORD MainThread() const;
  // The exit code once it ended within ms, else STILL_ACTIVE.
  DWORD WaitForExit(DWORD ms);
  // Waits until the program has handled its input and waits for more.
  void WaitIdle(DWORD ms = 3000) const { WaitForInputIdle(process_, ms); }
  // Runs a second instance to its end and returns its exit code.
  DWORD RunAgain();
  // The ANSI code page the running program got (GetACP in it), or 0.
  UINT CodePage() const;

 private:
  PROCESS_INFORMATION Launch();
  PROCESS_INFORMATION LaunchInLocale();
  TempDir dir_;
  HANDLE process_ = nullptr;
  std::string lang_;
  DWORD pid_ = 0;
};


// Visible top-level windows of a class that belong to process pid.
std::vector<HWND> WindowsOf(DWORD pid, const char* className);

// A text another process's control writes into its memory (SB_GETTEXTW, TCM_GETITEMW), read back.
std::wstring RemoteTextOf(HWND control, UINT message, WPARAM index);
// A status bar's part, in Shift-JIS.
std::string StatusTextOf(HWND bar, int part);
