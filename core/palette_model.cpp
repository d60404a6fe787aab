#include "core/palette_model.h"

#include <cstdlib>
#include <cstring>

Palette palettes[kPaletteCount] = {};

namespace {
std::atomic<std::int64_t> spuitReference{-1};
}  // namespace

std::int64_t SpuitReference() { return spuitReference.load(std::memory_order_relaxed); }

void PublishSpuitReference() {
  const Palette& p = palettes[kSpuitPalette];
  spuitReference.store(p.entries != nullptr && p.header.count > 0 ? p.entries[0] : -1, std::memory_order_relaxed);
}

namespace {

PaletteChangedHandler changedHandler = nullptr;

bool ValidIndex(int palette) { return palette == 0 || palette == 1; }

int Red(std::uint32_t c) { return static_cast<int>(c & 0xFF); }
int Green(std::uint32_t c) { return static_cast<int>((c >> 8) & 0xFF); }
int Blue(std::uint32_t c) { return static_cast<int>((c >> 16) & 0xFF); }
int Abs(int v) { return v < 0 ? -v : v; }

// Whether one of the n entries lies within t of colour in every channel.
// Runs on every mouse move with the collect palette on, over up to 1000
// entries: whole blocks are scanned without branches, which the compiler
// turns into vector code, and the search stops after the first block with
// a match. |d| <= t is d + t in 0..2t, one unsigned comparison. A
// hand-edited threshold outside 0-254 decides it at once.
bool AnyNear(const std::uint32_t* e, int n, std::uint32_t colour, std::int32_t t) {
  if (t < 0 || n <= 0) return false;
  if (t >= 255) return true;
  const int r = Red(colour), g = Green(colour), b = Blue(colour);
  const unsigned width = 2u * static_cast<unsigned>(t);
  auto near = [&](std::uint32_t x) {
    return static_cast<unsigned>(static_cast<unsigned>(Red(x) - r + t) <= width) &
           static_cast<unsigned>(static_cast<unsigned>(Green(x) - g + t) <= width) &
           static_cast<unsigned>(static_cast<unsigned>(Blue(x) - b + t) <= width);
  };
  constexpr int kBlock = 64;
  int i = 0;
  for (; i + kBlock <= n; i += kBlock) {
    unsigned found = 0;
    for (int k = 0; k < kBlock; ++k) found |= near(e[i + k]);
    if (found) return true;
  }
  for (; i < n; ++i)
    if (near(e[i])) return true;
  return false;
}

void Notify(int palette, PaletteChange change) {
  if (changedHandler != nullptr) changedHandler(palette, change);
}

void Quicksort(std::uint32_t* e, int lo, int hi, int kind, int order) {
  const int pivot = SortKey(e[(lo + hi) / 2], kind);
  int i = lo;
  int j = hi;
  while (i <= j) {
    if (order == 0) {
      while (SortKey(e[i], kind) > pivot) ++i;
      while (SortKey(e[j], kind) < pivot) --j;
    } else {
      while (SortKey(e[i], kind) < pivot) ++i;
      while (SortKey(e[j], kind) > pivot) --j;
    }
    if (i <= j) {
      const std::uint32_t t = e[i];
      e[i] = e[j];
      e[j] = t;
      ++i;
      --j;
    }
  }
  if (lo < j) Quicksort(e, lo, j, kind, order);
  if (i < hi) Quicksort(e, i, hi, kind, order);
}

}  // namespace

void SetPaletteChangedHandler(PaletteChangedHandler handler) { changedHandler = handler; }

