#include "picker/picker_size.h"

#include <string>
#include <vector>

#include "core/dpi_scale.h"
#include "core/format.h"
#include "core/picker_geometry.h"
#include "core/settings.h"
#include "picker/monitor_hdr.h"
#include "picker/picker_state.h"
#include "picker/picker_view.h"
#include "resources/wide_text.h"
#include "shared/dpi.h"

namespace {

// Measures the widest text the format can produce, line by line.
bool MeasureText(HWND window, int& width, int& height, int& lines) {
  char text[kFormatBufferSize] = {};
  MeasureFormat(text, pickerFormat);
  HDC dc = GetDC(window);
  if (dc == nullptr) return false;
  HGDIOBJ oldFont = SelectObject(dc, pickerFont != nullptr ? pickerFont : GetStockObject(DEFAULT_GUI_FONT));
  width = height = 0;
  const std::vector<TextLine> split = PickerTextLines(text);
  for (const TextLine& line : split) {
    const std::wstring wide = Widen(std::string(text + line.start, static_cast<std::size_t>(line.length)));
    SIZE extent = {};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &extent);
    if (extent.cx > width) width = extent.cx;
    if (extent.cy > height) height = extent.cy;
  }
  lines = static_cast<int>(split.size());
  SelectObject(dc, oldFont);
  ReleaseDC(window, dc);
  return true;
}

// The monitor last found and its DPI.
bool knownMonitorValid = false;
MonitorArea knownMonitor = {};
int knownMonitorDpi = kBaseDpi;

}  // namespace

MonitorArea MonitorUnder(POINT at, int& dpi) {
  dpi = knownMonitorDpi;
  if (knownMonitorValid && at.x >= knownMonitor.left && at.x < knownMonitor.right &&
      at.y >= knownMonitor.top && at.y < knownMonitor.bottom)
    return knownMonitor;
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  HMONITOR handle = MonitorFromPoint(at, MONITOR_DEFAULTTONEAREST);
  if (!GetMonitorInfoW(handle, &info)) return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  const int hdr = MonitorShowsHdr(handle) ? 1 : 0;
  if (pickerOnHdr.exchange(hdr) != hdr && pickerShell.hdrChanged != nullptr) pickerShell.hdrChanged();
  knownMonitor = {info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right, info.rcMonitor.bottom};
  dpi = knownMonitorDpi = MonitorDpiAt(at);
  knownMonitorValid = true;
  return knownMonitor;
}

void FollowDpi(HWND window, int dpi) {
  if (dpi == pickerDpi && pickerFont != nullptr) return;
  HFONT font = CreateGuiFont(dpi);
  if (font == nullptr && pickerFont != nullptr) return;  // keeps the old one rather than none
  if (pickerFont != nullptr) DeleteObject(pickerFont);
  pickerFont = font;
  pickerDpi = dpi;
  UpdatePickerSize(window);
}

void ForgetMonitor() { knownMonitorValid = false; }

void UpdatePickerSize(HWND window) {
  if (window == nullptr || HandedToPickerThread(window, UM_RESIZEPICKER, 0, true)) return;
  int width = pickerWidth;
  int height = pickerHeight;
  if (zoomActive && (settings.ZoomType == 0 || settings.ZoomType == 1)) {
    width = height = ScaleToDpi(ZoomPickerSide(settings.ZoomType, settings.ZoomLevel, settings.ZoomRect), pickerDpi);
  } else {
    int textWidth, textHeight, lines;
    if (MeasureText(window, textWidth, textHeight, lines)) {
      const PickerView view = PickerViewNow();  // the margins as the paint has them
      const PickerSize size = TextPickerSize(textWidth, textHeight, lines, view.marginX, view.marginY);
      width = size.width + view.referenceWidth;
      height = size.height;
    }
  }
  pickerWidth = width;
  pickerHeight = height;
  pickerRect.right = pickerRect.left + width;
  pickerRect.bottom = pickerRect.top + height;
  SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

