// Monte Carlo throughput and the sensitivity of a ten-input project, both with combined support and
// every input histogram of 256 bins.

#include <benchmark/benchmark.h>

#include "full_size_project.h"
#include "verification/ChainVariants.h"
#include "verification/MonteCarlo.h"
#include "verification/PointModel.h"

namespace {

// Four layers and B, Kn, RMR, gamma, q, SigmaR: ten random inputs of Pf.
ProjectState tenInputProject() {
  ProjectState p = full_size::project({4, 8, 10, "1.2"}, true);
  full_size::runChain(p);
  return p;
}

void BM_MonteCarloSamplesCombined(benchmark::State& state) {
  const ProjectState p = tenInputProject();
  const auto model = verification::pointModelFromProject(p);
  if (!model) return state.SkipWithError("no model");
  verification::MonteCarloOptions o;
  o.targetCov = 1e-9;  // never reached: the sample bound stops the run
  o.maxSamples = 10'000'000;
  o.threads = static_cast<int>(state.range(0));
  std::int64_t samples = 0;
  for (auto _ : state) {
    const auto r = verification::runMonteCarlo(*model, o);
    samples += r.centres.samples;
    benchmark::DoNotOptimize(r.centres.failures);
  }
  state.SetItemsProcessed(samples);
}
BENCHMARK(BM_MonteCarloSamplesCombined)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// The fixture with one thin bolt: Pf about 5e-6, so CoV 10 % takes some 2e7 samples of each reading.
void BM_MonteCarloToTenPercentCombined(benchmark::State& state) {
  ProjectState p = chain_fixture::project(true);
  p.boltCount = "1";
  p.d1 = "12";
  full_size::runChain(p);
  const auto model = verification::pointModelFromProject(p);
  if (!model) return state.SkipWithError("no model");
  std::int64_t samples = 0;
  for (auto _ : state) {
    const auto r = verification::runMonteCarlo(*model, {});
    samples += std::max(r.centres.samples, r.uniform.samples);
    state.counters["pf"] = r.centres.pf;
  }
  state.SetItemsProcessed(samples);
}
BENCHMARK(BM_MonteCarloToTenPercentCombined)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

void BM_SensitivityTenInputsCombined(benchmark::State& state) {
  const ProjectState p = tenInputProject();
  const auto model = verification::pointModelFromProject(p);
  if (!model || model->inputs.size() != 10) return state.SkipWithError("not ten inputs");
  for (auto _ : state) benchmark::DoNotOptimize(verification::sensitivity(p, *model).size());
}
BENCHMARK(BM_SensitivityTenInputsCombined)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

void BM_DiscretisationBandCombined(benchmark::State& state) {
  const ProjectState p = tenInputProject();
  for (auto _ : state)
    for (int bins : {64, 128}) benchmark::DoNotOptimize(verification::chainPfWithBins(p, bins));
}
BENCHMARK(BM_DiscretisationBandCombined)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

}  // namespace
