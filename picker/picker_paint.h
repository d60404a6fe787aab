// Painting the picker: its colour, frame and text, drawn off-screen and
// copied to the window in one operation.
#pragma once

#include <windows.h>

// WM_PAINT.
void PaintPicker(HWND window);
// The whole picker drawn now, without waiting for WM_PAINT: under Wine the
// round through WM_PAINT costs as much again as the drawing.
void PaintPickerNow(HWND window);
// The whole paint of a width × height picker into target: the view drawn
// off-screen, then copied once. screen is the screen's device context for
// the zoom view; without it the zoom view draws nothing and target stays.
void DrawPicker(HDC target, HDC screen, int width, int height);
// The normal view into dc, for a window of width × height.
void DrawPickerView(HDC dc, int width, int height);
// The magnified screen around the cursor, with arrow, grid and swatch as
// set; false, drawing nothing, without a screen device context.
bool DrawZoomView(HDC dc, HDC screen, int width, int height);
