#include "creation/Fitting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "creation/RawData.h"
#include "shell/NumberText.h"

namespace {

// A histogram of n equal bins on [lo, lo + n step] with the given weights.
Histogram bins(double lo, double step, std::vector<double> p, double total = 1) {
  Histogram h;
  h.count = static_cast<double>(p.size());
  h.step = step;
  h.min = lo + step / 2;
  h.max = h.min + (h.count - 1) * step;
  h.range = h.count * step;
  h.total = total;
  for (size_t i = 0; i < p.size(); ++i) h.p[i] = p[i];
  return h;
}

FitRow row(int type, const char* tesnost, const char* median, const char* mean, const char* sigma,
           const char* skewness = "0") {
  FitRow r;
  r.type = type;
  r.field[kFieldTesnost] = tesnost;
  r.field[kFieldMedian] = median;
  r.field[kFieldMean] = mean;
  r.field[kFieldDispersion] = formatNumber(std::stod(sigma) * std::stod(sigma));
  r.field[kFieldStandardDeviation] = sigma;
  r.field[kFieldSkewness] = skewness;
  return r;
}

std::vector<int> types(const std::vector<FitRow>& rows) {
  std::vector<int> t;
  for (const auto& r : rows)
    if (r.filled()) t.push_back(r.type);
  return t;
}

struct Sample {
  std::vector<double> x;
  RawStatistics s;
  Histogram h;
};

Sample loadSample(const std::string& name, int N) {
  Refusal e;
  auto x = ReadRawDataFile(std::string(TEST_DATA_DIR) + "/rawdata/" + name, e);
  EXPECT_TRUE(x) << name << ": " << e.text(Language::English);
  if (!x) return {};
  std::sort(x->begin(), x->end());
  Sample s{*x, ComputeRawStatistics(*x), {}};
  s.h = *RawDataHistogram(s.x, N, s.x.front(), s.x.back());
  return s;
}

}  // namespace

// ------------------------------------------------------------------ acceptance, ranking, shapes

TEST(FittingRules, AcceptanceInterval) {
  struct Case {
    double t;
    bool accepted;
  } cases[] = {{1, true},  {0.5, true},        {0.00010001, true}, {0.0001, false},
               {0, false}, {1.0000001, false}, {-0.3, false},      {std::nan(""), false}};
  for (const auto& c : cases) EXPECT_EQ(FitAccepted(c.t), c.accepted) << c.t;
}

TEST(FittingRules, RankingBySelectionSortFirstLargestFirst) {
  std::array<double, kDistributionTypes> t{};
  t[3] = 0.9, t[7] = 0.95, t[12] = 0.9, t[20] = 0.2;
  const auto r = RankByTesnost(t);
  EXPECT_EQ(r[0], 7);
  EXPECT_EQ(r[1], 3);
  EXPECT_EQ(r[2], 12);
  EXPECT_EQ(r[3], 20);
  EXPECT_DOUBLE_EQ(t[static_cast<size_t>(r[4])], 0);
}

TEST(FittingRules, WeibullShapesAndTies) {
  const auto k = WeibullShapes();
  ASSERT_EQ(k.size(), 655u);
  EXPECT_EQ(k.front(), 1.5);
  EXPECT_LT(k.back(), 8.04);
  EXPECT_GT(k.back(), 8.03);
  double best = 0;
  // A plateau: every shape from 3 on is equally good; the first of them wins.
  EXPECT_NEAR(BestWeibullShape([](double s) { return s < 3 - 1e-9 ? 0.2 : 0.7; }, best), 3.0, 1e-9);
  EXPECT_EQ(best, 0.7);
  EXPECT_EQ(BestWeibullShape([](double) { return 0.0; }, best), 1.5);
  EXPECT_EQ(best, 0);
}

TEST(FittingRules, DisplayRuleReversesAMirroredHistogram) {
  // Median left of the middle while the raw mean lies right of it: reversed.
  Histogram h = bins(0, 1, {0.6, 0.2, 0.1, 0.1});
  ApplyDisplayRule(h, 3.0);
  EXPECT_EQ(h.p[0], 0.1);
  EXPECT_EQ(h.p[3], 0.6);
  // Same side: kept.
  Histogram k = bins(0, 1, {0.6, 0.2, 0.1, 0.1});
  ApplyDisplayRule(k, 1.0);
  EXPECT_EQ(k.p[0], 0.6);
}

