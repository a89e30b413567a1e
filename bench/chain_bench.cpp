// The computation chain on full-size inputs: every input histogram has 256 bins.

#include <benchmark/benchmark.h>

#include "full_size_project.h"
#include "verification/ChainVariants.h"

namespace {

ProjectState project(bool combined) {
  ProjectState p = full_size::project({3, 10, 15, "1.5"}, combined);
  runLayerCoefficient(p);
  runReducedStrength(p);
  return p;
}

void BM_BoltLengthAndLoadCombined(benchmark::State& state) {
  ProjectState base = project(true);
  const int threads = static_cast<int>(state.range(0));
  for (auto _ : state) {
    ProjectState p = base;
    const bool ok = runBoltLength(p, {}, threads).ok && runBoltLoad(p, {}, threads).ok;
    if (!ok) state.SkipWithError("chain refused");
    benchmark::DoNotOptimize(p.boltLoad.p.data());
  }
}
BENCHMARK(BM_BoltLengthAndLoadCombined)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WholeChainWithoutCombinedSupport(benchmark::State& state) {
  ProjectState base = project(false);
  for (auto _ : state) {
    ProjectState p = base;
    AssessmentResult a;
    const bool ok = runLayerCoefficient(p).ok && runReducedStrength(p).ok && runBoltLength(p).ok &&
                    runBoltLoad(p).ok && runAssessment(p, DesignStandard::En1990, Language::Czech, a).ok;
    if (!ok) state.SkipWithError("chain refused");
    benchmark::DoNotOptimize(a.pf);
  }
}
BENCHMARK(BM_WholeChainWithoutCombinedSupport)->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole chain as `veltra-cli assess` runs it on the combined-support project, on one thread: every
// input of 256 bins (no bin left to split) or merged to 32 bins (split eightfold by the uniform reading),
// read as spread over its bins (0) or at its bin centres (1).
void BM_AssessCombined(benchmark::State& state) {
  const int bins = static_cast<int>(state.range(0));
  const ChainReading reading{PairValues::Centres,
                             state.range(1) ? InputReading::Centres : InputReading::Uniform};
  ProjectState base = full_size::project({3, 10, 15, "1.5"}, true);
  for (LayerSlot& layer : base.layers)
    if (!layer.empty()) layer.histogram = verification::coarsened(layer.histogram, bins);
  for (HistogramSlot* s : {&base.width, &base.k, &base.kn, &base.q, &base.rmr, &base.gamma, &base.sigmaR})
    s->histogram = verification::coarsened(s->histogram, bins);
  runLayerCoefficient(base);
  for (auto _ : state) {
    ProjectState p = base;
    AssessmentResult a;
    const bool ok = runReducedStrength(p, reading.inputs).ok && runBoltLength(p, {}, 1, reading).ok &&
                    runBoltLoad(p, {}, 1, reading).ok &&
                    runAssessment(p, DesignStandard::En1990, Language::Czech, a).ok;
    if (!ok) state.SkipWithError("chain refused");
    benchmark::DoNotOptimize(a.pf);
  }
  state.SetLabel(std::string(inputReadingName(reading.inputs)));
}
BENCHMARK(BM_AssessCombined)
    ->Args({256, 0})
    ->Args({256, 1})
    ->Args({32, 0})
    ->Args({32, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace
