#include "shared/dpi.h"

#include "core/dpi_scale.h"

namespace {

// Windows 10 1607 and later (user32), Windows 8.1 and later (shcore).
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
using GetThreadDpiAwarenessContextFn = HANDLE(WINAPI*)();
using GetAwarenessFromDpiAwarenessContextFn = int(WINAPI*)(HANDLE);
using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);

constexpr int kEffectiveDpi = 0;           // MDT_EFFECTIVE_DPI
constexpr int kPerMonitorDpiAware = 2;     // DPI_AWARENESS_PER_MONITOR_AWARE

struct DpiFunctions {
  GetDpiForWindowFn getDpiForWindow = nullptr;
  GetSystemMetricsForDpiFn getSystemMetricsForDpi = nullptr;
  GetThreadDpiAwarenessContextFn getThreadDpiAwarenessContext = nullptr;
  GetAwarenessFromDpiAwarenessContextFn getAwarenessFromDpiAwarenessContext = nullptr;
  GetDpiForMonitorFn getDpiForMonitor = nullptr;
};

template <typename F>
F Find(HMODULE module, const char* name) {
  return module != nullptr ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

// Looked up once, on first use: the modules stay loaded for the process.
const DpiFunctions& Functions() {
  static const DpiFunctions functions = [] {
    DpiFunctions f;
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    f.getDpiForWindow = Find<GetDpiForWindowFn>(user32, "GetDpiForWindow");
    f.getSystemMetricsForDpi = Find<GetSystemMetricsForDpiFn>(user32, "GetSystemMetricsForDpi");
    f.getThreadDpiAwarenessContext = Find<GetThreadDpiAwarenessContextFn>(user32, "GetThreadDpiAwarenessContext");
    f.getAwarenessFromDpiAwarenessContext =
        Find<GetAwarenessFromDpiAwarenessContextFn>(user32, "GetAwarenessFromDpiAwarenessContext");
    f.getDpiForMonitor = Find<GetDpiForMonitorFn>(LoadLibraryW(L"shcore.dll"), "GetDpiForMonitor");
    return f;
  }();
  return functions;
}

}  // namespace

int SystemDpi() {
  static const int dpi = [] {
    HDC screen = GetDC(nullptr);
    const int d = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : kBaseDpi;
    if (screen != nullptr) ReleaseDC(nullptr, screen);
    return d > 0 ? d : kBaseDpi;
  }();
  return dpi;
}

int WindowDpi(HWND window) {
  const DpiFunctions& f = Functions();
  if (f.getDpiForWindow != nullptr && window != nullptr) {
    const UINT dpi = f.getDpiForWindow(window);
    if (dpi > 0) return static_cast<int>(dpi);
  }
  RECT r;
  if (window != nullptr && GetWindowRect(window, &r)) return MonitorDpiAt({r.left, r.top});
  return SystemDpi();
}

int MonitorDpiAt(POINT point) {
  const DpiFunctions& f = Functions();
  if (f.getDpiForMonitor != nullptr) {
    UINT x = 0, y = 0;
    if (SUCCEEDED(f.getDpiForMonitor(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST), kEffectiveDpi, &x, &y)) &&
        y > 0)
      return static_cast<int>(y);
  }
  return SystemDpi();
}

int WorkspaceDpiAt(int x, int y) {
  RECT work = {};  // workspace coordinates start at the primary monitor's work area
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  return MonitorDpiAt({x + work.left, y + work.top});
}

int SystemMetricForDpi(int index, int dpi) {
  const DpiFunctions& f = Functions();
  if (f.getSystemMetricsForDpi != nullptr) return f.getSystemMetricsForDpi(index, static_cast<UINT>(dpi));
  return GetSystemMetrics(index) * dpi / SystemDpi();
}

// Made by name and character set, not from the stock font: that one
// follows the system's language, and an English system's has no kanji.
HFONT CreateGuiFont(int dpi) {
  LOGFONTW font = {};
  font.lfHeight = -MulDiv(kGuiFontPoints, dpi, 72);
  font.lfCharSet = SHIFTJIS_CHARSET;
  lstrcpynW(font.lfFaceName, kGuiFontFace, LF_FACESIZE);
  return CreateFontIndirectW(&font);
}

HFONT CreateFixedFont(int dpi) {
  LOGFONTW font = {};
  font.lfHeight = -MulDiv(kGuiFontPoints, dpi, 72);
  font.lfCharSet = SHIFTJIS_CHARSET;
  font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
  lstrcpynW(font.lfFaceName, kFixedFontFace, LF_FACESIZE);
  return CreateFontIndirectW(&font);
}

bool PerMonitorAware() {
  const DpiFunctions& f = Functions();
  if (f.getThreadDpiAwarenessContext == nullptr || f.getAwarenessFromDpiAwarenessContext == nullptr) return false;
  return f.getAwarenessFromDpiAwarenessContext(f.getThreadDpiAwarenessContext()) == kPerMonitorDpiAware;
}
