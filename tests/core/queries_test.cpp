#include "histogram/Queries.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "histogram_fixture.h"

namespace {

// Five intervals of width 2 centred on 1, 3, 5, 7, 9 (edges 0, 2, 4, 6, 8, 10).
Histogram histogram(std::initializer_list<double> p, double min = 1, double step = 2, double total = 10) {
  return histogram_fixture::make(min, step, p, total);
}

const Histogram kFive = histogram({0.1, 0.2, 0.4, 0.2, 0.1});

}  // namespace

TEST(ValueQuery, ProbabilityUpToX) {
  struct Case {
    double x;
    int interval;
    double px, cdf;
  } cases[] = {
      {10, 5, 0.1, 1},                         // upper end
      {9.5, 5, 0.1, 0.975},                    // inside the last interval: interpolated, not 1
      {8, 4, 0.2, 0.9},                        // inner edge belongs to the lower interval
      {4, 2, 0.2, 0.3},     {5, 3, 0.4, 0.5},  // centre
      {0.5, 1, 0.1, 0.025},                    // just above the lower end
      {2.5, 2, 0.2, 0.15},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.x);
    const ValueQuery q = valueQuery(kFive, c.x);
    ASSERT_TRUE(q.inRange);
    EXPECT_EQ(q.interval, c.interval);
    EXPECT_DOUBLE_EQ(q.px, c.px);
    EXPECT_NEAR(q.cdf, c.cdf, 1e-15);
  }
}

TEST(ValueQuery, OutsideTheRangeIsRefused) {
  for (double x : {0.0, -1.0, 10.000001, 1e300}) {
    SCOPED_TRACE(x);
    EXPECT_FALSE(valueQuery(kFive, x).inRange);
  }
  Histogram zeroWidth = histogram({1}, 0, 0);
  EXPECT_FALSE(valueQuery(zeroWidth, 0).inRange);
  EXPECT_FALSE(valueQuery(Histogram{}, 0).inRange);
}

TEST(ValueQuery, UpperEndOfManyIntervalsGivesOne) {
  // Edges from min + (i - 0.5) * step may round away from max + step/2.
  Histogram h;
  h.count = 256;
  h.min = 0.1;
  h.step = 0.3;
  h.max = 0.1 + 255 * 0.3;
  for (int i = 0; i < 256; ++i) h.p[i] = 1.0 / 256;
  const ValueQuery end = valueQuery(h, h.max + h.step / 2);
  EXPECT_TRUE(end.inRange);
  EXPECT_EQ(end.cdf, 1);
  const ValueQuery last = valueQuery(h, h.max + h.step / 4);
  EXPECT_EQ(last.interval, 256);
  EXPECT_NEAR(last.cdf, 1 - 0.25 / 256, 1e-12);
}

TEST(QuantileQuery, Quantiles) {
  struct Case {
    double p;
    int interval;
    double qp;
  } cases[] = {
      {1, 5, 9},  // P = 1 gives the last centre
      {0.05, 1, 1}, {0.5, 3, 5}, {0.9, 4, 8}, {1e-9, 1, 2e-8}, {0.999, 5, 9.98},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.p);
    const QuantileQuery q = quantileQuery(kFive, c.p);
    ASSERT_TRUE(q.inRange);
    EXPECT_EQ(q.interval, c.interval);
    EXPECT_NEAR(q.qp, c.qp, 1e-12);
  }
}

TEST(QuantileQuery, SmallProbabilityFallsInTheFirstNonEmptyInterval) {
  const Histogram h = histogram({0, 0, 0.5, 0.5});  // edges 0, 2, 4, 6, 8
  const QuantileQuery q = quantileQuery(h, 1e-6);
  EXPECT_EQ(q.interval, 3);
  EXPECT_GT(q.qp, 4);
  EXPECT_LT(q.qp, 4.001);
  // F reaches 0.5 at interval 1 and again at the empty interval 2: the first one counts.
  const Histogram flat = histogram({0.5, 0, 0.5});
  EXPECT_EQ(quantileQuery(flat, 0.5).interval, 1);
  EXPECT_DOUBLE_EQ(quantileQuery(flat, 0.5).qp, 2);
}

TEST(QuantileQuery, OutsideTheRangeAndShortSums) {
  for (double p : {0.0, -0.1, 1.0000001, 2.0}) EXPECT_FALSE(quantileQuery(kFive, p).inRange) << p;
  const Histogram shortSum = histogram({0.3, 0.6, 0});  // sums to 0.9
  const QuantileQuery q = quantileQuery(shortSum, 0.95);
  EXPECT_TRUE(q.inRange);
  EXPECT_DOUBLE_EQ(q.qp, 4);  // upper edge of the last non-empty interval
}

