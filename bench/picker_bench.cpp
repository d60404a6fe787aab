// The picker's speed under Wine: from a move report to the moved and
// repainted picker, the zoom view's paint, and the drawing and window
// objects left behind by many paints and zoom switches.
// Run: wine picker_bench.exe (with a display).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "common/memory_store.h"
#include "core/picker_geometry.h"
#include "core/settings.h"
#include "core/settings_file.h"
#include "gdi_handles.h"
#include "hookcore/hook_messages.h"
#include "memory_canvas.h"
#include "picker/picker_paint.h"
#include "picker/picker_state.h"
#include "picker/picker_window.h"
#include "picker_harness.h"
#include "resources/program_module.h"
#include "test_window.h"
#include "timing.h"

namespace {

std::uint32_t Gradient(int x, int y) {
  return static_cast<std::uint32_t>((x * 255 / 1024) | ((y * 255 / 768) << 8) | (((x + y) & 0xFF) << 16));
}

// A move report sent to the picker returns once the picker has sampled,
// moved and repainted. Alternating places make every report a real move.
double MoveToRepaint(int range) {
  const std::int32_t sizes[] = {range};
  SetRangeList(sizes, 1, 0);
  return MedianMs(400, [](int i) {
    const int x = 200 + (i % 2) * 300 + (i % 7);
    const int y = 200 + (i % 3) * 100;
    SendMessageA(pickerWindow, HCN_MOUSEMOVE, 0, MAKELPARAM(x, y));
  }, 20);
}

// The two window operations every move makes, alone: moving the painted
// picker, and one repaint through WM_PAINT.
double MoveAlone() {
  return MedianMs(400, [](int i) {
    SetWindowPos(pickerWindow, HWND_TOP, 220 + (i % 2) * 300, 210 + (i % 3) * 100, 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOSENDCHANGING);
  }, 20);
}

// Drawn from this thread into the resting picker, as a move draws it.
double RepaintAlone() {
  return MedianMs(400, [](int) { PaintPickerNow(pickerWindow, PickerViewNow()); }, 20);
}

double SendOverhead() {
  return MedianMs(400, [](int) { SendMessageA(pickerWindow, WM_NULL, 0, 0); });
}

// One zoom paint of the picker at level L: the screen block stretched with
// the arrow, the grid and the frame, drawn off-screen and copied.
double ZoomPaint(int level) {
  settings.ZoomLevel = level;
  const int side = ZoomPickerSide(0, level, 80);
  MemoryCanvas target(side, side);
  HDC screen = GetDC(nullptr);
  PickerView view = PickerViewNow();
  view.width = view.height = side;
  const double median = MedianMs(300, [&](int) { DrawPicker(target.dc(), screen, view); }, 20);
  ReleaseDC(nullptr, screen);
  return median;
}

// Wine's GetGuiResources always answers 0. There the bench counts the GDI
// handles still free instead, and the windows of this process for USER
// objects, the only kind the picker makes.
BOOL CALLBACK CountOwn(HWND hwnd, LPARAM count) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == GetCurrentProcessId()) {
    ++*reinterpret_cast<int*>(count);
    EnumChildWindows(hwnd, CountOwn, count);
  }
  return TRUE;
}

struct Objects {
  int gdi, user;
};

Objects Count(bool stub) {
  if (!stub)
    return {static_cast<int>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)),
            static_cast<int>(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS))};
  int windows = 0;
  EnumWindows(CountOwn, reinterpret_cast<LPARAM>(&windows));
  return {FreeGdiHandles(), windows};
}

void Repaints(int n) {
  for (int i = 0; i < n; ++i) RedrawWindow(pickerWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

}  // namespace

int main() {
  appInstance = GetModuleHandleA(nullptr);
  MemoryStore none;
  LoadSettingsFrom(none);
  settings.DrawArrowOnZoom = 1;
  settings.DrawGridOnZoom = 1;
  menuIdleEvent = CreateEventA(nullptr, TRUE, TRUE, nullptr);
  PatternWindow screen(Gradient);

  std::printf("zoom paint, arrow and grid on (median of 280, ms)\n");
  zoomActive = 1;
  cursorPosition = {400, 300};
  for (int level : {2, 8, 16}) {
    const int side = ZoomPickerSide(0, level, 80);
    std::printf("  x%-2d  %3d x %-3d  %.3f\n", level, side, side, ZoomPaint(level));
  }
  zoomActive = 0;
  settings.ZoomLevel = 8;

  HANDLE thread = StartPickerThread();
  if (thread == nullptr) {
    std::printf("the picker could not be started\n");
    return 1;
  }
  std::printf("move report to moved and repainted picker (median of 380, ms)\n");
  const double overhead = SendOverhead();
  for (int range : {1, 101}) std::printf("  range %-3d  %.3f\n", range, MoveToRepaint(range));
  std::printf("  of which a bare cross-thread send  %.3f\n", overhead);
  std::printf("  the window's move alone (sent)     %.3f\n", MoveAlone());
  std::printf("  one repaint alone                  %.3f\n", RepaintAlone());
  SetDefaultRangeList();

  const bool stub = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS) == 0;
  const Objects before = Count(stub);
  Repaints(10000);
  const Objects afterNormal = Count(stub);
  SetPickerZoom(1);
  Repaints(10000);
  SetPickerZoom(0);
  const Objects afterZoom = Count(stub);
  for (int i = 0; i < 1000; ++i) {
    SetPickerZoom(1);
    SetPickerZoom(0);
  }
  const Objects afterSwitches = Count(stub);
  std::printf("objects (%s)\n", stub ? "Wine: free GDI handles, windows of the process"
                                     : "GetGuiResources: GDI, USER");
  std::printf("  before                         %6d %4d\n", before.gdi, before.user);
  std::printf("  after 10000 normal-view paints %6d %4d\n", afterNormal.gdi, afterNormal.user);
  std::printf("  after 10000 zoom-view paints   %6d %4d\n", afterZoom.gdi, afterZoom.user);
  std::printf("  after 1000 zoom on/off cycles  %6d %4d\n", afterSwitches.gdi, afterSwitches.user);
  const bool flat = before.gdi == afterSwitches.gdi && before.user == afterSwitches.user &&
                    before.gdi == afterNormal.gdi && before.gdi == afterZoom.gdi;
  std::printf("  %s\n", flat ? "flat" : "NOT FLAT");

  StopPickerThread(thread);
  CloseHandle(menuIdleEvent);
  return flat ? 0 : 1;
}
