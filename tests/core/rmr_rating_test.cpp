#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "chain_fixture.h"
#include "histogram_fixture.h"
#include "rmr/RmrRating.h"
#include "shell/NumberText.h"

using namespace rmr_cells;

namespace {

struct Ratings {
  std::string b, c, d1;
  std::vector<std::string> d2{"", "", "", "", ""};
  std::string e, fKind, fOrientation, f;
};

RmrTables tables(const Ratings& r) {
  RmrTables t;
  t.tables[kB].cell(1, kRating) = r.b;
  t.tables[kC].cell(1, kRating) = r.c;
  t.tables[kD1].cell(1, kRating) = r.d1;
  for (int row = 1; row <= 5; ++row) t.tables[kD2].cell(row, kRating) = r.d2[row - 1];
  t.tables[kE].cell(1, kRating) = r.e;
  t.tables[kF].cell(1, kFKind) = r.fKind;
  t.tables[kF].cell(1, kFOrientation) = r.fOrientation;
  t.tables[kF].cell(1, kFRating) = r.f;
  return t;
}

// B 20, C 15, D1 25 with D2 incomplete, E 10, F tunnels / fair (-5).
Ratings siteRatings() {
  Ratings r;
  r.b = "20";
  r.c = "15";
  r.d1 = "25";
  r.d2 = {"6", "", "3", "", ""};
  r.e = "10";
  r.fKind = "1/  Tunely a doly";
  r.fOrientation = "3/  Špatný";
  r.f = "-5";
  return r;
}

// An A histogram of 256 bins centred on `centre`, symmetric.
Histogram ratingHistogram(double centre) {
  Histogram a = chain_fixture::bell(centre - 2, centre + 2, 256);
  NormaliseHistogram(256, a);
  return a;
}

}  // namespace

TEST(RmrStrengthRating, RatesTheStrengthOfIntactRock) {
  EXPECT_NEAR(strengthRating(50), 4.7385, 1e-12);
  EXPECT_NEAR(strengthRating(100), 8.0685, 1e-12);
  EXPECT_NEAR(strengthRating(200), 13.2285, 1e-12);
}

TEST(RmrStrengthRating, HistogramSpansTheRatingsOfTheOuterEdgesAndKeepsTheMass) {
  // R: 40 bins of 2.5 MPa, first centre 21.25 (edges 20 .. 120).
  const Histogram r = chain_fixture::bell(20, 120, 40);
  const auto a = strengthRatingHistogram(r);
  ASSERT_TRUE(a);
  EXPECT_EQ(a->count, 256);
  const double lo = strengthRating(20), hi = strengthRating(120);
  EXPECT_DOUBLE_EQ(a->range, hi - lo);
  EXPECT_DOUBLE_EQ(a->step, (hi - lo) / 256);
  EXPECT_DOUBLE_EQ(a->min, lo + a->step / 2);
  EXPECT_DOUBLE_EQ(a->max, hi - a->step / 2);
  // Every bin of R lands in the bin of the rating of its centre.
  for (int i = 0; i < 40; ++i) {
    const double g = strengthRating(r.min + i * r.step);
    const int k = static_cast<int>(std::nearbyint((g - a->min) / a->step));
    EXPECT_NEAR(a->p[k], r.p[i], 1e-15) << "bin " << i;
  }
  EXPECT_NEAR(totalProbability(*a), 1, 1e-12);
  Histogram normalised = *a;
  NormaliseHistogram(256, normalised);
  EXPECT_EQ(normalised, *a);
}

TEST(RmrStrengthRating, CentresRatedBeyondTheEdgesGoToTheEndBins) {
  // 300 .. 500 MPa: the curve turns at 408 MPa, so the centres near it rate above both edge ratings.
  const Histogram turning = chain_fixture::uniform(305, 10, 20);
  const auto a = strengthRatingHistogram(turning);
  ASSERT_TRUE(a);
  EXPECT_NEAR(totalProbability(*a), 1, 1e-12);
  EXPECT_GT(a->p[255], 0.3);
}

TEST(RmrStrengthRating, RefusesWhatGivesNoRisingRatings) {
  EXPECT_FALSE(strengthRatingHistogram(Histogram{}));
  EXPECT_FALSE(strengthRatingHistogram(chain_fixture::uniform(10, 0, 3)));
  EXPECT_FALSE(strengthRatingHistogram(chain_fixture::uniform(505, 10, 20)));  // rating falls over R
  EXPECT_FALSE(strengthRatingHistogram(chain_fixture::uniform(1e300, 1e300, 3)));
}

