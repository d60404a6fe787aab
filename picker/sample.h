// Reading the screen under the cursor.
#pragma once

#include <cstdint>

// Average colour (0x00BBGGRR) of the size × size square centred on screen
// point (x, y); pixels off the screen count as white. kSampleFallback when
// the screen cannot be read.
std::uint32_t SampleColour(int x, int y, int size);
