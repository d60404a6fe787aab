// velun against its floors, under Wine, from outside as a user's system sees
// it: start-up to input idle and the footprint once settled, against a tray
// program with the same user-interface stack; and a move report to the
// moved and repainted picker, against a window that does only that.
// Run in a folder holding velun.exe with its DLLs, startup_floor.exe and
// move_floor.exe: wine floor_bench.exe [STARTS]
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/process_windows.h"
#include "core/data_files.h"
#include "core/palette_dat.h"
#include "core/palette_model.h"
#include "hookcore/hook_messages.h"
#include "resources/resource.h"
#include "timing.h"

namespace {

constexpr char kVelunClass[] = "zq_velun";
constexpr char kPickerClass[] = "zq_velun_picker";
constexpr char kFloorDialogClass[] = "#32770";
constexpr char kMoveFloorClass[] = "velun_move_floor";
constexpr DWORD kIdleTimeoutMs = 20000;
// Fonts, caches and the tray settle in the first second or two.
constexpr DWORD kSettleMs = 2000;
constexpr int kMoveBlock = 50;
constexpr int kMoveBlocks = 8;
constexpr double kMiB = 1024.0 * 1024.0;

struct Running {
  PROCESS_INFORMATION process = {};
  double idleMs = 0;
};

struct Footprint {
  double workingSet = 0, privateBytes = 0;  // MiB
};

Running Start(const std::string& commandLine) {
  Running run;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  std::string line = commandLine;
  const double t0 = NowMs();
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &run.process)) {
    std::printf("could not start %s (%lu)\n", commandLine.c_str(), GetLastError());
    std::exit(1);
  }
  WaitForInputIdle(run.process.hProcess, kIdleTimeoutMs);
  run.idleMs = NowMs() - t0;
  return run;
}

HWND WindowOf(const Running& run, const char* className) {
  for (int i = 0; i < 100; ++i) {
    const std::vector<HWND> found = TopWindowsOf(run.process.dwProcessId, className, false);
    if (!found.empty()) return found.front();
    Sleep(50);
  }
  return nullptr;
}

// Committed private memory, region by region: Wine's process counters
// leave PrivateUsage at 0, and on Windows the two agree.
double PrivateCommitted(HANDLE process) {
  double bytes = 0;
  MEMORY_BASIC_INFORMATION region;
  for (char* at = nullptr; VirtualQueryEx(process, at, &region, sizeof region) == sizeof region;
       at = static_cast<char*>(region.BaseAddress) + region.RegionSize)
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) bytes += static_cast<double>(region.RegionSize);
  return bytes;
}

Footprint Settled(const Running& run) {
  Sleep(kSettleMs);
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(run.process.hProcess, &counters, sizeof counters);
  return {counters.WorkingSetSize / kMiB, PrivateCommitted(run.process.hProcess) / kMiB};
}

// As its tray menu's 終了 would; a program that does not end is killed.
void Stop(Running& run, const char* exitClass) {
  HWND window = WindowOf(run, exitClass);
  if (window != nullptr) PostMessageA(window, WM_COMMAND, CMD_EXIT, 0);
  if (WaitForSingleObject(run.process.hProcess, 10000) != WAIT_OBJECT_0) {
    std::printf("  (%s did not end: killed)\n", exitClass);
    TerminateProcess(run.process.hProcess, 1);
  }
  CloseHandle(run.process.hThread);
  CloseHandle(run.process.hProcess);
}

struct Figures {
  std::vector<double> idle, workingSet, privateBytes;
};

void StartOnce(const char* commandLine, const char* exitClass, Figures* into) {
  Running run = Start(commandLine);
  const Footprint footprint = Settled(run);
  if (into != nullptr) {
    into->idle.push_back(run.idleMs);
    into->workingSet.push_back(footprint.workingSet);
    into->privateBytes.push_back(footprint.privateBytes);
  }
  Stop(run, exitClass);
}

double Best(const std::vector<double>& v) {
  double best = v.front();
  for (double x : v) best = x < best ? x : best;
  return best;
}

void CompareStarts(int starts) {
  Figures velun, floor;
  StartOnce("velun.exe", kVelunClass, nullptr);  // the disk cache, for both
  StartOnce("startup_floor.exe", kFloorDialogClass, nullptr);
  for (int i = 0; i < starts; ++i) {
    // Alternated, each first in turn, so that a busy moment hits both.
    if (i % 2 == 0) StartOnce("velun.exe", kVelunClass, &velun);
    StartOnce("startup_floor.exe", kFloorDialogClass, &floor);
    if (i % 2 != 0) StartOnce("velun.exe", kVelunClass, &velun);
  }
  std::printf("start-up to input idle, %d alternated starts each (ms): median / best\n", starts);
  std::printf("  floor  %7.1f / %7.1f\n", Median(floor.idle), Best(floor.idle));
  std::printf("  velun  %7.1f / %7.1f\n", Median(velun.idle), Best(velun.idle));
  std::printf("  ratio  %7.2f / %7.2f   (goal: best at most 1.2)\n", Median(velun.idle) / Median(floor.idle),
              Best(velun.idle) / Best(floor.idle));
  std::printf("footprint %.0f s after input idle (MiB, medians): working set / private bytes\n", kSettleMs / 1000.0);
  std::printf("  floor  %7.1f / %7.1f\n", Median(floor.workingSet), Median(floor.privateBytes));
  std::printf("  velun  %7.1f / %7.1f\n", Median(velun.workingSet), Median(velun.privateBytes));
  std::printf("  velun - floor  %+.1f / %+.1f   (goal: working set at most +2)\n",
              Median(velun.workingSet) - Median(floor.workingSet),
              Median(velun.privateBytes) - Median(floor.privateBytes));
}

