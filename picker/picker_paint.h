// Painting the picker: its colour, frame and text, drawn off-screen and
// copied to the window in one operation.
#pragma once

#include <windows.h>

#include "picker/picker_view.h"

// The HDR mark's colour: orange.
inline constexpr COLORREF kHdrMarkColour = RGB(255, 128, 0);

// WM_PAINT, at the window's size.
void PaintPicker(HWND window, const PickerView& view);
// The whole picker drawn now, without waiting for WM_PAINT: under Wine the
// round through WM_PAINT costs as much again as the drawing.
void PaintPickerNow(HWND window, const PickerView& view);
// The whole paint of the view into target: drawn off-screen, then copied
// once. screen is the screen's device context for the zoom view; without
// it the zoom view draws nothing and target stays.
void DrawPicker(HDC target, HDC screen, const PickerView& view);
// The normal view into dc.
void DrawPickerView(HDC dc, const PickerView& view);
// The magnified screen around the cursor, with arrow, grid and swatch as
// the view has them; false, drawing nothing, without a screen device context.
bool DrawZoomView(HDC dc, HDC screen, const PickerView& view);
