#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "creation/RawData.h"
#include "histogram/Statistics.h"

namespace {

// A raw data file of n normal values, written like a laboratory export (six decimals, CR LF).
std::string rawFile(long n) {
  std::mt19937_64 rng(20261210);
  std::normal_distribution<double> d(42.0, 6.5);
  std::string s;
  s.reserve(static_cast<size_t>(n) * 12);
  char buf[32];
  for (long i = 0; i < n; ++i) {
    std::snprintf(buf, sizeof buf, "%.6f\r\n", d(rng));
    s += buf;
  }
  return s;
}

}  // namespace

// Open to histogram: read, sort, statistics, the 128-interval histogram with its median and mode.
static void BM_RawDataOpenToHistogram(benchmark::State& state) {
  const std::string file = rawFile(state.range(0));
  for (auto _ : state) {
    Refusal e;
    auto x = ReadRawValues(file, e);
    SortRawValues(*x);
    const RawStatistics s = ComputeRawStatistics(*x);
    const auto h = RawDataHistogram(*x, 128, x->front(), x->back());
    std::string text;
    benchmark::DoNotOptimize(binMedian(true, h->p, h->min, h->max, 128, text));
    benchmark::DoNotOptimize(s);
  }
  state.counters["valueBytes"] = static_cast<double>(state.range(0)) * sizeof(double);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RawDataOpenToHistogram)->Arg(500000)->Unit(benchmark::kMillisecond);

// One screenful of the value list (what a list view formats).
static void BM_RawValueListScreen(benchmark::State& state) {
  for (auto _ : state)
    for (long i = 1; i <= 60; ++i) benchmark::DoNotOptimize(RawValueLine(40.0 + i / 7.0, i));
}
BENCHMARK(BM_RawValueListScreen)->Unit(benchmark::kMicrosecond);
