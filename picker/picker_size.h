// The picker's size at the scale of the monitor it is on: its text measured
// in the font made for that scale, or the zoom view's square.
#pragma once

#include <windows.h>

#include "core/picker_geometry.h"

// Sized anew, on the picker thread: called elsewhere, the call goes there.
void UpdatePickerSize(HWND window);
// Picker thread. The monitor under at and its DPI, asked for again only
// when the cursor leaves the one last found or after ForgetMonitor (the
// displays changed): the question costs 0.5 ms under Wine, and comes with
// every move.
MonitorArea MonitorUnder(POINT at, int& dpi);
void ForgetMonitor();
// A picker on a monitor of another scale takes a font and sizes made for it.
void FollowDpi(HWND window, int dpi);
