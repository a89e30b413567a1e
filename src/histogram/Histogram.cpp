#include "histogram/Histogram.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// 2^63 - 1, exactly representable in extended precision.
constexpr long double kInt64MaxL = 9223372036854775807.0L;
// The double comparison S > 2^63 - 1 is S >= 2^63 (no double lies strictly between the two).
constexpr double kTwoTo63 = 9223372036854775808.0;

}  // namespace

int binCount(const Histogram& h) {
  if (!(h.count > 0)) return 0;
  const double r = roundHalfEven(h.count);
  return r > kMaxBins ? kMaxBins : static_cast<int>(r);
}

std::int64_t roundToInt64(long double x) {
  if (std::isnan(x)) return 0;
  const long double r = std::nearbyint(x);  // ties to even in the default rounding mode
  if (r >= 9223372036854775808.0L) return std::numeric_limits<std::int64_t>::max();
  if (r <= -9223372036854775808.0L) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(r);
}

Histogram FromFrequencies(double lower, double upper, int n, std::span<const std::int64_t> f, double total) {
  Histogram h;
  h.count = n;
  h.range = upper - lower;
  h.step = (upper - lower) / n;
  h.min = lower + h.step / 2;
  h.max = upper - h.step / 2;
  h.total = total;
  const int m = std::min<int>({n, kMaxBins, static_cast<int>(f.size())});
  for (int i = 0; i < m; ++i) h.p[i] = static_cast<double>(f[i]) / total;
  return h;
}

namespace {

// True when every positive bin scaled by s rounds to a frequency of at least 1 that differs from the
// scaled probability by at most kFrequencyPrecision of it.
bool scaleHolds(const Histogram& h, int n, long double s) {
  for (int i = 0; i < n; ++i) {
    const long double v = s * h.p[i];
    if (!(h.p[i] > 0)) continue;
    const long double f = std::nearbyint(v);
    if (f < 1 || std::fabs(f - v) > kFrequencyPrecision * v) return false;
  }
  return true;
}

}  // namespace

double frequencyScale(const Histogram& h) {
  const int n = binCount(h);
  long double smallest = 0, sum = 0;
  for (int i = 0; i < n; ++i)
    if (h.p[i] > 0) {
      smallest = smallest == 0 ? h.p[i] : std::min<long double>(smallest, h.p[i]);
      sum += h.p[i];
    }
  long double s = h.total;
  if (!(sum > 0) || !std::isfinite(sum) || !std::isfinite(s) || !(s > 0)) return h.total;
  while (s * sum > kInt64MaxL) s /= 10;
  if (scaleHolds(h, n, s)) return static_cast<double>(s);
  // The smallest power of ten that holds the smallest bin, within the 64-bit range of the frequencies
  // (the rounding of each bin may add a half; the conversion to double a few units more).
  const long double needed = 0.5L / (kFrequencyPrecision * smallest);
  const long double cap = std::floor((kInt64MaxL - 4096 - n) / sum);
  s = 1;
  while (s < needed && s * 10 <= cap) s *= 10;
  if (s < needed) s = cap;
  return static_cast<double>(s);
}

FrequencyForm ToFrequencies(const Histogram& h) {
  FrequencyForm out;
  out.lower = h.min - h.step / 2;
  out.upper = h.max + h.step / 2;
  out.n = binCount(h);
  const int n = out.n;

  long double s = frequencyScale(h);
  if (!std::isfinite(s)) {
    out.valid = false;
    return out;
  }
  for (;;) {
    long double sum = 0;
    for (int i = 0; i < n; ++i) sum += s * h.p[i];
    if (!std::isfinite(sum)) {  // an infinite or NaN bin: no scale helps
      out.valid = false;
      return out;
    }
    if (sum > kInt64MaxL) {
      s /= 10;
      continue;
    }
    // The rounded frequencies can exceed the unrounded sum by n/2; divide once more on overflow.
    std::int64_t total = 0;
    bool overflow = false;
    for (int i = 0; i < n; ++i) {
      out.f[i] = roundToInt64(s * h.p[i]);
      if (__builtin_add_overflow(total, out.f[i], &total)) overflow = true;
    }
    if (overflow && std::fabs(static_cast<double>(sum)) > 1e18) {
      s /= 10;
      continue;
    }
    out.total = total;
    out.valid = !overflow;
    return out;
  }
}

