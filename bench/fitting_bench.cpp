#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

#include "creation/Fitting.h"
#include "creation/RawData.h"

namespace {

struct Sample {
  std::vector<double> x;
  RawStatistics s;
  Histogram h;
};

Sample gammaSample(long n, int N) {
  std::mt19937_64 rng(20261210);
  std::gamma_distribution<double> d(4.0, 5.0);
  Sample s;
  s.x.resize(static_cast<size_t>(n));
  for (double& v : s.x) v = d(rng);
  std::sort(s.x.begin(), s.x.end());
  s.s = ComputeRawStatistics(s.x);
  s.h = *RawDataHistogram(s.x, N, s.x.front(), s.x.back());
  return s;
}

}  // namespace

// All 22 types (655 Weibull shapes included) at N = 256 on 100000 values.
static void BM_FitDistributions(benchmark::State& state) {
  const Sample s = gammaSample(state.range(0), 256);
  for (auto _ : state) benchmark::DoNotOptimize(FitDistributions({s.x, s.s, s.h, 1e-7}, Language::Czech));
}
BENCHMARK(BM_FitDistributions)->Arg(100000)->Unit(benchmark::kMillisecond);
