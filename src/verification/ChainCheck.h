#pragma once

// The whole cross-check of an assessed project in one call: the Monte Carlo estimate of Pf in both
// readings of the inputs, the chain's Pf on coarsened inputs (the discretisation band) and the
// sensitivity of Pf to each random input. Runs on any thread; the project is copied in.

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "histogram/Histogram.h"
#include "project/ChainReading.h"
#include "project/ProjectState.h"
#include "verification/ChainVariants.h"
#include "verification/MonteCarlo.h"

namespace verification {

/// The steps of a check, in order.
enum class CheckStep { MonteCarlo, Band, Sensitivity };

struct ChainCheckOptions {
  MonteCarloOptions monteCarlo;  // seed, target CoV, bounds, threads; its cancel and progress are set here
  const std::atomic<bool>* cancel = nullptr;
  /// Called on the checking thread: the step and its progress (done of total).
  std::function<void(CheckStep step, std::int64_t done, std::int64_t total)> progress;
};

/// Bin counts of the discretisation band, coarsest first; the chain's own Pf completes it.
inline constexpr int kBandBins[] = {64, 128};

struct ChainCheck {
  double chainPf = 0;  // Pf of the assessment checked
  std::uint64_t seed = 1;
  ChainReading reading;  // how the checked chain read its inputs (that of its bolt load)
  MonteCarloResult monteCarlo;
  std::vector<std::optional<double>> band;  // Pf with the inputs coarsened to kBandBins (nullopt: refused)
  std::vector<SensitivityRow> sensitivity;  // largest spread first
  std::string kFile;                        // the K input, which enters the bolt length only
  bool cancelled = false;

  // What was checked, to tell whether the check still belongs to a project.
  Histogram reliabilityFunction;
  double failureMass = 0;

  /// The chain's Pf lies inside the 95 % interval of the sample of its own reading.
  bool chainInsideOwnReading() const;
  /// The check was made for the assessment `p` holds now.
  bool madeFor(const ProjectState& p) const;
};

/// Checks the assessment of `project` (assessmentDone set) in the reading its bolt load was made with.
/// nullopt with `problem` set when the project lacks a value the point model needs; a cancelled check comes
/// back with `cancelled` set and its figures incomplete.
std::optional<ChainCheck> checkChain(const ProjectState& project, const ChainCheckOptions& options,
                                     std::string* problem = nullptr);

}  // namespace verification
