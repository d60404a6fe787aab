#include <gtest/gtest.h>

#include <vector>

#include "common/palette_testing.h"
#include "core/palette_dat.h"
#include "core/palette_model.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void PutInt(Bytes& b, std::int32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i)));
}
Bytes Magic() { return {'V', 'P', '1', '2', '0', 0}; }
void PutHeader(Bytes& b, PaletteHeader h) {
  for (std::int32_t v : {h.count, h.capacity, h.checkRange, h.threshold, h.itemHeight, h.enabled})
    PutInt(b, v);
}
void PutColours(Bytes& b, std::initializer_list<std::uint32_t> colours) {
  for (std::uint32_t c : colours) PutInt(b, static_cast<std::int32_t>(c));
}

bool SameHeader(const PaletteHeader& a, const PaletteHeader& b) {
  return a.count == b.count && a.capacity == b.capacity && a.checkRange == b.checkRange &&
         a.threshold == b.threshold && a.itemHeight == b.itemHeight && a.enabled == b.enabled;
}

PaletteDecode Decode(const Bytes& b) { return DecodePalettes(b.data(), b.size()); }

class PaletteFileTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetPalettes(); }
  void TearDown() override { ResetPalettes(); }
};

TEST_F(PaletteFileTest, GoldenBytes) {
  SetDefaultPalettes();
  AddPaletteColor(0x0080FF, 0, 1);
  AddPaletteColor(0x123456, 0, 1);
  const Bytes expected = {
      'V', 'P', '1', '2', '0', 0,
      2, 0, 0, 0, 10, 0, 0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 20, 0, 0, 0, 1, 0, 0, 0,
      0x56, 0x34, 0x12, 0, 0xFF, 0x80, 0, 0,
      0, 0, 0, 0, 200, 0, 0, 0, 200, 0, 0, 0, 32, 0, 0, 0, 20, 0, 0, 0, 0, 0, 0, 0,
  };
  EXPECT_EQ(EncodePalettes(), expected);
}

TEST_F(PaletteFileTest, RoundTrip) {
  Bytes b = Magic();
  PutHeader(b, {3, 1000, 7, 0, 80, 1});
  PutColours(b, {1, 0xFFFFFF, 0x808080});
  PutHeader(b, {2, 5, 0, 128, 12, 1});
  PutColours(b, {0xABCDEF, 0});
  ASSERT_EQ(Decode(b), PaletteDecode::Loaded);
  EXPECT_EQ(Entries(0), (std::vector<std::uint32_t>{1, 0xFFFFFF, 0x808080}));
  EXPECT_EQ(Entries(1), (std::vector<std::uint32_t>{0xABCDEF, 0}));
  EXPECT_EQ(EncodePalettes(), b);
}

TEST_F(PaletteFileTest, TheSmallestFileHoldsTwoEmptyPalettes) {
  Bytes b = Magic();
  PutHeader(b, {0, 30, 5, 3, 40, 1});
  PutHeader(b, {0, 0, 9, 64, 12, 0});
  ASSERT_EQ(b.size(), 54u);
  ASSERT_EQ(Decode(b), PaletteDecode::Loaded);
  EXPECT_TRUE(SameHeader(palettes[0].header, {0, 30, 5, 3, 40, 1}));
  EXPECT_TRUE(SameHeader(palettes[1].header, {0, 0, 9, 64, 12, 0}));
  EXPECT_NE(palettes[0].entries, nullptr);
  EXPECT_EQ(palettes[1].entries, nullptr);
  EXPECT_EQ(AddPaletteColor(5, 0, 1), 1);
}

TEST_F(PaletteFileTest, WrongMagicLeavesEveryHeaderZero) {
  Bytes b = {'V', 'P', '1', '1', '0', 0};
  PutHeader(b, {0, 10, 10, 0, 20, 1});
  PutHeader(b, {0, 200, 200, 32, 20, 0});
  EXPECT_EQ(Decode(b), PaletteDecode::WrongMagic);
  for (const Palette& p : palettes) {
    EXPECT_TRUE(SameHeader(p.header, {}));
    EXPECT_EQ(p.entries, nullptr);
  }
}

