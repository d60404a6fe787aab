#include "core/picker_geometry.h"

PickerPoint PlacePicker(int cursorX, int cursorY, int marginX, int marginY, int width, int height,
                        MonitorArea monitor, bool adjust) {
  PickerPoint p = {cursorX + marginX, cursorY + marginY};
  if (adjust) {
    if (p.x + width > monitor.right) p.x = cursorX - marginX - width;
    if (p.y + height > monitor.bottom) p.y = cursorY - marginY - height;
  }
  return p;
}

MonitorArea MoveInside(MonitorArea window, MonitorArea area) {
  int dx = 0, dy = 0;
  if (window.right > area.right) dx = area.right - window.right;
  if (window.left + dx < area.left) dx = area.left - window.left;
  if (window.bottom > area.bottom) dy = area.bottom - window.bottom;
  if (window.top + dy < area.top) dy = area.top - window.top;
  return {window.left + dx, window.top + dy, window.right + dx, window.bottom + dy};
}

std::vector<TextLine> PickerTextLines(const char* text) {
  std::vector<TextLine> lines;
  int start = 0;
  for (int i = 0;; ++i) {
    if (text[i] == '\n' || text[i] == '\0') {
      lines.push_back({start, i - start});
      if (text[i] == '\0') break;
      start = i + 1;
    }
  }
  return lines;
}

int ZoomPickerSide(int zoomType, int zoomLevel, int zoomRect) {
  if (zoomType == 1) return zoomRect + 1;
  return 8 * (zoomLevel > 5 ? zoomLevel : 5) + 1;
}

PickerSize TextPickerSize(int widestLine, int tallestLine, int lines, int marginX, int marginY) {
  return {widestLine + 2 * marginX + 2, tallestLine * lines + 2 * marginY + 2};
}

int ZoomLevelAfterWheel(int zoomLevel, int delta) {
  if (delta > 0) return zoomLevel - 1 < 2 ? 2 : zoomLevel - 1;
  return zoomLevel + 1 > 16 ? 16 : zoomLevel + 1;
}

namespace {

// One axis: how many screen pixels, and how far the first is pushed out.
void ZoomAxis(int size, int level, int& n, int& offset) {
  n = (size - 1) / level;
  offset = 0;
  if ((size - 1) % level != 0) {
    ++n;
    offset = level / 2;
  }
  if (offset > n * level - (size - 1)) ++n;
  // An even count keeps the cursor's pixel in the middle.
  if (n % 2 != 0) {
    ++n;
    offset += level / 2;
  }
}

}  // namespace

ZoomBlock ZoomGeometry(int width, int height, int level) {
  ZoomBlock b = {};
  if (level <= 0) return b;
  ZoomAxis(width, level, b.nx, b.ox);
  ZoomAxis(height, level, b.ny, b.oy);
  return b;
}
