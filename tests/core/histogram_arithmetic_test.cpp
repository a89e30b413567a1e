#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "histogram/HistogramArithmetic.h"
#include "histogram_fixture.h"
#include "shell/Dialogs.h"

using histogram_fixture::bins;
using histogram_fixture::make;

TEST(HistogramRounding, HalfEvenMatchesNearbyint) {
  for (double x : {0.5, 1.5, 2.5, 3.5, -0.5, -1.5, -2.5, 0.49999999999999994, 1e15 + 0.5, -1e15 - 0.5,
                   2251799813685247.5, 2251799813685248.5, 4503599627370495.5, 1e300, -0.0, 7.0})
    EXPECT_EQ(roundHalfEven(x), std::nearbyint(x)) << x;
  std::mt19937_64 rng(7);
  std::uniform_real_distribution<double> u(-1e6, 1e6);
  for (int i = 0; i < 100000; ++i) {
    const double x = std::round(u(rng) * 2) / 2 + (i % 3 == 0 ? 0 : u(rng) * 1e-7);
    ASSERT_EQ(roundHalfEven(x), std::nearbyint(x)) << x;
  }
  EXPECT_TRUE(std::isnan(roundHalfEven(NAN)));
}

TEST(HistogramPairValues, DifferenceIsTheExtendedPrecisionDifference) {
  auto extended = [](double x, double y) {
    return static_cast<double>(static_cast<long double>(x) - static_cast<long double>(y));
  };
  auto same = [](double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
  };
  const double tiny = std::numeric_limits<double>::denorm_min();
  const double cases[][2] = {
      {1, 1e-17},   {1e300, 1},        {0x1p53, 0.5}, {1, 1 - 0x1p-53}, {1024, 1},    {1025, 1},
      {1, 1025},    {0x1p-1022, tiny}, {tiny, -tiny}, {0.0, -0.0},      {-0.0, -0.0}, {-0.0, 0.0},
      {750.1, 0.3}, {0.3, 750.1},      {-3, 5e-320},  {1e308, -1e308},  {5, 5},       {1 + 0x1p-52, 0x1p-11}};
  for (const auto& c : cases)
    EXPECT_TRUE(same(hist::pairDifference(c[0], c[1]), extended(c[0], c[1]))) << c[0] << " " << c[1];
  std::mt19937_64 rng(11);
  std::uniform_real_distribution<double> unit(-1, 1);
  std::uniform_int_distribution<int> exponent(-40, 40);
  for (int i = 0; i < 200000; ++i) {
    const double x = std::ldexp(unit(rng), exponent(rng)), y = std::ldexp(unit(rng), exponent(rng));
    ASSERT_TRUE(same(hist::pairDifference(x, y), extended(x, y))) << x << " " << y;
  }
}

TEST(HistogramSum, SingleBinsTieGoesToEvenOffset) {
  const auto r = AddHistograms(make(1, 1, {1}), make(2, 1, {1}));
  ASSERT_TRUE(r);
  EXPECT_EQ(r.h.count, 2);
  EXPECT_EQ(r.h.step, 1);
  EXPECT_EQ(r.h.min, 2.5);
  EXPECT_EQ(r.h.max, 3.5);
  EXPECT_EQ(r.h.range, 2);
  EXPECT_EQ(bins(r.h), (std::vector<double>{1, 0}));
}

TEST(HistogramSum, UniformThreeBinsWorkedExample) {
  const double t = 1.0 / 3;
  const auto r = AddHistograms(make(1, 1, {t, t, t}), make(1, 1, {t, t, t}));
  ASSERT_TRUE(r);
  EXPECT_EQ(r.h.count, 6);
  EXPECT_EQ(r.h.min, 1.5);
  EXPECT_EQ(r.h.max, 6.5);
  const std::vector<double> expected{t * t, 0, 2 * (t * t) + 3 * (t * t), 0, 2 * (t * t) + t * t, 0};
  const auto got = bins(r.h);
  ASSERT_EQ(got.size(), 6u);
  for (int k = 0; k < 6; ++k) EXPECT_NEAR(got[k], expected[k], 1e-15) << k;
  EXPECT_NEAR(got[0], 1.0 / 9, 1e-15);
  EXPECT_NEAR(got[2], 5.0 / 9, 1e-15);
  EXPECT_NEAR(got[4], 3.0 / 9, 1e-15);
  // Normalisation: the first bin is non-zero but the last is zero, so the scale is the S sum.
  EXPECT_NEAR(r.h.total, 9 + 9.0 / 5 + 3, 1e-9);
}

