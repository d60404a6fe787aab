#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/palette_text.h"

namespace {

TEST(PaletteText, ItemNumbersAreAsWideAsTheCapacity) {
  EXPECT_EQ(CapacityDigits(5), 1);
  EXPECT_EQ(CapacityDigits(9), 1);
  EXPECT_EQ(CapacityDigits(10), 2);
  EXPECT_EQ(CapacityDigits(1000), 4);
  EXPECT_EQ(CapacityDigits(0), 1);
  EXPECT_EQ(CapacityDigits(-7), 1);
  EXPECT_EQ(ItemNumberText(0, 5), "1");
  EXPECT_EQ(ItemNumberText(4, 5), "5");
  EXPECT_EQ(ItemNumberText(0, 1000), "0001");
  EXPECT_EQ(ItemNumberText(999, 1000), "1000");
  EXPECT_EQ(ItemNumberText(41, 200), "042");
}

TEST(PaletteText, SwatchAndStatusTexts) {
  EXPECT_EQ(SwatchText(0x0000FF, 1), "#FF0000");
  EXPECT_EQ(SwatchText(0x0000FF, 0), "R:255 G:0 B:0");
  EXPECT_EQ(SwatchText(0x0A0B0C, 1), "#0C0B0A");
  EXPECT_EQ(StatusSelectionText(-1), "");
  EXPECT_EQ(StatusSelectionText(0), "No.1");
  EXPECT_EQ(StatusSelectionText(9), "No.10");
  EXPECT_EQ(StatusCountText({3, 10, 10, 0, 20, 1}), "3/10");
  EXPECT_EQ(StatusEnabledText({3, 10, 10, 0, 20, 1}), "有効");
  EXPECT_EQ(StatusEnabledText({0, 200, 200, 32, 20, 0}), "無効");
}

TEST(PaletteText, TransferTextByNotation) {
  char text[kTransferTextSize];
  ASSERT_TRUE(TransferText(0x0080FF, 0, "ignored", text));
  EXPECT_STREQ(text, "#FF8000");
  ASSERT_TRUE(TransferText(0x0080FF, 1, "RGB( %rr, %gg, %bb) %sx%cy%pr%zl", text));
  EXPECT_STREQ(text, "RGB( 255, 128, 0) 0000") << "no cursor, range or zoom";
  EXPECT_FALSE(TransferText(0x0080FF, 1, "", text));
  EXPECT_STREQ(text, "");
}

// Longer than 69 bytes: a hand-edited SpuitFormat, or a text that grows in
// the expansion. Both are cut to 69 bytes, never inside a double-byte
// character.
TEST(PaletteText, LongFormatsAndTextsAreCutWhole) {
  char text[kTransferTextSize];
  const std::string longFormat = std::string(68, 'a') + "あ";  // 70 bytes
  ASSERT_TRUE(TransferText(0, 1, longFormat.c_str(), text));
  EXPECT_EQ(std::string(text), std::string(68, 'a')) << "the format keeps no half character";

  std::string grows;
  for (int i = 0; i < 23; ++i) grows += "%rf";  // 69 bytes, 184 once expanded
  ASSERT_TRUE(TransferText(0xFFFFFF, 1, grows.c_str(), text));
  EXPECT_EQ(std::strlen(text), 69u);
  EXPECT_EQ(std::string(text, 16), "1677721516777215");

  std::string wide = "%rf";
  for (int i = 0; i < 33; ++i) wide += "あ";  // 69 bytes; 74 once expanded
  ASSERT_TRUE(TransferText(0xFFFFFF, 1, wide.c_str(), text));
  EXPECT_EQ(std::strlen(text), 68u) << "the 31st character would end past byte 69";
  EXPECT_EQ(std::string(text, 10), std::string("16777215") + "あ");
}

}  // namespace
