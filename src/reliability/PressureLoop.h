#pragma once

// The pressure-factor loop shared by the bolt length and the bolt load:
//   result = T x (exp((1.5 H - q) / (45 R)) - 1)^0.6
// over the bin centres of T, q and R (or, selectably, their upper bin edges), binned into 256 bins
// spanning the corner values.

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "histogram/Histogram.h"
#include "project/PairValues.h"

/// Progress of the loop: position after each bin of T, and the maximum (nT x nQ x nR).
using LoopProgress = std::function<void(std::int64_t position, std::int64_t maximum)>;

enum class LoopStatus {
  Ok,
  EmptyRange,  // every corner value is the same
  NotFinite,   // a corner value overflows
};

/// Result bin (0-based) of a pair value v in a frame of 256 bins whose first centre is `min`: the nearest
/// centre with ties to even, the end bin beyond either end, -1 for a value that is not a number.
int pressureLoopBin(double v, double min, double step);

/// The row routine: four-lane rows where the processor has them, or always two-lane rows (tests compare
/// both).
enum class RowKernel { Fastest, TwoLane };

/// Runs the loop. `q` is nullptr without combined support. On Ok, `out` holds the 256 raw bins
/// (not normalised, not trimmed). A pair value that rounds to a bin beyond either end goes to the
/// end bin; a value that is not a number is not binned. `threads` 0 picks the number of cores (at most 2).
/// `progress` is called on the calling thread. `values` chooses the points of the bins; the corner
/// range is taken from the outer edges either way.
LoopStatus pressureLoop(const Histogram& t, const Histogram* q, const Histogram& r, double depthH,
                        Histogram& out, const LoopProgress& progress = {}, int threads = 0,
                        PairValues values = PairValues::Centres, RowKernel kernel = RowKernel::Fastest);
