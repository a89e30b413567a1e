#include "creation/SpecialFunctions.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr long double kPi = 3.1415926535897932383L;
constexpr long double kSqrt2Pi = 2.5066282746310005025L;
constexpr long double kInvLn10 = 0.43429448190325182765L;

// Coefficient tables, highest power first.
constexpr double kStirlingSeries[9] = {7.147391378143611e-4,   -2.363848809501759e-5, -5.95023755405633e-4,
                                       6.989332260623193e-5,   7.840334842744753e-4,  -2.2947197478731854e-4,
                                       -2.6813271618763043e-3, 3.472222222230075e-3,  8.333333333333331e-2};
constexpr double kNearZeroPositive[9] = {-1.19394505138151e-3,   7.22059947803691e-3,  -9.622023360406271e-3,
                                         -4.2197733607059154e-2, 1.665386113720805e-1, -4.200263503403344e-2,
                                         -6.55878071520254e-1,   5.772156649015329e-1, 1.0};
constexpr double kNearZeroNegative[9] = {1.1333741672438944e-3, 7.22083726189317e-3,    9.621911155035977e-3,
                                         -4.219773343731192e-2, -1.6653861139444134e-1, -4.200263503402113e-2,
                                         6.558780715202537e-1,  5.772156649015329e-1,   -1.0};
constexpr double kRationalP[8] = {
    4.212760487471622e-5,  4.5429319606080093e-4, 4.092666828394036e-3, 2.3853632434611083e-2,
    1.1130628160193616e-1, 3.6295154366402393e-1, 8.378004301573126e-1, 1.0};
constexpr double kRationalQ[9] = {-1.3971485174761705e-5, 2.346584059160635e-4,  -1.2377992466531523e-3,
                                  -7.955933682494738e-4,  2.773706565840073e-2,  -4.633887671244534e-2,
                                  -2.2435109056703292e-1, 4.1501609505884557e-1, 1.0};

// r = c[0]; r = r*x + c[k] for k = 1..n (n + 1 coefficients).
double HornerEval(double x, const double* c, int n) {
  double r = c[0];
  for (int k = 1; k <= n; ++k) r = r * x + c[k];
  return r;
}

// +1 for x > 0; otherwise +1 when trunc|x| is odd, -1 when it is even.
double GammaSignOf(double x) {
  if (x > 0) return 1;
  const double t = std::trunc(std::fabs(x));
  return std::fmod(t, 2.0) == 1.0 ? 1 : -1;
}

double SignOf(double x) { return x < 0 ? -1 : 1; }

// Handles x = 0 and the exponents 0 and 1; false when the case is declined.
bool PowerTrivialCase(double x, double y, double& result) {
  if (x == 0) {
    if (y == 0)
      result = 1;
    else if (y > 0)
      result = 0;
    else
      result = LargestReal;
    return true;
  }
  if (y == 0) {
    result = 1;
    return true;
  }
  if (y == 1) {
    result = x;
    return true;
  }
  return false;
}

double GammaStirling(double x) {
  const double v = 1 / x;
  double w;
  if (x > 1024) {
    w = (((((6.972813758365857e-5 * v + 7.840392217200666e-4) * v - 2.2947209362139917e-4) * v -
           2.6813271604938273e-3) *
              v +
          3.472222222222222e-3) *
             v +
         8.333333333333333e-2);
  } else {
    w = HornerEval(v, kStirlingSeries, 8);
  }
  return static_cast<double>(kSqrt2Pi * std::exp((x - 0.5) * std::log(x) - x) * (1 + v * w));
}

double GammaNearZero(double z, double t) {
  if (t == 0) return LargestReal;
  if (t < 0) {
    const double u = -t;
    return z / (u * HornerEval(u, kNearZeroNegative, 8));
  }
  return z / (t * HornerEval(t, kNearZeroPositive, 8));
}

}  // namespace

double GammaFunction(double x) {
  const double s = GammaSignOf(x);
  if (x == 0 || (x < 0 && x == std::trunc(x))) return s * LargestReal;
  if (x > GammaUpperLimit) return LargestReal;
  if (std::isnan(x)) return x;
  const double q = std::fabs(x);
  if (q > 13) {
    if (x < 0) {
      double p = std::trunc(q);
      double z = q - p;
      if (z > 0.5) {
        p = p + 1;
        z = q - p;
      }
      z = static_cast<double>(std::fabs(q * std::sin(static_cast<double>(kPi * z))) * GammaStirling(q));
      if (z <= static_cast<double>(kPi / LargestReal)) return s * LargestReal;
      return static_cast<double>(s * (kPi / z));
    }
    return s * GammaStirling(x);
  }
  double z = 1, t = x;
  while (t >= 3) {
    t = t - 1;
    z = z * t;
  }
  while (t < -0.03125) {
    z = z / t;
    t = t + 1;
  }
  if (t <= 0.03125) return GammaNearZero(z, t);
  while (t < 2) {
    z = z / t;
    t = t + 1;
  }
  if (t == 2) return z;
  return z * HornerEval(t - 2, kRationalP, 7) / HornerEval(t - 2, kRationalQ, 8);
}

double ExpBounded(double x) {
  if (x < ExpLowerLimit) return 0;
  if (x > ExpUpperLimit) return LargestReal;
  return std::exp(x);
}

double LnBounded(double x) {
  if (!(x > 0)) return std::isnan(x) ? x : -LargestReal;
  return std::log(x);
}

double Log10Bounded(double x) {
  if (!(x > 0)) return std::isnan(x) ? x : -LargestReal;
  return static_cast<double>(std::log(x) * kInvLn10);
}

double IntegerPower(double x, std::int32_t n) {
  double r;
  if (PowerTrivialCase(x, n, r)) return r;
  bool invert = n < 0;
  if (std::fabs(x) > 1) {
    x = 1 / x;
    invert = !invert;
  }
  r = 1;
  // |n| as an unsigned value: INT32_MIN has no positive int counterpart.
  std::uint32_t m = n < 0 ? 0u - static_cast<std::uint32_t>(n) : static_cast<std::uint32_t>(n);
  while (m > 0) {
    if (m & 1u) r = r * x;
    x = x * x;
    m /= 2;
  }
  if (invert) {
    if (std::fabs(r) < SmallestInvertible) return SignOf(r) * LargestReal;
    return 1 / r;
  }
  return r;
}

double RealPower(double x, double y) {
  double r;
  if (PowerTrivialCase(x, y, r)) return r;
  if (std::fabs(y) < 2147483647.0 && y == std::trunc(y)) return IntegerPower(x, static_cast<std::int32_t>(y));
  if (x <= 0) return 0;
  const double e = y * std::log(x);
  if (e < ExpLowerLimit) return 0;
  if (e > ExpUpperLimit) return LargestReal;
  return std::exp(e);
}
