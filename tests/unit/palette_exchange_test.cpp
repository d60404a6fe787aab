// Palette files: every format that is read back round-trips, swatches of
// another colour model are skipped and counted, and a file that breaks its
// format anywhere is refused whole.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/palette_exchange.h"

namespace {

using Colours = std::vector<std::uint32_t>;
using T = PaletteFileType;

// #FF8000, black, white, #E63946, #123456, #0A0BFF: newest first.
const Colours kColours = {0x0080FF, 0x000000, 0xFFFFFF, 0x4639E6, 0x563412, 0xFF0B0A};

PaletteImport Read(T type, const std::string& bytes) {
  return ImportPalette(type, reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}
PaletteImport Read(T type, const std::vector<std::uint8_t>& bytes) { return ImportPalette(type, bytes.data(), bytes.size()); }

}  // namespace

TEST(PaletteExchange, EveryReadFormatRoundTrips) {
  const struct {
    T type;
    const char* spuitFormat;
  } rows[] = {{T::Gimp, ""}, {T::Ase, ""}, {T::Text, "#%rx%gx%bx"}, {T::Text, "%rr %gg %bb"}};
  for (const auto& row : rows) {
    const PaletteImport back = Read(row.type, ExportPalette(row.type, kColours, row.spuitFormat));
    EXPECT_TRUE(back.valid) << static_cast<int>(row.type) << " " << row.spuitFormat;
    EXPECT_EQ(back.colours, kColours) << static_cast<int>(row.type) << " " << row.spuitFormat;
    EXPECT_EQ(back.skipped, 0);
  }
  EXPECT_EQ(Read(T::Text, std::string("#f80\r\n\r\n  0 0 0  \n#123456")).colours, (Colours{0x0088FF, 0, 0x563412}));
}

TEST(PaletteExchange, SwatchesOfAnotherModelAreSkippedAndCounted) {
  std::vector<std::uint8_t> ase = ExportPalette(T::Ase, {0x0080FF, 0x000000}, "");
  // The first swatch becomes a CMYK one: its model starts 12 + 6 + 2 + 16 bytes in.
  ase[12 + 6 + 2 + 16 + 0] = 'C';
  ase[12 + 6 + 2 + 16 + 1] = 'M';
  ase[12 + 6 + 2 + 16 + 2] = 'Y';
  ase[12 + 6 + 2 + 16 + 3] = 'K';
  const PaletteImport back = Read(T::Ase, ase);
  EXPECT_TRUE(back.valid);
  EXPECT_EQ(back.colours, Colours{0});
  EXPECT_EQ(back.skipped, 1);
}

TEST(PaletteExchange, AFileThatBreaksItsFormatIsRefusedWhole) {
  const std::vector<std::uint8_t> ase = ExportPalette(T::Ase, kColours, "");
  std::vector<std::uint8_t> badFloat = ase;
  badFloat[12 + 6 + 2 + 16 + 4] = 0x7F;  // red far above 1.0
  const struct {
    T type;
    std::string bytes;
  } rows[] = {
      {T::Gimp, "GIMP Palett\n1 2 3\n"},
      {T::Gimp, "GIMP Palette\n1 2\n"},
      {T::Gimp, "GIMP Palette\n1 2 256 x\n"},
      {T::Gimp, ""},
      {T::Ase, "ASEG" + std::string(ase.begin() + 4, ase.end())},
      {T::Ase, std::string(ase.begin(), ase.begin() + 30)},  // cut inside a swatch
      {T::Ase, std::string(ase.begin(), ase.begin() + 11)},
      {T::Ase, std::string(badFloat.begin(), badFloat.end())},
      {T::Text, "#12345\n"},
      {T::Text, "#FF8000\nhello\n"},
      {T::Text, "1 2 3 4\n"},
      {T::Text, "\r\n\r\n"},
      {T::Css, ":root {\n  --velun-1: #ff8000;\n}\n"},
      {T::Json, "[]"},
  };
  for (const auto& row : rows) {
    const PaletteImport back = Read(row.type, row.bytes);
    EXPECT_FALSE(back.valid) << static_cast<int>(row.type) << ": " << row.bytes.substr(0, 20);
    EXPECT_TRUE(back.colours.empty());
  }
}