TEST_F(PaletteFileTest, FilesThatEndEarly) {
  Bytes full = Magic();
  PutHeader(full, {2, 10, 10, 0, 20, 1});
  PutColours(full, {0x11, 0x22});
  PutHeader(full, {3, 200, 200, 32, 20, 1});
  PutColours(full, {0x33, 0x44, 0x55});

  // Before the magic is complete, or within the first header: the defaults.
  for (std::size_t size : {0u, 3u, 6u, 29u}) {
    EXPECT_EQ(DecodePalettes(full.data(), size), PaletteDecode::Defaults) << size;
    EXPECT_TRUE(SameHeader(palettes[0].header, kDefaultPaletteHeaders[0])) << size;
    EXPECT_TRUE(SameHeader(palettes[1].header, kDefaultPaletteHeaders[1])) << size;
  }
  // Within palette 0's colours: the whole colours read are kept, palette 1 default.
  EXPECT_EQ(DecodePalettes(full.data(), 30 + 4 + 3), PaletteDecode::Loaded);
  EXPECT_EQ(Entries(0), std::vector<std::uint32_t>{0x11});
  EXPECT_TRUE(SameHeader(palettes[1].header, kDefaultPaletteHeaders[1]));
  // Within palette 1's header.
  EXPECT_EQ(DecodePalettes(full.data(), 38 + 20), PaletteDecode::Loaded);
  EXPECT_EQ(Entries(0), (std::vector<std::uint32_t>{0x11, 0x22}));
  EXPECT_TRUE(SameHeader(palettes[1].header, kDefaultPaletteHeaders[1]));
  // Within palette 1's colours.
  EXPECT_EQ(DecodePalettes(full.data(), full.size() - 1), PaletteDecode::Loaded);
  EXPECT_EQ(Entries(1), (std::vector<std::uint32_t>{0x33, 0x44}));
  EXPECT_EQ(palettes[1].header.capacity, 200);
}

TEST_F(PaletteFileTest, CountAboveCapacityKeepsTheNewest) {
  Bytes b = Magic();
  PutHeader(b, {4, 2, 2, 0, 20, 1});
  PutColours(b, {1, 2, 3, 4});
  PutHeader(b, {1, 5, 5, 0, 20, 1});  // still found after all four colours
  PutColours(b, {9});
  ASSERT_EQ(Decode(b), PaletteDecode::Loaded);
  EXPECT_EQ(Entries(0), (std::vector<std::uint32_t>{1, 2}));
  EXPECT_EQ(palettes[0].header.count, 2);
  EXPECT_EQ(Entries(1), std::vector<std::uint32_t>{9});
  EXPECT_EQ(AddPaletteColor(5, 0, 1), 2);
}

// A hand-edited colour keeps its 24 colour bits only: above them it would
// read back as a negative number where a copy returns the colour.
TEST_F(PaletteFileTest, ColoursKeepTheirColourBitsOnly) {
  Bytes b = Magic();
  PutHeader(b, {3, 3, 3, 0, 20, 1});
  PutColours(b, {0xFF123456, 0x80FFFFFF, 0x01000000});
  PutHeader(b, {0, 5, 5, 0, 20, 1});
  ASSERT_EQ(Decode(b), PaletteDecode::Loaded);
  EXPECT_EQ(Entries(0), (std::vector<std::uint32_t>{0x123456, 0xFFFFFF, 0}));
}

TEST_F(PaletteFileTest, NegativeAndHugeFields) {
  Bytes b = Magic();
  PutHeader(b, {-3, 10, 10, 0, 20, 1});  // a negative count holds no colours
  PutHeader(b, {2, -1, 200, 32, 20, 1});  // a negative capacity gets the default
  PutColours(b, {7, 8});
  ASSERT_EQ(Decode(b), PaletteDecode::Loaded);
  EXPECT_EQ(palettes[0].header.count, 0);
  EXPECT_EQ(palettes[0].header.capacity, 10);
  EXPECT_EQ(palettes[1].header.capacity, 200);
  EXPECT_EQ(Entries(1), (std::vector<std::uint32_t>{7, 8}));

  b = Magic();
  PutHeader(b, {1, 0x7FFFFFFF, 10, 0, 20, 1});
  PutColours(b, {6});
  PutHeader(b, {0x7FFFFFFF, 10, 10, 0, 20, 1});
  PutColours(b, {5});
  ASSERT_EQ(Decode(b), PaletteDecode::Loaded);
  EXPECT_EQ(palettes[0].header.capacity, 10);
  EXPECT_EQ(Entries(0), std::vector<std::uint32_t>{6});
  EXPECT_EQ(Entries(1), std::vector<std::uint32_t>{5}) << "only the colours that are there";
}

TEST_F(PaletteFileTest, ColoursOfADisabledPaletteAreSkipped) {
  Bytes b = Magic();
  PutHeader(b, {2, 10, 10, 0, 20, 0});
  PutColours(b, {1, 2});
  PutHeader(b, {1, 10, 10, 0, 20, 1});
  PutColours(b, {3});
  ASSERT_EQ(Decode(b), PaletteDecode::Loaded);
  EXPECT_EQ(palettes[0].header.count, 0);
  EXPECT_EQ(palettes[0].entries, nullptr);
  EXPECT_EQ(Entries(1), std::vector<std::uint32_t>{3});
}

}  // namespace
