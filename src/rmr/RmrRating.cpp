#include "rmr/RmrRating.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "shell/NumberText.h"

namespace {

constexpr int kRatingsB[] = {20, 17, 13, 8, 3};
constexpr int kRatingsC[] = {20, 15, 10, 8, 5};
constexpr int kRatingsD1[] = {30, 25, 20, 10, 0};
constexpr int kRatingsD21[] = {6, 4, 2, 1, 0};
constexpr int kRatingsD22[] = {6, 5, 4, 1, 0};
constexpr int kRatingsD23[] = {6, 5, 3, 1, 0};
constexpr int kRatingsD24[] = {6, 4, 2, 2, 0};
constexpr int kRatingsD25[] = {6, 5, 3, 1, 0};
constexpr int kRatingsE[] = {15, 10, 7, 4, 0};

constexpr int kOrientationTable[kWorkKinds][kOrientations] = {
    {0, -2, -5, -10, -12},    // tunnels and mines
    {0, -2, -7, -15, -25},    // foundations
    {0, -5, -25, -50, -100},  // slopes
};

using namespace rmr_cells;

const RatingList kLists[] = {
    {"CBTypPromB", kB, 1, kRatingsB},      {"CBTypPromC", kC, 1, kRatingsC},
    {"CBTypPromD1", kD1, 1, kRatingsD1},   {"CBTypPromD21", kD2, 1, kRatingsD21},
    {"CBTypPromD22", kD2, 2, kRatingsD22}, {"CBTypPromD23", kD2, 3, kRatingsD23},
    {"CBTypPromD24", kD2, 4, kRatingsD24}, {"CBTypPromD25", kD2, 5, kRatingsD25},
    {"CBTypPromE", kE, 1, kRatingsE},
};

// Typed ratings beyond this are no rating (and could not be summed safely).
constexpr long kLargestRating = 1000000000;

enum class Cell { Empty, Invalid, Value };

struct Rating {
  Cell state = Cell::Empty;
  int value = 0;
  std::string text;
};

Rating readRating(const GridTable& g, int row, int col) {
  Rating r;
  if (row >= g.rows || col >= g.cols) return r;
  r.text = g.cell(row, col);
  const bool blank = std::all_of(r.text.begin(), r.text.end(), [](char c) { return c == ' '; });
  if (blank) return r;
  long v = 0;
  if (!parseLong(r.text, v) || v > kLargestRating || v < -kLargestRating) {
    r.state = Cell::Invalid;
    return r;
  }
  r.state = Cell::Value;
  r.value = static_cast<int>(v);
  return r;
}

void refuseOwn(ChainReport& report, RefusalText id, std::vector<std::string> args = {}) {
  Refusal m = ownRefusal(id, std::move(args));
  report.ok = false;
  report.messages.push_back(std::move(m));
}

void refuseNumber(ChainReport& report, int number) {
  Refusal m;
  m.message = number;
  report.ok = false;
  report.messages.push_back(std::move(m));
}

void refuseInvalid(ChainReport& report, std::string_view parameter, const std::string& text) {
  refuseOwn(report, RefusalText::RatingInvalid, {std::string(parameter), text});
}

}  // namespace

double strengthRating(double s) { return -0.0001 * s * s + 0.0816 * s + 0.9085; }

std::optional<Histogram> strengthRatingHistogram(const Histogram& r) {
  const int n = binCount(r);
  const double h = r.step;
  if (n < 1 || !(h > 0) || !std::isfinite(h) || !std::isfinite(r.min)) return std::nullopt;
  Histogram a;
  a.count = kMaxBins;
  const double lo = strengthRating(r.min - h / 2);
  const double hi = strengthRating(r.max + h / 2);
  a.range = hi - lo;
  a.step = a.range / kMaxBins;
  if (!(a.step > 0) || !std::isfinite(a.step)) return std::nullopt;
  a.min = lo + a.step / 2;
  a.max = hi - a.step / 2;
  for (int i = 1; i <= n; ++i) {
    const double g = strengthRating(r.min + (i - 1) * h);
    const double k = roundHalfEven((g - a.min) / a.step) + 1;
    // The rating of a centre lies between the edge ratings unless the curve turns inside R or the
    // rounding reaches past the outermost edge: such a centre goes to the end bin.
    const int bin = k < 1 || std::isnan(k) ? 1 : k > kMaxBins ? kMaxBins : static_cast<int>(k);
    a.p[bin - 1] += r.p[i - 1];
  }
  NormaliseHistogram(kMaxBins, a);
  return a;
}

Refusal strengthRatingRefusal() { return ownRefusal(RefusalText::StrengthRatingReversed); }

