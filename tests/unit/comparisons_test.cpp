// The checks against a reference colour and the nearest CSS name, against
// outside libraries' values for 400 pairs (grade edges, names' near ties),
// computed by tests/reference/comparisons.mjs before this test runs.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "core/css_names.h"
#include "core/format.h"

namespace {

std::uint32_t ColourRef(const std::string& rgb) {
  const auto v = static_cast<std::uint32_t>(std::stoul(rgb, nullptr, 16));
  return (v >> 16) | (v & 0xFF00) | ((v & 0xFF) << 16);
}

}  // namespace

// Numbers within one unit of their last digit, grades and names exactly
// (either of two names as near within 0.005), the ratio's text never on the
// other side of a threshold from its grade, and the measuring text never
// narrower than any of them.
TEST(Comparisons, MatchOutsideLibraries) {
  std::ifstream table(VELUN_COMPARISON_GOLDENS);
  ASSERT_TRUE(table) << VELUN_COMPARISON_GOLDENS;
  const char* const specifiers[] = {"%wr", "%wg", "%ap", "%de", "%cn", "%cd"};
  const std::map<std::string, std::string> grades = {
      {"AAA", "AAA"}, {"AA", "AA"}, {"AA-large", "AA大"}, {"fail", "不可"}};
  std::size_t measured[6];
  for (int k = 0; k < 6; ++k) {
    char text[kFormatBufferSize] = {};
    measured[k] = std::strlen(MeasureFormat(text, specifiers[k]));
  }
  int rows = 0;
  for (std::string line; std::getline(table, line); ++rows) {
    std::istringstream fields(line);
    std::vector<std::string> f;
    for (std::string field; std::getline(fields, field, '\t');) f.push_back(field);
    ASSERT_EQ(f.size(), 9u) << line;
    FormatInput input;
    input.colour = ColourRef(f[0]);
    input.hasReference = true;
    input.reference = ColourRef(f[1]);
    const std::string want[6] = {f[2], grades.at(f[3]), f[4], f[5], f[6], f[7]};
    std::string got[6];
    for (int k = 0; k < 6; ++k) {
      char text[kFragmentBufferSize] = {};
      got[k] = ExpandSpecifier(text, input, specifiers[k]);
      EXPECT_LE(got[k].size(), measured[k]) << specifiers[k] << " " << got[k];
      const std::string where = "#" + f[0] + " on #" + f[1] + " " + specifiers[k] + ": " + got[k] + ", the reference " + want[k];
      if (k == 1 || k == 4) {
        EXPECT_TRUE(got[k] == want[k] || (k == 4 && got[k] == f[8])) << where;
      } else {
        const double unit = k == 2 ? 0.1 : 0.01;
        EXPECT_EQ(got[k].size() - got[k].find('.'), k == 2 ? 2u : 3u) << where;
        EXPECT_FALSE(got[k].rfind("-0", 0) == 0 && std::atof(got[k].c_str()) == 0) << where;
        EXPECT_LE(std::fabs(std::atof(got[k].c_str()) - std::atof(want[k].c_str())), unit * 1.001) << where;
      }
    }
    const double shown = std::atof(got[0].c_str());
    const char* const byText = shown >= 7 ? "AAA" : shown >= 4.5 ? "AA" : shown >= 3 ? "AA大" : "不可";
    EXPECT_EQ(got[1], byText) << "#" << f[0] << " on #" << f[1] << ": " << got[0] << " graded " << got[1];
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
