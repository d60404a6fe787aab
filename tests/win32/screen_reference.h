// The per-pixel way of sampling the screen: one GetPixel per pixel. Kept
// only as the reference that the one-read SampleColour is checked against.
#pragma once

#include <cstdint>

std::uint32_t ReferenceSample(int x, int y, int size);
