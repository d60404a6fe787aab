#include "picker/picker_paint.h"

#include "core/format.h"
#include "core/picker_geometry.h"
#include "resources/wide_text.h"

namespace {

// Light top and left edges, dark bottom and right ones.
void DrawFrame(HDC dc, int width, int height, HPEN light, HPEN shadow) {
  MoveToEx(dc, width - 1, 0, nullptr);
  HGDIOBJ old = SelectObject(dc, light);
  LineTo(dc, 0, 0);
  LineTo(dc, 0, height - 1);
  SelectObject(dc, shadow);
  LineTo(dc, width - 1, height - 1);
  LineTo(dc, width - 1, 0);
  SelectObject(dc, old);
}

// The arrow cursor's hotspot. Reading it costs a GetIconInfo, which makes
// two bitmaps (0.8 ms under Wine, most of a zoom paint); the shared arrow
// keeps its hotspot, so it is read again only when the cursor handle changes.
bool ArrowHotspot(HCURSOR arrow, POINT& hotspot) {
  static HCURSOR known = nullptr;
  static POINT knownHotspot = {};
  if (arrow != known) {
    ICONINFO info = {};
    if (!GetIconInfo(arrow, &info)) return false;
    if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
    known = arrow;
    knownHotspot = {static_cast<LONG>(info.xHotspot), static_cast<LONG>(info.yHotspot)};
  }
  hotspot = knownHotspot;
  return true;
}

// The block of screen pixels, stretched into dc through a copy: there the
// picker's own pixels (own, in the block's pixels) are covered, not shown
// as screen, and the arrow cursor is drawn in at its hotspot, unmagnified,
// so it costs the same at every level.
void StretchBlock(HDC dc, HDC screen, const ZoomBlock& b, int sx, int sy, int level, int width, int height,
                  bool arrow, const RECT* own) {
  HDC copy = CreateCompatibleDC(dc);
  HBITMAP bitmap = copy != nullptr ? CreateCompatibleBitmap(dc, width, height) : nullptr;
  if (bitmap != nullptr) {
    HGDIOBJ old = SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, b.nx, b.ny, screen, sx, sy, SRCCOPY);
    if (own != nullptr) FillRect(copy, own, GetSysColorBrush(COLOR_3DFACE));
    HCURSOR cursor = arrow ? LoadCursorA(nullptr, IDC_ARROW) : nullptr;
    POINT hotspot;
    if (cursor != nullptr && ArrowHotspot(cursor, hotspot))
      DrawIconEx(copy, b.nx / 2 - hotspot.x, b.ny / 2 - hotspot.y, cursor, 0, 0, 0, nullptr,
                 DI_NORMAL | DI_DEFAULTSIZE);
    StretchBlt(dc, -b.ox, -b.oy, b.nx * level, b.ny * level, copy, 0, 0, b.nx, b.ny, SRCCOPY);
    SelectObject(copy, old);
    DeleteObject(bitmap);
  }
  if (copy != nullptr) DeleteDC(copy);
}

void DrawGrid(HDC dc, int width, int height, const ZoomBlock& b, int level, HPEN shadow) {
  HGDIOBJ old = SelectObject(dc, shadow);
  for (int x = level - b.ox; x < width; x += level) {
    MoveToEx(dc, x, 0, nullptr);
    LineTo(dc, x, height);
  }
  for (int y = level - b.oy; y < height; y += level) {
    MoveToEx(dc, 0, y, nullptr);
    LineTo(dc, width, y);
  }
  SelectObject(dc, old);
}

// What the checks compare with, between the text and the right frame.
void DrawReference(HDC dc, const PickerView& view, int left, HPEN shadow) {
  RECT strip = {left, 1, view.width - 1, view.height - 1};
  HBRUSH brush = CreateSolidBrush(view.input.reference);
  FillRect(dc, &strip, brush);
  DeleteObject(brush);
  HGDIOBJ old = SelectObject(dc, shadow);
  MoveToEx(dc, left - 1, 1, nullptr);
  LineTo(dc, left - 1, view.height - 1);
  SelectObject(dc, old);
}

// An orange corner: the values of an HDR screen may be lighter than the
// source's.
void DrawHdrMark(HDC dc, const PickerView& view) {
  const int side = view.height / 5 > 4 ? view.height / 5 : 4;
  const POINT corner[3] = {{1, 1}, {1 + side, 1}, {1, 1 + side}};
  HBRUSH brush = CreateSolidBrush(kHdrMarkColour);
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
  Polygon(dc, corner, 3);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(brush);
}

}  // namespace

