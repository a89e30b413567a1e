#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "histogram/Statistics.h"
#include "shell/NumberText.h"

namespace {

// Hand-computed characteristics of small histograms (population values unless total says otherwise).
struct Case {
  const char* name;
  std::vector<double> P;
  double Min, Max, total;
  double mean, variance, meanAbsDev, skewness, kurtosis, median, medianCentre, mode;
};

const double nan = std::nan("");

const Case kCases[] = {
    {"symmetric", {0.25, 0.5, 0.25}, 1, 3, 1, 2, 0.5, 0.5, 0, -1, 2, 2, 2},
    {"rising", {0.1, 0.2, 0.3, 0.4}, 0, 3, 1, 2, 1, 0.8, -0.6, -0.8, 1.5 + 0.2 / 0.3, 2, 3},
    {"unnormalised", {1, 2, 3, 4}, 0, 3, 1, 2, 1, 0.8, -0.6, -0.8, 1.5 + 0.2 / 0.3, 2, 3},
    // Sample of 10: G1 = g1 sqrt(90) / 8, G2 = (11 g2 + 6) 9 / 56.
    {"rising, 10 values",
     {0.1, 0.2, 0.3, 0.4},
     0,
     3,
     10,
     2,
     1,
     0.8,
     -0.6 * std::sqrt(90.0) / 8,
     -0.45,
     1.5 + 0.2 / 0.3,
     2,
     3},
    {"shifted and scaled",
     {0.1, 0.2, 0.3, 0.4},
     100,
     106,
     1,
     104,
     4,
     1.6,
     -0.6,
     -0.8,
     103 + 2 * 0.2 / 0.3,
     104,
     106},
    {"two bins", {0.5, 0.5}, -1, 1, 1, 0, 1, 1, 0, -2, 0, -1, -1},
    {"median on an edge", {0.5, 0, 0.5}, 0, 2, 1, 1, 1, 1, 0, -2, 0.5, 0, 0},
    {"one spike", {0, 1, 0}, 5, 7, 1, 6, 0, 0, nan, nan, 6, 6, 6},
    {"single bin", {1}, 4, 4, 1, 4, 0, 0, nan, nan, 4, 4, 4},
};

void expectNear(double expected, double actual, const char* what, const char* name) {
  if (std::isnan(expected))
    EXPECT_TRUE(std::isnan(actual)) << name << ": " << what << " = " << actual;
  else
    EXPECT_NEAR(actual, expected, 1e-12 * std::max(1.0, std::fabs(expected))) << name << ": " << what;
}

}  // namespace

TEST(HistogramStatistics, HandComputedHistograms) {
  for (const Case& c : kCases) {
    const int N = static_cast<int>(c.P.size());
    const double m = binMean(c.P, N, c.Min, c.Max);
    expectNear(c.mean, m, "mean", c.name);
    expectNear(c.variance, binVariance(c.P, N, c.Min, c.Max, m), "variance", c.name);
    expectNear(c.meanAbsDev, binMeanDeviation(c.P, N, c.Min, c.Max, m), "mean absolute deviation", c.name);
    expectNear(c.skewness, binSkewness(c.P, N, c.Min, c.Max, m, c.total), "skewness", c.name);
    expectNear(c.kurtosis, binKurtosis(c.P, N, c.Min, c.Max, m, c.total), "kurtosis", c.name);
    std::string text;
    expectNear(c.median, binMedian(true, c.P, c.Min, c.Max, N, text), "median", c.name);
    double back;
    ASSERT_TRUE(parseDouble(text, back)) << c.name << " median text " << text;
    EXPECT_EQ(text, formatNumber(c.median)) << c.name;
    expectNear(c.medianCentre, binMedian(false, c.P, c.Min, c.Max, N, text), "median centre", c.name);
    expectNear(c.mode, binMode(c.P, N, c.Min, c.Max, text), "mode", c.name);
    EXPECT_EQ(text, formatNumber(c.mode)) << c.name;
  }
}