TEST(RmrLists, RatingsAndOrientationTable) {
  struct Expect {
    const char* control;
    std::vector<int> ratings;
  };
  const Expect expected[] = {
      {"CBTypPromB", {20, 17, 13, 8, 3}},   {"CBTypPromC", {20, 15, 10, 8, 5}},
      {"CBTypPromD1", {30, 25, 20, 10, 0}}, {"CBTypPromD21", {6, 4, 2, 1, 0}},
      {"CBTypPromD22", {6, 5, 4, 1, 0}},    {"CBTypPromD23", {6, 5, 3, 1, 0}},
      {"CBTypPromD24", {6, 4, 2, 2, 0}},    {"CBTypPromD25", {6, 5, 3, 1, 0}},
      {"CBTypPromE", {15, 10, 7, 4, 0}},
  };
  const auto lists = ratingLists();
  ASSERT_EQ(lists.size(), std::size(expected));
  for (size_t i = 0; i < lists.size(); ++i) {
    EXPECT_EQ(lists[i].control, expected[i].control);
    EXPECT_EQ(std::vector<int>(lists[i].ratings.begin(), lists[i].ratings.end()), expected[i].ratings);
  }
  EXPECT_EQ(lists[4].table, kD2);
  EXPECT_EQ(lists[4].row, 2);

  const int table[3][5] = {{0, -2, -5, -10, -12}, {0, -2, -7, -15, -25}, {0, -5, -25, -50, -100}};
  for (int kind = 1; kind <= 3; ++kind)
    for (int o = 1; o <= 5; ++o) EXPECT_EQ(orientationRating(kind, o), table[kind - 1][o - 1]);
  EXPECT_FALSE(orientationRating(0, 1));
  EXPECT_FALSE(orientationRating(1, 6));
}

TEST(RmrClass, BoundariesOfTheClasses) {
  const std::pair<double, int> cases[] = {{-0.0, 5}, {20.99, 5}, {21, 4},   {40.9, 4}, {41, 3},
                                          {60.9, 3}, {61, 2},    {80.9, 2}, {81, 1},   {100, 1}};
  for (const auto& [median, cls] : cases) EXPECT_EQ(rockMassClass(median), cls) << median;
  EXPECT_EQ(classNumeral(1), "I");
  EXPECT_EQ(classNumeral(5), "V");
  EXPECT_EQ(classNumeral(0), "");
}

TEST(RmrCreate, SiteRatingsGiveClassTwo) {
  const Histogram a = ratingHistogram(5);
  const RmrOutcome o = createRmr(tables(siteRatings()), a);
  ASSERT_TRUE(o.report.ok) << o.report.firstNumber();
  EXPECT_EQ(o.d, 25);
  EXPECT_EQ(o.sum, 65);
  EXPECT_EQ(o.sumText, "65");
  EXPECT_NEAR(o.median, 70, 0.05);
  EXPECT_EQ(o.classIndex, 2);
  ASSERT_TRUE(o.histogramMade);
  EXPECT_DOUBLE_EQ(o.rmr.min, a.min + 65);
  EXPECT_DOUBLE_EQ(o.rmr.max, a.max + 65);
  EXPECT_EQ(o.rmr.step, a.step);
  EXPECT_EQ(o.rmr.total, a.total);
  EXPECT_EQ(o.rmr.p, a.p);
  EXPECT_EQ(o.rmrText, "( " + formatNumber(o.rmr.min) + "," + formatNumber(o.rmr.max) +
                           " ) median = " + formatNumber(o.median));
}

TEST(RmrCreate, DIsTheSmallerOfD1AndACompleteD2) {
  struct Case {
    std::string d1;
    std::vector<std::string> d2;
    int d;
  };
  const Case cases[] = {
      {"30", {"6", "4", "2", "1", "5"}, 18},  // D2 sum 18
      {"10", {"6", "4", "2", "1", "5"}, 10},
      {"", {"6", "6", "6", "6", "6"}, 30},  // D1 missing: the D2 sum
      {"25", {"6", "", "", "", ""}, 25},    // D2 incomplete: D1
  };
  for (const Case& c : cases) {
    Ratings r = siteRatings();
    r.d1 = c.d1;
    r.d2 = c.d2;
    const RmrOutcome o = createRmr(tables(r), ratingHistogram(5));
    ASSERT_TRUE(o.report.ok);
    EXPECT_EQ(o.d, c.d) << c.d1;
    EXPECT_EQ(o.sum, 20 + 15 + c.d + 10 - 5);
  }
}

