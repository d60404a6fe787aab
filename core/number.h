// Text to integer as the settings loader and every numeric box read it.
#pragma once

#include <cstdint>

// Leading white space, one optional sign, decimal digits up to the first
// non-digit; 0 when there are none. Wraps like 32-bit arithmetic on overflow.
std::int32_t ParseSettingInt(const char* text);
