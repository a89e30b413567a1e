#include <benchmark/benchmark.h>

#include <cmath>

#include "histogram/HistogramArithmetic.h"

namespace {

// A smooth 256-bin histogram on [lo, lo + 256 step].
Histogram bell(double lo, double step) {
  Histogram h;
  h.count = kMaxBins;
  h.step = step;
  h.min = lo + step / 2;
  h.max = h.min + (kMaxBins - 1) * step;
  h.range = kMaxBins * step;
  double s = 0;
  for (int i = 0; i < kMaxBins; ++i) {
    const double z = (i - 127.5) / 40;
    h.p[i] = std::exp(-z * z / 2);
    s += h.p[i];
  }
  for (int i = 0; i < kMaxBins; ++i) h.p[i] /= s;
  NormaliseHistogram(kMaxBins, h);
  return h;
}

const Histogram kStrength = bell(20, 0.25);  // MPa
const Histogram kLoad = bell(5, 0.05);

}  // namespace

static void BM_AddHistograms256(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(AddHistograms(kStrength, kLoad));
  state.SetItemsProcessed(state.iterations() * kMaxBins * kMaxBins);
}
BENCHMARK(BM_AddHistograms256)->Unit(benchmark::kMicrosecond);

static void BM_SubtractHistograms256(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(SubtractHistograms(kStrength, kLoad));
  state.SetItemsProcessed(state.iterations() * kMaxBins * kMaxBins);
}
BENCHMARK(BM_SubtractHistograms256)->Unit(benchmark::kMicrosecond);

static void BM_MultiplyHistograms256(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(MultiplyHistograms(kStrength, kLoad));
  state.SetItemsProcessed(state.iterations() * kMaxBins * kMaxBins);
}
BENCHMARK(BM_MultiplyHistograms256)->Unit(benchmark::kMicrosecond);

static void BM_NormaliseHistogram256(benchmark::State& state) {
  Histogram h = kStrength;
  for (auto _ : state) {
    NormaliseHistogram(kMaxBins, h);
    benchmark::DoNotOptimize(h);
  }
}
BENCHMARK(BM_NormaliseHistogram256);