TEST(ProbabilityRows, CentresEdgesAndDistributionFunction) {
  const auto rows = probabilityRows(kFive);
  ASSERT_EQ(rows.size(), 2u * 5 + 2);  // with the header row: 2N + 3
  EXPECT_EQ(rows[0].kind, ProbabilityRow::LowerEdge);
  EXPECT_DOUBLE_EQ(rows[0].x, 0);
  EXPECT_DOUBLE_EQ(rows[0].cdf, 0);
  const double centresCdf[] = {0.05, 0.2, 0.5, 0.8, 0.95};
  const double edgesCdf[] = {0.1, 0.3, 0.7, 0.9, 1.0};
  for (int i = 1; i <= 5; ++i) {
    const auto& in = rows[2 * i - 1];
    const auto& edge = rows[2 * i];
    EXPECT_EQ(in.kind, ProbabilityRow::Interval);
    EXPECT_EQ(in.interval, i);
    EXPECT_DOUBLE_EQ(in.x, 2 * i - 1);
    EXPECT_DOUBLE_EQ(in.frequency, 10 * kFive.p[i - 1]);
    EXPECT_NEAR(in.cdf, centresCdf[i - 1], 1e-15);
    EXPECT_EQ(edge.kind, ProbabilityRow::Edge);
    EXPECT_DOUBLE_EQ(edge.x, 2 * i);
    EXPECT_NEAR(edge.cdf, edgesCdf[i - 1], 1e-15);
  }
  EXPECT_EQ(rows.back().kind, ProbabilityRow::Total);
  EXPECT_NEAR(rows.back().p, 1, 1e-15);
  EXPECT_DOUBLE_EQ(rows.back().frequency, 10);

  Histogram full;
  full.count = 256;
  full.step = 1;
  full.max = 255;
  EXPECT_EQ(probabilityRows(full).size() + 1, 515u);
}

TEST(TableHighlight, RowColoursFollowTheQuery) {
  TableHighlight s;
  s.tableColour = 0xFFFFFF;
  auto colours = [&] {
    std::vector<std::uint32_t> c;
    for (int i = 1; i <= 5; ++i) c.push_back(intervalRowColour(kFive, i, s));
    return c;
  };
  const std::uint32_t W = 0xFFFFFF, V = kValueQueryRowColour, Q = kProbabilityQueryRowColour;
  EXPECT_EQ(colours(), std::vector<std::uint32_t>(5, kIntervalRowColour));
  s.reliability = true;
  EXPECT_EQ(colours(), std::vector<std::uint32_t>(5, kReliabilityRowColour));

  s.mode = QueryMode::Value;
  s.valueFieldEmpty = false;
  s.x = 5;  // lower edges 0, 2, 4 lie below
  EXPECT_EQ(colours(), (std::vector<std::uint32_t>{V, V, V, W, W}));
  s.x = 4;  // on an edge: the interval starting there is not below x
  EXPECT_EQ(colours(), (std::vector<std::uint32_t>{V, V, W, W, W}));
  s.valueFieldEmpty = true;  // emptied field: back to the stripes
  EXPECT_EQ(colours(), std::vector<std::uint32_t>(5, kReliabilityRowColour));

  s.mode = QueryMode::Probability;
  s.probabilityFieldEmpty = false;
  s.p = 0.5;  // F at the lower edges: 0, 0.1, 0.3, 0.7, 0.9
  EXPECT_EQ(colours(), (std::vector<std::uint32_t>{Q, Q, Q, W, W}));
}

TEST(Marks, TextsAndLabelPositions) {
  EXPECT_EQ(markValueText(0.0123), "1.23E-2");
  EXPECT_EQ(markValueText(250), "2.5E2");
  EXPECT_EQ(markValueText(0.99996), "1E0");
  EXPECT_EQ(markValueText(0), "0");
  EXPECT_EQ(markText(MarksStyle::Value, "3.5", 2, 0.25), "2.5E-1");
  EXPECT_EQ(markText(MarksStyle::Label, "3.5", 2, 0.25), "3.5");
  EXPECT_EQ(markText(MarksStyle::LabelValue, "3.5", 2, 0.25), "3.5 2.5E-1");
  EXPECT_EQ(markText(MarksStyle::Index, "3.5", 2, 0.25), "2");
  EXPECT_EQ(markText(MarksStyle::IndexValue, "3.5", 2, 0.25), "2 2.5E-1");

  EXPECT_DOUBLE_EQ(barLabelPosition(kFive, 1, false), 1);
  EXPECT_DOUBLE_EQ(barLabelPosition(kFive, 4, false), 7);
  EXPECT_DOUBLE_EQ(barLabelPosition(kFive, 4, true), 7);
  EXPECT_DOUBLE_EQ(barLabelPosition(kFive, 5, true), 9);
  EXPECT_DOUBLE_EQ(barLabelPosition(histogram({1}), 1, true), 1);
}
