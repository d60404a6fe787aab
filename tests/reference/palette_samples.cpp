// Writes one palette in every export format into a folder, with the
// colours the outside readers must give back, in order, one "#RRGGBB" a
// line (expected.txt). Usage: palette_samples FOLDER
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "core/palette_exchange.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: palette_samples FOLDER\n");
    return 2;
  }
  const std::string dir = std::string(argv[1]) + "/";
  // Black, white, the primaries and forty more from a fixed sequence.
  std::vector<std::uint32_t> colours = {0x000000, 0xFFFFFF, 0x0000FF, 0x00FF00, 0xFF0000, 0x0080FF};
  std::uint32_t seed = 12345;
  while (colours.size() < 46) colours.push_back((seed = seed * 1103515245u + 12345u) >> 8 & 0xFFFFFF);
  const struct {
    PaletteFileType type;
    const char* name;
  } files[] = {{PaletteFileType::Gimp, "palette.gpl"}, {PaletteFileType::Ase, "palette.ase"},
               {PaletteFileType::Css, "palette.css"},  {PaletteFileType::Json, "palette.json"},
               {PaletteFileType::Text, "palette.txt"}};
  for (const auto& f : files) {
    const std::vector<std::uint8_t> bytes = ExportPalette(f.type, colours, "#%rx%gx%bx");
    std::ofstream(dir + f.name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  }
  std::ofstream expected(dir + "expected.txt");
  for (std::uint32_t c : colours) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%02X%02X%02X", c & 0xFF, c >> 8 & 0xFF, c >> 16 & 0xFF);
    expected << hex << "\n";
  }
  return 0;
}
