#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "histogram/Histogram.h"
#include "histogram_fixture.h"

using histogram_fixture::bins;
using histogram_fixture::make;

TEST(HistogramRecord, RoundingToInt64TiesToEven) {
  struct Case {
    long double x;
    std::int64_t expected;
  };
  for (const auto& c : std::vector<Case>{{2.5L, 2},
                                         {3.5L, 4},
                                         {-0.5L, 0},
                                         {-1.5L, -2},
                                         {0.49999999999999994L, 0},
                                         {1e30L, std::numeric_limits<std::int64_t>::max()},
                                         {-1e30L, std::numeric_limits<std::int64_t>::min()},
                                         {std::numeric_limits<long double>::quiet_NaN(), 0}})
    EXPECT_EQ(roundToInt64(c.x), c.expected) << static_cast<double>(c.x);
  Histogram h;
  for (const auto& [count, n] : std::vector<std::pair<double, int>>{
           {2.5, 2}, {3.5, 4}, {0.4, 0}, {-3, 0}, {1e9, 256}, {std::nan(""), 0}}) {
    h.count = count;
    EXPECT_EQ(binCount(h), n) << count;
  }
}

TEST(HistogramRecord, FrequencyConversionsWorkedExample) {
  const std::int64_t f[] = {1, 2, 4, 2, 1};
  const Histogram h = FromFrequencies(0, 10, 5, f, 10);
  EXPECT_EQ(h.count, 5);
  EXPECT_EQ(h.step, 2);
  EXPECT_EQ(h.min, 1);
  EXPECT_EQ(h.max, 9);
  EXPECT_EQ(h.range, 10);
  EXPECT_EQ(h.total, 10);
  EXPECT_EQ(bins(h), (std::vector<double>{0.1, 0.2, 0.4, 0.2, 0.1}));
  const FrequencyForm ff = ToFrequencies(h);
  EXPECT_TRUE(ff.valid);
  EXPECT_EQ(ff.lower, 0);
  EXPECT_EQ(ff.upper, 10);
  EXPECT_EQ(ff.n, 5);
  EXPECT_EQ(std::vector<std::int64_t>(ff.f.begin(), ff.f.begin() + 5),
            (std::vector<std::int64_t>{1, 2, 4, 2, 1}));
  EXPECT_EQ(ff.total, 10);
}

TEST(HistogramRecord, ToFrequenciesRoundsHalvesToEven) {
  // A scale that holds both bins: 1e9 + 0.5 -> 1e9 and 7589934591.5 -> 7589934592.
  constexpr double kScale = 8589934592.0;  // 2^33
  Histogram h = make(1, 1, {1000000000.5 / kScale, 7589934591.5 / kScale});
  h.total = kScale;
  const FrequencyForm ff = ToFrequencies(h);
  EXPECT_EQ(ff.f[0], 1000000000);
  EXPECT_EQ(ff.f[1], 7589934592);
  EXPECT_EQ(ff.total, 8589934592);
}

TEST(HistogramRecord, TheFrequencyScaleKeepsEveryBinWithin1e9) {
  struct Case {
    const char* name;
    std::vector<double> p;
    double total;
    double scale;  // expected
  };
  const std::vector<Case> cases{
      {"counts stay counts", {1.0 / 49996, 3.0 / 49996, 49992.0 / 49996}, 49996, 49996},
      {"a scale too large is divided by 10 as before", {0.25, 0.5, 0.25}, 1e20, 1e18},
      {"a scale that loses a bin is replaced", {0.25, 0.75}, 2, 1e10},
      {"the smallest power of ten that holds the smallest bin", {3e-7, 0.5, 0.5 - 3e-7}, 1 / 3e-7, 1e16},
      {"where no 64-bit scale holds a bin, the largest that fits",
       {1e-12, 1 - 1e-12},
       1,
       9223372036854771712.0},
  };
  for (const Case& c : cases) {
    Histogram h = make(1, 1, {});
    h.count = static_cast<double>(c.p.size());
    h.max = h.count;
    std::copy(c.p.begin(), c.p.end(), h.p.begin());
    h.total = c.total;
    EXPECT_EQ(frequencyScale(h), c.scale) << c.name;
    const FrequencyForm ff = ToFrequencies(h);
    ASSERT_TRUE(ff.valid) << c.name;
    for (size_t i = 0; i < c.p.size(); ++i) {
      EXPECT_GE(ff.f[i], 1) << c.name << ", bin " << i + 1;
      const double back = static_cast<double>(ff.f[i]) / static_cast<double>(ff.total);
      if (c.p[i] * static_cast<double>(ff.total) >= 5e8) {
        EXPECT_NEAR(back, c.p[i], kFrequencyPrecision * c.p[i]) << c.name << ", bin " << i + 1;
      }
    }
  }
}

TEST(HistogramRecord, ToFrequenciesStaysWithin64Bits) {
  // Scaled sum just below 2^63 - 1 but every bin rounding up: the integer total must not overflow.
  Histogram h;
  h.count = 256;
  h.min = 0;
  h.step = 1;
  h.max = 255;
  for (int i = 0; i < 256; ++i) h.p[i] = 1.0 / 256;
  h.total = 9223372036854775807.0 - 4096;  // rounds to 2^63 in double
  const FrequencyForm ff = ToFrequencies(h);
  EXPECT_TRUE(ff.valid);
  std::int64_t sum = 0;
  for (int i = 0; i < 256; ++i) sum += ff.f[i];
  EXPECT_EQ(sum, ff.total);
  EXPECT_GT(ff.total, 0);
}

