// Painting the picker: its colour, frame and text, drawn off-screen and
// copied to the window in one operation.
#pragma once

#include <windows.h>

void PaintPicker(HWND window);
// The normal view into dc, for a window of width × height.
void DrawPickerView(HDC dc, int width, int height);
// The magnified screen around the cursor, with arrow, grid and swatch as set.
void DrawZoomView(HDC dc, int width, int height);
