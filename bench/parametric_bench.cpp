#include <benchmark/benchmark.h>

#include "creation/ParametricGenerator.h"

namespace {

// One recompute of the parametric window: type t with its default parameters, N = 256, Eps = 1e-8.
void BM_GenerateEveryType(benchmark::State& state) {
  ParametricRequest rq;
  rq.type = static_cast<int>(state.range(0));
  rq.params = ParametricDefaultParams(rq.type);
  rq.eps = 1e-8;
  rq.intervals = 256;
  for (auto _ : state) {
    const ParametricResult r = GenerateParametric(rq, Language::Czech);
    benchmark::DoNotOptimize(r.p[0]);
  }
  state.SetLabel(ParametricTypeName(rq.type, Language::English));
}
BENCHMARK(BM_GenerateEveryType)->DenseRange(0, kParametricTypeCount - 1)->Unit(benchmark::kMicrosecond);

struct Case {
  const char* name;
  int type;
  std::array<std::string, 4> params;
};

// Parameters whose range is very wide or cannot be resolved: each ends quickly, valid or refused.
const Case kPathological[] = {
    {"tiny Sigma", kPtNormal, {"10", "1E-12", "1.1", "1.9"}},
    {"huge Mi", kPtNormal, {"1E20", "1", "1.1", "1.9"}},
    {"Levy c=10", kPtLevy, {"10", "1", "1.1", "1.9"}},
    {"Levy c=1E-10", kPtLevy, {"1E-10", "1", "1.1", "1.9"}},
    {"Cauchy", kPtCauchy, {"10", "1", "1.1", "1.9"}},
    {"Pareto k=1E-9", kPtPareto, {"10", "1E-9", "1.1", "1.9"}},
    {"Student n=1E300", kPtStudent, {"1E300", "1", "1.1", "1.9"}},
    {"Beta general b-a=1000", kPtBetaGeneral, {"2", "5", "0", "1000"}},
    {"Snedecor 1,1E-5", kPtSnedecor, {"1", "1E-5", "1.1", "1.9"}},
};

void BM_GeneratePathological(benchmark::State& state) {
  const Case& c = kPathological[state.range(0)];
  ParametricRequest rq;
  rq.type = c.type;
  rq.params = c.params;
  rq.eps = 1e-8;
  rq.intervals = 256;
  bool valid = false;
  for (auto _ : state) {
    const ParametricResult r = GenerateParametric(rq, Language::Czech);
    valid = r.valid;
    benchmark::DoNotOptimize(r.p[0]);
  }
  state.SetLabel(std::string(c.name) + (valid ? " (valid)" : " (refused)"));
}
BENCHMARK(BM_GeneratePathological)
    ->DenseRange(0, std::size(kPathological) - 1)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
