#include "palette/palette_window.h"

HWND paletteWindow = nullptr;
