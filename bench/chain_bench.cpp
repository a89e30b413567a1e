// The computation chain on full-size inputs: every input histogram has 256 bins.

#include <benchmark/benchmark.h>

#include "chain_fixture.h"
#include "project/ProjectState.h"
#include "reliability/Assessment.h"
#include "reliability/BoltLength.h"
#include "reliability/BoltLoad.h"
#include "reliability/ReducedStrength.h"

namespace {

using chain_fixture::fill;

Histogram bell(double lo, double hi) { return chain_fixture::bell(lo, hi, kMaxBins); }

ProjectState project(bool combined) {
  ProjectState p;
  for (int i = 0; i < 3; ++i) {
    LayerSlot& layer = p.layers[i];
    layer.rockType = "pískovec";
    fill(layer, bell(20 + 10 * i, 60 + 15 * i));
    layer.thickness = i == 0 ? "" : "1.5";
  }
  p.nextLayerRow = 4;
  fill(p.width, bell(4.5, 5.5));
  p.bStar = 5;
  p.twoBStar = 10;
  p.bStarText = "5";
  p.twoBStarText = "10";
  fill(p.k, bell(0.8, 1.2));
  fill(p.kn, bell(0.9, 1.1));
  fill(p.q, bell(0.05, 0.3));
  fill(p.rmr, bell(40, 60));
  fill(p.gamma, bell(2.4, 2.8));
  fill(p.sigmaR, bell(400, 600));
  p.depthH = "600";
  p.d1 = "22";
  p.d2 = "0";
  p.boltCount = "6";
  p.rowSpacing = "1000";
  p.combinedSupport = combined;
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
