// Cost of expanding the picker text, which happens on every repaint.
#include <benchmark/benchmark.h>

#include "core/format.h"

namespace {

void BM_ExpandDefaultPicker(benchmark::State& state) {
  const char* format = "x%sx, y%sy\r\n10進: %rr:%gg:%bb\r\n16進: #%rx%gx%bx";
  char out[kFormatBufferSize];
  FormatInput input = {0x0080FF, 0, 200, 3, 4, 5, 8};
  for (auto _ : state) {
    input.screenX = (input.screenX + 1) & 1023;
    benchmark::DoNotOptimize(ExpandFormat(out, format, input));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ExpandDefaultPicker);

// Every notation once: the colour's conversions are worked out once per
// expansion, whatever the number of specifiers that need them.
void BM_ExpandEveryNotation(benchmark::State& state) {
  const char* format =
      "%rh%gh%bh %rn %gn %bn %rp %gp %bp %hh %hs %hl %vs %vv %kc %km %ky %kk %ll %la %lb %lc %lh %ol %oa %ob "
      "%oc %oh %ww %wk";
  char out[kFormatBufferSize];
  FormatInput input = {0x0080FF, 0, 200, 3, 4, 5, 8};
  for (auto _ : state) {
    input.colour = (input.colour + 0x010203) & 0xFFFFFF;  // a new colour each time: nothing to reuse
    benchmark::DoNotOptimize(ExpandFormat(out, format, input));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ExpandEveryNotation);

// Every specifier of the language once, against a reference colour: the
// picker's worst case. Then the nearest CSS name alone, its costliest part
// (148 names by CIEDE2000, most skipped by a lower bound).
void ExpandWithReference(benchmark::State& state, const char* format) {
  char out[kFormatBufferSize];
  FormatInput input = {0x0080FF, 0, 200, 3, 4, 5, 8, true, 0xF0E0D0, true};
  for (auto _ : state) {
    input.colour = (input.colour + 0x010203) & 0xFFFFFF;
    benchmark::DoNotOptimize(ExpandFormat(out, format, input));
    benchmark::ClobberMemory();
  }
}
BENCHMARK_CAPTURE(ExpandWithReference, EverySpecifier,
                  "%rr%gg%bb%rx%gx%bx%ro%go%bo%rf%sx%sy%cx%cy%pr%px%zl%%%%rh%gh%bh%rn%gn%bn%rp%gp%bp%hh%hs%hl%vs%vv"
                  "%kc%km%ky%kk%ll%la%lb%lc%lh%ol%oa%ob%oc%oh%ww%wk%wr%wg%ap%de%cn%cd%hd");
BENCHMARK_CAPTURE(ExpandWithReference, NearestCssName, "%cn");

void BM_ExpandToTheLimit(benchmark::State& state) {
  char format[kFormatBufferSize] = {};
  for (int i = 0; i + 3 < 259; i += 3) {
    format[i] = '%';
    format[i + 1] = 'r';
    format[i + 2] = 'f';
  }
  char out[kFormatBufferSize];
  for (auto _ : state) {
    benchmark::DoNotOptimize(ExpandFormat(out, format, FormatInput{0xFFFFFF, 1, 2, 3, 4, 5, 8}));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ExpandToTheLimit);

}  // namespace