void ReverseBins(Histogram& h) {
  if (h.min < h.max) return;
  const int n = binCount(h);
  for (int i = 0, j = n - 1; i < j; ++i, --j) std::swap(h.p[i], h.p[j]);
  std::swap(h.min, h.max);
}

void ScaleHistogram(Histogram& h, double c) {
  h.min = c * h.min;
  h.max = c * h.max;
  h.range = std::fabs(c) * h.range;
  h.step = std::fabs(c) * h.step;
  if (c < 0) ReverseBins(h);
}

void NormaliseHistogram(int n, Histogram& h) {
  if (n > kMaxBins) n = kMaxBins;
  double s = 0;
  for (int i = 0; i < n; ++i)
    if (h.p[i] > 0) s += 1 / h.p[i];
  // A subnormal bin makes 1/p infinite; start the division from the largest finite value then,
  // which prunes that bin the same way.
  if (!std::isfinite(s)) s = std::numeric_limits<double>::max();
  while (s >= kTwoTo63) s /= 10;
  for (int i = 0; i < n; ++i)
    if (roundHalfEven(h.p[i] * s) == 0) h.p[i] = 0;
  if (n <= 0) {
    h.total = s;
    return;
  }
  const double m = std::min(h.p[0], h.p[n - 1]);
  h.total = m != 0 ? 1 / m : s;
}

void TrimHistogram(Histogram& h) {
  const int n = binCount(h);
  if (n == 0) return;
  if (h.p[0] != 0 && h.p[n - 1] != 0) return;
  const std::array<double, kMaxBins> q = h.p;
  int r = 0, w = 0;
  bool leading = true;
  while (r < n) {
    if (leading && q[r] == 0) {
      ++r;
      h.min += h.step;
      continue;
    }
    leading = false;
    if (q[r] == 0) {
      bool restZero = true;
      for (int k = r + 1; k < n; ++k)
        if (q[k] != 0) {
          restZero = false;
          break;
        }
      if (restZero) break;
    }
    h.p[w++] = q[r++];
  }
  h.count = w;
  h.max = h.min + (w - 1) * h.step;
  h.range = h.max - h.min;
}

double totalProbability(const Histogram& h) {
  double s = 0;
  for (int i = 0, n = binCount(h); i < n; ++i) s += h.p[i];
  return s;
}

namespace {

// a and b agree up to the rounding of a few operations on numbers of size `scale`.
bool nearlyEqual(double a, double b, double scale) { return std::fabs(a - b) <= 1e-9 * scale + 1e-300; }

}  // namespace

std::optional<RecordFault> checkHistogramRecord(const Histogram& h) {
  if (!std::isfinite(h.count) || h.count < 1 || h.count > kMaxBins || h.count != std::floor(h.count))
    return RecordFault{"count", h.count};
  const int n = static_cast<int>(h.count);
  for (const auto& [name, v] :
       {std::pair{"min", h.min}, {"max", h.max}, {"range", h.range}, {"step", h.step}})
    if (!std::isfinite(v)) return RecordFault{name, v};
  if (!std::isfinite(h.total) || !(h.total > 0)) return RecordFault{"total", h.total};
  if (n > 1 && !(h.step > 0)) return RecordFault{"step", h.step};
  if (h.min > h.max) return RecordFault{"max", h.max};
  const double scale = std::fabs(h.min) + std::fabs(h.max) + std::fabs(n * h.step);
  if (!nearlyEqual(h.max, h.min + (n - 1) * h.step, scale)) return RecordFault{"max", h.max};
  if (!nearlyEqual(h.range, n * h.step, scale) && !nearlyEqual(h.range, (n - 1) * h.step, scale))
    return RecordFault{"range", h.range};
  double sum = 0;
  for (int i = 0; i < n; ++i) {
    if (!std::isfinite(h.p[i]) || h.p[i] < 0) return RecordFault{"bin " + std::to_string(i + 1), h.p[i]};
    sum += h.p[i];
  }
  if (!(sum > 0) || !std::isfinite(sum)) return RecordFault{"bins", sum};
  return std::nullopt;
}

bool isEmptyRecord(const Histogram& h) {
  if (h.count != 0 || h.min != 0 || h.max != 0 || h.range != 0 || h.step != 0 || h.total != 0) return false;
  return std::all_of(h.p.begin(), h.p.end(), [](double p) { return p == 0; });
}
