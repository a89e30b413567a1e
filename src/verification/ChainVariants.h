#pragma once

// The histogram chain run again on changed inputs: the discretisation band (inputs coarsened by
// merging adjacent bins) and the sensitivity of Pf to each random input (fixed at a quantile).

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "histogram/Histogram.h"
#include "project/ProjectState.h"
#include "reliability/PressureLoop.h"
#include "verification/PointModel.h"

namespace verification {

/// `h` with groups of adjacent bins merged so that at most `bins` remain (groups counted from the
/// lower edge; the last group may extend beyond the upper edge). A histogram with no more bins is
/// returned as it is.
Histogram coarsened(const Histogram& h, int bins);

/// `h` as a one-bin histogram of its own bin width at `value`.
Histogram pointHistogram(const Histogram& h, double value);

/// Pf of the histogram chain (reduced strength, bolt load, assessment) on `project`, whose inputs may
/// have been changed, read with `reading`; nullopt when the chain refuses. The bolt length does not
/// enter Pf and is skipped.
std::optional<double> chainPf(const ProjectState& project, ChainReading reading = {}, int threads = 0);

/// Pf of the chain with every input histogram coarsened to at most `bins` bins.
std::optional<double> chainPfWithBins(const ProjectState& project, int bins, ChainReading reading = {},
                                      int threads = 0);

/// Pf of the chain with every input read as piecewise uniform through at least `target` bins (as far
/// as whole sub-bins fit into 256), for seeing whether Pf has settled with the splitting.
std::optional<double> chainPfSplit(const ProjectState& project, int target,
                                   PairValues values = PairValues::Centres, int threads = 0);

struct SensitivityRow {
  std::string key, file;  // input as in PointModel
  double pf05 = 0, pf50 = 0, pf95 = 0;
  double spread() const;  // largest minus smallest of the three
};

struct SensitivityOptions {
  ChainReading reading;
  int threads = 0;
  const std::atomic<bool>* cancel = nullptr;
  std::function<void(int done, int total)> progress;  // chain runs done of the total
};

/// For each random input of `model` (taken from `project`), Pf with that input fixed at its 5, 50 and
/// 95 % quantiles; ranked by the spread of Pf, largest first. Empty when cancelled; a run the chain
/// refuses gives NaN. The fixed input is a point; the others are read with `options.reading`.
std::vector<SensitivityRow> sensitivity(const ProjectState& project, const PointModel& model,
                                        const SensitivityOptions& options = {});

}  // namespace verification
