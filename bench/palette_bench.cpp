// AddPaletteColor in the case that runs on every mouse move with the
// collect palette on: a full palette of 1000, a duplicate check over all
// 1000 entries, threshold 0, and a new colour each time.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "core/palette_model.h"

namespace {

void Fill(int checkRange, int threshold) {
  ResetPalettes();
  palettes[kCollectPalette].header = {0, 1000, checkRange, threshold, 20, 1};
  ReallocPalettes();
  for (std::uint32_t i = 0; i < 1000; ++i) AddPaletteColor(0x800000u + i * 7, kCollectPalette, 0);
}

void BM_AddToAFullCollectPalette(benchmark::State& state) {
  Fill(1000, 0);
  std::uint32_t colour = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(AddPaletteColor(colour, kCollectPalette, 0));
    colour = (colour + 1) & 0x7FFFFF;  // never one of the palette's
  }
  ResetPalettes();
}
BENCHMARK(BM_AddToAFullCollectPalette);


}  // namespace
