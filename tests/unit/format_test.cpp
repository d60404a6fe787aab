#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/format.h"

namespace {

constexpr std::uint32_t kOrange = 0x0080FF;  // R 255, G 128, B 0
constexpr char kDefaultPicker[] = "x%sx, y%sy\r\n10進: %rr:%gg:%bb\r\n16進: #%rx%gx%bx";

struct Sample {
  std::uint32_t colour = kOrange;
  int screenX = 100, screenY = 200, clientX = 30, clientY = 40;
  int range = 5, zoom = 8;
};

std::string Expand(const char* format, const Sample& s = {}, int measuring = 0) {
  char out[kFormatBufferSize] = {};
  const char* r = ExpandFormat(out, format, s.colour, s.screenX, s.screenY, s.clientX, s.clientY,
                               s.range, s.zoom, measuring);
  EXPECT_EQ(r, out);
  return out;
}

struct Case {
  const char* format;
  const char* expected;
};

TEST(ExpandFormat, SpecifiersAndLiterals) {
  const Case cases[] = {
      {kDefaultPicker, "x100, y200\r\n10進: 255:128:0\r\n16進: #FF8000"},
      {"RGB( %rr, %gg, %bb)", "RGB( 255, 128, 0)"},
      {"%ro %go %bo", "377 200 0"},
      {"%cx,%cy", "30,40"},
      {"%pr %px %zl", "5 25 8"},
      {"%rf", "33023"},
      {"100%%%", "100%"},
      {"100%", "100"},
      {"ab%r", "ab"},
      {"%RR", ""},
      {"%xy", ""},
      {"%%a", ""},
      {"%r%rr", "rr"},
      {"%%%rr", "%rr"},
      {"", ""},
      {"％ 全角は素通り", "％ 全角は素通り"},
  };
  for (const Case& c : cases) EXPECT_EQ(Expand(c.format), c.expected) << c.format;
}

TEST(ExpandFormat, ColourDigits) {
  Sample s;
  s.colour = 0xFF0B0A;  // R 10, G 11, B 255
  EXPECT_EQ(Expand("#%rx%gx%bx", s), "#0A0BFF");
  s.colour = 0xFFFFFF;
  EXPECT_EQ(Expand("%rf", s), "16777215");
  s.colour = 8;
  EXPECT_EQ(Expand("%ro", s), "10");
}

TEST(ExpandFormat, NegativeAndExtremePositions) {
  Sample s;
  s.screenX = -1280;
  s.screenY = -2147483647 - 1;
  s.clientY = -7;
  EXPECT_EQ(Expand("%sx %sy %cy", s), "-1280 -2147483648 -7");
}

TEST(ExpandFormat, HugeRangeWrapsLike32BitArithmetic) {
  Sample s;
  s.range = 65536;  // 65536² wraps to 0
  EXPECT_EQ(Expand("%px", s), "0");
  s.range = 46341;  // first square past INT_MAX
  EXPECT_EQ(Expand("%px", s), "-2147479015");
}

TEST(ExpandFormat, MeasuringModeUsesWidestValues) {
  Sample s;
  s.colour = 0;
  s.screenX = -5;
  EXPECT_EQ(Expand(kDefaultPicker, s, 1), "x9999, y9999\r\n10進: 255:255:255\r\n16進: #FFFFFF");
  EXPECT_EQ(Expand("%px %pr %zl %cx", s, 7), "10201 101 16 9999");
}

// The checks against the reference colour give nothing without one (as in the separate-value
// form, which has none); the nearest name needs none, and %hd shows only on an HDR monitor.
TEST(ExpandFormat, ReferenceColourAndHdr) {
  const char* format = "[%wr:1 %wg  Lc %ap|%de|%hd|%cn]";
  char out[kFormatBufferSize] = {};
  EXPECT_STREQ(ExpandFormat(out, format, FormatInput{.hdr = true}), "[:1   Lc ||HDR|black]");
  EXPECT_STREQ(ExpandFormat(out, format, 0, 0, 0, 0, 0, 1, 8, 0), "[:1   Lc |||black]");
  for (const char* uses : {"%wr", "x%wg", "%ap", "a %de", "%%%%wr"}) EXPECT_TRUE(FormatUsesReference(uses)) << uses;
  for (const char* not_ : {"%cn %cd %hd %ww", "%w", "wr", "", "%%%wr"}) EXPECT_FALSE(FormatUsesReference(not_)) << not_;
}

TEST(ExpandFormat, NullOutputAndNullFormat) {
  EXPECT_EQ(ExpandFormat(nullptr, "x", 0, 0, 0, 0, 0, 1, 8, 0), nullptr);
  char out[kFormatBufferSize] = {'z'};
  EXPECT_EQ(ExpandFormat(out, nullptr, 0, 0, 0, 0, 0, 1, 8, 0), out);
  EXPECT_STREQ(out, "");
}

// The output never exceeds 259 characters, whatever mix fills it.
TEST(ExpandFormat, OutputLimit) {
  // 24 × "%rf" = 24 × 8 characters = 192, then 80 literals would reach 272.
  std::string format;
  for (int i = 0; i < 24; ++i) format += "%rf";
  format += std::string(80, 'a');
  Sample s;
  s.colour = 0xFFFFFF;
  std::string out = Expand(format.c_str(), s);
  EXPECT_EQ(out.size(), 259u);
  EXPECT_EQ(out.substr(0, 8), "16777215");
  EXPECT_EQ(out.back(), 'a');

  // A specifier whose text does not fit ends the expansion, literals after it too.
  format = std::string(255, 'b') + "%rf" + "cc";
  out = Expand(format.c_str(), s);
  EXPECT_EQ(out, std::string(255, 'b'));

  // A fragment that exactly reaches 259 fits.
  format = std::string(251, 'b') + "%rf";
  EXPECT_EQ(Expand(format.c_str(), s).size(), 259u);

  // A double-byte character is not split at the limit.
  format = std::string(40, 'x');
  for (int i = 0; i < 27; ++i) format += "%rf";  // 40 + 216 = 256
  format += "ab全";  // 258, then a two-byte character that would need 260
  out = Expand(format.c_str(), s);
  EXPECT_EQ(out.size(), 258u);
  EXPECT_EQ(out.substr(256), "ab");
}

TEST(ExpandSpecifier, TableAndRefusals) {
  char frag[kFragmentBufferSize];
  EXPECT_STREQ(ExpandSpecifier(frag, 1, 2, 3, 4, 0x0080FF, 12, 15, "%px"), "225");
  EXPECT_STREQ(ExpandSpecifier(frag, 1, 2, 3, 4, 0x0080FF, 12, 15, "%zl"), "12");
  EXPECT_STREQ(ExpandSpecifier(frag, 1, 2, 3, 4, 0x0080FF, 12, 15, "%%%"), "%");

  std::memset(frag, 'q', sizeof frag);
  EXPECT_EQ(ExpandSpecifier(frag, 1, 2, 3, 4, 0, 8, 1, "%rrr"), nullptr);
  EXPECT_EQ(ExpandSpecifier(frag, 1, 2, 3, 4, 0, 8, 1, "%r"), nullptr);
  EXPECT_EQ(ExpandSpecifier(frag, 1, 2, 3, 4, 0, 8, 1, "xrr"), nullptr);
  EXPECT_EQ(ExpandSpecifier(frag, 1, 2, 3, 4, 0, 8, 1, "%Rr"), nullptr);
  EXPECT_EQ(frag[0], 'q') << "a refused specifier writes nothing";
  EXPECT_EQ(ExpandSpecifier(nullptr, 1, 2, 3, 4, 0, 8, 1, "%rr"), nullptr);
}

}  // namespace
