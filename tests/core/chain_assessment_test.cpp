// Probability of failure, reliability index, verdict and quantiles of a reliability function.

#include <gtest/gtest.h>

#include <initializer_list>

#include "histogram_fixture.h"
#include "reliability/Assessment.h"
#include "shell/Messages.h"

namespace {

Histogram fs(double min, double step, std::initializer_list<double> bins) {
  return histogram_fixture::make(min, step, bins, 8);
}

AssessmentResult assess(const Histogram& h, double f = 0, DesignStandard s = DesignStandard::En1990) {
  return assessReliability(h, f, s, Language::Czech);
}

TEST(ReliabilityIndex, OfTenToTheMinusFive) {
  EXPECT_NEAR(reliabilityIndex(1e-5), 4.2687, 5e-5);
  EXPECT_EQ(reliabilityIndex(0.9), -0.605);  // negative radicand
  EXPECT_EQ(reliabilityIndex(1.0), -0.605);
}

TEST(ProbabilityOfFailure, WholeFunctionAboveZero) {
  const AssessmentResult a = assess(fs(1.5, 1, {0.25, 0.75}));  // lower edge 1
  EXPECT_EQ(a.pf, 0.0);
  EXPECT_EQ(a.betaFKind, BetaFKind::Undefined);
  EXPECT_EQ(a.classIndex, 1);
  EXPECT_EQ(a.verdict, "RC3/CC3");
  EXPECT_TRUE(a.crossingFound);
  EXPECT_EQ(a.crossingBin, 0);
  EXPECT_EQ(a.binCount, 2);
}

TEST(ProbabilityOfFailure, WholeFunctionBelowZero) {
  const AssessmentResult a = assess(fs(-5, 1, {0.5, 0.5}), 1.0);
  EXPECT_EQ(a.pf, 1.0);
  EXPECT_EQ(a.betaFKind, BetaFKind::Out);
  EXPECT_EQ(a.classIndex, 0);
  EXPECT_EQ(a.verdict, MessageText(231, Language::Czech));
  EXPECT_FALSE(a.crossingFound);
  // The zero in the upper half of a last bin whose centre is below 0 counts as below as well.
  EXPECT_EQ(assess(fs(-1.25, 1, {0.5, 0.5})).pf, 1.0);
}

TEST(ProbabilityOfFailure, TheFailureMassOfTheSubtractionWins) {
  const AssessmentResult a = assess(fs(-0.25, 1, {0.125, 0.25, 0.625}), 3e-5);
  EXPECT_EQ(a.pf, 3e-5);
  EXPECT_EQ(a.betaFKind, BetaFKind::Value);
  EXPECT_DOUBLE_EQ(a.betaF, reliabilityIndex(3e-5));
}

TEST(ProbabilityOfFailure, InterpolatedInTheBinHoldingZero) {
  // Bin 1 spans -0.75 .. 0.25: three quarters of its mass lie below 0.
  const AssessmentResult a = assess(fs(-0.25, 1, {0.125, 0.25, 0.625}));
  EXPECT_EQ(a.pf, 0.125 * 0.75);
  EXPECT_EQ(a.crossingBin, 1);
  EXPECT_EQ(a.crossingCentre, -0.25);  // centre of bin 1, the bin holding 0
  EXPECT_EQ(a.fsMin, -0.25);
  // An empty bin before the crossing: the mass of the bins before it.
  EXPECT_EQ(assess(fs(-1.25, 1, {0.125, 0.0, 0.875})).pf, 0.125);
}

TEST(ProbabilityOfFailure, ZeroInTheLowerHalfOfTheLastBin) {
  // Bin 2 spans -0.5 .. 0.5: all of bin 1 and half of bin 2.
  const AssessmentResult a = assess(fs(-1, 1, {0.5, 0.5}));
  EXPECT_EQ(a.pf, 0.75);
  EXPECT_EQ(a.betaFKind, BetaFKind::Value);
  EXPECT_EQ(a.crossingBin, 2);
  EXPECT_EQ(a.crossingCentre, 0.0);  // the centre of bin 2
  EXPECT_EQ(assess(fs(-1, 1, {0.5, 0.5}), 0.7).pf, 0.7);
}

TEST(Verdict, ByTheChosenStandard) {
  struct Case {
    double pf;
    DesignStandard standard;
    int classIndex;
  };
  const Case cases[] = {
      {5e-5, DesignStandard::En1990, 2},    {5e-5, DesignStandard::Csn731401, 2},
      {4.9e-4, DesignStandard::En1990, 0},  {4.9e-4, DesignStandard::Csn731401, 3},
      {8.4e-6, DesignStandard::En1990, 1},  {7e-5, DesignStandard::Csn731401, 2},  // equal to Pd
      {1e-6, DesignStandard::Csn731401, 1}, {0.2, DesignStandard::Csn731401, 0},
  };
  for (const Case& c : cases) {
    const AssessmentResult a = assess(fs(-0.25, 1, {0.125, 0.25, 0.625}), c.pf, c.standard);
    EXPECT_EQ(a.pf, c.pf);
    EXPECT_EQ(a.classIndex, c.classIndex) << c.pf;
    EXPECT_EQ(a.verdict, classLabel(c.standard, c.classIndex, Language::Czech)) << c.pf;
  }
  EXPECT_EQ(classLabel(DesignStandard::En1990, 2, Language::Czech), "RC2/CC2");
  EXPECT_EQ(classLabel(DesignStandard::Csn731401, 2, Language::Czech), MessageText(60, Language::Czech));
  EXPECT_EQ(classLabel(DesignStandard::Csn731401, 3, Language::English), MessageText(131, Language::English));
  EXPECT_EQ(classLabel(DesignStandard::En1990, 0, Language::Czech), MessageText(231, Language::Czech));
}

TEST(Verdict, ClassTablesOfBothStandards) {
  const AssessmentResult en = assess(fs(1.5, 1, {1.0}));
  EXPECT_EQ(en.pd, (std::array<double, 3>{8.4e-6, 7.2e-5, 4.8e-4}));
  EXPECT_EQ(en.classBeta, (std::array<double, 3>{4.3, 3.8, 3.3}));
  EXPECT_EQ(en.classLabels, (std::array<std::string, 3>{"RC3/CC3", "RC2/CC2", "RC1/CC1"}));
  const AssessmentResult csn = assess(fs(1.5, 1, {1.0}), 0, DesignStandard::Csn731401);
  EXPECT_EQ(csn.pd, (std::array<double, 3>{8e-6, 7e-5, 5e-4}));
  EXPECT_EQ(csn.classLabels[0], MessageText(59, Language::Czech));
}

TEST(Quantiles, WhereTheDistributionReachesEachPd) {
  const AssessmentResult a = assess(fs(-0.25, 1, {0.125, 0.25, 0.625}));
  for (int c = 0; c < 3; ++c) {
    ASSERT_TRUE(a.quantiles[c].has_value());
    EXPECT_DOUBLE_EQ(*a.quantiles[c], -0.75 + a.pd[c] * 1 / 0.125);
  }
  // The first bins empty: the quantile lies in the first bin with mass.
  const AssessmentResult b = assess(fs(0.5, 0.5, {0.0, 0.0, 1.0}));
  EXPECT_DOUBLE_EQ(*b.quantiles[0], 0.25 + 2 * 0.5 + 8.4e-6 * 0.5);
}

TEST(Quantiles, NotReachedWhenTheBinsSumBelowPd) {
  const AssessmentResult a = assess(fs(1.5, 1, {1e-6, 2e-5, 1e-4}));
  EXPECT_TRUE(a.quantiles[0].has_value());   // 2.1e-5 >= 8.4e-6
  EXPECT_FALSE(a.quantiles[2].has_value());  // 1.21e-4 < 4.8e-4
}

}  // namespace
