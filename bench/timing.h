// Timing for the Windows benchmarks: milliseconds from the performance
// counter, and the median of repeated runs.
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

inline double NowMs() {
  static const LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

inline double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// The median of runs calls of f(i), the first warmup left out.
template <typename F>
double MedianMs(int runs, F&& f, int warmup = 0) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const double t0 = NowMs();
    f(i);
    if (i >= warmup) times.push_back(NowMs() - t0);
  }
  return Median(times);
}