// ------------------------------------------------------------------ fit measures

TEST(FittingMeasures, CdfIsLinearWithinBins) {
  const Histogram h = bins(0, 1, {0.25, 0.5, 0.25});
  EXPECT_EQ(HistogramCdf(h, -1), 0);
  EXPECT_EQ(HistogramCdf(h, 0.5), 0.125);
  EXPECT_EQ(HistogramCdf(h, 1.5), 0.5);
  EXPECT_EQ(HistogramCdf(h, 3), 1);
}

TEST(FittingMeasures, KolmogorovSmirnovAndAndersonDarling) {
  // Uniform on [0, 1] against the values 0.1, 0.2, 0.3 (all in the lower third): D = 1 - 0.3.
  const Histogram u = bins(0, 0.25, {0.25, 0.25, 0.25, 0.25});
  const std::vector<double> low{0.1, 0.2, 0.3};
  EXPECT_NEAR(KsDistance(low, u), 0.7, 1e-15);
  // Evenly spread values: D = 1 / (2n).
  std::vector<double> even;
  for (int i = 0; i < 100; ++i) even.push_back((i + 0.5) / 100);
  EXPECT_NEAR(KsDistance(even, u), 0.005, 1e-12);
  EXPECT_NEAR(AndersonDarling(even, u), 0.011495132744073544,
              1e-12);  // -n - sum (2i - 1)(ln u_i + ln(1 - u_n+1-i)) / n
  EXPECT_GT(AndersonDarling(low, u), AndersonDarling(even, u));
  // Values outside the histogram: a large but finite A², D = 1.
  const std::vector<double> outside{5, 6, 7};
  EXPECT_EQ(KsDistance(outside, u), 1);
  EXPECT_TRUE(std::isfinite(AndersonDarling(outside, u)));

  // Asymptotic p-values of the Kolmogorov distribution.
  EXPECT_NEAR(KsPValue(1.36 / std::sqrt(1e6), 1000000), 0.0494, 5e-4);
  EXPECT_NEAR(KsPValue(1.63 / std::sqrt(1e6), 1000000), 0.0098, 3e-4);
  EXPECT_EQ(KsPValue(0, 100), 1);
  EXPECT_LT(KsPValue(1, 100), 1e-10);
}

// ------------------------------------------------------------------ table sort and removal

TEST(FittingTable, SortsByFieldAndByDistanceToReference) {
  const std::vector<FitRow> table{row(0, "0.9", "10", "10.5", "2"), row(1, "0.8", "12", "9.9", "3"),
                                  row(2, "0.7", "11", "10.1", "1.9"), FitRow{}};
  const FitRow raw = row(-1, "1", "10.2", "10.3", "2.05");
  const RawMoments moments{10.0, 2.0, 0.1};

  auto rows = table;
  SortFitRows(rows, 2, SortReference::RawData, raw, moments);  // Median: largest first
  EXPECT_EQ(types(rows), (std::vector<int>{1, 2, 0}));

  rows = table;
  SortFitRows(rows, 4, SortReference::RawData, raw, moments);  // Střední hodnota against the raw mean 10
  EXPECT_EQ(types(rows), (std::vector<int>{1, 2, 0}));
  rows = table;
  SortFitRows(rows, 4, SortReference::RawHistogram, raw, moments);  // against the raw histogram's 10.3
  EXPECT_EQ(types(rows), (std::vector<int>{0, 2, 1}));

  rows = table;
  SortFitRows(rows, 6, SortReference::RawData, raw, moments);  // standard deviation against 2
  EXPECT_EQ(types(rows), (std::vector<int>{0, 2, 1}));

  rows = {FitRow{}, table[2], FitRow{}, table[0]};
  SortFitRows(rows, 1, SortReference::RawData, raw, moments);  // Těsnost; empty rows closed up
  EXPECT_EQ(types(rows), (std::vector<int>{0, 2}));
  EXPECT_TRUE(rows[0].filled() && rows[1].filled() && !rows[2].filled());

  rows = table;
  SortFitRows(rows, 0, SortReference::RawData, raw, moments);  // the empty item does not sort
  EXPECT_EQ(types(rows), (std::vector<int>{0, 1, 2}));
}

