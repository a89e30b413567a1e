// How the chain reads its input bins: spread evenly over each bin by default (every bin split into
// equal sub-bins), or as points at the bin centres as earlier versions did.

#include <gtest/gtest.h>

#include <string>

#include "chain_fixture.h"
#include "histogram/Refinement.h"
#include "io/AtomicFile.h"
#include "io/FileRead.h"
#include "persistence/AssessFile.h"
#include "persistence/ResultsFile.h"
#include "persistence/SettingsKeys.h"
#include "reliability/Assessment.h"
#include "reliability/BoltLength.h"
#include "reliability/BoltLoad.h"
#include "reliability/InputReading.h"
#include "reliability/ReducedStrength.h"
#include "reliability/StoredReading.h"
#include "shell/Refusal.h"
#include "verification/ChainVariants.h"
#include "verification/MonteCarlo.h"
#include "verification/PointModel.h"

namespace {

using chain_fixture::fill;
using chain_fixture::uniform;

constexpr ChainReading kCentres{PairValues::Centres, InputReading::Centres};

Histogram twoBins(double firstCentre, double step, double p1, double p2) {
  Histogram h = uniform(firstCentre, step, 2);
  h.p[0] = p1;
  h.p[1] = p2;
  return h;
}

TEST(SplitBins, SharesEachBinEquallyAndKeepsTheEdges) {
  const Histogram h = twoBins(1, 2, 0.2, 0.8);  // bins [0, 2] and [2, 4]
  const Histogram s = splitBins(h, 4);
  EXPECT_EQ(s.count, 8);
  EXPECT_EQ(s.step, 0.5);
  EXPECT_EQ(s.min, 0.25);
  EXPECT_EQ(s.max, 3.75);
  EXPECT_EQ(s.range, 4);
  EXPECT_EQ(s.total, h.total * 4);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(s.p[i], i < 4 ? 0.05 : 0.2) << i;

  // Nothing to split, or no room: the histogram as it is.
  Histogram zeroWidth = uniform(5, 0, 1);  // one value
  Histogram noStep = uniform(5, 1, 3);
  noStep.step = std::nan("");
  const struct {
    const char* what;
    Histogram h;
    int parts;
  } kept[] = {{"one part", h, 1},
              {"no parts", h, 0},
              {"beyond 256 bins", uniform(0, 1, 100), 3},
              {"zero width", zeroWidth, 64},
              {"no step", noStep, 4}};
  for (const auto& c : kept) {
    const Histogram out = splitBins(c.h, c.parts);
    EXPECT_EQ(binCount(out), binCount(c.h)) << c.what;
    EXPECT_EQ(out.p, c.h.p) << c.what;
  }
}

TEST(InputReading, SplitsEveryInputAsFarAsWholeSubBinsFitInto256) {
  const struct {
    int bins, target, parts;
  } cases[] = {{1, 256, 256}, {4, 256, 64},  {5, 256, 51}, {19, 256, 13}, {32, 256, 8}, {100, 256, 2},
               {129, 256, 1}, {256, 256, 1}, {4, 64, 16},  {4, 16, 4},    {32, 16, 1},  {0, 256, 1}};
  for (const auto& c : cases)
    EXPECT_EQ(uniformReadingParts(c.bins, c.target), c.parts) << c.bins << " bins, target " << c.target;

  const Histogram h = chain_fixture::bell(10, 30, 20);
  EXPECT_EQ(readInput(h, InputReading::Centres), h);
  EXPECT_EQ(readInput(h, InputReading::Uniform), splitBins(h, 12));
  const Histogram point = uniform(5, 0, 1);
  EXPECT_EQ(readInput(point, InputReading::Uniform), point);  // one value: nothing to spread

  for (InputReading r : {InputReading::Uniform, InputReading::Centres})
    EXPECT_EQ(parseInputReading(inputReadingName(r)), r);
  EXPECT_EQ(parseInputReading("Uniform"), std::nullopt);
  EXPECT_EQ(settings::kInputReading.textDefault, "uniform");
}

// An input of one value (zero width) is not spread; the chain refuses it as before, in either reading.
TEST(InputReading, AZeroWidthInputIsRefusedInEitherReading) {
  for (InputReading reading : {InputReading::Uniform, InputReading::Centres}) {
    ProjectState p = chain_fixture::project();
    ASSERT_TRUE(runLayerCoefficient(p).ok);
    ASSERT_TRUE(runReducedStrength(p, reading).ok);
    p.k.histogram = uniform(1, 0, 1);
    EXPECT_EQ(runBoltLength(p, {}, 0, {PairValues::Centres, reading}).firstNumber(), 35);
    EXPECT_FALSE(p.boltLengthDone);
  }
}

// FS = C - S with two random inputs of two bins each, everything else a point:
//   C = k SigmaR over [10, 12] (0.4) and [12, 14] (0.6),
//   S = a gamma  over [8, 11] (0.7) and [11, 14] (0.3).
// Spread evenly over the bins, P(C < S) = int f_C(x) P(S > x) dx
//   = 0.2 int_10^11 (0.3 + 0.7/3 (11 - x)) dx + 0.2 int_11^12 0.1 (14 - x) dx + 0.3 int_12^14 0.1 (14 - x) dx
//   = 1/12 + 1/20 + 3/50 = 29/150.
// As points at the centres, only C = 11 against S = 12.5 fails: 0.4 x 0.3 = 0.12.
TEST(InputReading, TwoInputsOfTwoBinsGiveTheExactPfOfTheirReading) {
  ProjectState p;
  constexpr double kTiny = 1e-7;  // relative width of the inputs that stand for one value
  auto point = [](double v) { return uniform(v, v * kTiny, 1); };
  p.layers[0].rockType = "pískovec";
  fill(p.layers[0], point(30));
  p.nextLayerRow = 2;
  fill(p.width, point(2));
  p.bStar = 2;
  p.twoBStar = 4;
  p.bStarText = "2";
  p.twoBStarText = "4";
  fill(p.k, point(1));
  fill(p.kn, point(1));
  fill(p.rmr, point(10));
  p.depthH = "600";
  p.d1 = "20";
  p.boltCount = "2";
  // S per unit of gamma at these points, and C per unit of SigmaR.
  const double a = 2.51189 * 1 * 2 * 2 * (1 - 10.0 / 100) * std::pow(std::exp(1.5 * 600 / 45 / 30) - 1, 0.6);
  const double k = bearingCapacityFactor(2, 20, 0, 1000);
  fill(p.gamma, twoBins(9.5 / a, 3 / a, 0.7, 0.3));
  fill(p.sigmaR, twoBins(11 / k, 2 / k, 0.4, 0.6));
  ASSERT_TRUE(runLayerCoefficient(p).ok);

  for (InputReading reading : {InputReading::Uniform, InputReading::Centres}) {
    SCOPED_TRACE(inputReadingName(reading));
    ProjectState q = p;
    const ChainReading r{PairValues::Centres, reading};
    ASSERT_TRUE(runReducedStrength(q, reading).ok);
    ASSERT_TRUE(runBoltLength(q, {}, 0, r).ok);
    ASSERT_TRUE(runBoltLoad(q, {}, 0, r).ok);
    AssessmentResult result;
    ASSERT_TRUE(runAssessment(q, DesignStandard::En1990, Language::Czech, result).ok);
    if (reading == InputReading::Centres) {
      EXPECT_NEAR(result.pf, 0.12, 1e-12);
    } else {
      // Sub-bins of 1/128 of a bin, and each pair value moved to the nearest centre of S (and of its
      // product) by at most half a bin: with densities of C below 0.3 that could move Pf by 0.3 x S.step
      // (0.007) at worst; the shifts largely cancel, and the chain comes within a thousandth.
      EXPECT_NEAR(result.pf, 29.0 / 150, 1e-3);
      EXPECT_LT(0.3 * q.boltLoad.step, 0.01);
    }
  }
}

std::string examples(const std::string& path) { return std::string(EXAMPLES_DIR) + "/Veltra/" + path; }
std::string legacyResults(const std::string& name) {
  return std::string(TEST_DATA_DIR) + "/results/" + name + "_centres.Vys";
}

ResultsFileData readResults(const std::string& path) {
  std::string bytes;
  EXPECT_FALSE(readWholeFile(path, FileKind::Results, bytes)) << path;
  Refusal e;
  const auto data = parseResultsFile(bytes, e);
  EXPECT_TRUE(data) << path;
  return data ? *data : ResultsFileData{};
}

// The example results as the bin-centre reading made them before the uniform reading came: the chain
// with the centres reading makes every result again bit for bit; by default the results differ.
TEST(InputReading, TheCentresReadingGivesTheResultsOfEarlierVersionsBitForBit) {
  for (const std::string name : {"Chodba_K12", "Chodba_K12_kombinovana"}) {
    SCOPED_TRACE(name);
    const ResultsFileData stored = readResults(legacyResults(name));
    const AssessedFile centres = assessFile(examples("Projects/" + name + ".hor"), examples("Histograms"),
                                            "1000", DesignStandard::En1990, Language::Czech, kCentres);
    ASSERT_TRUE(centres.ok) << centres.text;
    const ProjectState& p = centres.project;
    EXPECT_EQ(p.reducedStrength, stored.histograms[kResReducedStrength]);
    EXPECT_EQ(p.boltLength, stored.histograms[kResBoltLength]);
    EXPECT_EQ(p.boltLoad, stored.histograms[kResBoltLoad]);
    EXPECT_EQ(p.bearingCapacity, stored.histograms[kResBearingCapacity]);
    EXPECT_EQ(p.reliabilityFunction, stored.histograms[kResReliability]);

    const AssessedFile byDefault = assessFile(examples("Projects/" + name + ".hor"), examples("Histograms"),
                                              "1000", DesignStandard::En1990, Language::Czech);
    ASSERT_TRUE(byDefault.ok);
    EXPECT_EQ(byDefault.project.boltLoadReading.inputs, InputReading::Uniform);
    EXPECT_NE(byDefault.project.boltLoad, stored.histograms[kResBoltLoad]);
    EXPECT_GT(byDefault.assessment.pf, centres.assessment.pf);
  }
}

// A results file does not say how its results were made: a reading that makes them again tells,
// and the assessment reads SigmaR as that reading did.
TEST(InputReading, AResultsFileIsAssessedAgainAsItsStoredLoadWasMade) {
  const std::string file = legacyResults("Chodba_K12_kombinovana");
  const ResultsFileData stored = readResults(file);
  for (ChainReading preferred : {ChainReading{}, kCentres}) {
    const AssessedFile r = assessFile(file, "", "", DesignStandard::En1990, Language::Czech, preferred);
    ASSERT_TRUE(r.ok) << r.text;
    EXPECT_TRUE(r.project.boltLoadReadingKnown);
    EXPECT_EQ(r.project.boltLoadReading, kCentres);
    EXPECT_EQ(r.project.reducedStrengthReading, InputReading::Centres);
    EXPECT_EQ(r.project.loadInputReading(), InputReading::Centres);
    EXPECT_EQ(r.project.reliabilityFunction, stored.histograms[kResReliability]);
  }

  // Made under the uniform reading, and found so with the centres reading asked for first.
  ProjectState p = chain_fixture::project(true);
  ASSERT_TRUE(runLayerCoefficient(p).ok);
  ASSERT_TRUE(runReducedStrength(p).ok);
  ASSERT_TRUE(runBoltLength(p).ok);
  ASSERT_TRUE(runBoltLoad(p).ok);
  ProjectState found = p;
  settleStoredReading(found, kCentres);
  EXPECT_TRUE(found.boltLoadReadingKnown);
  EXPECT_EQ(found.boltLoadReading, ChainReading{});
  EXPECT_EQ(found.reducedStrengthReading, InputReading::Uniform);

  // An S no reading makes again: the reading asked for stands, marked as not known.
  ProjectState foreign = p;
  foreign.boltLoad.p[3] += 1e-12;
  const Histogram storedLoad = foreign.boltLoad;
  settleStoredReading(foreign, kCentres);
  EXPECT_FALSE(foreign.boltLoadReadingKnown);
  EXPECT_EQ(foreign.boltLoadReading, kCentres);
  EXPECT_EQ(foreign.reducedStrengthReading, InputReading::Uniform);
  EXPECT_EQ(foreign.boltLoad, storedLoad);
  // Made again, S's reading is known once more.
  ASSERT_TRUE(runBoltLoad(foreign).ok);
  EXPECT_TRUE(foreign.boltLoadReadingKnown);
}

// The example with every input merged to at most four bins, rows 1.7 m apart: read as spread over its
// bins the chain's Pf lies in the Monte Carlo interval of that reading, widened by the chain's own
// discretisation (within 10 % on the coarsened examples); read at the centres it is far too low.
TEST(InputReading, TheCoarseExampleLiesInTheSampledIntervalOfItsReading) {
  const AssessedFile opened = assessFile(examples("Projects/Chodba_K12.hor"), examples("Histograms"), "1700",
                                         DesignStandard::En1990, Language::Czech, kCentres);
  ASSERT_TRUE(opened.ok) << opened.text;
  ProjectState p = opened.project;
  for (LayerSlot& layer : p.layers)
    if (!layer.empty()) layer.histogram = verification::coarsened(layer.histogram, 4);
  for (HistogramSlot* s : {&p.width, &p.k, &p.kn, &p.rmr, &p.gamma, &p.sigmaR})
    s->histogram = verification::coarsened(s->histogram, 4);

  const auto uniformPf = verification::chainPf(p);
  const auto centresPf = verification::chainPf(p, kCentres);
  ASSERT_TRUE(uniformPf && centresPf);
  EXPECT_EQ(verification::chainPfSplit(p, kUniformReadingBins), uniformPf);

  const auto model = verification::pointModelFromProject(p);
  ASSERT_TRUE(model);
  verification::MonteCarloOptions o;
  o.targetCov = 0.05;
  o.seed = 7;
  o.maxSeconds = 120;
  const verification::MonteCarloResult mc = verification::runMonteCarlo(*model, o);
  const verification::PfEstimate& own = verification::matchingEstimate(mc, InputReading::Uniform);
  ASSERT_TRUE(own.converged);
  EXPECT_GE(*uniformPf, own.lo95 / 1.1);
  EXPECT_LE(*uniformPf, own.hi95 * 1.1);
  EXPECT_LT(*centresPf, own.lo95 / 1.5);
  std::printf("coarse example: uniform %.4g, centres %.4g, sampled uniform %.4g [%.4g, %.4g]\n", *uniformPf,
              *centresPf, own.pf, own.lo95, own.hi95);
}

}  // namespace
