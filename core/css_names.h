// The 148 colour names of CSS Color 4, and the one nearest a colour.
#pragma once

#include <cstdint>

struct CssName {
  const char* name;   // lower case
  double difference;  // CIEDE2000 from the colour
};

// The name nearest colour (0x00BBGGRR) by CIEDE2000; of names equally
// near, the first in alphabetical order.
CssName NearestCssName(std::uint32_t colour);
// The same for a colour already in Lab (D65).
struct Lab;
CssName NearestCssName(const Lab& lab);
// The same by weighing every name, the plain way the bounds of the first
// must agree with: for checking and measuring it.
CssName NearestCssNameByEveryName(std::uint32_t colour);

// The longest name, for measuring.
inline constexpr char kLongestCssName[] = "lightgoldenrodyellow";