TEST(FittingTable, SkewnessAgainstItsReferenceAndUndefinedValuesLast) {
  std::vector<FitRow> rows{row(0, "0.9", "10", "10", "2", " undefined"),
                           row(1, "0.8", "12", "10", "2", "0.5"), row(2, "0.7", "12", "10", "2", "0.2")};
  // "Šikmost" against the raw skewness 0.4: 0.5 closest, undefined last.
  SortFitRows(rows, 8, SortReference::RawData, FitRow{}, RawMoments{0, 0, 0.4});
  EXPECT_EQ(types(rows), (std::vector<int>{1, 2, 0}));
  // "Špičatost" sorts largest first; undefined last.
  rows[0].field[kFieldKurtosis] = " undefined";  // type 1
  rows[1].field[kFieldKurtosis] = "-0.5";        // type 2
  rows[2].field[kFieldKurtosis] = "1.5";         // type 0
  SortFitRows(rows, 9, SortReference::RawData, FitRow{}, RawMoments{});
  EXPECT_EQ(types(rows), (std::vector<int>{0, 2, 1}));
  EXPECT_TRUE(SortUsesReference(4) && SortUsesReference(6) && SortUsesReference(8));
  EXPECT_FALSE(SortUsesReference(9));
}

TEST(FittingTable, FirstUnsuitableRowBy25PercentRule) {
  const std::vector<FitRow> rows{row(0, "0.9", "10", "10", "2"), row(1, "0.8", "12", "10", "2.49"),
                                 row(2, "0.7", "11", "10", "2.6"), row(3, "0.6", "11", "10", "2")};
  EXPECT_EQ(FirstUnsuitableRow(rows, 2.0), 2);
  EXPECT_EQ(FirstUnsuitableRow(rows, 2.1), std::nullopt);
  auto zero = rows;
  zero[1].field[kFieldMedian] = "0";
  EXPECT_EQ(FirstUnsuitableRow(zero, 2.1), 1);
}

// ------------------------------------------------------------------ fitting samples

TEST(FittingSamples, GeneratingTypeRanksInTheTopThree) {
  struct Case {
    const char* file;
    std::vector<int> accepted;  // the generating type (and its own other forms)
  } cases[] = {
      {"normal_mu50_sigma5.txt", {kPtNormal}},
      {"lognormal_mu3_sigma0.35.txt", {kPtLogNormal2P, kPtLogNormal3P}},
      {"weibull_k2.5_lambda30.txt", {kPtWeibull}},
      {"gamma_k4_theta5.txt", {kPtGamma}},
  };
  for (const auto& c : cases) {
    const Sample s = loadSample(c.file, 24);
    FitInput in{s.x, s.s, s.h, 1e-7};
    const FitResult r = FitDistributions(in, Language::Czech);
    ASSERT_TRUE(r.failures.empty()) << c.file << ": " << FitFailureWarning(r, Language::English);
    ASSERT_TRUE(r.anySuitable()) << c.file;
    std::string ranking;
    for (int i = 0; i < 5; ++i)
      ranking += DistributionTypeName(r.ranking[static_cast<size_t>(i)], Language::English) + " " +
                 std::to_string(r.tesnost[static_cast<size_t>(r.ranking[static_cast<size_t>(i)])]) + "; ";
    bool top3 = false;
    for (int i = 0; i < 3; ++i)
      top3 |= std::find(c.accepted.begin(), c.accepted.end(), r.ranking[static_cast<size_t>(i)]) !=
              c.accepted.end();
    EXPECT_TRUE(top3) << c.file << ": " << ranking;
    EXPECT_EQ(r.tesnost[kUniformType], 0);
    EXPECT_EQ(r.tesnost[kTriangularType], 0);
    for (const auto& rw : r.rows) {
      EXPECT_NE(rw.type, kUniformType);
      EXPECT_NE(rw.type, kTriangularType);
      EXPECT_TRUE(FitAccepted(std::stod(rw.field[kFieldTesnost]))) << c.file;
      EXPECT_FALSE(rw.field[kFieldKs].empty());
      EXPECT_FALSE(rw.field[kFieldParameters].empty()) << DistributionTypeName(rw.type, Language::Czech);
      EXPECT_EQ(rw.field[kFieldParameters].find(')'), std::string::npos);
    }
    // The offered types are the best ones, each with its display histogram.
    ASSERT_FALSE(r.offered.empty());
    for (int t : r.offered) EXPECT_TRUE(r.display[static_cast<size_t>(t)]) << t;
  }
}

