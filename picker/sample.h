// Reading the screen under the cursor.
#pragma once

#include <cstdint>

#include <windows.h>

// Average colour (0x00BBGGRR) of the size × size square centred on screen
// point (x, y); pixels off the screen count as white, pixels inside
// leftOut (the picker's own, in screen coordinates) are not counted.
// kSampleFallback when the screen cannot be read.
std::uint32_t SampleColour(int x, int y, int size, const RECT* leftOut = nullptr);