TEST(RmrCreate, MissingRatingsAreReportedInOrder) {
  // Each step removes one more rating, starting from the last checked: the message is always that of
  // the first missing one in the order B, C, E, F, D.
  Ratings r = siteRatings();
  r.d1.clear();
  EXPECT_EQ(createRmr(tables(r), ratingHistogram(5)).report.firstNumber(), 204);
  r.fOrientation.clear();
  EXPECT_EQ(createRmr(tables(r), ratingHistogram(5)).report.firstNumber(), 203);
  r.e.clear();
  EXPECT_EQ(createRmr(tables(r), ratingHistogram(5)).report.firstNumber(), 202);
  r.c.clear();
  EXPECT_EQ(createRmr(tables(r), ratingHistogram(5)).report.firstNumber(), 201);
  r.b = " ";
  const RmrOutcome o = createRmr(tables(r), ratingHistogram(5));
  EXPECT_EQ(o.report.firstNumber(), 200);
  EXPECT_EQ(o.report.messages.size(), 1u);
  EXPECT_FALSE(o.histogramMade);
  EXPECT_EQ(o.sumText, "");
  EXPECT_EQ(createRmr(tables(siteRatings()), Histogram{}).report.firstNumber(), 151);
}

TEST(RmrCreate, CellsThatHoldNoWholeNumberAreRefusedByName) {
  struct Case {
    void (*spoil)(Ratings&);
    const char* parameter;
  };
  const Case cases[] = {
      {[](Ratings& r) { r.b = "1.5"; }, "B"},         {[](Ratings& r) { r.c = "x"; }, "C"},
      {[](Ratings& r) { r.e = "99999999999"; }, "E"}, {[](Ratings& r) { r.f = "-"; }, "F"},
      {[](Ratings& r) { r.d1 = "2 5"; }, "D1"},       {[](Ratings& r) { r.d2[4] = "6a"; }, "D2"},
  };
  for (const Case& c : cases) {
    Ratings r = siteRatings();
    c.spoil(r);
    const RmrOutcome o = createRmr(tables(r), ratingHistogram(5));
    ASSERT_FALSE(o.report.ok) << c.parameter;
    EXPECT_EQ(o.report.firstNumber(), 0);
    const std::string cs = o.report.messages[0].text(Language::Czech);
    EXPECT_NE(cs.find("Hodnocení " + std::string(c.parameter) + " není"), std::string::npos) << cs;
    EXPECT_FALSE(o.histogramMade);
  }
  // The orientation chosen before the kind of work leaves the F rating empty.
  Ratings r = siteRatings();
  r.fKind.clear();
  r.f.clear();
  const RmrOutcome o = createRmr(tables(r), ratingHistogram(5));
  EXPECT_EQ(o.report.firstNumber(), 0);
  EXPECT_NE(o.report.messages[0].text(Language::English).find("kind of work"), std::string::npos);
}

TEST(RmrCreate, MedianIsTheUpperEdgeOfItsBinAndDecidesTheClass) {
  // Four bins of width 1: F reaches 1/2 in bin 2, whose upper edge lies 1.5 above the first centre.
  // With B 79 the sum is 79 + 20 + 25 + 10 - 5 = 129.
  auto medianFor = [](double firstCentre) {
    Ratings r = siteRatings();
    r.b = "79";
    r.c = "20";
    return createRmr(tables(r), histogram_fixture::make(firstCentre, 1, {0.25, 0.25, 0.25, 0.25}));
  };
  RmrOutcome o = medianFor(-49.5);
  ASSERT_TRUE(o.report.ok);
  EXPECT_EQ(o.median, 81);
  EXPECT_EQ(o.classIndex, 1);
  o = medianFor(-49.6);
  ASSERT_TRUE(o.report.ok);
  EXPECT_NEAR(o.median, 80.9, 1e-12);
  EXPECT_EQ(o.classIndex, 2);
}

TEST(RmrCreate, MedianOutsideZeroToHundredKeepsTheHistogramWithoutClass) {
  struct Case {
    double centre;
    int message;
  };
  const Case cases[] = {{-80, 205}, {60, 206}};
  for (const Case& c : cases) {
    const RmrOutcome o = createRmr(tables(siteRatings()), ratingHistogram(c.centre));
    EXPECT_FALSE(o.report.ok);
    EXPECT_EQ(o.report.firstNumber(), c.message);
    EXPECT_TRUE(o.histogramMade);
    EXPECT_DOUBLE_EQ(o.rmr.min, ratingHistogram(c.centre).min + 65);
    EXPECT_EQ(o.classIndex, 0);
    EXPECT_EQ(o.sumText, "65");
    EXPECT_EQ(o.rmrText, formatNumber(o.median));  // the median text alone
  }
}
