#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "common/keybind_testing.h"
#include "keybind/keybind_text.h"

namespace {

std::string Text(std::int32_t code, int shift = 0, int ctrl = 0, int alt = 0, int lhold = 0,
                 int rhold = 0) {
  const KeyBind b = Bind(code, shift, ctrl, alt, lhold, rhold);
  char buffer[kKeyBindTextSize];
  EXPECT_EQ(KeyBindText(buffer, b), buffer);
  return buffer;
}

TEST(KeyBind, RecordLayout) {
  EXPECT_EQ(sizeof(KeyBind), 12u);
  EXPECT_EQ(offsetof(KeyBind, shift), 4u);
  EXPECT_EQ(offsetof(KeyBind, rhold), 8u);
}

TEST(KeyBindText, NameTable) {
  const std::pair<std::int32_t, const char*> table[] = {
      {0, "未設定"},          {8, "BS"},
      {9, "Tab"},             {12, "Clear"},
      {13, "Enter"},          {16, "*SHIFT*"},
      {17, "*CTRL*"},         {18, "*ALT*"},
      {19, "Pause"},          {20, "Caps Lock"},
      {21, "カナ"},           {25, "漢字"},
      {27, "Esc"},            {28, "変換"},
      {29, "無変換"},         {32, "Space"},
      {33, "Page Up"},        {34, "Page Down"},
      {35, "End"},            {36, "Home"},
      {37, "Arrow Left"},     {38, "Arrow Up"},
      {39, "Arrow Right"},    {40, "Arrow Down"},
      {41, "Select"},         {42, "Print"},
      {43, "Execute"},        {44, "Print Screen"},
      {45, "Insert"},         {46, "Delete"},
      {47, "Help"},           {91, "Left Windows"},
      {92, "Right Windows"},  {93, "Application"},
      {95, "Sleep"},          {106, "Num *"},
      {107, "Num +"},         {108, "Num Enter"},
      {109, "Num -"},         {110, "Num ."},
      {111, "Num /"},         {144, "Num Lock"},
      {145, "Scroll Lock"},   {513, "左クリック"},
      {515, "左ダブルクリック"}, {516, "右クリック"},
      {518, "右ダブルクリック"}, {519, "ホイールクリック"},
      {521, "ホイールダブルクリック"},
  };
  for (const auto& [code, name] : table) EXPECT_EQ(Text(code), name) << code;
}

TEST(KeyBindText, Ranges) {
  EXPECT_EQ(Text('0'), "0");
  EXPECT_EQ(Text('7'), "7");
  EXPECT_EQ(Text('9'), "9");
  EXPECT_EQ(Text('A'), "A");
  EXPECT_EQ(Text('Q'), "Q");
  EXPECT_EQ(Text('Z'), "Z");
  EXPECT_EQ(Text(96), "Num 0");
  EXPECT_EQ(Text(105), "Num 9");
  EXPECT_EQ(Text(112), "F1");
  EXPECT_EQ(Text(135), "F24");
  // Just outside each range.
  EXPECT_EQ(Text(47), "Help");
  EXPECT_EQ(Text(58), "不明なキー (0x3A)");
  EXPECT_EQ(Text(64), "不明なキー (0x40)");
  EXPECT_EQ(Text(91), "Left Windows");
  EXPECT_EQ(Text(136), "不明なキー (0x88)");
}

TEST(KeyBindText, UnknownCodes) {
  EXPECT_EQ(Text(94), "不明なキー (0x5E)");
  EXPECT_EQ(Text(514), "不明なキー (0x202)");
  EXPECT_EQ(Text(-1), "不明なキー (0xFFFFFFFF)");
}

TEST(KeyBindText, PrefixesInOrder) {
  EXPECT_EQ(Text(516, 0, 0, 1), "alt + 右クリック");
  EXPECT_EQ(Text(116, 1, 1), "shift + ctrl + F5");
  EXPECT_EQ(Text(17, 1), "shift + *CTRL*");
  EXPECT_EQ(Text(516, 0, 0, 0, 1), "L hold + 右クリック");
  EXPECT_EQ(Text(513, 0, 0, 0, 0, 1), "R hold + 左クリック");
  EXPECT_EQ(Text('A', 1, 1, 1, 1, 1), "shift + ctrl + alt + L hold + R hold + A");
}

TEST(KeyBindText, LongestTextFits) {
  const std::string longest = Text(-2147483647 - 1, 1, 1, 1, 1, 1);
  EXPECT_EQ(longest, "shift + ctrl + alt + L hold + R hold + 不明なキー (0x80000000)");
  EXPECT_LT(longest.size(), 100u);
  EXPECT_LT(Text(521, 1, 1, 1, 1, 1).size(), 100u);
}

}  // namespace
