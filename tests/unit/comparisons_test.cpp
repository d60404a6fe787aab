// The checks against a reference colour and the nearest CSS name against outside libraries' values
// for 400 pairs (grade edges, names' near ties), from tests/reference/comparisons.mjs.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "core/css_names.h"
#include "core/format.h"

// Each text one the reference allows, the grade (by the unrounded ratio) never across a threshold
// from the ratio's text, and the measuring text never narrower.
TEST(Comparisons, MatchOutsideLibraries) {
  std::ifstream table(VELUN_COMPARISON_GOLDENS);
  ASSERT_TRUE(table) << VELUN_COMPARISON_GOLDENS;
  const char* const specifiers[] = {"%wr", "%wg", "%ap", "%de", "%cn", "%cd"};
  const auto colourRef = [](const std::string& rgb) {
    const auto v = static_cast<std::uint32_t>(std::stoul(rgb, nullptr, 16));
    return (v >> 16) | (v & 0xFF00) | ((v & 0xFF) << 16);
  };
  const auto grade = [](double r) { return r >= 7 ? "AAA" : r >= 4.5 ? "AA" : r >= 3 ? "AA大" : "不可"; };
  int rows = 0;
  for (std::string line; std::getline(table, line); ++rows) {
    std::istringstream fields(line);
    std::string f[8];  // a missing field stays empty, which no text matches
    for (std::string& field : f) std::getline(fields, field, '\t');
    f[3] = grade(std::atof(f[3].c_str()));
    const FormatInput input = {.colour = colourRef(f[0]), .hasReference = true, .reference = colourRef(f[1])};
    std::string got[6];
    for (int k = 0; k < 6; ++k) {
      char text[kFragmentBufferSize] = {}, measured[kFormatBufferSize] = {};
      got[k] = ExpandSpecifier(text, input, specifiers[k]);
      EXPECT_LE(got[k].size(), std::strlen(MeasureFormat(measured, specifiers[k]))) << specifiers[k] << " " << got[k];
      EXPECT_NE(("|" + f[k + 2] + "|").find("|" + got[k] + "|"), std::string::npos)
          << f[0] << " on " << f[1] << " " << specifiers[k] << ": " << got[k] << ", the reference " << f[k + 2];
    }
    EXPECT_EQ(got[1], grade(std::atof(got[0].c_str()))) << f[0] << " on " << f[1] << ": " << got[0];
  }
  EXPECT_EQ(rows, 400);
}

// The bounds that skip most names never skip the nearest: the same name
// and difference as weighing all 148, for 16 433 colours across the cube.
TEST(Comparisons, NearestNameSkipsNoCandidate) {
  for (std::uint32_t c = 0; c < 0x1000000; c += 1021) {
    const CssName fast = NearestCssName(c), plain = NearestCssNameByEveryName(c);
    EXPECT_STREQ(fast.name, plain.name) << std::hex << c;
    EXPECT_EQ(fast.difference, plain.difference) << std::hex << c;
  }
}
