#include "velun_process.h"

#include <tlhelp32.h>

#include "common/process_windows.h"

namespace {

std::string HereDir() {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string s = path;
  return s.substr(0, s.find_last_of('\\') + 1);
}


}  // namespace

std::vector<HWND> WindowsOf(DWORD pid, const char* className) {
  return TopWindowsOf(pid, className, true);
}

VelunProcess::VelunProcess(const char* core) {
  const std::string here = HereDir();
  for (const char* name : {"velun.exe", "lumet.dll"})
    CopyFileA((here + "program\\" + name).c_str(), dir_.Path(name).c_str(), FALSE);
  CopyFileA((here + core + "\\VELUN.DLL").c_str(), dir_.Path("VELUN.DLL").c_str(), FALSE);
}

VelunProcess::~VelunProcess() {
  if (process_ == nullptr) return;
  if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, 5000);
  }
  CloseHandle(process_);
}

PROCESS_INFORMATION VelunProcess::Launch() {
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  std::string command = "\"";
  command += dir_.Path("velun.exe");
  command += '"';
  CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, dir_.path().c_str(), &si, &pi);
  return pi;
}

bool VelunProcess::Start() {
  if (process_ != nullptr) CloseHandle(process_);  // the one before has ended
  process_ = nullptr;
  const PROCESS_INFORMATION pi = Launch();
  if (pi.hProcess == nullptr) return false;
  CloseHandle(pi.hThread);
  process_ = pi.hProcess;
  pid_ = pi.dwProcessId;
  return true;
}

void VelunProcess::Kill() {
  if (process_ == nullptr) return;
  TerminateProcess(process_, 9);
  WaitForSingleObject(process_, 10000);
}

DWORD VelunProcess::RunAgain() {
  const PROCESS_INFORMATION pi = Launch();
  if (pi.hProcess == nullptr) return static_cast<DWORD>(-2);
  CloseHandle(pi.hThread);
  DWORD code = STILL_ACTIVE;
  if (WaitForSingleObject(pi.hProcess, 10000) == WAIT_OBJECT_0) GetExitCodeProcess(pi.hProcess, &code);
  else TerminateProcess(pi.hProcess, 1);
  CloseHandle(pi.hProcess);
  return code;
}

HWND VelunProcess::Window(const char* className) const {
  const std::vector<HWND> found = TopWindowsOf(pid_, className, false);
  return found.empty() ? nullptr : found.front();
}

DWORD VelunProcess::MainThread() const {
  HWND main = Window("zq_velun");
  return main != nullptr ? GetWindowThreadProcessId(main, nullptr) : 0;
}

DWORD VelunProcess::WaitForExit(DWORD ms) {
  DWORD code = STILL_ACTIVE;
  if (process_ != nullptr && WaitForSingleObject(process_, ms) == WAIT_OBJECT_0)
    GetExitCodeProcess(process_, &code);
  return code;
}

std::string StatusTextOf(HWND bar, int part) {
  DWORD pid = 0;
  GetWindowThreadProcessId(bar, &pid);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (process == nullptr) return "<no process>";
  std::string text = "<unreadable>";
  if (void* remote = VirtualAllocEx(process, nullptr, 512, MEM_COMMIT, PAGE_READWRITE)) {
    char local[512] = {};
    SendMessageA(bar, 0x0402 /* SB_GETTEXTA */, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(remote));
    if (ReadProcessMemory(process, remote, local, sizeof local - 1, nullptr)) text = local;
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  }
  CloseHandle(process);
  return text;
}
