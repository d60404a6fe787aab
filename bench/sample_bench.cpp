// SampleColour (one BitBlt of the square) against the per-pixel GetPixel
// method, on a busy screen picture; prints medians and their ratio.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "picker/sample.h"
#include "screen_reference.h"
#include "test_window.h"

namespace {

double Now() {
  LARGE_INTEGER f, t;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

template <typename F>
double MedianMs(int runs, F&& call) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const double start = Now();
    call(i);
    times.push_back((Now() - start) * 1000.0);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main() {
  PatternWindow window([](int x, int y) {
    return static_cast<std::uint32_t>((x * 7) & 0xFF) | (((y * 3) & 0xFF) << 8) |
           (((x + y) & 0xFF) << 16);
  });
  const int cx = GetSystemMetrics(SM_CXSCREEN) / 2;
  const int cy = GetSystemMetrics(SM_CYSCREEN) / 2;

  std::printf("%6s %14s %14s %10s %s\n", "size", "one read ms", "per-pixel ms", "ratio", "same");
  bool allSame = true;
  for (int size : {1, 5, 15, 51, 101}) {
    const int slowRuns = size >= 51 ? 5 : 21;
    bool same = true;
    const double fast = MedianMs(201, [&](int i) {
      volatile std::uint32_t c = SampleColour(cx + i % 7, cy, size);
      (void)c;
    });
    const double slow = MedianMs(slowRuns, [&](int i) {
      volatile std::uint32_t c = ReferenceSample(cx + i % 7, cy, size);
      (void)c;
    });
    for (int i = 0; i < 7; ++i)
      if (ReferenceSample(cx + i, cy, size) != SampleColour(cx + i, cy, size)) same = false;
    allSame = allSame && same;
    std::printf("%6d %14.4f %14.4f %10.0f %s\n", size, fast, slow, slow / fast, same ? "yes" : "NO");
  }
  return allSame ? 0 : 1;
}
