#include "picker/picker_geometry.h"

PickerPoint PlacePicker(int cursorX, int cursorY, int marginX, int marginY, int width, int height,
                        int screenWidth, int screenHeight, bool adjust) {
  PickerPoint p = {cursorX + marginX, cursorY + marginY};
  if (adjust) {
    if (p.x + width > screenWidth) p.x = cursorX - marginX - width;
    if (p.y + height > screenHeight) p.y = cursorY - marginY - height;
  }
  return p;
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
