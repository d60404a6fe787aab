// The checks against a reference colour and the nearest CSS name, against
// outside libraries' values for 400 pairs (grade edges, names' near ties),
// computed by tests/reference/comparisons.mjs before this test runs.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/css_names.h"
#include "core/format.h"

// Numbers within one unit of their last digit, with as many decimals and
// never "-0", grades (by the unrounded ratio) and names exactly (either of
// two names as near within 0.005), the ratio's text never on the other side
// of a threshold from its grade, and the measuring text never narrower.
TEST(Comparisons, MatchOutsideLibraries) {
  std::ifstream table(VELUN_COMPARISON_GOLDENS);
  ASSERT_TRUE(table) << VELUN_COMPARISON_GOLDENS;
  const char* const specifiers[] = {"%wr", "%wg", "%ap", "%de", "%cn", "%cd"};
  const auto colourRef = [](const std::string& rgb) {
    const auto v = static_cast<std::uint32_t>(std::stoul(rgb, nullptr, 16));
    return (v >> 16) | (v & 0xFF00) | ((v & 0xFF) << 16);
  };
  const auto places = [](const std::string& t) { return t.find('.') == t.npos ? 0 : int(t.size() - t.find('.')) - 1; };
  const auto grade = [](double ratio) { return ratio >= 7 ? "AAA" : ratio >= 4.5 ? "AA" : ratio >= 3 ? "AA大" : "不可"; };
  int rows = 0;
  for (std::string line; std::getline(table, line); ++rows) {
    std::istringstream fields(line);
    std::vector<std::string> f;
    for (std::string field; std::getline(fields, field, '\t');) f.push_back(field);
    ASSERT_EQ(f.size(), 9u) << line;
    f[3] = grade(std::atof(f[3].c_str()));
    const FormatInput input = {.colour = colourRef(f[0]), .hasReference = true, .reference = colourRef(f[1])};
    std::string got[6];
    for (int k = 0; k < 6; ++k) {
      char text[kFragmentBufferSize] = {}, measured[kFormatBufferSize] = {};
      got[k] = ExpandSpecifier(text, input, specifiers[k]);
      EXPECT_LE(got[k].size(), std::strlen(MeasureFormat(measured, specifiers[k]))) << specifiers[k] << " " << got[k];
      const std::string& want = f[k + 2];
      const std::string where = f[0] + " on " + f[1] + " " + specifiers[k] + ": " + got[k] + ", the reference " + want;
      if (k == 1 || k == 4) {
        EXPECT_TRUE(got[k] == want || (k == 4 && got[k] == f[8])) << where;
        continue;
      }
      const double value = std::atof(got[k].c_str());
      EXPECT_EQ(places(got[k]), places(want)) << where;
      EXPECT_FALSE(got[k].rfind("-0", 0) == 0 && value == 0) << where;
      EXPECT_LE(std::fabs(value - std::atof(want.c_str())), std::pow(10.0, -places(want)) * 1.001) << where;
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
