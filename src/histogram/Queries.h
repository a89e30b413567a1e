#pragma once

// Questions the chart window asks of the shown histogram: P(x) and P(X<=x) for a value x,
// the quantile Qp for a probability P, the numbers behind its probability table and the
// background of the table rows. Interval i (1-based) has the centre min + (i - 1) * step and
// the edges centre -/+ step/2.

#include <cstdint>
#include <string>
#include <vector>

#include "histogram/Histogram.h"

/// Lower edge of interval i (1-based).
double intervalLowerEdge(const Histogram& h, int i);
/// Upper edge of interval i (1-based).
double intervalUpperEdge(const Histogram& h, int i);
/// Sum of p[0 .. i-2]: the distribution function at the lower edge of interval i.
double cdfBelowInterval(const Histogram& h, int i);

/// Result of a value query. When `inRange` is false x lies outside (min - step/2, max + step/2].
struct ValueQuery {
  bool inRange = false;
  int interval = 0;  // k: intervals 1..k are drawn in the value colour
  double px = 0;     // P(x), the probability of interval k
  double cdf = 0;    // P(X<=x), interpolated linearly inside interval k
};

/// P(x) and P(X<=x). A value on an inner edge belongs to the interval below it; the upper end
/// max + step/2 gives P(x) = p[N] and P(X<=x) = 1.
ValueQuery valueQuery(const Histogram& h, double x);

/// Result of a quantile query. When `inRange` is false P lies outside (0, 1].
struct QuantileQuery {
  bool inRange = false;
  int interval = 0;  // k: intervals 1..k are drawn in the quantile colour
  double qp = 0;     // the quantile
};

/// Qp: the x at which the distribution function, linear inside each interval, reaches P;
/// P = 1 gives max (the last centre). The first interval reaching P is used. When the bins sum to
/// less than P the upper edge of the last non-empty interval is returned.
QuantileQuery quantileQuery(const Histogram& h, double p);

/// Position of bar i (1-based) for its value label. The fill places it at the centre
/// min + (i - 1) * step; a redraw spreads the labels evenly from min to max, ending on max itself.
double barLabelPosition(const Histogram& h, int i, bool redraw);

/// Bar value as the marks show it: up to three decimals of the mantissa, "E" and the exponent,
/// the sign of the exponent only when negative (0.0123 -> "1.23E-2", 250 -> "2.5E2").
std::string markValueText(double p);

/// What the marks of the bars show (the items of the marks selector, in order).
enum class MarksStyle { Value = 0, Label = 1, LabelValue = 2, Index = 3, IndexValue = 4 };

/// Text of the mark of one bar: `label` is its axis label, `index` its 0-based index.
std::string markText(MarksStyle style, const std::string& label, int index, double p);

/// Which query the chart window shows.
enum class QueryMode { None, Value, Probability };

/// What decides the background of the interval rows of the probability table.
struct TableHighlight {
  QueryMode mode = QueryMode::None;
  bool valueFieldEmpty = true;
  double x = 0;
  bool probabilityFieldEmpty = true;
  double p = 0;
  bool reliability = false;              // the reliability function is shown
  std::uint32_t tableColour = 16777215;  // 0xBBGGRR
};

inline constexpr std::uint32_t kValueQueryRowColour = 11589887;
inline constexpr std::uint32_t kProbabilityQueryRowColour = 16761281;
inline constexpr std::uint32_t kReliabilityRowColour = 16769505;
inline constexpr std::uint32_t kIntervalRowColour = 12713983;
inline constexpr std::uint32_t kTotalRowColour = 11783167;

/// Background of the table row of interval i (1-based), 0xBBGGRR: under a value query the
/// intervals whose lower edge lies below x, under a probability query those whose distribution
/// function at the lower edge lies below P; without a query every interval row is striped.
std::uint32_t intervalRowColour(const Histogram& h, int i, const TableHighlight& state);

/// One row of the chart window's probability table in numbers.
struct ProbabilityRow {
  enum Kind { LowerEdge, Interval, Edge, Total } kind;
  int interval = 0;      // 1-based for Interval and Edge rows
  double x = 0;          // centre (Interval) or edge (LowerEdge, Edge); unused for Total
  double p = 0;          // probability (Interval), sum of probabilities (Total)
  double frequency = 0;  // total * p (Interval), total (Total)
  double cdf = 0;        // at the centre (Interval), at the edge (LowerEdge, Edge)
};

/// The data rows of the probability table (without its header row): the lower edge, then for
/// each interval its row and its upper edge row, then the total: 2N + 2 rows.
std::vector<ProbabilityRow> probabilityRows(const Histogram& h);
