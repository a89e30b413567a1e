#pragma once

// Plain transcription of the pressure-factor loop, triple by triple, kept as the yardstick for the
// fast loop: both must give the same bins to the last bit.

#include <cmath>
#include <limits>

#include "creation/SpecialFunctions.h"
#include "histogram/Histogram.h"
#include "histogram/HistogramArithmetic.h"
#include "reliability/PressureLoop.h"

namespace chain_reference {

inline double cornerFactor(double H, double s, double r, bool combined) {
  if (combined) return RealPower(ExpBounded((1.5 * H - s) / (45 * r)) - 1, 0.6);
  return RealPower(ExpBounded((1.5 * H / 45) / r) - 1, 0.6);
}

inline void addToBin(Histogram& S, double v, double m) {
  const double x = (v - S.min) / S.step;
  if (std::isnan(x)) return;
  long long k;
  if (x < -1)
    k = 0;
  else if (x > 256)
    k = 255;
  else
    k = std::llround(std::nearbyint(x));
  if (k < 0) k = 0;
  if (k > 255) k = 255;
  S.p[k] = S.p[k] + m;
}

/// The loop as written out: q == nullptr without combined support. With centres bin i is taken at
/// min + (i - 1) step; with upper edges at the lower edge plus the width added once per bin.
inline LoopStatus literalLoop(const Histogram& T, const Histogram* q, const Histogram& R, double H,
                              Histogram& S, PairValues values = PairValues::Centres) {
  const bool centres = values == PairValues::Centres;
  const bool combined = q != nullptr;
  const double tLo = T.min - T.step / 2, tHi = T.max + T.step / 2;
  const double rLo = R.min - R.step / 2, rHi = R.max + R.step / 2;
  double lo = std::numeric_limits<double>::infinity(), hi = -lo;
  bool finite = true;
  auto corner = [&](double v) {
    if (!std::isfinite(v)) finite = false;
    if (v < lo) lo = v;
    if (v > hi) hi = v;
  };
  for (double t : {tLo, tHi}) {
    if (combined) {
      for (double s : {q->min - q->step / 2, q->max + q->step / 2})
        for (double r : {rLo, rHi}) corner(t * cornerFactor(H, s, r, true));
    } else {
      for (double r : {rLo, rHi}) corner(t * cornerFactor(H, 0, r, false));
    }
  }
  if (!finite) return LoopStatus::NotFinite;
  if (lo == hi) return LoopStatus::EmptyRange;

  S = Histogram{};
  S.count = 256;
  S.range = hi - lo;
  S.step = (hi - lo) / 256;
  S.min = lo + S.step / 2;
  S.max = hi - S.step / 2;

  const int nT = binCount(T), nR = binCount(R);
  if (combined) {
    Histogram R45 = R;
    ScaleHistogram(R45, 45);
    const int nQ = binCount(*q);
    double t = tLo;
    for (int i = 1; i <= nT; ++i) {
      t = centres ? T.min + (i - 1) * T.step : t + T.step;
      double s = q->min - q->step / 2;
      for (int j = 1; j <= nQ; ++j) {
        s = centres ? q->min + (j - 1) * q->step : s + q->step;
        double r = R45.min - R45.step / 2;
        for (int k = 1; k <= nR; ++k) {
          r = centres ? R45.min + (k - 1) * R45.step : r + R45.step;
          const double v = RealPower(ExpBounded((1.5 * H - s) / r) - 1, 0.6) * t;
          const double m = T.p[i - 1] * q->p[j - 1] * R45.p[k - 1];
          addToBin(S, v, m);
        }
      }
    }
  } else {
    double t = tLo;
    for (int i = 1; i <= nT; ++i) {
      t = centres ? T.min + (i - 1) * T.step : t + T.step;
      double r = rLo;
      for (int k = 1; k <= nR; ++k) {
        r = centres ? R.min + (k - 1) * R.step : r + R.step;
        const double v = RealPower(ExpBounded((1.5 * H / 45) / r) - 1, 0.6) * t;
        const double m = T.p[i - 1] * R.p[k - 1];
        addToBin(S, v, m);
      }
    }
  }
  return LoopStatus::Ok;
}

}  // namespace chain_reference