TEST(FittingSamples, RemovalEmptiesTheRankingFromAPosition) {
  const Sample s = loadSample("normal_mu50_sigma5.txt", 24);
  FitResult r = FitDistributions({s.x, s.s, s.h, 1e-7}, Language::English);
  ASSERT_GE(r.rows.size(), 2u);
  const int second = r.ranking[1];
  RemoveFromRankingPosition(r, 1);
  EXPECT_GT(r.tesnost[static_cast<size_t>(r.ranking[0])], 0);
  EXPECT_EQ(r.tesnost[static_cast<size_t>(second)], 0);
  EXPECT_FALSE(r.display[static_cast<size_t>(second)]);
}

// One type's arithmetic fault leaves that type out and is named in the warning; the fit is refused
// (no suitable type) only when no type can be fitted.
TEST(FittingSamples, ATypeThatFaultsIsLeftOutAndNamed) {
  // A binomial bell about 2 on steps of 1/64 (exact in binary): the mean is exactly 2, where the
  // Snedecor estimate divides by zero.
  std::vector<double> symmetric;
  double c = 1;  // C(40, j) / C(40, 20) built up from j = 20
  std::vector<double> weight(41);
  for (int j = 20; j <= 40; ++j) {
    weight[static_cast<size_t>(j)] = weight[static_cast<size_t>(40 - j)] = c;
    c = c * (40 - j) / (j + 1);
  }
  for (int j = 0; j <= 40; ++j)
    for (int k = 0; k < std::lround(300 * weight[static_cast<size_t>(j)]); ++k)
      symmetric.push_back(2 + (j - 20) / 64.0);
  std::vector<double> wide;
  for (int e = -300; e <= 300; e += 10) wide.push_back(std::pow(10.0, e));
  struct Case {
    const char* name;
    std::vector<double> x;
    std::vector<int> failed;  // types named as failed (among others)
    bool fitted;              // some type suits
  };
  const Case cases[] = {
      {"mean exactly 2", symmetric, {16}, true},
      {"1 2 3", {1, 2, 3}, {16}, false},
      {"1e-300 to 1e300", wide, {0, 16}, false},
  };
  for (const Case& c : cases) {
    std::vector<double> x = c.x;
    std::sort(x.begin(), x.end());
    const RawStatistics s = ComputeRawStatistics(x);
    const auto h = RawDataHistogram(x, 24, x.front(), x.back());
    ASSERT_TRUE(h) << c.name;
    const FitResult r = FitDistributions({x, s, *h, 1e-7}, Language::English);
    EXPECT_EQ(r.anySuitable(), c.fitted) << c.name;
    const std::string warning = FitFailureWarning(r, Language::English);
    for (int type : c.failed) {
      EXPECT_TRUE(std::any_of(r.failures.begin(), r.failures.end(),
                              [&](const FitFailure& f) { return f.type == type; }))
          << c.name << ": " << warning;
      EXPECT_NE(warning.find(DistributionTypeName(type, Language::English)), std::string::npos) << warning;
      EXPECT_EQ(r.tesnost[static_cast<size_t>(type)], 0) << c.name;
      for (const FitRow& row : r.rows) EXPECT_NE(row.type, type) << c.name;
    }
  }
}
