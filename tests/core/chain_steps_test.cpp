// The commands of the computation chain: their checks in order, their messages and worked examples.

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "chain_fixture.h"
#include "creation/SpecialFunctions.h"
#include "histogram/HistogramArithmetic.h"
#include "reliability/Assessment.h"
#include "reliability/BoltLength.h"
#include "reliability/BoltLoad.h"
#include "reliability/InputReading.h"
#include "reliability/ReducedStrength.h"
#include "shell/Messages.h"

using chain_fixture::bell;
using chain_fixture::project;

namespace {

using Breaker = std::function<void(ProjectState&)>;

// Applies the breakers from `first` on (all at once) and expects the message of the first one: the
// checks run in the listed order and each stops the command without changing the project.
void expectChecksInOrder(const std::function<ProjectState()>& make,
                         const std::vector<std::pair<int, Breaker>>& checks,
                         const std::function<ChainReport(ProjectState&)>& run) {
  for (size_t first = 0; first < checks.size(); ++first) {
    ProjectState p = make();
    for (size_t i = first; i < checks.size(); ++i) checks[i].second(p);
    const ProjectState before = p;
    const ChainReport r = run(p);
    EXPECT_FALSE(r.ok);
    ASSERT_EQ(r.messages.size(), 1u) << "check " << first;
    EXPECT_EQ(r.messages[0].message, checks[first].first) << "check " << first;
    EXPECT_EQ(r.messages[0].kind, DlgKind::Error);
    EXPECT_TRUE(p == before) << "check " << first << ": a refusal changes nothing";
  }
}

ProjectState withReducedStrength(bool combined = false) {
  ProjectState p = project(combined);
  EXPECT_TRUE(runLayerCoefficient(p).ok);
  EXPECT_TRUE(runReducedStrength(p).ok);
  return p;
}

ProjectState withBoltLength(bool combined = false) {
  ProjectState p = withReducedStrength(combined);
  EXPECT_TRUE(runBoltLength(p).ok);
  return p;
}

ProjectState withBoltLoad(bool combined = false) {
  ProjectState p = withBoltLength(combined);
  EXPECT_TRUE(runBoltLoad(p).ok);
  return p;
}

// ---------------------------------------------------------------- layer coefficient

TEST(LayerCoefficient, TableOfTheNumberOfLayers) {
  const double expected[] = {1.0, 0.95, 0.9, 0.86, 0.82, 0.79, 0.76, 0.73, 0.71, 0.7};
  for (int n = 1; n <= 10; ++n) EXPECT_EQ(layerCoefficient(n), expected[n - 1]) << n;
}

TEST(LayerCoefficient, TwoLayersOfWhichTheSecondIsThreeMetres) {
  ProjectState p = project();
  const ChainReport r = runLayerCoefficient(p);
  ASSERT_TRUE(r.ok);
  EXPECT_TRUE(r.messages.empty());
  EXPECT_EQ(p.betaValue, 0.95);
  EXPECT_EQ(leadingNumber(p.beta), 0.95);
  EXPECT_EQ(leadingNumber(p.layers[0].thickness), 2.0);  // 2B* - 3 = 5 - 3
  EXPECT_EQ(p.layers[0].thickness.find(','), std::string::npos);
}

TEST(LayerCoefficient, RowsWithARockTypeButNoHistogramDoNotCount) {
  ProjectState p = project();
  p.layers[2].rockType = "uhlí";
  p.layers[2].thickness = "1";  // not a layer: its thickness is not subtracted either
  ASSERT_TRUE(runLayerCoefficient(p).ok);
  EXPECT_EQ(p.betaValue, 0.95);
  EXPECT_EQ(leadingNumber(p.layers[0].thickness), 2.0);
}

TEST(LayerCoefficient, EmptyTableIsAWarning) {
  ProjectState p;
  const ChainReport r = runLayerCoefficient(p);
  EXPECT_FALSE(r.ok);
  ASSERT_EQ(r.firstNumber(), 133);
  EXPECT_EQ(r.messages[0].kind, DlgKind::Warning);
}

TEST(LayerCoefficient, NoWidthHistogramKeepsBetaButEmptiesItsText) {
  ProjectState p = project();
  p.layers[0].thickness = "9";
  p.twoBStarText.clear();
  const ChainReport r = runLayerCoefficient(p);
  EXPECT_EQ(r.firstNumber(), 134);
  EXPECT_EQ(p.betaValue, 0.95);
  EXPECT_TRUE(p.beta.empty());
  EXPECT_TRUE(p.layers[0].thickness.empty());
}

TEST(LayerCoefficient, LayersThickerThanTwoBStarReportTheNegativeM1) {
  ProjectState p = project();
  p.layers[1].thickness = "7.5";
  const ChainReport r = runLayerCoefficient(p);
  ASSERT_EQ(r.firstNumber(), 135);
  EXPECT_EQ(leadingNumber(r.messages[0].extra), -2.5);
  EXPECT_NE(r.messages[0].extra.find(" ) !"), std::string::npos);
  EXPECT_TRUE(p.beta.empty());
  EXPECT_TRUE(p.layers[0].thickness.empty());
  // The reduced strength then stops at the missing first thickness.
  EXPECT_EQ(runReducedStrength(p).firstNumber(), 38);
}

// ---------------------------------------------------------------- reduced strength

TEST(ReducedStrength, ChecksInOrder) {
  auto make = [] {
    ProjectState p = project();
    runLayerCoefficient(p);
    return p;
  };
  expectChecksInOrder(make,
                      {
                          {36, [](ProjectState& p) { p.width.name.clear(); }},
                          {133,
                           [](ProjectState& p) {
                             p.nextLayerRow = 1;
                             p.layers[0].rockType.clear();
                           }},
                          {38, [](ProjectState& p) { p.layers[0].thickness.clear(); }},
                          {39, [](ProjectState& p) { p.layers[1].name.clear(); }},
                          {41, [](ProjectState& p) { p.layers[1].thickness.clear(); }},
                          {42, [](ProjectState& p) { p.beta.clear(); }},
                          {43, [](ProjectState& p) { p.bStarText.clear(); }},
                      },
                      [](ProjectState& p) { return runReducedStrength(p); });
}

TEST(ReducedStrength, AGapInTheTableIsReportedForItsRow) {
  ProjectState p = project();
  runLayerCoefficient(p);
  p.layers[3].rockType = "uhlí";
  chain_fixture::fill(p.layers[3], bell(5, 9));
  p.layers[3].thickness = "0.5";
  const ChainReport r = runReducedStrength(p);
  ASSERT_EQ(r.firstNumber(), 39);
  EXPECT_EQ(r.messages[0].args, std::vector<std::string>{"3"});
  EXPECT_EQ(r.messages[0].text(Language::Czech), MessageFormat(39, Language::Czech, {"3"}));
}

// The layer strength as the chain reads it: as it stands, or split into sub-bins.
TEST(ReducedStrength, OneLayerGivesItsOwnStrength) {
  for (InputReading reading : {InputReading::Centres, InputReading::Uniform}) {
    SCOPED_TRACE(inputReadingName(reading));
    ProjectState p = project();
    p.layers[1] = LayerSlot{};
    p.nextLayerRow = 2;
    ASSERT_TRUE(runLayerCoefficient(p).ok);
    EXPECT_EQ(p.betaValue, 1.0);
    ASSERT_TRUE(runReducedStrength(p, reading).ok);
    EXPECT_TRUE(p.reducedStrengthDone);
    EXPECT_EQ(p.reducedStrengthReading, reading);
    const Histogram& r = p.reducedStrength;
    const Histogram sigma = readInput(p.layers[0].histogram, reading);
    EXPECT_EQ(r.count, reading == InputReading::Centres ? 20 : 240);
    EXPECT_EQ(r.count, sigma.count);
    EXPECT_DOUBLE_EQ(r.min, sigma.min);
    EXPECT_DOUBLE_EQ(r.step, sigma.step);
    for (int i = 0; i < binCount(sigma); ++i) EXPECT_EQ(r.p[i], sigma.p[i]) << i;
  }
}

TEST(ReducedStrength, TwoLayersAreTheirThicknessWeightedSum) {
  ProjectState p = project();
  ASSERT_TRUE(runLayerCoefficient(p).ok);
  ASSERT_TRUE(runReducedStrength(p, InputReading::Centres).ok);
  Histogram a = p.layers[0].histogram, b = p.layers[1].histogram;
  const double f = 0.95 / 5;
  ScaleHistogram(a, 2 * f);
  ScaleHistogram(b, 3 * f);
  Histogram expected = AddHistograms(a, b).h;
  NormaliseHistogram(binCount(expected), expected);
  TrimHistogram(expected);
  EXPECT_EQ(p.reducedStrength, expected);
  // Mean of 0.95/5 (2 x 30 + 3 x 15) = 19.95 MPa.
  double mean = 0;
  for (int i = 0; i < binCount(expected); ++i) mean += expected.p[i] * (expected.min + i * expected.step);
  EXPECT_NEAR(mean, 19.95, 0.1);
}

TEST(ReducedStrength, AZeroThicknessIsRefusedWithItsRowByBAndByTheSum) {
  ProjectState p = project();
  ASSERT_TRUE(runLayerCoefficient(p).ok);
  const std::string m1 = p.layers[0].thickness, beta = p.beta;
  for (const char* bad : {"0", "-1", "x"}) {
    p.layers[1].thickness = bad;
    const ChainReport b = runLayerCoefficient(p);
    ASSERT_EQ(b.firstNumber(), 149) << bad;
    EXPECT_FALSE(b.ok);
    EXPECT_EQ(b.messages[0].layerRow, 2);
    EXPECT_EQ(b.messages[0].extra, std::string(" ! ( ") + bad + " )\r\n");
    EXPECT_EQ(b.messages[0].focus, FocusField::LayerTable);
    EXPECT_EQ(p.layers[0].thickness, m1) << "nothing changed";
    EXPECT_EQ(p.beta, beta);
  }
  p.layers[1].thickness = "0";
  const ChainReport r = runReducedStrength(p);
  ASSERT_EQ(r.firstNumber(), 149);
  EXPECT_EQ(r.messages[0].layerRow, 2);
  EXPECT_EQ(r.messages[0].extra, " ! ( 0 )\r\n");
  EXPECT_EQ(r.messages[0].text(Language::Czech, "  2."),
            MessageText(149, Language::Czech) + "  2. ! ( 0 )\r\n");
  EXPECT_FALSE(p.reducedStrengthDone);
}

// ---------------------------------------------------------------- bolt length

TEST(BoltLength, ChecksInOrder) {
  expectChecksInOrder([] { return withReducedStrength(true); },
                      {
                          {48, [](ProjectState& p) { p.reducedStrengthDone = false; }},
                          {49, [](ProjectState& p) { p.k.name.clear(); }},
                          {50, [](ProjectState& p) { p.kn.name.clear(); }},
                          {51, [](ProjectState& p) { p.depthH.clear(); }},
                          {52, [](ProjectState& p) { p.q.name.clear(); }},
                      },
                      [](ProjectState& p) { return runBoltLength(p); });
}

TEST(BoltLength, MissingDepthMovesTheFocus) {
  ProjectState p = withReducedStrength();
  p.depthH.clear();
  const ChainReport r = runBoltLength(p);
  ASSERT_EQ(r.firstNumber(), 51);
  EXPECT_EQ(r.messages[0].focus, FocusField::EdH);
}

TEST(BoltLength, WithoutCombinedSupportTheQTableIsIgnored) {
  ProjectState p = withReducedStrength(false);
  p.q = HistogramSlot{kSrcQ, "q.dis", Histogram{}};  // a broken q is never read
  const ChainReport r = runBoltLength(p);
  EXPECT_TRUE(r.ok);
  EXPECT_TRUE(p.boltLengthDone);
  EXPECT_LE(binCount(p.boltLength), 256);
  EXPECT_NE(p.boltLength.p[0], 0.0);
  EXPECT_NE(p.boltLength.p[binCount(p.boltLength) - 1], 0.0);
}

TEST(BoltLength, ZeroDepthIsRefusedAsNoDepth) {
  ProjectState p = withReducedStrength();
  p.depthH = "0";
  const ChainReport r = runBoltLength(p);
  EXPECT_EQ(r.firstNumber(), 145);
  EXPECT_EQ(r.messages[0].focus, FocusField::EdH);
  EXPECT_FALSE(p.boltLengthDone);
}

TEST(BoltLength, SingleBinInputsStillSpanARange) {
  ProjectState p = withReducedStrength();
  p.k.histogram = chain_fixture::uniform(1, 0.1, 1);
  p.kn.histogram = chain_fixture::uniform(1, 0.1, 1);
  p.width.histogram = chain_fixture::uniform(5, 0.5, 1);
  p.reducedStrength = chain_fixture::uniform(20, 1, 1);
  ProjectState spread = p;
  ASSERT_TRUE(runBoltLength(p, {}, 0, {PairValues::Centres, InputReading::Centres}).ok);
  // One pair value: all of the mass in one bin.
  EXPECT_EQ(p.boltLength.count, 1);
  EXPECT_EQ(p.boltLength.p[0], 1.0);
  // Read as spread over their bins, the same inputs fill the range.
  ASSERT_TRUE(runBoltLength(spread).ok);
  EXPECT_GT(binCount(spread.boltLength), 100);
  EXPECT_NEAR(totalProbability(spread.boltLength), 1.0, 1e-12);
}

TEST(BoltLength, MatchesTheFormulaAtTheMean) {
  ProjectState p = withReducedStrength();
  ASSERT_TRUE(runBoltLength(p).ok);
  const Histogram& l = p.boltLength;
  double mean = 0;
  for (int i = 0; i < binCount(l); ++i) mean += l.p[i] * (l.min + i * l.step);
  // 0.251189 x Kn x B x K x (e^(1.5 H / (45 R)) - 1)^0.6 near the means (Kn 1, B 2.5, K 1, R 19.95).
  const double g = std::pow(std::exp(1.5 * 600 / (45 * 19.95)) - 1, 0.6);
  EXPECT_NEAR(mean, 0.251189 * 2.5 * g, 0.05 * 0.251189 * 2.5 * g);
}

// ---------------------------------------------------------------- bolt load

TEST(BoltLoad, ChecksInOrder) {
  expectChecksInOrder([] { return withBoltLength(); },
                      {
                          {44, [](ProjectState& p) { p.boltLengthDone = false; }},
                          {45, [](ProjectState& p) { p.rmr.name.clear(); }},
                          {46, [](ProjectState& p) { p.gamma.name.clear(); }},
                      },
                      [](ProjectState& p) { return runBoltLoad(p); });
}

TEST(BoltLoad, CombinedSupportTickedAfterTheBoltLengthNeedsQ) {
  ProjectState p = withBoltLength(false);
  p.combinedSupport = true;
  p.q.name.clear();
  EXPECT_EQ(runBoltLoad(p).firstNumber(), 52);
  EXPECT_FALSE(p.boltLoadDone);
}

TEST(BoltLoad, RockMassFactorReversesTheRmrBins) {
  Histogram rmr = chain_fixture::uniform(40, 5, 5);  // centres 40 .. 60
  rmr.p[0] = 0.1, rmr.p[1] = 0.2, rmr.p[2] = 0.3, rmr.p[3] = 0.15, rmr.p[4] = 0.25;
  const Histogram d = rockMassFactor(rmr);
  EXPECT_DOUBLE_EQ(d.min, 0.4);
  EXPECT_DOUBLE_EQ(d.max, 0.6);
  EXPECT_DOUBLE_EQ(d.step, 0.05);
  EXPECT_DOUBLE_EQ(d.range, 0.25);
  EXPECT_EQ(d.count, 5);
  EXPECT_EQ(d.total, rmr.total);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(d.p[i], rmr.p[4 - i]);
}

TEST(BoltLoad, SingleBinRmrKeepsItsWidthScaled) {
  const Histogram d = rockMassFactor(chain_fixture::uniform(50, 4, 1));
  EXPECT_DOUBLE_EQ(d.min, 0.5);
  EXPECT_DOUBLE_EQ(d.max, 0.5);
  EXPECT_DOUBLE_EQ(d.step, 0.04);
  EXPECT_DOUBLE_EQ(d.range, 0.04);
  ProjectState p = withBoltLength();
  p.rmr.histogram = chain_fixture::uniform(50, 4, 1);
  EXPECT_TRUE(runBoltLoad(p).ok);
}

TEST(BoltLoad, SupportResistanceAboveOneAndAHalfDepthGivesAnEmptyRange) {
  ProjectState p = withBoltLength(true);
  p.q.histogram = bell(1000, 1200);  // 1.5 H = 900 below every q: every factor is 0
  EXPECT_EQ(runBoltLoad(p).firstNumber(), 47);
  EXPECT_FALSE(p.boltLoadDone);
}

TEST(BoltLoad, ZeroWidthInputIsRefused) {
  ProjectState p = withBoltLength();
  p.gamma.histogram.step = 0;
  EXPECT_EQ(runBoltLoad(p).firstNumber(), 35);
  EXPECT_FALSE(p.boltLoadDone);
}

TEST(BoltLoad, WithAndWithoutCombinedSupport) {
  for (bool combined : {false, true}) {
    ProjectState p = withBoltLoad(combined);
    EXPECT_TRUE(p.boltLoadDone);
    const Histogram& s = p.boltLoad;
    EXPECT_GE(binCount(s), 2);
    EXPECT_NE(s.p[0], 0.0);
    double sum = 0;
    for (int i = 0; i < binCount(s); ++i) sum += s.p[i];
    EXPECT_NEAR(sum, 1.0, 1e-9);
  }
}

// ---------------------------------------------------------------- assessment

TEST(Assessment, ChecksInOrder) {
  auto run = [](ProjectState& p) {
    AssessmentResult a;
    return runAssessment(p, DesignStandard::En1990, Language::Czech, a);
  };
  expectChecksInOrder([] { return withBoltLoad(); },
                      {
                          {54, [](ProjectState& p) { p.boltLoadDone = false; }},
                          {55, [](ProjectState& p) { p.d1.clear(); }},
                          {56, [](ProjectState& p) { p.boltCount.clear(); }},
                          {57, [](ProjectState& p) { p.sigmaR.name.clear(); }},
                          {29, [](ProjectState& p) { p.d2 = "30"; }},
                          {30, [](ProjectState& p) { p.rowSpacing = "0"; }},
                      },
                      run);
}

TEST(Assessment, MessagesMoveTheFocusAndEndAsTheyShould) {
  struct Case {
    std::function<void(ProjectState&)> change;
    int number;
    FocusField focus;
    std::string suffix;
  };
  const Case cases[] = {
      {[](ProjectState& p) { p.d1.clear(); }, 55, FocusField::EdPS, ""},
      {[](ProjectState& p) { p.boltCount.clear(); }, 56, FocusField::EdPK, ""},
      {[](ProjectState& p) { p.sigmaR.name.clear(); }, 57, FocusField::None, "\r\n"},
      {[](ProjectState& p) { p.d2 = "25"; }, 29, FocusField::EdPSV, ""},
      {[](ProjectState& p) { p.rowSpacing = ""; }, 30, FocusField::EdPSds, ""},  // empty counts as 0
      {[](ProjectState& p) { p.rowSpacing = "abc"; }, 155, FocusField::EdPSds, ""},
      {[](ProjectState& p) { p.boltCount = "0"; }, 147, FocusField::EdPK, "0 )\r\n"},
      {[](ProjectState& p) { p.d2 = "22"; }, 146, FocusField::EdPSV, " \"d2\" ( d2 >= d1 )  !  ( 22 )\r\n"},
  };
  for (const Case& c : cases) {
    ProjectState p = withBoltLoad();
    c.change(p);
    AssessmentResult a;
    const ChainReport r = runAssessment(p, DesignStandard::En1990, Language::Czech, a);
    ASSERT_EQ(r.firstNumber(), c.number);
    EXPECT_EQ(r.messages[0].focus, c.focus) << c.number;
    EXPECT_EQ(r.messages[0].extra, c.suffix) << c.number;
    EXPECT_FALSE(p.bearingCapacityDone);
    EXPECT_FALSE(p.assessmentDone);
  }
}

TEST(Assessment, BearingCapacityFactorOfFourBoltsOf22mm) {
  EXPECT_NEAR(bearingCapacityFactor(4, 22, 0, 1000), 1.5205, 5e-5);
  EXPECT_DOUBLE_EQ(bearingCapacityFactor(4, 22, 0, 1000),
                   3.141592653589793 * 4 * 0.022 * 0.022 / 4 * 1000 / 1);
  EXPECT_DOUBLE_EQ(bearingCapacityFactor(4, 22, 0, 2000), bearingCapacityFactor(4, 22, 0, 1000) / 2);
}

TEST(Assessment, RunsTheWholeChainAndKeepsTheFailureMass) {
  ProjectState p = withBoltLoad();
  AssessmentResult a;
  const ChainReport r = runAssessment(p, DesignStandard::En1990, Language::Czech, a);
  ASSERT_TRUE(r.ok);
  EXPECT_TRUE(p.bearingCapacityDone);
  EXPECT_TRUE(p.assessmentDone);
  EXPECT_EQ(p.failureProbability, a.pf);
  EXPECT_EQ(p.failureMass, a.failureMass);
  // C = SigmaR x 1.5205: the scaled histogram, normalised and trimmed; SigmaR read as S read its inputs.
  ASSERT_EQ(p.boltLoadReading.inputs, InputReading::Uniform);
  Histogram c = readInput(p.sigmaR.histogram, InputReading::Uniform);
  ASSERT_EQ(binCount(c), 240);
  ScaleHistogram(c, bearingCapacityFactor(4, 22, 0, 1000));
  NormaliseHistogram(binCount(c), c);
  TrimHistogram(c);
  EXPECT_EQ(p.bearingCapacity, c);
  // Changing the standard changes only the classes.
  ProjectState p2 = p;
  AssessmentResult b;
  ASSERT_TRUE(runAssessment(p2, DesignStandard::Csn731401, Language::Czech, b).ok);
  EXPECT_EQ(p2.reliabilityFunction, p.reliabilityFunction);
  EXPECT_EQ(b.pf, a.pf);
  EXPECT_EQ(b.pd[0], 8e-6);
}

}  // namespace

