// The computation chain on full-size inputs: every input histogram has 256 bins.

#include <benchmark/benchmark.h>

#include "full_size_project.h"

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

}  // namespace
