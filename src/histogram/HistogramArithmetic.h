#pragma once

// Binary operations on histograms: sum, difference and product of independent random variables.
// Every pair of bins is evaluated at the bin centres; its mass goes to the result bin whose centre
// is nearest. The frame and the bin mapping are inline so that longer computations can reuse exactly
// the same arithmetic and produce bit-identical bins.

#include <algorithm>
#include <cfloat>
#include <cstdint>
#include <string>

#include "histogram/Histogram.h"
#include "shell/Language.h"
#include "shell/Refusal.h"

/// Frame of a result histogram: outer edges, bin count, bin width and the first and last centre.
struct BinFrame {
  double lo = 0;    // lower outer edge
  double hi = 0;    // upper outer edge
  int n = 0;        // bins, 1..256
  double step = 0;  // (hi - lo) / n
  double min = 0;   // centre of bin 1: lo + step / 2
  double max = 0;   // centre of bin n: hi - step / 2
};

/// Why a binary operation was refused before its pair loop.
enum class ArithmeticFault {
  None,
  EmptyInput,       // an input with no bins (count rounds to 0) or more than 256
  BadStep,          // an input step that is zero, negative or not a number
  BadValues,        // an input min or max that is not finite
  DegenerateFrame,  // the first bin count comes out 0 or undefined
  OutOfFrame,       // a difference pair fell outside the result's bins (cannot happen for checked inputs)
  Overflow,         // a scaled histogram's values leave the range of real numbers
};

/// Result of a binary operation. On refusal `ok` is false, `h` is empty and `fault` says why;
/// `message` is 0 (a text of our own) and text() words it.
struct HistogramOpResult {
  bool ok = false;
  Histogram h;
  double failureMass = 0;  // SubtractHistograms only: P(X - Y < 0) + P(X - Y = 0) / 2
  ArithmeticFault fault = ArithmeticFault::None;
  int message = 0;
  std::int64_t outOfFrameIndex = 0;  // OutOfFrame: the bin index computed (kNoBin for NaN)
  explicit operator bool() const { return ok; }
  /// The fault's own text in `language`; empty on success.
  std::string text(Language language) const;
  /// The refusal: `message`, or the arithmetic fault's own text.
  Refusal refusal() const;
};

/// ScaleHistogram of a copy of `h` by `c`, refused (Overflow) when `c` or a value of the result is not a
/// finite number, and like the binary operations for an input they refuse.
HistogramOpResult ScaledHistogram(const Histogram& h, double c);

namespace hist {

/// Outer edges of an input: X.lo = X.min - hX/2, X.hi = X.max + hX/2.
inline double lowerEdge(const Histogram& x) { return x.min - x.step / 2; }
inline double upperEdge(const Histogram& x) { return x.max + x.step / 2; }

/// Centre of bin i (1-based) of x: x.min + (i - 1) x.step, in double.
inline double binCentre(const Histogram& x, int i) { return x.min + (i - 1) * x.step; }

/// Pair values, computed in extended precision and stored as a double.
inline double pairSum(double x, double y) {
  return static_cast<double>(static_cast<long double>(x) + static_cast<long double>(y));
}
/// Where x - y is exact in extended precision (neither operand more than 1024 times the other, so the
/// difference is a whole multiple of the smaller one's unit below 2^64 of them), its one rounding to a
/// double is the double subtraction itself; only the rest goes the extended way.
inline double pairDifference(double x, double y) {
#if FLT_EVAL_METHOD == 0
  const double ax = std::fabs(x), ay = std::fabs(y);
  const double lo = std::min(ax, ay), hi = std::max(ax, ay);
  if (hi <= 1024 * lo || lo == 0) return x - y;
#endif
  return static_cast<double>(static_cast<long double>(x) - static_cast<long double>(y));
}
inline double pairProduct(double x, double y) {
  return static_cast<double>(static_cast<long double>(x) * static_cast<long double>(y));
}

/// Frame from outer edges and first bin width w0: n = round((hi - lo) / w0) capped at 256.
/// False (frame untouched otherwise) when n is 0 or undefined or the frame is not finite.
inline bool makeFrame(double lo, double hi, double w0, BinFrame& f) {
  const double q = (hi - lo) / w0;
  if (!(q >= 0.5)) return false;  // rounds to 0, negative, or NaN
  double n = roundHalfEven(q);
  if (n > kMaxBins) n = kMaxBins;
  if (!(n >= 1)) return false;
  const double step = (hi - lo) / n;
  const double min = lo + step / 2;
  const double max = hi - step / 2;
  if (!std::isfinite(lo) || !std::isfinite(hi) || !std::isfinite(step) || !(step > 0) ||
      !std::isfinite(min) || !std::isfinite(max))
    return false;
  f.lo = lo;
  f.hi = hi;
  f.n = static_cast<int>(n);
  f.step = step;
  f.min = min;
  f.max = max;
  return true;
}

/// Frames of the three operations (inputs are assumed checked with checkOperand).
inline bool sumFrame(const Histogram& x, const Histogram& y, BinFrame& f) {
  const double lo = lowerEdge(x) + lowerEdge(y);
  const double hi = upperEdge(x) + upperEdge(y);
  return makeFrame(lo, hi, std::min(x.step, y.step), f);
}
inline bool differenceFrame(const Histogram& x, const Histogram& y, BinFrame& f) {
  const double lo = lowerEdge(x) - upperEdge(y);
  const double hi = upperEdge(x) - lowerEdge(y);
  return makeFrame(lo, hi, std::min(x.step, y.step), f);
}
inline bool productFrame(const Histogram& x, const Histogram& y, BinFrame& f) {
  const double xl = lowerEdge(x), xh = upperEdge(x), yl = lowerEdge(y), yh = upperEdge(y);
  const double a = xl * yl, b = xl * yh, c = xh * yl, d = xh * yh;
  double lo = std::min(std::min(a, b), std::min(c, d));
  double hi = std::max(std::max(a, b), std::max(c, d));
  if (lo == hi) {
    lo = std::min(xl, yl);
    hi = std::max(xh, yh);
  }
  return makeFrame(lo, hi, x.step * y.step, f);
}

/// Sentinel of binIndex for a value whose offset is not a finite number of bins.
inline constexpr std::int64_t kNoBin = INT64_MIN;

/// 1-based result bin of value v: round((v - min) / step) + 1, the nearest centre, ties to even.
/// May lie outside 1..n; kNoBin when the offset is not finite or beyond +-2^62.
inline std::int64_t binIndex(double v, const BinFrame& f) {
  const double r = roundHalfEven((v - f.min) / f.step);
  if (!(r > -4611686018427387904.0 && r < 4611686018427387904.0)) return kNoBin;
  return static_cast<std::int64_t>(r) + 1;
}

/// Checks an operand: 1..256 bins, finite centres, positive finite step.
ArithmeticFault checkOperand(const Histogram& x);

/// The own text id of a fault (None for none).
RefusalText arithmeticFaultTextId(ArithmeticFault fault);

}  // namespace hist

/// Histogram of X + Y.
HistogramOpResult AddHistograms(const Histogram& x, const Histogram& y);
/// Histogram of X - Y and the failure mass. A result bin outside 1..n (impossible for valid inputs)
/// is reported with the plain message "MIMO index  <k>" and its mass is left out of the bins.
HistogramOpResult SubtractHistograms(const Histogram& x, const Histogram& y);
/// Histogram of X x Y.
HistogramOpResult MultiplyHistograms(const Histogram& x, const Histogram& y);
