#pragma once

// Monte Carlo estimate of Pf = P(FS < 0) on the point model, in two readings of the input histograms:
// point masses at the bin centres (the chain's own reading) and piecewise-uniform over the bins.
// Both readings use the same draws. Samples come in blocks of fixed size, each with its own generator
// seeded from (seed, block number), and the stopping test runs only between rounds of whole blocks,
// so a seed gives the same figures on any number of threads (unless the time bound stops the run).

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

#include "histogram/Histogram.h"
#include "project/ChainReading.h"
#include "verification/PointModel.h"

namespace verification {

/// Draws a bin of a histogram in O(1) (Walker's alias method over the bins with mass).
class AliasTable {
 public:
  AliasTable() = default;
  explicit AliasTable(const Histogram& h);
  /// Bin (0-based) for a 64-bit random word.
  int draw(std::uint64_t word) const noexcept {
    const auto column = static_cast<std::uint32_t>(((word >> 32) * columns_) >> 32);
    const auto coin = static_cast<std::uint32_t>(word);
    const Column& c = table_[column];
    return static_cast<std::uint64_t>(coin) < c.threshold ? c.bin : c.alias;
  }
  int columns() const { return static_cast<int>(columns_); }

 private:
  struct Column {
    std::uint64_t threshold = 0;  // probability of the own bin x 2^32
    int bin = 0, alias = 0;
  };
  std::vector<Column> table_;
  std::uint64_t columns_ = 0;
};

/// SplitMix64: a counter-based generator; the state after n steps is seed + n x gamma.
struct SplitMix64 {
  std::uint64_t state;
  std::uint64_t next() noexcept {
    std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
  }
};

struct MonteCarloOptions {
  std::uint64_t seed = 1;
  double targetCov = 0.10;  // stop once both readings reach it
  std::int64_t maxSamples = 200'000'000;
  double maxSeconds = 60;
  int threads = 0;  // 0: the number of cores
  const std::atomic<bool>* cancel = nullptr;
  /// Called on the calling thread between rounds: samples drawn, and the total expected at the
  /// present rate of failures (bounded by maxSamples).
  std::function<void(std::int64_t done, std::int64_t expected)> progress;
};

struct PfEstimate {
  std::int64_t samples = 0;
  std::int64_t failures = 0;
  double pf = 0;
  double cov = 0;             // infinity without failures
  double lo95 = 0, hi95 = 0;  // Wilson score interval
  bool converged = false;     // the target CoV was reached
};

struct MonteCarloResult {
  PfEstimate centres, uniform;
  double seconds = 0;
  bool cancelled = false;
  bool timedOut = false;
};

/// Samples in one block; one generator per block.
inline constexpr std::int64_t kSamplesPerBlock = 1 << 16;

/// The estimate of k failures in n samples: Pf, its coefficient of variation and 95 % interval.
PfEstimate pfEstimate(std::int64_t failures, std::int64_t samples, double targetCov);

/// Failures of both readings in samples [first, first + count) of the run with `seed` (count at most
/// one block, first a multiple of kSamplesPerBlock); for tests and the runner.
struct BlockCount {
  std::int64_t centres = 0, uniform = 0;
};
class Sampler {
 public:
  /// `bounds` lets a sample be decided from tabulated bounds of the pressure factor when they leave no
  /// doubt (the same counts as the exact evaluation, faster); false evaluates every sample exactly.
  explicit Sampler(const PointModel& model, bool bounds = true);
  BlockCount block(std::uint64_t seed, std::int64_t blockIndex, std::int64_t count) const;

 private:
  struct Input {
    AliasTable alias;
    std::vector<double> centre;  // bin centres, scaled
    std::vector<double> lower;   // lower bin edges, scaled
    double width = 0;            // bin width, scaled (negative for a decreasing map)
  };
  const PointModel& model_;
  std::vector<Input> layers_;
  Input b_, kn_, d_, gamma_, q_, c_;
  // The pressure factor g(x), x = (1.5 H - q) / 45 R, tabulated at xLo + k dx; g never falls with x.
  std::vector<double> table_;
  double xLo_ = 0, inverseDx_ = 0;
};

/// Whether `pf` lies inside the 95 % interval of `estimate`.
inline bool inside(const PfEstimate& estimate, double pf) {
  return pf >= estimate.lo95 && pf <= estimate.hi95;
}

/// The sampled reading that matches the chain's reading of its inputs: the one to compare the chain's Pf
/// with.
inline const PfEstimate& matchingEstimate(const MonteCarloResult& result, InputReading reading) {
  return reading == InputReading::Centres ? result.centres : result.uniform;
}

/// Runs the estimate until both readings reach the target CoV, or a bound, or cancellation.
MonteCarloResult runMonteCarlo(const PointModel& model, const MonteCarloOptions& options);

}  // namespace verification
