#include "reliability/PressureLoop.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <thread>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#include <immintrin.h>
#endif

#include "creation/SpecialFunctions.h"
#include "histogram/HistogramArithmetic.h"

// The loop visits up to 256 x 256 x 256 triples of bins. Its pair value is T's edge times a factor
// that depends on the q and R bins alone, so the factors are computed once per (q, R) pair, and the
// bin of each value is found with a multiplication by the reciprocal of the step, falling back to the
// division whenever the quotient lies within rounding reach of a half. Every bin receives its masses
// in the order of the plain triple loop, so the sums are the same to the last bit. Two threads share
// the work by owning halves of the result bins, never by splitting the triples.

namespace {

constexpr double kDepthFactor = 1.5;
constexpr double kStrengthDivisor = 45;
constexpr double kExponent = 0.6;
constexpr int kResultBins = 256;
// An offset that makes every estimate fail its range test.
constexpr double kNoEstimate = 1e300;

double combinedFactor(double depthTerm, double s, double r) {
  return RealPower(ExpBounded((depthTerm - s) / r) - 1, kExponent);
}

double plainFactor(double depthTerm, double r) { return RealPower(ExpBounded(depthTerm / r) - 1, kExponent); }

// Result bin (0-based) of quotient x = (v - min) / step, rounded to the nearest centre with ties to even;
// beyond either end it is the end bin; -1 for a value that is not a number.
int binOfQuotient(double x) {
  if (std::isnan(x)) return -1;
  if (x < -1) return 0;
  if (x > kResultBins) return kResultBins - 1;
  const int k = static_cast<int>(std::nearbyint(x));
  return std::clamp(k, 0, kResultBins - 1);
}

struct Frame {
  double min, step, inverse;

  int bin(double v) const noexcept {
    // (y + 1.5 * 2^52) - 1.5 * 2^52 rounds y to an integer, ties to even. y differs from the quotient
    // by less than 4e-10 while |y| < 2^20, so away from the halves both round alike.
    constexpr double kMagic = 6755399441055744.0;
    const double y = (v - min) * inverse;
    if (std::fabs(y) < 1048576.0) {
      const double r = (y + kMagic) - kMagic;
      if (std::fabs(y - r) < 0.499999999) {
        const int k = static_cast<int>(r);
        return k < 0 ? 0 : (k >= kResultBins ? kResultBins - 1 : k);
      }
    }
    return binOfQuotient((v - min) / step);
  }
};

// One row of the triple loop: adds w x pR[k] to the bin of g[k] x t for every k, in order, into the
// bins binLo .. binHi - 1 (the others belong to another thread). The bin is estimated as
// round(g[k] x scaled - offset) and taken when the estimate lies more than 1e-7 away from a half
// and inside the frame; otherwise the exact quotient decides.
template <bool kAllBins>
void accumulateRow(const double* g, const double* pR, int n, double t, double w, double scaled, double offset,
                   const Frame& frame, unsigned binLo, unsigned width, double* bins) {
  constexpr double kMagic = 6755399441055744.0;  // 1.5 x 2^52: adding and removing it rounds to even
  auto owned = [&](int b) { return kAllBins || static_cast<unsigned>(b) - binLo < width; };
  auto add = [&](int k, int b) {
    if (b < 0) b = frame.bin(g[k] * t);
    if (owned(b)) bins[b] += w * pR[k];
  };
  int k = 0;
#if defined(__SSE2__)
  const __m128d vScaled = _mm_set1_pd(scaled), vOffset = _mm_set1_pd(offset), vMagic = _mm_set1_pd(kMagic);
  const __m128d vAbs = _mm_castsi128_pd(_mm_set1_epi64x(0x7fffffffffffffffLL));
  const __m128d vHalf = _mm_set1_pd(0.4999999), vZero = _mm_setzero_pd(),
                vLast = _mm_set1_pd(kResultBins - 1);
  for (; k + 2 <= n; k += 2) {
    const __m128d y = _mm_sub_pd(_mm_mul_pd(_mm_loadu_pd(g + k), vScaled), vOffset);
    const __m128d r = _mm_sub_pd(_mm_add_pd(y, vMagic), vMagic);
    const __m128d sure = _mm_and_pd(_mm_cmplt_pd(_mm_and_pd(_mm_sub_pd(y, r), vAbs), vHalf),
                                    _mm_and_pd(_mm_cmpge_pd(r, vZero), _mm_cmple_pd(r, vLast)));
    const __m128i b = _mm_cvttpd_epi32(r);
    if (_mm_movemask_pd(sure) == 3) {
      const int b0 = _mm_cvtsi128_si32(b), b1 = _mm_cvtsi128_si32(_mm_shuffle_epi32(b, 1));
      if (owned(b0)) bins[b0] += w * pR[k];
      if (owned(b1)) bins[b1] += w * pR[k + 1];
    } else {
      add(k, -1);
      add(k + 1, -1);
    }
  }
#endif
  for (; k < n; ++k) {
    const double y = g[k] * scaled - offset;
    const double r = (y + kMagic) - kMagic;
    const bool sure = std::fabs(y - r) < 0.4999999 && r >= 0 && r <= kResultBins - 1;
    add(k, sure ? static_cast<int>(r) : -1);
  }
}

#if defined(__x86_64__) && defined(__GNUC__)
#define VELTRA_ROW_AVX2 1
// The same row four at a time where the processor has AVX2. Only exactly rounded operations are used
// (no fused multiply-add), so the bins equal those of the two-lane routine.
template <bool kAllBins>
__attribute__((target("avx2"))) void accumulateRowWide(const double* g, const double* pR, int n, double t,
                                                       double w, double scaled, double offset,
                                                       const Frame& frame, unsigned binLo, unsigned width,
                                                       double* bins) {
  constexpr double kMagic = 6755399441055744.0;
  auto owned = [&](int b) { return kAllBins || static_cast<unsigned>(b) - binLo < width; };
  int k = 0;
  const __m256d vScaled = _mm256_set1_pd(scaled), vOffset = _mm256_set1_pd(offset),
                vMagic = _mm256_set1_pd(kMagic);
  const __m256d vAbs = _mm256_castsi256_pd(_mm256_set1_epi64x(0x7fffffffffffffffLL));
  const __m256d vHalf = _mm256_set1_pd(0.4999999), vZero = _mm256_setzero_pd(),
                vLast = _mm256_set1_pd(kResultBins - 1);
  alignas(16) int b[4];
  for (; k + 4 <= n; k += 4) {
    const __m256d y = _mm256_sub_pd(_mm256_mul_pd(_mm256_loadu_pd(g + k), vScaled), vOffset);
    const __m256d r = _mm256_sub_pd(_mm256_add_pd(y, vMagic), vMagic);
    const __m256d sure = _mm256_and_pd(
        _mm256_cmp_pd(_mm256_and_pd(_mm256_sub_pd(y, r), vAbs), vHalf, _CMP_LT_OQ),
        _mm256_and_pd(_mm256_cmp_pd(r, vZero, _CMP_GE_OQ), _mm256_cmp_pd(r, vLast, _CMP_LE_OQ)));
    _mm_store_si128(reinterpret_cast<__m128i*>(b), _mm256_cvttpd_epi32(r));
    const int mask = _mm256_movemask_pd(sure);
    if (mask == 15) {
      if (owned(b[0])) bins[b[0]] += w * pR[k];
      if (owned(b[1])) bins[b[1]] += w * pR[k + 1];
      if (owned(b[2])) bins[b[2]] += w * pR[k + 2];
      if (owned(b[3])) bins[b[3]] += w * pR[k + 3];
    } else {
      for (int l = 0; l < 4; ++l) {
        const int bl = mask & (1 << l) ? b[l] : frame.bin(g[k + l] * t);
        if (owned(bl)) bins[bl] += w * pR[k + l];
      }
    }
  }
  for (; k < n; ++k) {
    const double y = g[k] * scaled - offset;
    const double r = (y + kMagic) - kMagic;
    int bl = std::fabs(y - r) < 0.4999999 && r >= 0 && r <= kResultBins - 1 ? static_cast<int>(r) : -1;
    if (bl < 0) bl = frame.bin(g[k] * t);
    if (owned(bl)) bins[bl] += w * pR[k];
  }
}
#endif

// The loop values of a histogram of first centre `min`: the centres min + (i - 1) step, or the upper
// bin edges from the lower edge, adding the width before each use.
std::vector<double> loopValues(double min, double step, int n, PairValues values) {
  std::vector<double> v(n);
  if (values == PairValues::Centres) {
    for (int i = 0; i < n; ++i) v[i] = min + i * step;  // the centre of bin i + 1 as hist::binCentre gives it
    return v;
  }
  double e = min - step / 2;
  for (int i = 0; i < n; ++i) {
    e = e + step;
    v[i] = e;
  }
  return v;
}

// The result frame: 256 bins spanning the values at the outer edges (the corners) of T, q and R.
LoopStatus resultFrame(const Histogram& T, const Histogram* q, const Histogram& R, double depthTerm,
                       Histogram& s) {
  const double tLo = T.min - T.step / 2, tHi = T.max + T.step / 2;
  const double rLo = R.min - R.step / 2, rHi = R.max + R.step / 2;
  std::vector<double> corners;
  for (double t : {tLo, tHi}) {
    if (q != nullptr) {
      const double sLo = q->min - q->step / 2, sHi = q->max + q->step / 2;
      for (double sq : {sLo, sHi})
        for (double r : {rLo, rHi})
          corners.push_back(t * combinedFactor(depthTerm, sq, kStrengthDivisor * r));
    } else {
      for (double r : {rLo, rHi}) corners.push_back(t * plainFactor(depthTerm, r));
    }
  }
  double lo = corners[0], hi = corners[0];
  for (double c : corners) {
    if (!std::isfinite(c)) return LoopStatus::NotFinite;
    if (c < lo) lo = c;
    if (c > hi) hi = c;
  }
  if (lo == hi) return LoopStatus::EmptyRange;

  s = Histogram{};
  s.count = kResultBins;
  s.range = hi - lo;
  s.step = (hi - lo) / kResultBins;
  s.min = lo + s.step / 2;
  s.max = hi - s.step / 2;
  if (!std::isfinite(s.step) || !(s.step > 0)) return LoopStatus::NotFinite;
  return LoopStatus::Ok;
}

// What the triple loop multiplies: T's loop values, the masses of q and of the R bins with mass, and
// the pressure factor of every (q, R) pair, row by row. Without combined support a single q "bin" of
// mass 1 stands in, which leaves every product p_T x p_R unchanged.
struct LoopFactors {
  int nQ = 1, nLive = 0;
  std::vector<double> tValues, pq, pR, factors;

