#include "velun_process.h"

#include <commctrl.h>
#include <tlhelp32.h>

#include <cstdlib>

#include "common/process_windows.h"
#include "resources/wide_text.h"

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

VelunProcess::VelunProcess(const char* core, const char* program, const char* lang) : lang_(lang) {
  const std::string here = HereDir();
  for (const char* name : {"velun.exe", "lumet.dll"})
    CopyFileA((here + "program\\" + name).c_str(), dir_.Path(name).c_str(), FALSE);
  CopyFileA((here + "program\\" + program).c_str(), dir_.Path("velun.exe").c_str(), FALSE);  // the build asked for
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

// Wine takes a program's code pages from the Unix locale it was started in, which a Windows
// process hands on unchanged: so the start goes through the Unix side.
PROCESS_INFORMATION VelunProcess::LaunchInLocale() {
  PROCESS_INFORMATION pi = {}, unix = {};
  const char* wine = std::getenv("WINE");
  const std::string path = dir_.Path("velun.exe");
  std::string command = "Z:\\usr\\bin\\env LANG=" + lang_ + " " + (wine ? wine : "wine") + " \"" + path + "\"";
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, dir_.path().c_str(), &si, &unix))
    return pi;
  CloseHandle(unix.hThread);
  CloseHandle(unix.hProcess);
  // The end-to-end tests run one velun at a time: its main window names its process.
  HWND main = nullptr;
  WaitUntil([&] { return (main = FindWindowA("zq_velun", nullptr)) != nullptr; }, 20000);
  DWORD pid = 0;
  if (GetWindowThreadProcessId(main, &pid) != 0) pi = {OpenProcess(PROCESS_ALL_ACCESS, FALSE, pid), nullptr, pid, 0};
  return pi;
}

bool VelunProcess::Start() {
  if (process_ != nullptr) CloseHandle(process_);  // the one before has ended
  process_ = nullptr;
  const PROCESS_INFORMATION pi = lang_.empty() ? Launch() : LaunchInLocale();
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

// kernel32 lies at the same address in every process of one kind.
UINT VelunProcess::CodePage() const {
  const auto getAcp = reinterpret_cast<LPTHREAD_START_ROUTINE>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetACP")));
  HANDLE thread = CreateRemoteThread(process_, nullptr, 0, getAcp, nullptr, 0, nullptr);
  DWORD code = 0;
  if (WaitForSingleObject(thread, 5000) == WAIT_OBJECT_0) GetExitCodeThread(thread, &code);
  CloseHandle(thread);
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

// A tab item's text lands past the item that points to it.
std::wstring RemoteTextOf(HWND control, UINT message, WPARAM index) {
  DWORD pid = 0;
  GetWindowThreadProcessId(control, &pid);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (process == nullptr) return L"<no process>";
  std::wstring text = L"<unreadable>";
  if (auto* remote = static_cast<char*>(VirtualAllocEx(process, nullptr, 2048, MEM_COMMIT, PAGE_READWRITE))) {
    char* at = message == TCM_GETITEMW ? remote + 256 : remote;
    TCITEMW item = {TCIF_TEXT, 0, 0, reinterpret_cast<wchar_t*>(at), 512, 0, 0};
    if (at != remote) WriteProcessMemory(process, remote, &item, sizeof item, nullptr);
    wchar_t local[512] = {};
    SendMessageW(control, message, index, reinterpret_cast<LPARAM>(remote));
    if (ReadProcessMemory(process, at, local, sizeof local - sizeof(wchar_t), nullptr)) text = local;
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  }
  CloseHandle(process);
  return text;
}

std::string StatusTextOf(HWND bar, int part) { return Narrow(RemoteTextOf(bar, SB_GETTEXTW, part)); }
