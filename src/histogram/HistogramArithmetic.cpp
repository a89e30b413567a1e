#include "histogram/HistogramArithmetic.h"

#include <cmath>

#include "shell/RefusalTexts.h"

namespace hist {

ArithmeticFault checkOperand(const Histogram& x) {
  if (!(x.count >= 0.5 && x.count <= kMaxBins)) return ArithmeticFault::EmptyInput;
  if (!(x.step > 0) || !std::isfinite(x.step)) return ArithmeticFault::BadStep;
  if (!std::isfinite(x.min) || !std::isfinite(x.max)) return ArithmeticFault::BadValues;
  return ArithmeticFault::None;
}

RefusalText arithmeticFaultTextId(ArithmeticFault fault) {
  switch (fault) {
    case ArithmeticFault::None:
      return RefusalText::None;
    case ArithmeticFault::OutOfFrame:
      return RefusalText::ArithmeticOutOfFrame;
    case ArithmeticFault::EmptyInput:
      return RefusalText::ArithmeticEmptyInput;
    case ArithmeticFault::BadStep:
      return RefusalText::ArithmeticBadStep;
    case ArithmeticFault::BadValues:
      return RefusalText::ArithmeticBadValues;
    case ArithmeticFault::DegenerateFrame:
      return RefusalText::ArithmeticDegenerateFrame;
    case ArithmeticFault::Overflow:
      return RefusalText::ArithmeticOverflow;
  }
  return RefusalText::None;
}

}  // namespace hist

Refusal HistogramOpResult::refusal() const {
  Refusal r = fault == ArithmeticFault::OutOfFrame
                  ? ownRefusal(RefusalText::ArithmeticOutOfFrame,
                               {outOfFrameIndex == hist::kNoBin ? std::string("NaN")
                                                                : std::to_string(outOfFrameIndex)})
                  : ownRefusal(hist::arithmeticFaultTextId(fault));
  r.message = message;  // a numbered message is shown instead of the fault's own text
  return r;
}

std::string HistogramOpResult::text(Language language) const {
  Refusal r = refusal();
  r.message = 0;
  return r.text(language);
}

namespace {

enum class Op { Sum, Difference, Product };

HistogramOpResult refuse(ArithmeticFault fault);

}  // namespace

HistogramOpResult ScaledHistogram(const Histogram& h, double c) {
  if (auto f = hist::checkOperand(h); f != ArithmeticFault::None) return refuse(f);
  HistogramOpResult r;
  r.h = h;
  ScaleHistogram(r.h, c);
  if (!std::isfinite(c) || !std::isfinite(r.h.min) || !std::isfinite(r.h.max) || !std::isfinite(r.h.range) ||
      !std::isfinite(r.h.step))
    return refuse(ArithmeticFault::Overflow);
  r.ok = true;
  return r;
}

namespace {

HistogramOpResult refuse(ArithmeticFault fault) {
  HistogramOpResult r;
  r.fault = fault;
  r.message = 0;
  return r;
}

template <Op op>
HistogramOpResult combine(const Histogram& xIn, const Histogram& yIn) {
  // Copies first: the caller may pass the result's storage as either input.
  const Histogram x = xIn;
  const Histogram y = yIn;
  if (auto f = hist::checkOperand(x); f != ArithmeticFault::None) return refuse(f);
  if (auto f = hist::checkOperand(y); f != ArithmeticFault::None) return refuse(f);

  BinFrame frame;
  bool framed = false;
  if constexpr (op == Op::Sum) framed = hist::sumFrame(x, y, frame);
  if constexpr (op == Op::Difference) framed = hist::differenceFrame(x, y, frame);
  if constexpr (op == Op::Product) framed = hist::productFrame(x, y, frame);
  if (!framed) return refuse(ArithmeticFault::DegenerateFrame);

  HistogramOpResult r;
  r.ok = true;
  Histogram& z = r.h;
  z.p.fill(0);
  z.range = frame.hi - frame.lo;
  z.count = frame.n;
  z.step = frame.step;
  z.min = frame.min;
  z.max = frame.max;

  const int nx = binCount(x), ny = binCount(y), n = frame.n;
  double failure = 0;
  for (int i = 1; i <= nx; ++i) {
    const double xi = hist::binCentre(x, i);
    const double pi = x.p[i - 1];
    for (int j = 1; j <= ny; ++j) {
      const double yj = hist::binCentre(y, j);
      const double m = pi * y.p[j - 1];
      double v;
      if constexpr (op == Op::Sum) v = hist::pairSum(xi, yj);
      if constexpr (op == Op::Difference) v = hist::pairDifference(xi, yj);
      if constexpr (op == Op::Product) v = hist::pairProduct(xi, yj);
      const std::int64_t k = hist::binIndex(v, frame);
      if constexpr (op == Op::Difference) {
        if (v < 0)
          failure += m;
        else if (v == 0)
          failure += m / 2;
        if (k < 1 || k > n) {  // cannot happen for checked inputs; the caller reports it
          HistogramOpResult out = refuse(ArithmeticFault::OutOfFrame);
          out.outOfFrameIndex = k;
          return out;
        }
      } else {
        if (k < 1 || k > n) continue;  // unreachable for checked inputs; never write out of range
      }
      z.p[static_cast<std::size_t>(k - 1)] += m;
    }
  }
  r.failureMass = failure;
  NormaliseHistogram(n, z);
  return r;
}

}  // namespace

HistogramOpResult AddHistograms(const Histogram& x, const Histogram& y) { return combine<Op::Sum>(x, y); }
HistogramOpResult SubtractHistograms(const Histogram& x, const Histogram& y) {
  return combine<Op::Difference>(x, y);
}
HistogramOpResult MultiplyHistograms(const Histogram& x, const Histogram& y) {
  return combine<Op::Product>(x, y);
}