  const double* row(int j) const { return &factors[static_cast<size_t>(j) * nLive]; }
};

LoopFactors loopFactors(const Histogram& T, const Histogram* q, const Histogram& R, double depthTerm,
                        PairValues values) {
  const bool combined = q != nullptr;
  LoopFactors f;
  const int nR = binCount(R);
  f.nQ = combined ? binCount(*q) : 1;
  f.tValues = loopValues(T.min, T.step, binCount(T), values);
  std::vector<double> rValues;
  if (combined) {
    Histogram r45 = R;
    ScaleHistogram(r45, kStrengthDivisor);
    rValues = loopValues(r45.min, r45.step, nR, values);
  } else {
    rValues = loopValues(R.min, R.step, nR, values);
  }
  const std::vector<double> sValues =
      combined ? loopValues(q->min, q->step, f.nQ, values) : std::vector<double>{0.0};
  f.pq = combined ? std::vector<double>(q->p.begin(), q->p.begin() + f.nQ) : std::vector<double>{1.0};

  // Only R bins with mass take part: a zero mass added to a bin leaves it as it is.
  std::vector<int> liveR;
  for (int k = 0; k < nR; ++k)
    if (R.p[k] != 0) liveR.push_back(k);
  f.nLive = static_cast<int>(liveR.size());
  f.pR.resize(f.nLive);
  f.factors.resize(static_cast<size_t>(f.nQ) * f.nLive);
  for (int kk = 0; kk < f.nLive; ++kk) f.pR[kk] = R.p[liveR[kk]];
  for (int j = 0; j < f.nQ; ++j)
    for (int kk = 0; kk < f.nLive; ++kk) {
      const double r = rValues[liveR[kk]];
      f.factors[static_cast<size_t>(j) * f.nLive + kk] =
          combined ? combinedFactor(depthTerm, sValues[j], r) : plainFactor(depthTerm, r);
    }
  return f;
}

// The triple loop over the bins of T, q and R into the result bins binLo .. binHi - 1.
class TripleLoop {
 public:
  TripleLoop(const Histogram& T, const LoopFactors& f, const Frame& frame, RowKernel kernel)
      : T_(T), f_(f), frame_(frame), rowOrder_(f.nQ, 0) {
    // The row pass estimates (v - min) / step as g x (t / step) - min / step. Both that and the exact
    // quotient stay within 2e-9 of the true value while |min / step| < 2^20, so a row bin is taken from
    // the estimate only when it lies more than 1e-7 away from a half; otherwise, and for frames far
    // from 0, the exact quotient decides.
    const double offset = frame.min * frame.inverse;
    offset_ = std::fabs(offset) < 1048576.0 ? offset : kNoEstimate;
#if defined(VELTRA_ROW_AVX2)
    wide_ = kernel == RowKernel::Fastest && __builtin_cpu_supports("avx2");
#else
    (void)kernel;
#endif
  }