std::span<const RatingList> ratingLists() { return kLists; }

std::optional<int> orientationRating(int kind, int orientation) {
  if (kind < 1 || kind > kWorkKinds || orientation < 1 || orientation > kOrientations) return std::nullopt;
  return kOrientationTable[kind - 1][orientation - 1];
}

int rockMassClass(double median) {
  if (median < 21) return 5;
  if (median < 41) return 4;
  if (median < 61) return 3;
  if (median < 81) return 2;
  return 1;
}

std::string_view classNumeral(int rockClass) {
  static constexpr std::string_view kNumerals[] = {"I", "II", "III", "IV", "V"};
  return rockClass >= 1 && rockClass <= 5 ? kNumerals[rockClass - 1] : std::string_view{};
}

RmrOutcome createRmr(const RmrTables& t, const Histogram& a) {
  RmrOutcome out;
  ChainReport& report = out.report;
  if (binCount(a) < 1) {
    refuseNumber(report, 151);
    return out;
  }

  // B, C and E: a missing rating gives its message, one that is no whole number our own.
  struct Required {
    int table;
    int message;
    std::string_view parameter;
  };
  static constexpr Required kRequired[] = {{kB, 200, "B"}, {kC, 201, "C"}, {kE, 202, "E"}};
  int rated[3] = {};
  for (int i = 0; i < 3; ++i) {
    const Rating r = readRating(t.tables[kRequired[i].table], 1, kRating);
    if (r.state == Cell::Empty) return refuseNumber(report, kRequired[i].message), out;
    if (r.state == Cell::Invalid) return refuseInvalid(report, kRequired[i].parameter, r.text), out;
    rated[i] = r.value;
  }

  // F: the orientation must be chosen; its rating is written only when the kind of work was chosen first.
  const GridTable& op = t.tables[kF];
  const bool orientationChosen =
      op.rows > 1 && op.cols > kFOrientation &&
      !std::all_of(op.cell(1, kFOrientation).begin(), op.cell(1, kFOrientation).end(),
                   [](char c) { return c == ' '; });
  if (!orientationChosen) return refuseNumber(report, 203), out;
  const Rating f = readRating(op, 1, kFRating);
  if (f.state == Cell::Empty) {
    refuseOwn(report, RefusalText::OrientationRatingMissing);
    return out;
  }
  if (f.state == Cell::Invalid) return refuseInvalid(report, "F", f.text), out;

  // D: the smaller of D1 and the sum of the five D2 ratings; a missing one counts as 100.
  const Rating d1 = readRating(t.tables[kD1], 1, kRating);
  if (d1.state == Cell::Invalid) return refuseInvalid(report, "D1", d1.text), out;
  bool d2Complete = true;
  long long d2Sum = 0;
  for (int row = 1; row <= 5; ++row) {
    const Rating r = readRating(t.tables[kD2], row, kRating);
    if (r.state == Cell::Invalid) return refuseInvalid(report, "D2", r.text), out;
    if (r.state == Cell::Empty) d2Complete = false;
    d2Sum += r.value;
  }
  if (d1.state == Cell::Empty && !d2Complete) return refuseNumber(report, 204), out;
  const long long d1Value = d1.state == Cell::Value ? d1.value : 100;
  const long long d2Value = d2Complete ? d2Sum : 100;
  out.d = static_cast<int>(std::min(d1Value, d2Value));

  out.sum = static_cast<long long>(rated[0]) + rated[1] + out.d + rated[2] + f.value;
  out.sumText = std::to_string(out.sum);

  out.rmr = a;
  out.rmr.min = a.min + static_cast<double>(out.sum);
  out.rmr.max = a.max + static_cast<double>(out.sum);
  out.histogramMade = true;

  // The median: the upper edge of the first bin at which the distribution function reaches 1/2.
  const Histogram& h = out.rmr;
  double x = h.min - h.step / 2;
  double cumulative = 0;
  const int n = binCount(h);
  std::string medianText;
  for (int i = 0; i < n; ++i) {
    x += h.step;
    cumulative += h.p[i];
    if (cumulative >= 0.5) {
      medianText = formatNumber(x);
      break;
    }
  }
  if (medianText.empty()) medianText = formatNumber(x);  // not reached: the last upper edge
  out.median = x;
  out.rmrText = medianText;
  if (x < 0) return refuseNumber(report, 205), out;
  if (x > 100) return refuseNumber(report, 206), out;

  out.rmrText = "( " + formatNumber(h.min) + "," + formatNumber(h.max) + " ) median = " + medianText;
  out.classIndex = rockMassClass(x);
  report.ok = true;
  return out;
}
