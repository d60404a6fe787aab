// Palette files in and out: a palette's colours (newest first, as the list
// shows them) written as a GIMP palette, an Adobe Swatch Exchange file, CSS
// custom properties, JSON or plain text, and GIMP palettes, swatch files
// and colour lists read back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

enum class PaletteFileType { Gimp, Ase, Css, Json, Text };

// The type a file name's extension names (.gpl .ase .css .json, any case);
// anything else is text.
PaletteFileType PaletteFileTypeOf(const std::string& name);

// The whole file. Text has one colour a line in spuitFormat; every other
// type names each colour by its "#RRGGBB".
std::vector<std::uint8_t> ExportPalette(PaletteFileType type, const std::vector<std::uint32_t>& colours,
                                        const char* spuitFormat);

struct PaletteImport {
  bool valid = false;                  // the file is what it claims to be
  std::vector<std::uint32_t> colours;  // 0x00BBGGRR, in the file's order
  int skipped = 0;                     // swatches of another colour model
};
// GIMP palettes, swatch files (RGB swatches; CMYK, Lab and grey ones are
// skipped and counted) and text with one colour a line as "#RRGGBB", "#RGB"
// or "R G B". CSS and JSON are not read: they come back not valid, as does
// a file that breaks its format anywhere.
PaletteImport ImportPalette(PaletteFileType type, const std::uint8_t* data, std::size_t size);
