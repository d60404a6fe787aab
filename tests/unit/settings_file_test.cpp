#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "common/keybind_testing.h"
#include "common/memory_store.h"
#include "core/data_files.h"
#include "core/number.h"
#include "core/palette_model.h"
#include "core/settings.h"
#include "core/settings_file.h"
#include "core/text.h"

namespace {

const std::string M = "ぬべら";
const std::string P = "ぬべらパレット";

Bytes Ints(std::initializer_list<std::int32_t> values) {
  Bytes b;
  for (std::int32_t v : values)
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i)));
  return b;
}

class SettingsFileTest : public ::testing::Test {
 protected:
  void SetUp() override { Clear(); }
  void TearDown() override { Clear(); }
  static void Clear() {
    settings = Settings{};
    std::memset(pickerFormat, 0, sizeof pickerFormat);
    std::memset(keyBinds, 0, sizeof keyBinds);
    FreeRangeList();
    ResetPalettes();
  }
  void Load() { LoadSettingsFrom(store); }
  std::vector<std::int32_t> Ranges() const { return {rangeSizes, rangeSizes + rangeCount}; }

  MemoryStore store;
};

TEST_F(SettingsFileTest, NoFilesGiveTheDefaultsAndTheFirstSaveWritesThemAll) {
  Load();
  EXPECT_EQ(settings.CursorMarginX, 20);
  EXPECT_EQ(settings.ThresholdText, 428);
  EXPECT_EQ(settings.ZoomLevel, 8);
  EXPECT_STREQ(settings.SpuitFormat, "#%rx%gx%bx");
  EXPECT_STREQ(pickerFormat, "x%sx, y%sy\r\n10進: %rr:%gg:%bb\r\n16進: #%rx%gx%bx");
  EXPECT_EQ(std::strlen(pickerFormat), 47u);
  EXPECT_EQ(Ranges(), (std::vector<std::int32_t>{1, 5, 15}));
  EXPECT_EQ(rangeIndex, 0);
  EXPECT_EQ(keyBinds[kSlotSpuit], Bind(516, 0, 0, 1));
  EXPECT_EQ(keyBinds[kSlotPalette], KeyBind{});
  EXPECT_EQ(keyBinds[kSlotLock], Bind(113, 0, 0, 1));
  EXPECT_EQ(keyBinds[kSlotZoom], Bind(16));
  EXPECT_EQ(keyBinds[kSlotShowPicker], Bind(112, 0, 0, 1));
  EXPECT_EQ(palettes[0].header.capacity, 10);
  EXPECT_EQ(palettes[1].header.capacity, 200);

  ASSERT_TRUE(SaveSettingsTo(store, nullptr));
  // Every key but ForceUpdateAfterDrag, in the table's order.
  const std::vector<std::pair<std::string, std::string>> expected = {
      {M, "CursorMarginX"}, {M, "CursorMarginY"}, {M, "WindowMarginX"}, {M, "WindowMarginY"},
      {M, "Threshold-Text"}, {P, "HidePicker"}, {P, "MuteBeep"}, {P, "Notation"},
      {P, "NotationSpuit"}, {P, "TopMost"}, {P, "X"}, {P, "Y"}, {P, "CX"}, {P, "CY"},
      {M, "ZoomLevel"}, {M, "ZoomType"}, {M, "ZoomRect"}, {M, "DrawArrowOnZoom"},
      {M, "DrawGridOnZoom"}, {M, "ShowColorOnZoom"}, {M, "ChangeZoomLevelByWheel"},
      {M, "AdjustCurPosByArrow"}, {M, "UseToggleForZoom"}, {M, "LayeredLevel"},
      {M, "LayeredOnZoomOnly"}, {M, "Layered"}, {M, "SpuitFormat"}, {M, "RealtimeDraw"},
      {M, "UseLimiterForRealtimeDraw"}, {M, "AdjustPickerPosition"}, {M, "HidePickerOnMenuLoop"},
      {M, "BeepOnSpuit"}, {M, "EnableSpuitOnSuspend"}, {M, "NullMsgOnShortcut"},
      {M, "NullMsgOnZoom"}, {M, "ShowPicker"},
  };
  EXPECT_EQ(store.writes, expected);
  const std::vector<std::string> values = {"20", "10", "4", "2", "428", "0", "0", "1", "0",
                                           "0", "80", "80", "220", "400", "8", "0", "80", "1",
                                           "1", "0", "1", "1", "0", "0", "0", "0", "#%rx%gx%bx",
                                           "1", "1", "1", "1", "1", "0", "0", "1", "1"};
  for (std::size_t i = 0; i < expected.size() && i < values.size(); ++i)
    EXPECT_EQ(store.profile[expected[i]], values[i]) << expected[i].second;

  EXPECT_EQ(store.files["pickfmt.dat"].size(), 47u);
  EXPECT_EQ(store.files["range.dat"], Ints({3, 0, 1, 5, 15}));
  EXPECT_EQ(store.files["palette.dat"].size(), 54u);
  Bytes keys = Ints({516, 0x010000, 0, 113, 0x010000, 0, 112, 0x010000, 0, 16, 0, 0, 0, 0, 0});
  EXPECT_EQ(store.files["keycfg.dat"], keys);
  EXPECT_EQ(store.files.size(), 4u);
}

