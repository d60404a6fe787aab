// Any palette.dat: the palettes stay consistent (no more colours than the
// capacity, an array exactly when colours can be held), and what the
// program would save from them loads back to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "core/palette_dat.h"
#include "core/palette_model.h"

namespace {

void CheckInvariants() {
  for (const Palette& p : palettes) {
    const PaletteHeader& h = p.header;
    if (h.count < 0 || h.count > (h.capacity > 0 ? h.capacity : 0)) std::abort();
    if (p.entries == nullptr && h.count != 0) std::abort();
    if (p.entries != nullptr && (h.capacity <= 0 || h.enabled == 0)) std::abort();
    if (h.capacity > kMaxPaletteCapacity) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  DecodePalettes(data, size);
  CheckInvariants();

  const std::vector<std::uint8_t> saved = EncodePalettes();
  DecodePalettes(saved.data(), saved.size());
  CheckInvariants();
  if (EncodePalettes() != saved) std::abort();

  // The loaded palettes take colours without running past their arrays.
  for (int i = 0; i < 3; ++i) {
    AddPaletteColor(0x10203 * i, 0, 1);
    AddPaletteColor(0x30201 * i, 1, 0);
  }
  CheckInvariants();
  SortPalette(0, 0, 0);
  ResetPalettes();
  return 0;
}