TEST(HistogramRecord, ScaleAndReverse) {
  Histogram h = make(1, 2, {0.1, 0.2, 0.7});
  h.max = 5;
  h.range = 6;
  Histogram neg = h;
  ScaleHistogram(neg, -2);
  EXPECT_EQ(neg.min, -10);
  EXPECT_EQ(neg.max, -2);
  EXPECT_EQ(neg.step, 4);
  EXPECT_EQ(neg.range, 12);
  EXPECT_EQ(bins(neg), (std::vector<double>{0.7, 0.2, 0.1}));
  EXPECT_EQ(neg.total, h.total);

  Histogram pos = h;
  ScaleHistogram(pos, 3);
  EXPECT_EQ(pos.min, 3);
  EXPECT_EQ(pos.max, 15);
  EXPECT_EQ(bins(pos), bins(h));

  Histogram same = h;
  ReverseBins(same);
  EXPECT_EQ(same, h);

  // Worked example: min 1, max 9, step 2 scaled by -2.
  const std::int64_t f[] = {1, 2, 4, 2, 1};
  Histogram w = FromFrequencies(0, 10, 5, f, 10);
  w.p[0] = 0.05;
  w.p[4] = 0.15;
  ScaleHistogram(w, -2);
  EXPECT_EQ(w.min, -18);
  EXPECT_EQ(w.max, -2);
  EXPECT_EQ(w.step, 4);
  EXPECT_EQ(bins(w), (std::vector<double>{0.15, 0.2, 0.4, 0.2, 0.05}));

  // A single bin (min = max) reverses trivially; even counts swap every bin.
  Histogram even = make(0, 1, {1, 2, 3, 4});
  std::swap(even.min, even.max);
  ReverseBins(even);
  EXPECT_EQ(bins(even), (std::vector<double>{4, 3, 2, 1}));
  EXPECT_EQ(even.min, 0);
}

TEST(HistogramRecord, Normalise) {
  struct Case {
    const char* name;
    std::vector<double> p;
    std::vector<double> expected;
    double total;
  };
  const std::vector<Case> cases{
      {"nothing pruned", {0.25, 0.5, 0.25}, {0.25, 0.5, 0.25}, 4},
      {"zero first bin uses S", {0, 0.5, 0.5}, {0, 0.5, 0.5}, 4},
      {"tiny bin pruned after division", {0.5, 1e-30, 0.5}, {0.5, 0, 0.5}, 2},
      {"negative bin ignored by S", {0.5, -0.25, 0.75}, {0.5, -0.25, 0.75}, 2},
      {"all zero", {0, 0, 0}, {0, 0, 0}, 0},
      {"subnormal bin", {0.5, 5e-324, 0.5}, {0.5, 0, 0.5}, 2},
  };
  for (const auto& c : cases) {
    Histogram h;
    h.count = static_cast<double>(c.p.size());
    for (std::size_t i = 0; i < c.p.size(); ++i) h.p[i] = c.p[i];
    NormaliseHistogram(static_cast<int>(c.p.size()), h);
    EXPECT_EQ(bins(h), c.expected) << c.name;
    EXPECT_DOUBLE_EQ(h.total, c.total) << c.name;
  }
  // S is divided by 10 until it is at most 2^63 - 1; the small end bin then decides nothing.
  Histogram h;
  h.count = 3;
  h.p[0] = 1e-30;
  h.p[1] = 0.5;
  h.p[2] = 0.5;
  NormaliseHistogram(3, h);
  EXPECT_EQ(h.p[0], 0);
  EXPECT_EQ(h.p[1], 0.5);
  EXPECT_LE(h.total, 9223372036854775807.0);
  EXPECT_GT(h.total, 9223372036854775807.0 / 10);
}

TEST(HistogramRecord, Trim) {
  struct Case {
    const char* name;
    std::vector<double> p;
    double count, min, max, range;
    std::vector<double> expected;
  };
  const std::vector<Case> cases{
      {"both ends", {0, 0, 0.2, 0, 0.8, 0, 0}, 3, 3, 5, 2, {0.2, 0, 0.8}},
      {"leading only", {0, 0.5, 0.5}, 2, 2, 3, 1, {0.5, 0.5}},
      {"trailing only", {0.5, 0.5, 0}, 2, 1, 2, 1, {0.5, 0.5}},
      {"zero inside kept", {0.5, 0, 0, 0.5, 0}, 4, 1, 4, 3, {0.5, 0, 0, 0.5}},
      {"single non-zero", {0, 1, 0}, 1, 2, 2, 0, {1}},
  };
  for (const auto& c : cases) {
    Histogram h;
    h.count = static_cast<double>(c.p.size());
    h.min = 1;
    h.step = 1;
    h.max = h.count;
    h.range = 99;
    h.total = 7;
    for (std::size_t i = 0; i < c.p.size(); ++i) h.p[i] = c.p[i];
    TrimHistogram(h);
    EXPECT_EQ(h.count, c.count) << c.name;
    EXPECT_EQ(h.min, c.min) << c.name;
    EXPECT_EQ(h.max, c.max) << c.name;
    EXPECT_EQ(h.range, c.range) << c.name;
    EXPECT_EQ(bins(h), c.expected) << c.name;
    EXPECT_EQ(h.step, 1) << c.name;
    EXPECT_EQ(h.total, 7) << c.name;
  }
  Histogram full = make(1, 1, {0.5, 0, 0.5});
  full.range = 123;
  const Histogram before = full;
  TrimHistogram(full);
  EXPECT_EQ(full, before);  // not even range changes

  Histogram zero = make(1, 1, {0, 0, 0, 0});
  TrimHistogram(zero);
  EXPECT_EQ(zero.count, 0);
  EXPECT_EQ(zero.min, 5);
}