TEST_F(SettingsFileTest, TheTableMatchesEverySettingOnce) {
  int main = 0, pal = 0;
  for (const SettingDef& d : kSettingsTable) (d.section == M ? main : pal)++;
  EXPECT_EQ(main, 28);
  EXPECT_EQ(pal, 9);
  for (int i = 0; i < kSettingCount; ++i)
    for (int j = i + 1; j < kSettingCount; ++j)
      EXPECT_STRNE(kSettingsTable[i].key, kSettingsTable[j].key);
}

TEST(ParseSettingInt, LikeTheLoaderReadsNumbers) {
  const std::pair<const char*, std::int32_t> cases[] = {
      {"abc", 0},   {"12abc", 12}, {"-5", -5},  {"+7", 7},     {"  42", 42},  {"\t-0012", -12},
      {"", 0},      {"-", 0},      {"- 5", 0},  {"+-1", 0},    {"3 4", 3},    {"99", 99},
      {"2147483647", 2147483647},  {"-2147483648", -2147483647 - 1},
      {"2147483648", -2147483647 - 1},  // no overflow check: it wraps
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(ParseSettingInt(text), value) << text;
  EXPECT_EQ(ParseSettingInt(nullptr), 0);
}

TEST_F(SettingsFileTest, HandEditedValuesLoadAsWrittenAndSurviveASave) {
  store.profile[{M, "CursorMarginX"}] = "abc";
  store.profile[{M, "ZoomLevel"}] = "99";
  store.profile[{M, "SpuitFormat"}] = "";
  store.profile[{M, "ForceUpdateAfterDrag"}] = "1";
  store.profile[{M, "HidePickerOnMenuLoop"}] = "0";
  store.profile[{P, "Notation"}] = " 0x1";
  Load();
  EXPECT_EQ(settings.CursorMarginX, 0);
  EXPECT_EQ(settings.ZoomLevel, 99);
  EXPECT_STREQ(settings.SpuitFormat, "") << "present but empty is not the default";
  EXPECT_EQ(settings.ForceUpdateAfterDrag, 1);
  EXPECT_EQ(settings.Notation, 0);

  settings.ForceUpdateAfterDrag = 0;  // no save may touch the key
  SaveSettingsTo(store, nullptr);
  EXPECT_EQ((store.profile[{M, "ForceUpdateAfterDrag"}]), "1");
  EXPECT_EQ((store.profile[{M, "HidePickerOnMenuLoop"}]), "0");
  EXPECT_EQ((store.profile[{M, "CursorMarginX"}]), "0");
  EXPECT_EQ((store.profile[{M, "ZoomLevel"}]), "99");
  EXPECT_EQ((store.profile[{M, "SpuitFormat"}]), "");
}

TEST_F(SettingsFileTest, LongSpuitFormatIsCutToItsStorage) {
  store.profile[{M, "SpuitFormat"}] = std::string(100, 'a');
  Load();
  EXPECT_EQ(std::string(settings.SpuitFormat), std::string(69, 'a'));
  // A double-byte character that does not fit whole is left out.
  store.profile[{M, "SpuitFormat"}] = std::string(68, 'a') + "色";
  Load();
  EXPECT_EQ(std::string(settings.SpuitFormat), std::string(68, 'a'));
  store.profile[{M, "SpuitFormat"}] = std::string(67, 'a') + "色";
  Load();
  EXPECT_EQ(std::string(settings.SpuitFormat), std::string(67, 'a') + "色");
}

TEST_F(SettingsFileTest, PickerFormatFile) {
  store.files["pickfmt.dat"] = {};
  Load();
  EXPECT_STREQ(pickerFormat, "") << "an empty file is an empty format, not the default";

  store.files["pickfmt.dat"] = Bytes(300, 'x');
  Load();
  EXPECT_EQ(std::string(pickerFormat), std::string(259, 'x'));

  const std::string text = "%rr\r\n色";
  store.files["pickfmt.dat"] = Bytes(text.begin(), text.end());
  Load();
  EXPECT_EQ(std::string(pickerFormat), text);
  SaveSettingsTo(store, nullptr);
  EXPECT_EQ(store.files["pickfmt.dat"], Bytes(text.begin(), text.end()));
}

TEST_F(SettingsFileTest, RangeFile) {
  store.files["range.dat"] = Ints({4, 2, 1, 3, 5, 7});
  Load();
  EXPECT_EQ(Ranges(), (std::vector<std::int32_t>{1, 3, 5, 7}));
  EXPECT_EQ(rangeIndex, 2);
  SaveSettingsTo(store, nullptr);
  EXPECT_EQ(store.files["range.dat"], Ints({4, 2, 1, 3, 5, 7}));

  // An index outside the list becomes 0; the list is kept.
  for (std::int32_t index : {3, -1, 1000}) {
    store.files["range.dat"] = Ints({3, index, 1, 9, 101});
    Load();
    EXPECT_EQ(Ranges(), (std::vector<std::int32_t>{1, 9, 101})) << index;
    EXPECT_EQ(rangeIndex, 0) << index;
  }
  // No sound list: the default one.
  const Bytes unsound[] = {Ints({0, 0}), Ints({-2, 0, 1, 5}), Ints({4, 0, 1, 5, 15}),
                           Ints({0x7FFFFFFF, 0, 1}), Ints({3}), {}};
  for (const Bytes& b : unsound) {
    store.files["range.dat"] = b;
    Load();
    EXPECT_EQ(Ranges(), (std::vector<std::int32_t>{1, 5, 15}));
    EXPECT_EQ(rangeIndex, 0);
  }
}

// The picker thread reads only the published size of the current entry.
TEST_F(SettingsFileTest, TheCurrentRangeSizeFollowsListAndIndex) {
  store.files["range.dat"] = Ints({3, 2, 1, 9, 101});
  Load();
  EXPECT_EQ(currentRangeSize, 101);
  SetRangeIndex(1);
  EXPECT_EQ(rangeIndex, 1);
  EXPECT_EQ(currentRangeSize, 9);
  SetRangeIndex(3);  // no such entry: nothing changes
  EXPECT_EQ(rangeIndex, 1);
  EXPECT_EQ(currentRangeSize, 9);
  const std::int32_t sizes[] = {3, 5};
  ASSERT_TRUE(SetRangeList(sizes, 2, 0));
  EXPECT_EQ(currentRangeSize, 3);
  EXPECT_FALSE(SetRangeList(sizes, 0, 0));
  EXPECT_EQ(currentRangeSize, 3) << "a refused list changes nothing";
  FreeRangeList();
  EXPECT_EQ(currentRangeSize, 1);
}

TEST_F(SettingsFileTest, KeyConfigFile) {
  // 24 bytes: the first two records, for slots 0 and 2.
  Bytes b = Ints({65, 0x0101, 0, 66, 0x01000000, 0x01});
  store.files["keycfg.dat"] = b;
  Load();
  EXPECT_EQ(keyBinds[kSlotSpuit], Bind(65, 1, 1));
  EXPECT_EQ(keyBinds[kSlotLock], Bind(66, 0, 0, 0, 1, 1));
  EXPECT_EQ(keyBinds[kSlotShowPicker], KeyBind{});
  EXPECT_EQ(keyBinds[kSlotZoom], KeyBind{});
  EXPECT_EQ(keyBinds[kSlotPalette], KeyBind{});

  // A record the file cuts off is not taken in part.
  b.insert(b.end(), {67, 0, 0, 0, 1, 1});
  store.files["keycfg.dat"] = b;
  Load();
  EXPECT_EQ(keyBinds[kSlotShowPicker], KeyBind{});

  // Whole file: file order 0, 2, 4, 3, 1, all 12 bytes kept.
  b = Ints({1, 0, 0, 2, 0, 0, 3, 0, 0, 4, 0, 0, 5, 0, 0x00030201});
  store.files["keycfg.dat"] = b;
  Load();
  EXPECT_EQ(keyBinds[0].code, 1);
  EXPECT_EQ(keyBinds[2].code, 2);
  EXPECT_EQ(keyBinds[4].code, 3);
  EXPECT_EQ(keyBinds[3].code, 4);
  EXPECT_EQ(keyBinds[1].code, 5);
  EXPECT_EQ(keyBinds[1].rhold, 1);
  EXPECT_EQ(keyBinds[1].reserved[1], 3);
  SaveSettingsTo(store, nullptr);
  EXPECT_EQ(store.files["keycfg.dat"], b);
}

TEST_F(SettingsFileTest, PalettePlacementIsSavedNotAdopted) {
  Load();
  const PalettePlacement placement = {100, 50, 400, 550};
  SaveSettingsTo(store, &placement);
  EXPECT_EQ((store.profile[{P, "X"}]), "100");
  EXPECT_EQ((store.profile[{P, "Y"}]), "50");
  EXPECT_EQ((store.profile[{P, "CX"}]), "300");
  EXPECT_EQ((store.profile[{P, "CY"}]), "500");
  EXPECT_EQ(settings.X, 80);
  EXPECT_EQ(settings.CX, 220);
}

TEST_F(SettingsFileTest, EveryStepRunsAfterAFailure) {
  Load();
  for (const char* broken : {"pickfmt.dat", "palette.dat", "range.dat", "keycfg.dat"}) {
    MemoryStore s;
    s.unwritable.insert(broken);
    EXPECT_FALSE(SaveSettingsTo(s, nullptr)) << broken;
    EXPECT_EQ(s.files.size(), 3u) << broken;
    EXPECT_EQ(s.writes.size(), 36u) << broken;
  }
}

}  // namespace

namespace {

}  // namespace
