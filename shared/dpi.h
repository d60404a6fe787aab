// The display scale of windows and monitors. The program is per-monitor
// DPI aware by its manifest, so every coordinate it sees is physical; the
// functions that tell a window's or a monitor's DPI are found at run time,
// and where the system has none the system DPI answers.
#pragma once

#include <windows.h>

// The DPI of the monitor window is on.
int WindowDpi(HWND window);
// The DPI of the monitor at point (physical screen coordinates).
int MonitorDpiAt(POINT point);
// The same for a point in workspace coordinates, as window placements give
// them: the DPI a saved place's size is scaled by, at saving and restoring.
int WorkspaceDpiAt(int x, int y);
// The DPI the whole system was started with (96 at 100 %).
int SystemDpi();
// A system metric at dpi, or the system's value scaled to it.
int SystemMetricForDpi(int index, int dpi);
// The user-interface font of a Japanese Windows (its DEFAULT_GUI_FONT) at
// dpi, on any system; the caller deletes it.
inline constexpr wchar_t kGuiFontFace[] = L"MS UI Gothic";
inline constexpr int kGuiFontPoints = 9;
HFONT CreateGuiFont(int dpi);
// Its fixed-pitch partner, for texts whose columns must line up.
inline constexpr wchar_t kFixedFontFace[] = L"ＭＳ ゴシック";
HFONT CreateFixedFont(int dpi);
// Whether this thread gets physical coordinates on every monitor. Where it
// does not (a system without per-monitor awareness), the low-level hooks'
// positions may not match the other functions', and GetCursorPos is used.
bool PerMonitorAware();
