#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

/// Maximum number of bins of a histogram.
inline constexpr int kMaxBins = 256;

/// A discrete random variable: six descriptor reals and up to 256 bin probabilities.
/// `min` and `max` are the centres of the first and last bin; only p[0 .. round(count)-1]
/// are meaningful. A plain value, copied whole.
struct Histogram {
  double count = 0;                  // bins in use, a whole number 1..256
  double min = 0;                    // centre of bin 1
  double max = 0;                    // centre of bin n
  double range = 0;                  // width carried for files; no computation reads it
  double step = 0;                   // bin width
  double total = 0;                  // frequency scale of the file form
  std::array<double, kMaxBins> p{};  // p[i] is the probability of bin i + 1

  friend bool operator==(const Histogram&, const Histogram&) = default;
};

/// round(count) with ties to even, clamped to 0..256.
int binCount(const Histogram& h);

/// x rounded to an integer, ties to the even integer (2.5 -> 2, 3.5 -> 4, -0.5 -> 0), as a double.
/// Bit-identical to std::nearbyint under the default rounding mode, without the library call.
inline double roundHalfEven(double x) {
  // Below 2^51 adding and removing 1.5 * 2^52 leaves exactly the even-rounded integer.
  constexpr double kShift = 6755399441055744.0;
  if (std::fabs(x) < 2251799813685248.0) {
    const double r = (x + kShift) - kShift;
    return r == 0 ? 0.0 : r;
  }
  return std::nearbyint(x);  // already integral, or a half at 2^51..2^52, or inf/NaN
}

/// round(x) with ties to even as a signed 64-bit integer; NaN gives 0, values beyond the range
/// are clamped to its ends.
std::int64_t roundToInt64(long double x);

/// The frequency form of a histogram, as stored in a histogram file.
struct FrequencyForm {
  double lower = 0;                        // lower edge of bin 1 (Min)
  double upper = 0;                        // upper edge of bin n (Max)
  int n = 0;                               // bin count
  std::array<std::int64_t, kMaxBins> f{};  // frequencies of bins 1..n
  std::int64_t total = 0;                  // sum of f[0..n-1]
  bool valid = true;  // false when the scale is not finite or the frequencies could not be formed
};

/// Builds a histogram from outer edges Min and Max, n bins (1..256), frequencies f[0..n-1]
/// and their sum Total.
Histogram FromFrequencies(double lower, double upper, int n, std::span<const std::int64_t> f, double total);

/// Largest relative change a frequency scale may make to a positive bin.
inline constexpr double kFrequencyPrecision = 1e-9;

/// The frequency scale of h's file form: its `total`, divided by 10 until the scaled probabilities sum
/// to at most 2^63 - 1, when that scale turns every positive bin into a frequency of at least 1 within
/// kFrequencyPrecision of it (counts stay counts); otherwise the smallest power of ten that does, or,
/// where the 64-bit frequencies cannot hold so small a bin, the largest scale they can hold.
double frequencyScale(const Histogram& h);

/// Frequency form of h: outer edges, round(count) bins, f_i = round(s p_i) with s = frequencyScale(h).
FrequencyForm ToFrequencies(const Histogram& h);

/// Reverses the bins (and swaps min and max) when min >= max.
void ReverseBins(Histogram& h);

/// The histogram of c X: edges and step scaled, bins reversed for c < 0.
void ScaleHistogram(Histogram& h, double c);

/// Sets bins whose frequency would round to 0 to zero and chooses the frequency scale `total`.
void NormaliseHistogram(int n, Histogram& h);

/// Removes leading and trailing runs of empty bins; inner empty bins stay.
void TrimHistogram(Histogram& h);

/// Sum of the first round(count) probabilities.
double totalProbability(const Histogram& h);

/// What makes a stored record unusable: the field ("count", "min", "max", "range", "step",
/// "total", "bin N" or "bins" for their sum) and the value found there.
struct RecordFault {
  std::string field;
  double value = 0;
};

/// Checks a histogram record read as it stands (not built from frequencies): count a whole
/// number 1..256; min, max, range, step finite; step > 0 unless count is 1; min <= max and max
/// at min + (count - 1) step; range n step or (n - 1) step; bins 1..n finite, non-negative, with
/// a positive sum; total finite and positive. nullopt when the record is sound.
std::optional<RecordFault> checkHistogramRecord(const Histogram& h);

/// True for the record of a slot that never held a histogram: every real 0.
bool isEmptyRecord(const Histogram& h);
