#include "core/ini_text.h"

#include <gtest/gtest.h>

// Reads as the profile functions (held against Wine's there), by bytes: a trail byte is no letter, bracket or break.
TEST(IniText, GetReadsAsTheProfileFunctions) {
  const IniText ini(
      "; note\r\n[A]\r\nkey=1\r\n  Spaced  =  a b  \r\nq=\"x y\"\r\nlone=\"\r\nbare\r\nDup=first\r\ndup=second\r\n"
      "[a]\r\nkey=again\r\n[ア]\r\nk=katakana\r\n[ゾ\r\nk=open\r\n[表]\nk=lf only");
  struct Case { const char *section, *key; std::optional<std::string> value; } cases[] = {
      {"a", "KEY", "1"},     {"A", "spaced", "a b"}, {"A", "q", "x y"},     {"A", "lone", "\""},
      {"A", "bare", {}},     {"A", "dup", "first"},  {"A", "none", {}},     {"ア", "k", "katakana"},
      {"ヂ", "k", {}},       {"ゾ", "k", {}},        {"表", "k", "lf only"}, {"B", "key", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(ini.Get(c.section, c.key), c.value) << c.section << "/" << c.key;
}

TEST(IniText, SetChangesOnlyWhatItMust) {
  const std::string old = "[S]\r\nkey = \"v\"\r\nother=1\r\n\r\n[T]\r\nx=2";
  struct Case { const char *section, *key, *value; std::string after; } cases[] = {
      {"s", "KEY", "v", old},  // the same value leaves the line as it stands
      {"S", "key", "w", "[S]\r\nkey=w\r\nother=1\r\n\r\n[T]\r\nx=2"},
      {"S", "new", "3", "[S]\r\nkey = \"v\"\r\nother=1\r\nnew=3\r\n\r\n[T]\r\nx=2"},
      {"T", "y", "4", old + "\r\ny=4\r\n"},
      {"ぬべら", "k", "色", old + "\r\n[ぬべら]\r\nk=色\r\n"},
  };
  for (const Case& c : cases) {
    IniText ini(old);
    ini.Set(c.section, c.key, c.value);
    EXPECT_EQ(ini.text(), c.after) << c.section << "/" << c.key;
  }
}