bool DrawZoomView(HDC dc, HDC screen, const PickerView& view) {
  if (screen == nullptr) return false;
  const int width = view.width, height = view.height, level = view.zoomBlock;
  HBRUSH brush = CreateSolidBrush(view.colour);
  HPEN light = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_3DLIGHT));
  HPEN shadow = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
  HGDIOBJ oldBrush = SelectObject(dc, brush);

  const ZoomBlock b = ZoomGeometry(width, height, level);
  const int sx = view.cursor.x - b.nx / 2;
  const int sy = view.cursor.y - b.ny / 2;
  if (level > 0) {
    // A large view reaches under the picker itself.
    RECT own = {};
    const RECT source = {sx, sy, sx + b.nx, sy + b.ny};
    const bool covers = IntersectRect(&own, &view.own, &source) != FALSE;
    OffsetRect(&own, -sx, -sy);
    if (view.arrow || covers)
      StretchBlock(dc, screen, b, sx, sy, level, width, height, view.arrow, covers ? &own : nullptr);
    else
      StretchBlt(dc, -b.ox, -b.oy, b.nx * level, b.ny * level, screen, sx, sy, b.nx, b.ny, SRCCOPY);
    if (view.grid) DrawGrid(dc, width, height, b, level, shadow);
  }
  DrawFrame(dc, width, height, light, shadow);
  if (view.swatch) {
    HGDIOBJ oldPen = SelectObject(dc, shadow);
    Rectangle(dc, width / 4, 0, width - width / 4, height / 8);
    SelectObject(dc, oldPen);
  }

  SelectObject(dc, oldBrush);
  DeleteObject(brush);
  DeleteObject(light);
  DeleteObject(shadow);
  return true;
}

void DrawPickerView(HDC dc, const PickerView& view) {
  const int width = view.width, height = view.height;
  HBRUSH brush = CreateSolidBrush(view.colour);
  HPEN light = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_3DLIGHT));
  HPEN shadow = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  HGDIOBJ oldFont = SelectObject(dc, view.font != nullptr ? view.font : GetStockObject(DEFAULT_GUI_FONT));
  SetBkColor(dc, view.colour);
  SetTextColor(dc, view.textColour);
  Rectangle(dc, 0, 0, width, height);
  DrawFrame(dc, width, height, light, shadow);

  char text[kFormatBufferSize] = {};
  ExpandFormat(text, view.format, view.input);
  const int textRight = width - view.referenceWidth;
  RECT textRect = {view.marginX + 1, view.marginY + 1, textRight - view.marginX - 1, height - view.marginY - 1};
  DrawTextW(dc, Widen(text).c_str(), -1, &textRect, 0);

  if (view.referenceWidth > 0 && view.input.hasReference) DrawReference(dc, view, textRight, shadow);

  SelectObject(dc, oldFont);
  SelectObject(dc, oldBrush);
  DeleteObject(brush);
  DeleteObject(light);
  DeleteObject(shadow);
}

void DrawPicker(HDC target, HDC screen, const PickerView& view) {
  const int width = view.width, height = view.height;
  HDC memory = CreateCompatibleDC(target);
  HBITMAP bitmap = memory != nullptr ? CreateCompatibleBitmap(target, width, height) : nullptr;
  if (bitmap != nullptr) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    bool drawn = true;
    if (view.zoom)
      drawn = DrawZoomView(memory, screen, view);
    else
      DrawPickerView(memory, view);
    if (drawn && view.hdrMark) DrawHdrMark(memory, view);
    // An undrawn bitmap is never shown: the window keeps its last picture.
    if (drawn) BitBlt(target, 0, 0, width, height, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteObject(bitmap);
  }
  if (memory != nullptr) DeleteDC(memory);
}

namespace {

void PaintInto(HWND window, HDC dc, PickerView view) {
  RECT client;
  GetClientRect(window, &client);
  view.width = client.right;
  view.height = client.bottom;
  HDC screen = view.zoom ? GetDC(nullptr) : nullptr;
  DrawPicker(dc, screen, view);
  if (screen != nullptr) ReleaseDC(nullptr, screen);
}

}  // namespace

void PaintPicker(HWND window, const PickerView& view) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  if (dc == nullptr) return;
  PaintInto(window, dc, view);
  EndPaint(window, &ps);
}

void PaintPickerNow(HWND window, const PickerView& view) {
  HDC dc = GetDC(window);
  if (dc == nullptr) return;
  PaintInto(window, dc, view);
  ReleaseDC(window, dc);
  ValidateRect(window, nullptr);  // all of it is drawn: no WM_PAINT to follow
}