namespace {

// AddPaletteColor without telling anyone.
int Insert(std::uint32_t colour, int palette, int moveMode) {
  Palette& p = palettes[palette];
  PaletteHeader& h = p.header;
  if (h.capacity <= 0 || h.enabled == 0 || p.entries == nullptr) return 0;
  std::uint32_t* e = p.entries;
  if (h.count < 0) h.count = 0;

  const int n = h.count < h.checkRange ? h.count : h.checkRange;
  if (moveMode != 0) {
    // A recent repeat moves to the top instead of being held twice.
    for (int i = 0; i < n; ++i) {
      if (e[i] == colour) {
        std::memmove(e + i, e + i + 1, sizeof(std::uint32_t) * (h.count - i - 1));
        --h.count;
        break;
      }
    }
  } else {
    if (h.count > 0 && e[0] == colour) return 0;
    if (AnyNear(e, n, colour, h.threshold)) return 0;
  }

  if (h.count >= h.capacity) h.count = h.capacity - 1;  // the oldest colours drop out
  std::memmove(e + 1, e, sizeof(std::uint32_t) * h.count);
  e[0] = colour;
  ++h.count;
  return h.count;
}

}  // namespace

int AddPaletteColor(std::uint32_t colour, int palette, int moveMode) {
  if (!ValidIndex(palette)) return kNoSuchPalette;
  const int count = Insert(colour, palette, moveMode);
  if (count > 0) Notify(palette, PaletteChange::Added);
  PublishSpuitReference();
  return count;
}

int AddPaletteColors(const std::uint32_t* colours, int count, int palette, int moveMode) {
  if (!ValidIndex(palette)) return kNoSuchPalette;
  int added = 0;
  for (int i = 0; i < count; ++i) added += Insert(colours[i], palette, moveMode) > 0;
  if (added > 0) Notify(palette, PaletteChange::AddedMany);
  PublishSpuitReference();
  return added;
}

int ClearPalette(int palette) {
  if (!ValidIndex(palette)) return kNoSuchPalette;
  palettes[palette].header.count = 0;
  Notify(palette, PaletteChange::Cleared);
  PublishSpuitReference();
  return 0;
}

int SortKey(std::uint32_t colour, int kind) {
  const int r = Red(colour);
  const int g = Green(colour);
  const int b = Blue(colour);
  const int y = static_cast<int>(0.299 * r + 0.587 * g + 0.114 * b);
  const int cb = static_cast<int>(-0.16874 * r - 0.33126 * g + 0.5 * b + 128);
  const int cr = static_cast<int>(0.5 * r - 0.41869 * g - 0.08131 * b + 128);
  switch (kind) {
    case kSortLuminance: return y;
    case kSortRed: return cr - Abs(cb - 85);
    case kSortGreen: return 510 - cb - cr - Abs(r - b) + g - r / 2 - b / 2;
    case kSortBlue: return cb - Abs(cr - 107);
  }
  return 0;
}

void SortPalette(int palette, int kind, int order) {
  if (!ValidIndex(palette)) return;
  Palette& p = palettes[palette];
  if (p.entries == nullptr || p.header.count <= 1) return;
  Quicksort(p.entries, 0, p.header.count - 1, kind, order);
  PublishSpuitReference();
}

void ReallocPalettes() {
  for (Palette& p : palettes) {
    PaletteHeader& h = p.header;
    std::uint32_t* fresh = nullptr;
    if (h.capacity > 0 && h.capacity <= kMaxPaletteCapacity && h.enabled != 0)
      fresh = static_cast<std::uint32_t*>(std::malloc(sizeof(std::uint32_t) * h.capacity));
    if (fresh == nullptr) {
      // Also when the array cannot be had: no array means no colours.
      std::free(p.entries);
      p.entries = nullptr;
      h.count = 0;
      continue;
    }
    if (h.count > h.capacity) h.count = h.capacity;  // the newest survive a reduction
    if (h.count < 0 || p.entries == nullptr) h.count = 0;
    if (h.count > 0) std::memcpy(fresh, p.entries, sizeof(std::uint32_t) * h.count);
    std::free(p.entries);
    p.entries = fresh;
  }
  PublishSpuitReference();
}

void ResetPalettes() {
  for (Palette& p : palettes) {
    std::free(p.entries);
    p.entries = nullptr;
    p.header = PaletteHeader{};
  }
  PublishSpuitReference();
}
