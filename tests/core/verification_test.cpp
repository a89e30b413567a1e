// Cross-checks of the chain's Pf: the point model, the Monte Carlo estimate, the coarsened chain and
// the sensitivity of Pf to each input.

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <random>

#include "chain_fixture.h"
#include "reliability/Assessment.h"
#include "reliability/BoltLength.h"
#include "reliability/BoltLoad.h"
#include "reliability/ReducedStrength.h"
#include "verification/ChainCheck.h"
#include "verification/ChainVariants.h"
#include "verification/MonteCarlo.h"
#include "verification/PointModel.h"

using namespace verification;
using chain_fixture::fill;

namespace {

ProjectState assessed(ProjectState p, AssessmentResult* result = nullptr, ChainReading reading = {}) {
  EXPECT_TRUE(runLayerCoefficient(p).ok);
  EXPECT_TRUE(runReducedStrength(p, reading.inputs).ok);
  EXPECT_TRUE(runBoltLength(p, {}, 0, reading).ok);
  EXPECT_TRUE(runBoltLoad(p, {}, 0, reading).ok);
  AssessmentResult a;
  EXPECT_TRUE(runAssessment(p, DesignStandard::En1990, Language::Czech, a).ok);
  if (result) *result = a;
  return p;
}

// The fixture with one thin bolt: Pf is about 1e-3.
ProjectState failingProject(bool combined) {
  ProjectState p = chain_fixture::project(combined);
  p.boltCount = "1";
  p.d1 = "10.8";
  return p;
}

// Bounds that keep a run short whatever it meets.
MonteCarloOptions options() {
  MonteCarloOptions o;
  o.maxSamples = 50'000'000;
  o.maxSeconds = 30;
  return o;
}

TEST(PointModel, AgreesWithTheChainOnOneBinInputs) {
  for (bool combined : {false, true}) {
    ProjectState p = chain_fixture::project(combined);
    fill(p.layers[0], chain_fixture::uniform(30, 0.003, 1));
    fill(p.layers[1], chain_fixture::uniform(15, 0.0015, 1));
    fill(p.width, chain_fixture::uniform(2.5, 0.00025, 1));
    fill(p.kn, chain_fixture::uniform(1.05, 0.0001, 1));
    fill(p.q, chain_fixture::uniform(0.2, 0.00002, 1));
    fill(p.rmr, chain_fixture::uniform(50, 0.005, 1));
    fill(p.gamma, chain_fixture::uniform(2.6, 0.00026, 1));
    fill(p.sigmaR, chain_fixture::uniform(500, 0.05, 1));
    p = assessed(p, nullptr, {PairValues::Centres, InputReading::Centres});
    const Histogram& fs = p.reliabilityFunction;
    int nonEmpty = 0;
    double value = 0;
    for (int i = 0; i < binCount(fs); ++i)
      if (fs.p[i] > 0) ++nonEmpty, value = fs.min + i * fs.step;
    ASSERT_EQ(nonEmpty, 1) << "combined " << combined;

    const auto m = pointModelFromProject(p);
    ASSERT_TRUE(m);
    const double layers[2] = {30, 15};
    const double point = pointReliability(*m, layers, 2.5, 2.5, 1.05, 50, 2.6, 0.2, 500);
    // The chain holds the value in a bin of FS: at most half a bin away, plus the bins before it.
    EXPECT_NEAR(value, point, 2 * fs.step) << "combined " << combined;
    EXPECT_LT(2 * fs.step, 1e-3 * std::fabs(point));
  }
}

TEST(MonteCarlo, ASeedGivesTheSameFiguresOnOneAndTwoThreads) {
  const ProjectState p = assessed(failingProject(true));
  const auto m = pointModelFromProject(p);
  ASSERT_TRUE(m);
  MonteCarloOptions o = options();
  o.seed = 42;
  o.targetCov = 0.05;
  o.threads = 1;
  const MonteCarloResult one = runMonteCarlo(*m, o);
  o.threads = 2;
  const MonteCarloResult two = runMonteCarlo(*m, o);
  for (auto [a, b] : {std::pair{one.centres, two.centres}, std::pair{one.uniform, two.uniform}}) {
    EXPECT_EQ(a.samples, b.samples);
    EXPECT_EQ(a.failures, b.failures);
    EXPECT_EQ(a.pf, b.pf);
    EXPECT_EQ(a.lo95, b.lo95);
    EXPECT_TRUE(a.converged);
  }
  o.seed = 43;
  EXPECT_NE(runMonteCarlo(*m, o).centres.failures, one.centres.failures);
}

// A plain sampler written out here: every input drawn at a bin centre with std::discrete_distribution.
double plainPf(const ProjectState& p, const PointModel& m, std::int64_t n) {
  std::mt19937_64 rng(2024);
  auto dist = [](const Histogram& h) {
    return std::discrete_distribution<int>(h.p.begin(), h.p.begin() + binCount(h));
  };
  auto at = [](const Histogram& h, int i) { return h.min + i * h.step; };
  std::vector<std::discrete_distribution<int>> layers;
  for (int i = 0; i < p.layerCount(); ++i) layers.push_back(dist(p.layers[i].histogram));
  auto b = dist(p.width.histogram), kn = dist(p.kn.histogram), rmr = dist(p.rmr.histogram),
       gamma = dist(p.gamma.histogram), q = dist(p.q.histogram), sigma = dist(p.sigmaR.histogram);
  std::int64_t failures = 0;
  std::vector<double> x(layers.size());
  for (std::int64_t s = 0; s < n; ++s) {
    for (size_t i = 0; i < layers.size(); ++i) x[i] = at(p.layers[i].histogram, layers[i](rng));
    const double b1 = at(p.width.histogram, b(rng)), b2 = at(p.width.histogram, b(rng));
    const double fs = pointReliability(m, x.data(), b1, b2, at(p.kn.histogram, kn(rng)),
                                       at(p.rmr.histogram, rmr(rng)), at(p.gamma.histogram, gamma(rng)),
                                       at(p.q.histogram, q(rng)), at(p.sigmaR.histogram, sigma(rng)));
    failures += fs < 0;
  }
  return static_cast<double>(failures) / static_cast<double>(n);
}

TEST(MonteCarlo, TheIntervalHoldsAPlainIndependentSample) {
  AssessmentResult a;
  const ProjectState p = assessed(failingProject(true), &a);
  const auto m = pointModelFromProject(p);
  ASSERT_TRUE(m);
  MonteCarloOptions o = options();
  o.targetCov = 0.02;
  const MonteCarloResult r = runMonteCarlo(*m, o);
  ASSERT_TRUE(r.centres.converged);
  EXPECT_GT(r.centres.pf, 2e-4);
  EXPECT_LT(r.centres.pf, 5e-3);
  const double plain = plainPf(p, *m, 4'000'000);  // its own spread is under half the interval's
  EXPECT_GE(plain, r.centres.lo95);
  EXPECT_LE(plain, r.centres.hi95);
  std::printf("chain %.4g, centres %.4g [%.4g, %.4g], uniform %.4g, plain %.4g\n", a.pf, r.centres.pf,
              r.centres.lo95, r.centres.hi95, r.uniform.pf, plain);
}

TEST(MonteCarlo, TabulatedBoundsDecideEverySampleAsTheExactFactorDoes) {
  for (bool combined : {false, true})
    for (const char* d1 : {"10", "10.8"}) {
      ProjectState p = failingProject(combined);
      p.d1 = d1;
      p = assessed(p);
      const auto m = pointModelFromProject(p);
      ASSERT_TRUE(m);
      const Sampler fast(*m), exact(*m, false);
      for (std::int64_t block = 0; block < 4; ++block) {
        const BlockCount a = fast.block(5, block, kSamplesPerBlock),
                         b = exact.block(5, block, kSamplesPerBlock);
        EXPECT_EQ(a.centres, b.centres) << combined << d1 << block;
        EXPECT_EQ(a.uniform, b.uniform) << combined << d1 << block;
        EXPECT_GT(b.centres, 0);
      }
    }
}

TEST(MonteCarlo, StopsWhenCancelledAndAtTheSampleBound) {
  const ProjectState p = assessed(chain_fixture::project(true));
  const auto m = pointModelFromProject(p);
  ASSERT_TRUE(m);
  std::atomic<bool> cancel{false};
  MonteCarloOptions o = options();
  o.cancel = &cancel;
  int calls = 0;
  o.progress = [&](std::int64_t done, std::int64_t expected) {
    EXPECT_LE(done, expected);
    if (++calls == 2) cancel = true;
  };
  const MonteCarloResult r = runMonteCarlo(*m, o);
  EXPECT_TRUE(r.cancelled);
  EXPECT_EQ(calls, 2);

  MonteCarloOptions bounded = options();
  bounded.maxSamples = 100'000;
  const MonteCarloResult b = runMonteCarlo(*m, bounded);
  EXPECT_EQ(b.centres.samples, 100'000);
  EXPECT_FALSE(b.cancelled);
}

TEST(MonteCarlo, EstimateAndIntervalOfACount) {
  const PfEstimate none = pfEstimate(0, 1'000'000, 0.1);
  EXPECT_EQ(none.pf, 0);
  EXPECT_TRUE(std::isinf(none.cov));
  EXPECT_EQ(none.lo95, 0.0);
  EXPECT_NEAR(none.hi95, 3.84e-6, 0.05e-6);  // Wilson: z^2 / (n + z^2)
  const PfEstimate some = pfEstimate(100, 1'000'000, 0.1);
  EXPECT_NEAR(some.cov, 0.09995, 1e-4);
  EXPECT_TRUE(some.converged);
  EXPECT_LT(some.lo95, 1e-4);
  EXPECT_GT(some.hi95, 1e-4);
}

TEST(AliasTable, DrawsEachBinWithItsShareAndNeverAnEmptyOne) {
  Histogram h = chain_fixture::uniform(0, 1, 5);
  const double p[5] = {0.1, 0.0, 0.5, 0.15, 0.25};
  for (int i = 0; i < 5; ++i) h.p[i] = p[i];
  const AliasTable t(h);
  SplitMix64 rng{7};
  int counts[5] = {};
  const int n = 1'000'000;
  for (int s = 0; s < n; ++s) ++counts[t.draw(rng.next())];
  EXPECT_EQ(counts[1], 0);
  for (int i = 0; i < 5; ++i) EXPECT_NEAR(counts[i] / double(n), p[i], 0.002) << i;
}

TEST(DiscretisationBand, MergingKeepsTheMassAndTheLowerEdge) {
  Histogram h = chain_fixture::bell(10, 30, 200);
  for (int bins : {64, 128, 256}) {
    const Histogram c = coarsened(h, bins);
    EXPECT_LE(binCount(c), bins);
    EXPECT_DOUBLE_EQ(c.min - c.step / 2, h.min - h.step / 2);
    double sum = 0;
    for (int i = 0; i < binCount(c); ++i) sum += c.p[i];
    EXPECT_NEAR(sum, 1, 1e-12);
  }
  EXPECT_EQ(binCount(coarsened(h, 64)), 50);  // groups of four
  EXPECT_EQ(coarsened(h, 256), h);

  const ProjectState p = assessed(failingProject(false));
  const auto pf256 = chainPfWithBins(p, 256), pf64 = chainPfWithBins(p, 64);
  ASSERT_TRUE(pf256 && pf64);
  AssessmentResult a;
  assessed(failingProject(false), &a);
  EXPECT_EQ(*pf256, a.pf);  // inputs of at most 256 bins are the chain itself
  EXPECT_GT(*pf64, 0);
}

TEST(Sensitivity, AStrongerSteelOrRockLowersPf) {
  const ProjectState p = assessed(failingProject(true));
  const auto m = pointModelFromProject(p);
  ASSERT_TRUE(m);
  const auto rows = sensitivity(p, *m);
  ASSERT_EQ(rows.size(), m->inputs.size());
  for (size_t i = 1; i < rows.size(); ++i) EXPECT_GE(rows[i - 1].spread(), rows[i].spread());
  for (const SensitivityRow& r : rows) {
    if (r.key != "SigmaR" && r.key != "sigma1") continue;
    EXPECT_GT(r.pf05, r.pf50) << r.key;
    EXPECT_GT(r.pf50, r.pf95) << r.key;
  }
  std::atomic<bool> cancel{true};
  SensitivityOptions o;
  o.cancel = &cancel;
  EXPECT_TRUE(sensitivity(p, *m, o).empty());
}

TEST(ChainCheck, RunsItsStepsInOrderBelongsToItsAssessmentAndStopsWhenCancelled) {
  ProjectState p = assessed(failingProject(false));
  ChainCheckOptions o;
  o.monteCarlo = options();
  o.monteCarlo.maxSamples = 1 << 20;
  std::vector<CheckStep> steps;
  o.progress = [&](CheckStep step, std::int64_t done, std::int64_t total) {
    EXPECT_LE(done, total);
    if (steps.empty() || steps.back() != step) steps.push_back(step);
  };
  const auto check = checkChain(p, o);
  ASSERT_TRUE(check);
  EXPECT_FALSE(check->cancelled);
  EXPECT_EQ(steps, (std::vector<CheckStep>{CheckStep::MonteCarlo, CheckStep::Band, CheckStep::Sensitivity}));
  EXPECT_EQ(check->chainPf, p.failureProbability);
  ASSERT_EQ(check->band.size(), std::size(kBandBins));
  for (const auto& pf : check->band) EXPECT_TRUE(pf && *pf > 0);
  EXPECT_EQ(check->sensitivity.size(), pointModelFromProject(p)->inputs.size());
  EXPECT_EQ(check->kFile, p.k.name);
  EXPECT_GT(check->monteCarlo.centres.failures, 0);
  EXPECT_TRUE(check->chainInsideOwnReading())
      << check->chainPf << " " << check->monteCarlo.centres.lo95 << " " << check->monteCarlo.centres.hi95;

  // The check belongs to the assessment it was made for, not to a later one.
  EXPECT_TRUE(check->madeFor(p));
  ProjectState other = assessed(failingProject(true));
  EXPECT_FALSE(check->madeFor(other));
  p.invalidate(InvalidateFrom::BoltLoad);
  EXPECT_FALSE(check->madeFor(p));

  // Cancelled at the first progress call: no band, no sensitivity.
  std::atomic<bool> cancel{false};
  o.cancel = &cancel;
  o.progress = [&](CheckStep, std::int64_t, std::int64_t) { cancel = true; };
  const auto stopped = checkChain(assessed(failingProject(false)), o);
  ASSERT_TRUE(stopped);
  EXPECT_TRUE(stopped->cancelled);
  EXPECT_TRUE(stopped->band.empty());
  EXPECT_TRUE(stopped->sensitivity.empty());

  // A project without what the point model needs is refused with the reason.
  ProjectState empty;
  std::string problem;
  EXPECT_FALSE(checkChain(empty, o, &problem));
  EXPECT_FALSE(problem.empty());
}

}  // namespace