// Alternating places make every report a real move.
LPARAM MovePlace(int i) { return MAKELPARAM(200 + (i % 2) * 300 + (i % 7), 200 + (i % 3) * 100); }

// The window not measured waits out of the way, or each would expose the
// other and pay for its repaint.
void Park(HWND window) {
  SendMessageA(window, HCN_MOUSEMOVE, 0,
               MAKELPARAM(GetSystemMetrics(SM_CXSCREEN) - 250, GetSystemMetrics(SM_CYSCREEN) - 120));
}

void SendMoves(HWND target, HWND other, int block, std::vector<double>& times) {
  Park(other);
  for (int i = 0; i < kMoveBlock; ++i) {
    const LPARAM at = MovePlace(block * kMoveBlock + i);
    const double t0 = NowMs();
    SendMessageA(target, HCN_MOUSEMOVE, 0, at);
    if (i >= 5) times.push_back(NowMs() - t0);  // the first after a park is a long jump
  }
}

void WriteOrExit(const char* name, const std::vector<std::uint8_t>& bytes) {
  HANDLE file = CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  const bool wrote = file != INVALID_HANDLE_VALUE &&
                     WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                     written == bytes.size();
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  if (!wrote) {
    std::printf("could not write %s\n", name);
    std::exit(1);
  }
}

// With contrast, the picker shows the check of a text against a background
// (a spuited colour in the palette); else its default text.
void CompareMoves(bool contrast) {
  // Two ranges to choose from, as the tray menu offers them.
  const std::int32_t ranges[] = {1, 101};
  WriteOrExit(kRangeFile, EncodeRangeList(ranges, 2, 0));
  if (contrast) {
    const char format[] = "%wr:1 %wg  Lc %ap";
    WriteOrExit("pickfmt.dat", std::vector<std::uint8_t>(format, format + sizeof format - 1));
    SetDefaultPalettes();
    ReallocPalettes();
    AddPaletteColor(0xF0E0D0, kSpuitPalette, 0);
    WriteOrExit("palette.dat", EncodePalettes());
  }

  Running velun = Start("velun.exe");
  HWND picker = WindowOf(velun, kPickerClass);
  HWND main = WindowOf(velun, kVelunClass);
  RECT rect = {};
  GetWindowRect(picker, &rect);
  char line[64];
  std::snprintf(line, sizeof line, "move_floor.exe %ld %ld", rect.right - rect.left, rect.bottom - rect.top);
  Running floor = Start(line);
  HWND floorWindow = WindowOf(floor, kMoveFloorClass);
  Sleep(kSettleMs);
  if (picker == nullptr || main == nullptr || floorWindow == nullptr) {
    std::printf("the picker or the move floor has no window\n");
    std::exit(1);
  }
  std::printf("move report to moved and repainted window, %s, %ld x %ld, median of %d (ms)\n",
              contrast ? "contrast format" : "default format", rect.right - rect.left, rect.bottom - rect.top,
              kMoveBlocks * (kMoveBlock - 5));
  const double goals[] = {1.25, 1.5};
  for (int r = 0; r < 2; ++r) {
    SendMessageA(main, WM_COMMAND, CMD_RANGE_FIRST + r, 0);
    std::vector<double> velunTimes, floorTimes;
    for (int block = 0; block < kMoveBlocks; ++block) {
      SendMoves(picker, floorWindow, block, velunTimes);
      SendMoves(floorWindow, picker, block, floorTimes);
    }
    const double v = Median(velunTimes), f = Median(floorTimes);
    std::printf("  range %-3d  floor %.3f  velun %.3f  ratio %.2f   (goal: at most %.2f)\n", ranges[r], f, v, v / f,
                goals[r]);
  }
  PostMessageA(floorWindow, WM_CLOSE, 0, 0);
  WaitForSingleObject(floor.process.hProcess, 5000);
  CloseHandle(floor.process.hThread);
  CloseHandle(floor.process.hProcess);
  Stop(velun, kVelunClass);
  for (const char* name : {kRangeFile, "pickfmt.dat", "palette.dat"}) DeleteFileA(name);
}

// One start of PROGRAM with Wine's trace of what it loads and prints, the
// timestamps on the tick count that this prints too.
int Trace(const char* program) {
  SetEnvironmentVariableA("WINEDEBUG", "+timestamp,+loaddll,+win");
  std::printf("%lu: CreateProcess %s\n", GetTickCount(), program);
  std::fflush(stdout);
  Running run = Start(program);
  std::printf("%lu: input idle after %.1f ms\n", GetTickCount(), run.idleMs);
  std::fflush(stdout);
  Stop(run, lstrcmpiA(program, "velun.exe") == 0 ? kVelunClass : kFloorDialogClass);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2 && lstrcmpA(argv[1], "--trace") == 0) return Trace(argv[2]);
  const int starts = argc > 1 ? std::atoi(argv[1]) : 7;
  CompareStarts(starts > 0 ? starts : 7);
  CompareMoves(false);
  CompareMoves(true);
  return 0;
}