TEST(HistogramStatistics, OnlyTheFirstNBinsCount) {
  std::vector<double> P(256, 0.0);
  P[0] = 0.5, P[1] = 0.5, P[2] = 7;  // beyond N
  EXPECT_DOUBLE_EQ(binMean(P, 2, 10, 20), 15);
  // N larger than the array is cut to the array.
  EXPECT_DOUBLE_EQ(probabilityMean(std::span<const double>(P.data(), 2), 5), 0.5);
}

TEST(HistogramStatistics, EmptyHistogramIsUndefined) {
  const std::vector<double> P(4, 0.0);
  std::string median, mode;
  EXPECT_TRUE(std::isnan(binMean(P, 4, 0, 3)));
  EXPECT_TRUE(std::isnan(binVariance(P, 4, 0, 3, 1.5)));
  EXPECT_TRUE(std::isnan(binMedian(true, P, 0, 3, 4, median)));
  EXPECT_TRUE(std::isnan(binMode(P, 4, 0, 3, mode)));
  EXPECT_EQ(median, " undefined");
  EXPECT_EQ(mode, " undefined");
  EXPECT_EQ(formatNumber(binSkewness(P, 4, 0, 3, 1.5, 10)), " undefined");
  EXPECT_TRUE(std::isnan(binMean(P, 0, 0, 3)));
}

TEST(HistogramStatistics, CoefficientOfVariation) {
  EXPECT_DOUBLE_EQ(coefficientOfVariation(2, 1), 50);
  EXPECT_DOUBLE_EQ(coefficientOfVariation(-4, 1), 25);
  EXPECT_TRUE(std::isnan(coefficientOfVariation(0, 1)));
  // Consistent use: the standard deviation is the square root of the dispersion.
  const std::vector<double> P{0.1, 0.2, 0.3, 0.4};
  const double m = binMean(P, 4, 0, 6);
  EXPECT_DOUBLE_EQ(coefficientOfVariation(m, std::sqrt(binVariance(P, 4, 0, 6, m))), 50);
}

TEST(HistogramStatistics, ProbabilityMeanAndDispersion) {
  const std::vector<double> P{0.1, 0.2, 0.3, 0.4};
  EXPECT_DOUBLE_EQ(probabilityMean(P, 4), 0.25);
  EXPECT_NEAR(probabilityVariance(P, 4, 0.25), 0.0125, 1e-15);
}

TEST(HistogramStatistics, GoodnessOfFit) {
  const std::vector<double> ref{0.1, 0.2, 0.3, 0.4};
  const double meanY = probabilityMean(ref, 4), q = std::pow(probabilityVariance(ref, 4, meanY), 2);
  const struct {
    std::vector<double> P;
    double fit;
  } cases[] = {
      {{0.1, 0.2, 0.3, 0.4}, 1.0},      // perfect
      {{0.1, 0.2, 0.35, 0.35}, 0.9},    // residual 0.005 against spread 0.05
      {{0.25, 0.25, 0.25, 0.25}, 0.0},  // no better than the mean
      {{0.4, 0.3, 0.2, 0.1}, 0.0},      // worse than the mean: clipped
  };
  for (const auto& c : cases) {
    const double t = goodnessOfFit(4, c.P, ref, meanY, q, 0);
    EXPECT_NEAR(t, c.fit, 1e-12);
    EXPECT_GE(t, 0.0);
    EXPECT_LE(t, 1.0);
  }
  // A flat reference has no spread to explain.
  const std::vector<double> flat{0.25, 0.25, 0.25, 0.25};
  EXPECT_EQ(goodnessOfFit(4, flat, flat, 0.25, 0.0, 0), 0.0);
  EXPECT_EQ(goodnessOfFit(0, ref, ref, meanY, q, 0), 0.0);
}
