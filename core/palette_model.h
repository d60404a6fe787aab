// The two colour palettes: palette 0 collects the spuit's colours, palette 1
// the colours the cursor passes over. Newest colour first.
#pragma once

#include <atomic>
#include <cstdint>

// Six 32-bit fields; also their layout in palette.dat.
struct PaletteHeader {
  std::int32_t count;
  std::int32_t capacity;
  std::int32_t checkRange;
  std::int32_t threshold;
  std::int32_t itemHeight;
  std::int32_t enabled;
};
static_assert(sizeof(PaletteHeader) == 24, "PaletteHeader is a 24-byte file record");

// Entries exist only while capacity is non-zero and the palette is enabled;
// without them count is 0.
struct Palette {
  PaletteHeader header;
  std::uint32_t* entries;
};

inline constexpr int kPaletteCount = 2;
inline constexpr int kSpuitPalette = 0;
inline constexpr int kCollectPalette = 1;

// Larger arrays are never allocated: the settings page allows 1000, and a
// hand-edited file must not make the program reserve gigabytes.
inline constexpr std::int32_t kMaxPaletteCapacity = 1000000;

inline constexpr PaletteHeader kDefaultPaletteHeaders[kPaletteCount] = {
    {0, 10, 10, 0, 20, 1},
    {0, 200, 200, 32, 20, 0},
};

extern Palette palettes[kPaletteCount];

// How the palette window learns that a palette it may show changed.
// Added: one colour at the top; Cleared and AddedMany: the list anew.
enum class PaletteChange { Added, Cleared, AddedMany };
using PaletteChangedHandler = void (*)(int palette, PaletteChange change);
void SetPaletteChangedHandler(PaletteChangedHandler handler);

// What the palette functions return for a palette index other than 0 or 1.
inline constexpr int kNoSuchPalette = -1;

// New count when colour was inserted, 0 when not (disabled, no room, a
// near-duplicate), or kNoSuchPalette.
int AddPaletteColor(std::uint32_t colour, int palette, int moveMode);
// Adds count colours one after the other as AddPaletteColor does, and tells
// the palette window once: a shown list is refilled once, not updated a
// colour at a time (5 ms each under Wine). How many were inserted, or
// kNoSuchPalette.
int AddPaletteColors(const std::uint32_t* colours, int count, int palette, int moveMode);
// 0, or kNoSuchPalette.
int ClearPalette(int palette);

enum SortKind { kSortLuminance = 0, kSortRed = 1, kSortGreen = 2, kSortBlue = 3 };
int SortKey(std::uint32_t colour, int kind);
// order 0: largest key first; 1: smallest key first.
void SortPalette(int palette, int kind, int order);

// The spuit palette's newest colour, the reference of the picker's checks,
// or -1 while it has none. The palettes belong to the main thread; this is
// published whole after each change for the picker thread to read.
std::int64_t SpuitReference();
void PublishSpuitReference();

// Brings both entry arrays in line with their headers.
void ReallocPalettes();
// Both headers zero, both arrays released.
void ResetPalettes();
