#include "picker/picker_paint.h"

#include "app/settings.h"
#include "picker/format.h"
#include "picker/picker_window.h"

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

}  // namespace

void DrawPickerView(HDC dc, int width, int height) {
  const COLORREF colour = pickerColour;
  HBRUSH brush = CreateSolidBrush(colour);
  HPEN light = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_3DLIGHT));
  HPEN shadow = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  SetBkColor(dc, colour);
  SetTextColor(dc, pickerTextColour);
  Rectangle(dc, 0, 0, width, height);
  DrawFrame(dc, width, height, light, shadow);

  char text[kFormatBufferSize] = {};
  ExpandFormat(text, pickerFormat, colour, cursorPosition.x, cursorPosition.y, clientPosition.x,
               clientPosition.y, CurrentRange(), settings.ZoomLevel, 0);
  RECT textRect = {settings.WindowMarginX + 1, settings.WindowMarginY + 1,
                   width - settings.WindowMarginX - 1, height - settings.WindowMarginY - 1};
  DrawTextA(dc, text, -1, &textRect, 0);

  SelectObject(dc, oldFont);
  SelectObject(dc, oldBrush);
  DeleteObject(brush);
  DeleteObject(light);
  DeleteObject(shadow);
}

void PaintPicker(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  const int width = client.right;
  const int height = client.bottom;
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  if (dc == nullptr) return;
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = memory != nullptr ? CreateCompatibleBitmap(dc, width, height) : nullptr;
  if (bitmap != nullptr) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    DrawPickerView(memory, width, height);
    BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteObject(bitmap);
  }
  if (memory != nullptr) DeleteDC(memory);
  EndPaint(window, &ps);
}
