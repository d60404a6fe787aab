// Where the picker stands and how large it is; no windows involved.
#pragma once

#include <vector>

struct PickerPoint {
  int x, y;
};

// The monitor under the cursor, in virtual-screen coordinates (right and
// bottom exclusive).
struct MonitorArea {
  int left, top, right, bottom;
};

// A window's rectangle moved, not resized, to lie inside area (a monitor's
// work area); one larger than area keeps its left and top edge in it.
MonitorArea MoveInside(MonitorArea window, MonitorArea area);

// Beside the cursor by the margins; with adjust on, flipped to the other
// side of the cursor where it would leave the monitor on the right or at
// the bottom.
PickerPoint PlacePicker(int cursorX, int cursorY, int marginX, int marginY, int width, int height,
                        MonitorArea monitor, bool adjust);

// Side of the square zoom picker: fixed ZoomRect + 1 for type 1, else from the level.
int ZoomPickerSide(int zoomType, int zoomLevel, int zoomRect);

// The text picker around lines of text whose widest line and tallest line
// are given.
struct PickerSize {
  int width, height;
};
PickerSize TextPickerSize(int widestLine, int tallestLine, int lines, int marginX, int marginY);

// The lines of the picker text as they are measured: split at each line
// feed, which is not measured; a carriage return before it stays with its
// line; what follows the last line feed is a line too.
struct TextLine {
  int start, length;
};
std::vector<TextLine> PickerTextLines(const char* text);

// ZoomLevel after a wheel turn: away from the user (delta > 0) zooms out.
int ZoomLevelAfterWheel(int zoomLevel, int delta);

// The zoom view of a width × height picker at level L: an nx × ny block of
// screen pixels, each drawn L × L, the block's top-left drawn at (-ox, -oy)
// and the cursor's pixel at block position (nx / 2, ny / 2).
struct ZoomBlock {
  int nx, ny, ox, oy;
};
ZoomBlock ZoomGeometry(int width, int height, int level);