TEST(HistogramSum, CapAt256Bins) {
  Histogram x;
  x.count = 200;
  x.min = 0.5;
  x.step = 1;
  x.max = 199.5;
  for (int i = 0; i < 200; ++i) x.p[i] = 1.0 / 200;
  const auto r = AddHistograms(x, x);
  ASSERT_TRUE(r);
  EXPECT_EQ(r.h.count, 256);
  EXPECT_EQ(r.h.range, 400);
  EXPECT_EQ(r.h.step, 400.0 / 256);
  EXPECT_NEAR(totalProbability(r.h), 1, 1e-12);
}

TEST(HistogramDifference, IdenticalSingleBinsHalfFailure) {
  const auto r = SubtractHistograms(make(5, 1, {1}), make(5, 1, {1}));
  ASSERT_TRUE(r);
  EXPECT_EQ(r.h.count, 2);
  EXPECT_EQ(r.h.min, -0.5);
  EXPECT_EQ(r.h.range, 2);
  EXPECT_EQ(bins(r.h), (std::vector<double>{1, 0}));
  EXPECT_EQ(r.failureMass, 0.5);
}

TEST(HistogramDifference, FailureMassCountsNegativeAndHalfOfZero) {
  // X on 1, 2, 3; Y on 2: differences -1, 0, 1.
  const auto r = SubtractHistograms(make(1, 1, {0.2, 0.3, 0.5}), make(2, 1, {1}));
  ASSERT_TRUE(r);
  EXPECT_DOUBLE_EQ(r.failureMass, 0.2 + 0.15);
  const auto safe = SubtractHistograms(make(10, 1, {0.5, 0.5}), make(1, 1, {0.5, 0.5}));
  ASSERT_TRUE(safe);
  EXPECT_EQ(safe.failureMass, 0);
  const auto reversed = SubtractHistograms(make(1, 1, {0.5, 0.5}), make(10, 1, {0.5, 0.5}));
  EXPECT_EQ(reversed.failureMass, 1);
}

TEST(HistogramProduct, WorkedExample) {
  const auto r = MultiplyHistograms(make(1, 1, {0.5, 0.5}), make(10, 10, {0.5, 0.5}));
  ASSERT_TRUE(r);
  EXPECT_EQ(r.h.range, 60);
  EXPECT_EQ(r.h.count, 6);
  EXPECT_EQ(r.h.step, 10);
  EXPECT_EQ(r.h.min, 7.5);
  EXPECT_EQ(r.h.max, 57.5);
  // 10 -> bin 1, 20 and 20 -> bin 2, 40 -> bin 4 (offset 3.25 rounds to 3).
  EXPECT_EQ(bins(r.h), (std::vector<double>{0.25, 0.5, 0, 0.25, 0, 0}));
}

TEST(HistogramProduct, EqualEdgeProductsFallBackToInputEdges) {
  // Edge products that all underflow to 0 leave lo = hi; the frame falls back to the input edges.
  const auto r = MultiplyHistograms(make(2e-200, 2e-200, {1}), make(2e-200, 2e-200, {1}));
  ASSERT_TRUE(r);
  EXPECT_EQ(r.h.range, 3e-200 - 1e-200);
  EXPECT_EQ(r.h.count, 256);  // w0 underflows too, so the cap decides
}

TEST(HistogramOperations, RefuseBadInputsBeforeTheLoop) {
  struct Case {
    const char* name;
    Histogram x, y;
    ArithmeticFault fault;
  };
  Histogram zeroStep = make(1, 1, {0.5, 0.5});
  zeroStep.step = 0;
  Histogram negStep = make(1, 1, {0.5, 0.5});
  negStep.step = -1;
  Histogram nanStep = make(1, 1, {0.5, 0.5});
  nanStep.step = NAN;
  Histogram empty = make(1, 1, {1});
  empty.count = 0;
  Histogram tooMany = make(1, 1, {1});
  tooMany.count = 300;
  Histogram infMin = make(1, 1, {1});
  infMin.min = -INFINITY;
  const Histogram ok = make(1, 1, {0.5, 0.5});
  const std::vector<Case> cases{
      {"zero step", zeroStep, ok, ArithmeticFault::BadStep},
      {"negative step", ok, negStep, ArithmeticFault::BadStep},
      {"NaN step", nanStep, ok, ArithmeticFault::BadStep},
      {"no bins", empty, ok, ArithmeticFault::EmptyInput},
      {"too many bins", ok, tooMany, ArithmeticFault::EmptyInput},
      {"infinite min", infMin, ok, ArithmeticFault::BadValues},
  };
  for (const auto& c : cases) {
    for (auto* op : {&AddHistograms, &SubtractHistograms, &MultiplyHistograms}) {
      const auto r = op(c.x, c.y);
      EXPECT_FALSE(r) << c.name;
      EXPECT_EQ(r.fault, c.fault) << c.name;
      EXPECT_EQ(r.message, 0) << c.name;
      EXPECT_FALSE(r.text(Language::Czech).empty()) << c.name;
      EXPECT_FALSE(r.text(Language::English).empty()) << c.name;
    }
  }
}

