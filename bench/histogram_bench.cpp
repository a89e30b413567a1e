#include <benchmark/benchmark.h>

#include "histogram/Histogram.h"

static void BM_BinCount(benchmark::State& state) {
  Histogram h;
  h.count = 256;
  for (auto _ : state) benchmark::DoNotOptimize(binCount(h));
}
BENCHMARK(BM_BinCount);