// Every command checks the typed inputs it reads before it computes: a text that is no number, is not
// finite or lies beyond its field's range gets the field's own message (not min = max or beta = 0
// later), and a decimal comma reads as the point.
TEST(ChainInputs, TypedInputsOutOfTheirDomainGetTheirFieldsMessage) {
  enum Step { Beta, Reduced, Length, Load, Assess };
  struct Case {
    Step step;
    Breaker change;
    int number;  // -1: the step runs
    FocusField focus;
    std::string suffixPart;
  };
  const std::string range = "0 < H <= 100000 m";
  const Case cases[] = {
      {Beta, [](ProjectState& p) { p.layers[1].thickness = "inf"; }, 149, FocusField::LayerTable, "( inf )"},
      {Beta, [](ProjectState& p) { p.layers[1].thickness = "-0"; }, 149, FocusField::LayerTable, "( -0 )"},
      {Reduced, [](ProjectState& p) { p.layers[1].thickness = "1e308"; }, 149, FocusField::LayerTable,
       "0 < m <= 100000 m"},
      {Reduced, [](ProjectState& p) { p.layers[1].thickness = "3 m"; }, 149, FocusField::LayerTable,
       "( 3 m )"},
      {Length, [](ProjectState& p) { p.depthH = "devetset"; }, 145, FocusField::EdH, "devetset )"},
      {Length, [](ProjectState& p) { p.depthH = "-900"; }, 145, FocusField::EdH, "-900 )"},
      {Length, [](ProjectState& p) { p.depthH = "1e308"; }, 145, FocusField::EdH, range},
      {Length, [](ProjectState& p) { p.depthH = "1E9"; }, 145, FocusField::EdH, range},
      {Length, [](ProjectState& p) { p.depthH = "nan"; }, 145, FocusField::EdH, "nan )"},
      {Length, [](ProjectState& p) { p.depthH = "1200xyz"; }, 145, FocusField::EdH, "1200xyz )"},
      {Length, [](ProjectState& p) { p.depthH = "900,5"; }, -1, FocusField::None, ""},
      {Length, [](ProjectState& p) { p.width.histogram.min = -0.5; }, 0, FocusField::None,
       "widths <= 0  ( the smallest -0.5 m )"},
      {Load, [](ProjectState& p) { p.width.histogram.min = 0; }, 0, FocusField::None, "widths <= 0"},
      {Load, [](ProjectState& p) { p.depthH = "1 500"; }, 145, FocusField::EdH, "1 500 )"},
      {Assess, [](ProjectState& p) { p.d1 = "22abc"; }, 146, FocusField::EdPS, "\"d1\" !  ( 22abc )"},
      {Assess, [](ProjectState& p) { p.d1 = "5000"; }, 146, FocusField::EdPS, "0 < d1 <= 1000 mm"},
      {Assess, [](ProjectState& p) { p.d2 = "inf"; }, 146, FocusField::EdPSV, "\" d2 \" !  ( inf )"},
      {Assess, [](ProjectState& p) { p.boltCount = "1e300"; }, 147, FocusField::EdPK, "0 < n <= 1000"},
      {Assess, [](ProjectState& p) { p.rowSpacing = "1e300"; }, 155, FocusField::EdPSds,
       "0 < ds <= 100000 mm"},
      {Assess, [](ProjectState& p) { p.rowSpacing = "2,5e3"; }, -1, FocusField::None, ""},
  };
  for (const Case& c : cases) {
    ProjectState p = c.step == Beta      ? project(false)
                     : c.step == Reduced ? withReducedStrength()
                     : c.step == Length  ? withReducedStrength()
                     : c.step == Load    ? withBoltLength()
                                         : withBoltLoad();
    c.change(p);
    AssessmentResult a;
    const ChainReport r = c.step == Beta      ? runLayerCoefficient(p)
                          : c.step == Reduced ? runReducedStrength(p)
                          : c.step == Length  ? runBoltLength(p)
                          : c.step == Load    ? runBoltLoad(p)
                                              : runAssessment(p, DesignStandard::En1990, Language::Czech, a);
    if (c.number < 0) {
      EXPECT_TRUE(r.ok) << c.step << " " << r.firstNumber();
      continue;
    }
    ASSERT_FALSE(r.ok) << c.step << " " << c.suffixPart;
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.firstNumber(), c.number) << c.suffixPart;
    EXPECT_EQ(r.messages[0].focus, c.focus) << c.suffixPart;
    const std::string text = r.messages[0].text(Language::English);
    EXPECT_NE(text.find(c.suffixPart), std::string::npos) << text;
  }
  // A decimal comma gives the same result as the point.
  ProjectState comma = withBoltLoad(), point = withBoltLoad();
  comma.rowSpacing = "2,5e3";
  point.rowSpacing = "2500";
  AssessmentResult a, b;
  ASSERT_TRUE(runAssessment(comma, DesignStandard::En1990, Language::Czech, a).ok);
  ASSERT_TRUE(runAssessment(point, DesignStandard::En1990, Language::Czech, b).ok);
  EXPECT_EQ(a.pf, b.pf);
}

