#include "core/palette_dat.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "core/byte_order.h"
#include "core/data_store.h"
#include "core/palette_model.h"

namespace {

constexpr std::uint8_t kMagic[kPaletteMagicSize] = {'V', 'P', '1', '2', '0', 0};

PaletteHeader GetHeader(const std::uint8_t* p) {
  std::int32_t f[6];
  for (int i = 0; i < 6; ++i) f[i] = static_cast<std::int32_t>(GetLe32(p + 4 * i));
  return {f[0], f[1], f[2], f[3], f[4], f[5]};
}

void PutHeader(std::vector<std::uint8_t>& out, const PaletteHeader& h, std::int32_t count) {
  for (std::int32_t v : {count, h.capacity, h.checkRange, h.threshold, h.itemHeight, h.enabled})
    PutLe32(out, static_cast<std::uint32_t>(v));
}

// Reads one palette at pos; returns the position after its colours.
std::size_t DecodeOne(int index, const std::uint8_t* data, std::size_t size, std::size_t pos) {
  Palette& p = palettes[index];
  p.header = GetHeader(data + pos);
  pos += sizeof(PaletteHeader);
  PaletteHeader& h = p.header;
  if (h.capacity < 0 || h.capacity > kMaxPaletteCapacity)
    h.capacity = kDefaultPaletteHeaders[index].capacity;

  // The colours that are really there; a negative count holds none.
  const std::size_t stored = h.count > 0 ? static_cast<std::size_t>(h.count) : 0;
  const std::size_t present = std::min(stored, (size - pos) / 4);

  std::size_t kept = 0;
  if (h.capacity > 0 && h.enabled != 0) {
    p.entries = static_cast<std::uint32_t*>(std::malloc(sizeof(std::uint32_t) * h.capacity));
    if (p.entries != nullptr) {
      kept = std::min(present, static_cast<std::size_t>(h.capacity));  // newest first
      // A colour is 0x00BBGGRR: a hand-edited top byte would make it read as
      // no colour, or as a negative number where a colour is returned.
      for (std::size_t i = 0; i < kept; ++i) p.entries[i] = GetLe32(data + pos + 4 * i) & 0xFFFFFF;
    }
  }
  h.count = static_cast<std::int32_t>(kept);
  return pos + 4 * present;
}

}  // namespace

void SetDefaultPalettes() {
  ResetPalettes();
  for (int i = 0; i < kPaletteCount; ++i) palettes[i].header = kDefaultPaletteHeaders[i];
  ReallocPalettes();
}

std::vector<std::uint8_t> EncodePalettes() {
  std::vector<std::uint8_t> out(kMagic, kMagic + kPaletteMagicSize);
  for (const Palette& p : palettes) {
    const std::int32_t count = p.entries != nullptr && p.header.count > 0 ? p.header.count : 0;
    PutHeader(out, p.header, count);
    for (std::int32_t i = 0; i < count; ++i) PutLe32(out, p.entries[i]);
  }
  return out;
}

PaletteDecode DecodePalettes(const std::uint8_t* data, std::size_t size) {
  if (data == nullptr || size < kPaletteMagicSize) {
    SetDefaultPalettes();
    return PaletteDecode::Defaults;
  }
  ResetPalettes();
  if (std::memcmp(data, kMagic, kPaletteMagicSize) != 0) return PaletteDecode::WrongMagic;

  std::size_t pos = kPaletteMagicSize;
  int decoded = 0;
  for (int i = 0; i < kPaletteCount; ++i) {
    if (size - pos < sizeof(PaletteHeader)) break;
    pos = DecodeOne(i, data, size, pos);
    ++decoded;
  }
  if (decoded == 0) {
    SetDefaultPalettes();
    return PaletteDecode::Defaults;
  }
  // A palette whose header the file cuts off starts from its defaults.
  for (int i = decoded; i < kPaletteCount; ++i) {
    palettes[i].header = kDefaultPaletteHeaders[i];
  }
  if (decoded < kPaletteCount) ReallocPalettes();
  return PaletteDecode::Loaded;
}

void LoadPalettes(DataStore& store) {
  const auto bytes = store.ReadData(kPaletteFileName);
  if (!bytes) SetDefaultPalettes();
  else DecodePalettes(bytes->data(), bytes->size());
  PublishSpuitReference();
}

int SavePalettes(DataStore& store) {
  return store.WriteData(kPaletteFileName, EncodePalettes()) ? 0 : -1;
}
