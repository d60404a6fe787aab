// The palette.dat layout: magic "VP120\0", then per palette its header and
// its count colours, little-endian.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

inline constexpr char kPaletteFileName[] = "palette.dat";
inline constexpr std::size_t kPaletteMagicSize = 6;

enum class PaletteDecode {
  Loaded,      // both palettes came from the file (possibly shortened)
  Defaults,    // nothing sound in the file: the default palettes
  WrongMagic,  // not a palette file: every header zero, nothing enabled
};

// The bytes of palette.dat for the current palettes.
std::vector<std::uint8_t> EncodePalettes();

// Replaces both palettes by what data holds. Never keeps more than a
// palette's capacity or a colour the data does not contain; a header the
// data cuts off gets its default.
PaletteDecode DecodePalettes(const std::uint8_t* data, std::size_t size);

// Both palettes with their default headers and fresh, empty arrays.
void SetDefaultPalettes();

class DataStore;
// palette.dat through the settings' data store: the defaults when it is
// missing. SavePalettes gives 0, or -1 when the file cannot be created.
void LoadPalettes(DataStore& store);
int SavePalettes(DataStore& store);