TEST(HistogramProduct, TinySpanAroundZeroIsRefused) {
  // Single bins of width 1 at 0: the edge products span -0.25..0.25, w0 = 1, n = round(0.5) = 0.
  const auto r = MultiplyHistograms(make(0, 1, {1}), make(0, 1, {1}));
  EXPECT_FALSE(r);
  EXPECT_EQ(r.fault, ArithmeticFault::DegenerateFrame);
}

TEST(HistogramOperations, ResultMayOverwriteAnInput) {
  Histogram x = make(1, 1, {0.25, 0.5, 0.25});
  const Histogram y = make(10, 2, {0.5, 0.5});
  const auto expected = AddHistograms(x, y);
  auto r = AddHistograms(x, y);
  x = r.h;
  EXPECT_EQ(x, expected.h);
}

namespace {

// Straightforward reference of the pair loop: long double pair value, nearbyint, no shared helpers.
std::vector<double> referenceBins(const Histogram& x, const Histogram& y, char op, const Histogram& z,
                                  double& f) {
  const int n = binCount(z);
  std::vector<double> out(static_cast<std::size_t>(n), 0.0);
  f = 0;
  for (int i = 0; i < binCount(x); ++i)
    for (int j = 0; j < binCount(y); ++j) {
      const long double a = x.min + i * x.step, b = y.min + j * y.step;
      const double v = static_cast<double>(op == '+' ? a + b : op == '-' ? a - b : a * b);
      const double m = x.p[i] * y.p[j];
      if (op == '-') f += v < 0 ? m : v == 0 ? m / 2 : 0;
      const long long k = static_cast<long long>(std::nearbyint((v - z.min) / z.step));
      EXPECT_GE(k, 0);
      EXPECT_LT(k, n);
      if (k >= 0 && k < n) out[static_cast<std::size_t>(k)] += m;
    }
  return out;
}

}  // namespace

TEST(HistogramOperations, MatchReferenceOnRandomInputs) {
  std::mt19937_64 rng(2024);
  std::uniform_int_distribution<int> count(1, 256);
  std::uniform_real_distribution<double> unit(0, 1);
  for (int round = 0; round < 60; ++round) {
    auto random = [&] {
      Histogram h;
      h.count = count(rng);
      h.step = std::ldexp(0.5 + unit(rng), static_cast<int>(unit(rng) * 10) - 5);
      h.min = (unit(rng) - 0.3) * 100;
      h.max = h.min + (h.count - 1) * h.step;
      h.range = h.count * h.step;
      for (int i = 0; i < binCount(h); ++i) h.p[i] = 1.0 / h.count;
      return h;
    };
    const Histogram x = random(), y = random();
    for (char op : {'+', '-', '*'}) {
      const auto r = op == '+'   ? AddHistograms(x, y)
                     : op == '-' ? SubtractHistograms(x, y)
                                 : MultiplyHistograms(x, y);
      if (op == '*' && !r) continue;  // products straddling 0 with one bin each may be refused
      ASSERT_TRUE(r) << op;
      ASSERT_LE(binCount(r.h), 256);
      double f = 0;
      const auto expected = referenceBins(x, y, op, r.h, f);
      for (int k = 0; k < binCount(r.h); ++k) {
        // Normalisation may only have cleared a bin.
        if (r.h.p[k] != 0) {
          EXPECT_EQ(r.h.p[k], expected[k]) << op << " bin " << k;
        }
      }
      EXPECT_NEAR(totalProbability(r.h), 1, 1e-9) << op;
      if (op == '-') {
        EXPECT_EQ(r.failureMass, f);
      }
    }
  }
}