  // Records for each q row whether its factors are monotone in k, which lets a thread that owns part
  // of the bins find its run of k by bisection.
  void orderRows() {
    for (int j = 0; j < f_.nQ; ++j) {
      const double* g = f_.row(j);
      bool up = true, down = true;
      for (int kk = 1; kk < f_.nLive; ++kk) {
        up = up && g[kk - 1] <= g[kk];
        down = down && g[kk - 1] >= g[kk];
      }
      rowOrder_[j] = up ? 1 : (down ? -1 : 0);
    }
  }

  // Adds every triple whose bin lies in binLo .. binHi - 1 into `bins`, in the order of the plain loop.
  void run(int binLo, int binHi, std::array<double, kResultBins>& bins, const LoopProgress* progress,
           std::int64_t nR) const {
    const auto lo = static_cast<unsigned>(binLo), width = static_cast<unsigned>(binHi - binLo);
    const bool allBins = width == kResultBins;
    const bool upper = binLo > 0;  // this thread owns the bins from the split up
    const int split = upper ? binLo : binHi;
    const int nT = static_cast<int>(f_.tValues.size()), nLive = f_.nLive;
    const std::int64_t maximum = static_cast<std::int64_t>(nT) * f_.nQ * nR;
    for (int i = 0; i < nT; ++i) {
      const double pT = T_.p[i];
      if (pT != 0) {
        const double t = f_.tValues[i];
        const double scaled = t * frame_.inverse;
        const bool increasing = !(t < 0);
        const double threshold = allBins ? 0 : splitThreshold(t, split, increasing);
        auto ownedFactor = [&](double g) { return (increasing ? g >= threshold : g < threshold) == upper; };
        int hint = nLive / 2;
        for (int j = 0; j < f_.nQ; ++j) {
          const double w = pT * f_.pq[j];
          if (w == 0) continue;
          const double* g = f_.row(j);
          if (allBins) {
            row(true, g, f_.pR.data(), nLive, t, w, scaled, lo, width, bins.data());
          } else if (rowOrder_[j] != 0 && nLive > 0) {
            // Owned k form one run. Neighbouring rows change ownership at nearby k: walk from there.
            const bool firstOwned = ownedFactor(g[0]);
            int a = 0, b = nLive;
            if (firstOwned != ownedFactor(g[nLive - 1])) {
              int c = std::clamp(hint, 1, nLive - 1);  // first k whose ownership differs from k = 0
              if (ownedFactor(g[c]) == firstOwned) {
                while (ownedFactor(g[c]) == firstOwned) ++c;
              } else {
                while (c > 1 && ownedFactor(g[c - 1]) != firstOwned) --c;
              }
              hint = c;
              if (firstOwned)
                b = c;
              else
                a = c;
            } else if (!firstOwned) {
              a = b;
            }
            if (b > a) row(true, g + a, f_.pR.data() + a, b - a, t, w, scaled, lo, width, bins.data());
          } else {
            row(false, g, f_.pR.data(), nLive, t, w, scaled, lo, width, bins.data());
          }
        }
      }
      if (progress && *progress) (*progress)(static_cast<std::int64_t>(i + 1) * f_.nQ * nR, maximum);
    }
  }

  // The bin below which about half of the pairs fall, judged from a sample of the triples.
  int balancedSplit() const {
    std::array<std::int64_t, kResultBins + 1> counts{};
    const int nT = static_cast<int>(f_.tValues.size());
    for (int i = 0; i < nT; i += 8) {
      if (T_.p[i] == 0) continue;
      for (int j = 0; j < f_.nQ; j += 4)
        for (int kk = 0; kk < f_.nLive; kk += 4) ++counts[frame_.bin(f_.row(j)[kk] * f_.tValues[i]) + 1];
    }
    std::int64_t all = 0, below = 0;
    for (std::int64_t c : counts) all += c;
    int split = 1;
    for (; split < kResultBins - 1; ++split) {
      below += counts[split];  // bins 0 .. split - 1 (the first count holds the undecided ones)
      if (2 * below >= all) break;
    }
    return split;
  }

