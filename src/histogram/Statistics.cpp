#include "histogram/Statistics.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string_view>

#include "shell/NumberText.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr std::string_view kUndefined = " undefined";

// Number of bins actually usable: never more than the array holds.
int usable(std::span<const double> P, int N) { return std::clamp(N, 0, static_cast<int>(P.size())); }

// Centre of bin i (0-based) of a histogram whose first and last centres are Min and Max.
struct Centres {
  double min, h;
  Centres(int N, double Min, double Max) : min(Min), h(N > 1 ? (Max - Min) / (N - 1) : 0.0) {}
  double operator()(int i) const { return min + i * h; }
};

double weight(std::span<const double> P, int n) {
  double w = 0;
  for (int i = 0; i < n; ++i) w += P[i];
  return w;
}

// Central moments of order 2 and k about `mean`; false when the histogram has no mass.
bool centralMoments(std::span<const double> P, int N, double Min, double Max, double mean, int k, double& m2,
                    double& mk) {
  const int n = usable(P, N);
  const double w = weight(P, n);
  if (n < 1 || !(w > 0) || !std::isfinite(mean)) return false;
  const Centres x(n, Min, Max);
  double s2 = 0, sk = 0;
  for (int i = 0; i < n; ++i) {
    const double d = x(i) - mean;
    s2 += P[i] * d * d;
    sk += P[i] * std::pow(d, k);
  }
  m2 = s2 / w;
  mk = sk / w;
  return true;
}

// A spread that is only rounding noise (all mass in one bin) leaves the shape coefficients undefined.
bool spreadIsNoise(double m2, double Min, double Max, double mean) {
  const double scale = std::max({std::fabs(Max - Min), std::fabs(mean), std::numeric_limits<double>::min()});
  return !(m2 > 0) || std::sqrt(m2) <= 1e-12 * scale;
}

}  // namespace

double binMean(std::span<const double> P, int N, double Min, double Max) {
  const int n = usable(P, N);
  const double w = weight(P, n);
  if (n < 1 || !(w > 0)) return kNaN;
  const Centres x(n, Min, Max);
  double s = 0;
  for (int i = 0; i < n; ++i) s += P[i] * x(i);
  return s / w;
}

double binVariance(std::span<const double> P, int N, double Min, double Max, double mean) {
  double m2, unused;
  if (!centralMoments(P, N, Min, Max, mean, 2, m2, unused)) return kNaN;
  return m2;
}

double binMeanDeviation(std::span<const double> P, int N, double Min, double Max, double mean) {
  const int n = usable(P, N);
  const double w = weight(P, n);
  if (n < 1 || !(w > 0) || !std::isfinite(mean)) return kNaN;
  const Centres x(n, Min, Max);
  double s = 0;
  for (int i = 0; i < n; ++i) s += P[i] * std::fabs(x(i) - mean);
  return s / w;
}

double coefficientOfVariation(double mean, double sigma) {
  if (!std::isfinite(mean) || !std::isfinite(sigma) || mean == 0) return kNaN;
  return 100.0 * sigma / std::fabs(mean);
}

double binSkewness(std::span<const double> P, int N, double Min, double Max, double mean, double total) {
  double m2, m3;
  if (!centralMoments(P, N, Min, Max, mean, 3, m2, m3) || spreadIsNoise(m2, Min, Max, mean)) return kNaN;
  double g1 = m3 / std::pow(m2, 1.5);
  if (total >= 3) g1 *= std::sqrt(total * (total - 1)) / (total - 2);
  return g1;
}

double binKurtosis(std::span<const double> P, int N, double Min, double Max, double mean, double total) {
  double m2, m4;
  if (!centralMoments(P, N, Min, Max, mean, 4, m2, m4) || spreadIsNoise(m2, Min, Max, mean)) return kNaN;
  double g2 = m4 / (m2 * m2) - 3.0;
  if (total >= 4) g2 = ((total + 1) * g2 + 6) * (total - 1) / ((total - 2) * (total - 3));
  return g2;
}

double binMedian(bool interpolate, std::span<const double> P, double Min, double Max, int N,
                 std::string& text) {
  const int n = usable(P, N);
  const double w = weight(P, n);
  if (n < 1 || !(w > 0)) {
    text = std::string(kUndefined);
    return kNaN;
  }
  const Centres x(n, Min, Max);
  const double half = 0.5 * w;
  int last = -1;
  double F = 0, median = kNaN;
  for (int i = 0; i < n; ++i) {
    if (!(P[i] > 0)) continue;
    last = i;
    if (F + P[i] >= half) {
      median = interpolate ? x(i) - x.h / 2 + x.h * (half - F) / P[i] : x(i);
      break;
    }
    F += P[i];
  }
  if (std::isnan(median)) median = interpolate ? x(last) + x.h / 2 : x(last);  // rounding left F short
  text = formatNumber(median);
  return median;
}

double binMode(std::span<const double> P, int N, double Min, double Max, std::string& text) {
  const int n = usable(P, N);
  int best = -1;
  for (int i = 0; i < n; ++i)
    if (P[i] > 0 && (best < 0 || P[i] > P[best])) best = i;
  if (best < 0) {
    text = std::string(kUndefined);
    return kNaN;
  }
  const double mode = Centres(n, Min, Max)(best);
  text = formatNumber(mode);
  return mode;
}

double probabilityMean(std::span<const double> P, int N) {
  const int n = usable(P, N);
  return n < 1 ? kNaN : weight(P, n) / n;
}

double probabilityVariance(std::span<const double> P, int N, double meanY) {
  const int n = usable(P, N);
  if (n < 1) return kNaN;
  double s = 0;
  for (int i = 0; i < n; ++i) s += (P[i] - meanY) * (P[i] - meanY);
  return s / n;
}

double goodnessOfFit(int N, std::span<const double> P1, std::span<const double> P2, double meanY, double q,
                     int /*mode*/) {
  const int n = std::min(usable(P1, N), usable(P2, N));
  if (n < 1 || !(q > 0) || !std::isfinite(meanY)) return 0.0;
  // Coefficient of determination of P1 against the reference P2.
  double residual = 0, spread = 0;
  for (int i = 0; i < n; ++i) {
    residual += (P1[i] - P2[i]) * (P1[i] - P2[i]);
    spread += (P2[i] - meanY) * (P2[i] - meanY);
  }
  if (!(spread > 0)) return 0.0;
  const double t = 1.0 - residual / spread;
  return std::isfinite(t) ? std::clamp(t, 0.0, 1.0) : 0.0;
}
