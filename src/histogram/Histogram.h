#pragma once

#include <array>
#include <cstdint>

/// Maximum number of bins of a histogram.
inline constexpr int kMaxBins = 256;

/// A discrete random variable: six descriptor reals and up to 256 bin probabilities.
/// `min` and `max` are the centres of the first and last bin; only p[0 .. round(count)-1]
/// are meaningful. A plain value, copied whole.
struct Histogram {
  double count = 0;  // bins in use, a whole number 1..256
  double min = 0;    // centre of bin 1
  double max = 0;    // centre of bin n
  double range = 0;  // width carried for files; no computation reads it
  double step = 0;   // bin width
  double total = 0;  // frequency scale of the file form
  std::array<double, kMaxBins> p{};  // p[i] is the probability of bin i + 1

  friend bool operator==(const Histogram&, const Histogram&) = default;
};

/// round(count) with ties to even, clamped to 0..256.
int binCount(const Histogram& h);
