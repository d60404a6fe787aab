// The colour notations against an outside reference: culori's values for 49
// colours (primaries, greys, black, white and thirty more), computed by
// tests/reference/notations.mjs before this test runs.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "core/format.h"

namespace {

int Decimals(const std::string& text) {
  const std::size_t dot = text.find('.');
  return dot == std::string::npos ? 0 : static_cast<int>(text.size() - dot - 1);
}

const char* const kNotations[] = {"%rh", "%gh", "%bh", "%rn", "%gn", "%bn", "%rp", "%gp", "%bp", "%hh",
                                  "%hs", "%hl", "%vs", "%vv", "%kc", "%km", "%ky", "%kk", "%ll", "%la",
                                  "%lb", "%lc", "%lh", "%ol", "%oa", "%ob", "%oc", "%oh", "%ww", "%wk"};

}  // namespace

// Every specifier gives the reference's text within one unit in its last
// digit, with as many decimals, and never "-0".
TEST(Notations, MatchAnOutsideReference) {
  std::ifstream table(VELUN_NOTATION_GOLDENS);
  ASSERT_TRUE(table) << VELUN_NOTATION_GOLDENS;
  int rows = 0;
  for (std::string line; std::getline(table, line);) {
    std::istringstream fields(line);
    std::string rgb, specifier, want;
    std::getline(fields, rgb, '\t');
    std::getline(fields, specifier, '\t');
    std::getline(fields, want, '\t');
    const auto value = static_cast<std::uint32_t>(std::stoul(rgb, nullptr, 16));
    FormatInput input;
    input.colour = (value >> 16) | (value & 0xFF00) | ((value & 0xFF) << 16);
    char got[kFragmentBufferSize] = {};
    ASSERT_NE(ExpandSpecifier(got, input, specifier.c_str()), nullptr) << specifier;
    ++rows;
    const std::string where = "#" + rgb + " " + specifier + ": " + got + ", the reference " + want;
    if (specifier[2] == 'h' && specifier[1] != 'l' && specifier[1] != 'o' && specifier[1] != 'h') {
      EXPECT_EQ(got, want) << where;  // lower-case hexadecimal
      continue;
    }
    EXPECT_EQ(Decimals(got), Decimals(want)) << where;
    EXPECT_FALSE(std::strncmp(got, "-0", 2) == 0 && std::atof(got) == 0) << where;
    double off = std::fabs(std::atof(got) - std::atof(want.c_str()));
    if (specifier == "%hh" || specifier == "%lh" || specifier == "%oh") off = std::fmin(off, 360 - off);
    EXPECT_LE(off, std::pow(10.0, -Decimals(want)) * 1.001) << where;
  }
  EXPECT_EQ(rows, 49 * 30);
}

// The picker is sized once by the measuring text: no colour's text of a
// notation may be longer. Every 5th value of each channel, and every grey.
TEST(Notations, MeasuringModeIsNeverNarrower) {
  for (const char* specifier : kNotations) {
    char measured[kFormatBufferSize] = {};
    MeasureFormat(measured, specifier);
    const std::size_t widest = std::strlen(measured);
    std::size_t longest = 0;
    FormatInput input;
    auto check = [&](int r, int g, int b) {
      input.colour = static_cast<std::uint32_t>(r | g << 8 | b << 16);
      char text[kFragmentBufferSize] = {};
      ExpandSpecifier(text, input, specifier);
      longest = std::max(longest, std::strlen(text));
    };
    for (int r = 0; r < 256; r += 5)
      for (int g = 0; g < 256; g += 5)
        for (int b = 0; b < 256; b += 5) check(r, g, b);
    for (int v = 0; v < 256; ++v) check(v, v, v);
    EXPECT_GE(widest, longest) << specifier << " measures as " << measured;
  }
}
