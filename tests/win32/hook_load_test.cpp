// The hook core and the picker under a flood of real mouse moves with the
// collect palette on: every report arrives, the picker ends beside the
// cursor, the hooks still work, and nothing piles up. 10,000 moves here;
// VELUN_LOAD_MOVES asks for more (scripts/soak.sh: 100,000).
#include <windows.h>

#include <psapi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/palette_model.h"
#include "core/settings.h"
#include "gdi_handles.h"
#include "input.h"
#include "picker/picker_state.h"
#include "picker_fixture.h"
#include "shared/palette_link.h"
#include "test_window.h"

namespace {

double Now() {
  LARGE_INTEGER f, t;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&t);
  return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

int MovesAsked() {
  const char* asked = std::getenv("VELUN_LOAD_MOVES");
  return asked != nullptr ? std::atoi(asked) : 10000;
}

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

int WindowsOfThisProcess() {
  int n = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&n));
  EnumThreadWindows(GetWindowThreadProcessId(pickerWindow, nullptr), CountWindow, reinterpret_cast<LPARAM>(&n));
  return n;
}

// The memory the process has committed (Wine leaves PrivateUsage at 0).
SIZE_T CommittedBytes() {
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.PagefileUsage;
}

// A palette window stand-in that only counts what the picker sends it.
int collected = 0;
LRESULT CALLBACK CountingPalette(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == PM_ADDCOLOR) {
    ++collected;
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

using HookLoadTest = PickerFixture;

TEST_F(HookLoadTest, AFloodOfMovesWithTheCollectPaletteOn) {
  PatternWindow screen([](int x, int y) { return static_cast<std::uint32_t>(x ^ (y << 8)); });
  WNDCLASSA wc = {};
  wc.lpfnWndProc = CountingPalette;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "velun_test_counting_palette";
  RegisterClassA(&wc);
  HWND counter = CreateWindowA(wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
  palettes[kCollectPalette].header.enabled = 1;
  StartPicker();
  paletteWindow = counter;
  MoveMouse(100, 100);
  PumpMessages(200);
  collected = 0;
  const int gdiBefore = FreeGdiHandles();  // grows the handle table once, before the figure
  const SIZE_T memoryBefore = CommittedBytes();
  const int windowsBefore = WindowsOfThisProcess();

  // One SendInput a move: it returns once the low-level hook has run, so
  // its longest call bounds the hook's longest run.
  const int moves = MovesAsked();
  std::vector<double> calls;
  calls.reserve(static_cast<std::size_t>(moves));
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  const double start = Now();
  int x = 0, y = 0;
  for (int i = 0; i < moves; ++i) {
    x = 50 + (i * 37) % 700;
    y = 50 + (i * 13) % 500;
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    in.mi.dx = (x * 65536 + w - 1) / w;
    in.mi.dy = (y * 65536 + h - 1) / h;
    const double t0 = Now();
    ASSERT_EQ(SendInput(1, &in, sizeof in), 1u);
    calls.push_back(Now() - t0);
    if (i % 256 == 0) PumpMessages(0);
  }
  const double injected = Now() - start;
  // Every report arrives: the picker posts one colour for each.
  EXPECT_TRUE(WaitUntil([&] { return collected >= moves; }, 120000)) << collected << " of " << moves;
  const double drained = Now() - start;
  // Wine adds a move of its own now and then, to bring its cursor back to
  // the X pointer's place; none of the injected ones is lost.
  EXPECT_LE(collected, moves + moves / 100) << "reports were doubled";
  // The picker follows: it stands beside the last move, once Wine's own
  // pointer is there too.
  PointAt(x, y);
  MoveMouse(x, y);
  EXPECT_TRUE(WaitUntil([&] { return cursorPosition.x == x && cursorPosition.y == y; }))
      << "the picker stands at " << cursorPosition.x << "," << cursorPosition.y;

  std::sort(calls.begin(), calls.end());
  std::printf("%d moves injected in %.0f ms, all handled after %.0f ms; one injection (hook included): "
              "median %.3f ms, 99th percentile %.3f ms, longest %.3f ms\n",
              moves, injected, drained, calls[calls.size() / 2], calls[calls.size() * 99 / 100], calls.back());
  EXPECT_LT(calls.back(), 200.0) << "far below the system's hook timeout";

  // The hooks are still there: a move and a click still reach the picker.
  MoveMouse(600, 400);
  EXPECT_TRUE(WaitUntil([&] { return cursorPosition.x == 600 && cursorPosition.y == 400; }));
  paletteWindow = nullptr;
  PumpMessages(200);
  const SIZE_T memoryAfter = CommittedBytes();
  EXPECT_EQ(FreeGdiHandlesBackTo(gdiBefore), gdiBefore);
  EXPECT_EQ(WindowsOfThisProcess(), windowsBefore);
  std::printf("committed memory before %lu KiB, after %lu KiB\n", static_cast<unsigned long>(memoryBefore / 1024),
              static_cast<unsigned long>(memoryAfter / 1024));
  EXPECT_GT(memoryBefore, 0u) << "no figure for the memory";
  EXPECT_LT(memoryAfter, memoryBefore + 4 * 1024 * 1024) << "memory grew with the moves";
  DestroyWindow(counter);
}

}  // namespace