 private:
  // Whether the pair of factor g lands at or above the split is a threshold test on g: the factors are
  // never negative, their bit patterns are ordered like their values, and the bin is monotone in g, so
  // the threshold is found by bisecting the bit patterns once per bin of T.
  double splitThreshold(double t, int split, bool increasing) const {
    auto above = [&](std::uint64_t u) {
      double g;
      std::memcpy(&g, &u, sizeof g);
      return frame_.bin(g * t) >= split;
    };
    double threshold = 0;
    std::uint64_t l = 0, h = 0x7ff0000000000000ULL;  // 0 .. +infinity
    // First pattern where `above` turns (to true for t >= 0, to false for t < 0).
    if (above(l) != increasing) {
      while (h - l > 1) {
        const std::uint64_t m = l + (h - l) / 2;
        (above(m) != increasing ? l : h) = m;
      }
      std::memcpy(&threshold, &h, sizeof threshold);
    }
    return threshold;
  }

  void row(bool allBins, const double* g, const double* p, int n, double t, double w, double scaled,
           unsigned lo, unsigned width, double* bins) const {
#if defined(VELTRA_ROW_AVX2)
    if (wide_) {
      if (allBins)
        accumulateRowWide<true>(g, p, n, t, w, scaled, offset_, frame_, lo, width, bins);
      else
        accumulateRowWide<false>(g, p, n, t, w, scaled, offset_, frame_, lo, width, bins);
      return;
    }
#endif
    if (allBins)
      accumulateRow<true>(g, p, n, t, w, scaled, offset_, frame_, lo, width, bins);
    else
      accumulateRow<false>(g, p, n, t, w, scaled, offset_, frame_, lo, width, bins);
  }

  const Histogram& T_;
  const LoopFactors& f_;
  const Frame frame_;
  double offset_ = kNoEstimate;
  bool wide_ = false;
  std::vector<int> rowOrder_;  // +1 non-decreasing in k, -1 non-increasing, 0 neither
};

}  // namespace

int pressureLoopBin(double v, double min, double step) { return Frame{min, step, 1 / step}.bin(v); }

LoopStatus pressureLoop(const Histogram& T, const Histogram* q, const Histogram& R, double depthH,
                        Histogram& out, const LoopProgress& progress, int threads, PairValues values,
                        RowKernel kernel) {
  const double depthTerm = q != nullptr ? kDepthFactor * depthH : kDepthFactor * depthH / kStrengthDivisor;
  Histogram s;
  if (const LoopStatus status = resultFrame(T, q, R, depthTerm, s); status != LoopStatus::Ok) return status;

  const LoopFactors f = loopFactors(T, q, R, depthTerm, values);
  TripleLoop loop(T, f, Frame{s.min, s.step, 1 / s.step}, kernel);
  const std::int64_t nR = binCount(R);

  // Each thread adds into its own bins only, in the order of the triple loop: with two threads each
  // visits only the triples of its own bins.
  const std::int64_t work = static_cast<std::int64_t>(f.tValues.size()) * f.nQ * f.nLive;
  if (threads <= 0)
    threads = static_cast<int>(std::min(2u, std::max(1u, std::thread::hardware_concurrency())));
  std::array<double, kResultBins> low{}, high{};
  bool done = false;
  if (threads >= 2 && work >= 100000) {
    const int split = loop.balancedSplit();
    loop.orderRows();
    std::thread helper;
    try {
      helper = std::thread([&] { loop.run(split, kResultBins, high, nullptr, nR); });
    } catch (...) {
      // no thread to be had: do it all here
    }
    if (helper.joinable()) {
      loop.run(0, split, low, &progress, nR);
      helper.join();
      std::copy(low.begin(), low.begin() + split, s.p.begin());
      std::copy(high.begin() + split, high.end(), s.p.begin() + split);
      done = true;
    }
  }
  if (!done) {
    loop.run(0, kResultBins, low, &progress, nR);
    s.p = low;
  }
  out = s;
  return LoopStatus::Ok;
}
