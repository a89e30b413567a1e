// Design of the bolt pattern with S computed: the default table of 5 x 7 x 31 = 1085 patterns and the
// search for kRequired, on one core; on the example project and on one whose inputs all have 256 bins.

#include <benchmark/benchmark.h>

#include "design/PatternDesign.h"
#include "full_size_project.h"
#include "persistence/AssessFile.h"

namespace {

design::DesignBasis exampleBasis() {
  const std::string examples = EXAMPLES_DIR "/Veltra";
  const AssessedFile f =
      runFileChain(examples + "/Projects/Chodba_K12.hor", examples + "/Histograms", "1000", Language::Czech);
  ChainReport report;
  const auto basis = f.ok ? design::designBasis(f.project, report) : std::nullopt;
  return basis ? *basis : design::DesignBasis{};
}

design::DesignBasis fullSizeBasis() {
  ProjectState p = full_size::project({3, 10, 15, "1.5"}, false);
  full_size::runChain(p);
  ChainReport report;
  const auto basis = design::designBasis(p, report);
  return basis ? *basis : design::DesignBasis{};
}

void runDefaultTable(benchmark::State& state, const design::DesignBasis& basis) {
  design::DesignRequest request;  // target 2, the default ranges
  int evaluations = 0;
  for (auto _ : state) {
    const design::DesignResult d = design::runDesign(basis, request);
    if (!d.ok || d.patterns.size() != 1085) return state.SkipWithError("design refused");
    evaluations = d.evaluations;
    benchmark::DoNotOptimize(d.lightest);
  }
  state.counters["factors"] = evaluations;
}

void BM_DesignDefaultTableExample(benchmark::State& state) { runDefaultTable(state, exampleBasis()); }
BENCHMARK(BM_DesignDefaultTableExample)->Unit(benchmark::kMillisecond);

void BM_DesignDefaultTableFullSize(benchmark::State& state) { runDefaultTable(state, fullSizeBasis()); }
BENCHMARK(BM_DesignDefaultTableFullSize)->Unit(benchmark::kMillisecond);

}  // namespace