TEST(LeadingNumber, ReadsAsFarAsTheTextFormsANumber) {
  const std::pair<const char*, double> cases[] = {
      {"2.5", 2.5},    {"3 m", 3},
      {"1.5E2x", 150}, {"1e-1", 0.1},
      {"-4", -4},      {"+.5", 0.5},
      {".25", 0.25},   {"7.", 7},
      {"1E", 1},       {"abc", 0},
      {"", 0},         {"  12", 12},
      {"-", 0},        {"1e999", 1.7976931348623157e308},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(leadingNumber(text), value) << text;
}

// ---------------------------------------------------------------- inputs named but not read

// A project naming a histogram file that could not be read keeps the name with an empty record:
// every step that needs that input says which one is missing and names the file.
TEST(ChainInputs, ANamedSlotWhoseFileWasNotReadIsReportedAsMissingWithItsFile) {
  using Step = std::function<ChainReport(ProjectState&)>;
  const Step reduced = [](ProjectState& p) { return runReducedStrength(p); };
  const Step length = [](ProjectState& p) { return runBoltLength(p); };
  const Step load = [](ProjectState& p) { return runBoltLoad(p); };
  const Step assess = [](ProjectState& p) {
    AssessmentResult a;
    return runAssessment(p, DesignStandard::En1990, Language::Czech, a);
  };
  struct Case {
    const char* what;
    std::function<ProjectState()> ready;
    HistogramSlot& (*slot)(ProjectState&);
    Step step;
    int message;
  };
  const auto withBeta = [] {
    ProjectState p = project(true);
    EXPECT_TRUE(runLayerCoefficient(p).ok);
    return p;
  };
  const Case cases[] = {
      {"width", withBeta, [](ProjectState& p) -> HistogramSlot& { return p.width; }, reduced, 36},
      {"layer 2", withBeta, [](ProjectState& p) -> HistogramSlot& { return p.layers[1]; }, reduced, 39},
      {"K", [] { return withReducedStrength(true); }, [](ProjectState& p) -> HistogramSlot& { return p.k; },
       length, 49},
      {"Kn", [] { return withReducedStrength(true); }, [](ProjectState& p) -> HistogramSlot& { return p.kn; },
       length, 50},
      {"q", [] { return withReducedStrength(true); }, [](ProjectState& p) -> HistogramSlot& { return p.q; },
       length, 52},
      {"RMR", [] { return withBoltLength(true); }, [](ProjectState& p) -> HistogramSlot& { return p.rmr; },
       load, 45},
      {"gamma", [] { return withBoltLength(true); },
       [](ProjectState& p) -> HistogramSlot& { return p.gamma; }, load, 46},
      {"SigmaR", [] { return withBoltLoad(true); },
       [](ProjectState& p) -> HistogramSlot& { return p.sigmaR; }, assess, 57},
  };
  for (const auto& c : cases) {
    ProjectState p = c.ready();
    HistogramSlot& slot = c.slot(p);
    slot.name = "Chybi.dis";
    slot.histogram = Histogram{};
    const ChainReport r = c.step(p);
    ASSERT_FALSE(r.ok) << c.what;
    ASSERT_EQ(r.firstNumber(), c.message) << c.what;
    const std::string text = r.messages[0].text(Language::English);
    EXPECT_NE(text.find("Chybi.dis"), std::string::npos) << c.what << ": " << text;
    EXPECT_EQ(text.find(MessageText(35, Language::English)), std::string::npos) << c.what;
  }
}
