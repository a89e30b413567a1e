#pragma once

// Required length of one bolt L [m]:
//   L = 0.251189 x Kn x B x K x (exp((1.5 H - q) / (45 R)) - 1)^0.6

#include "histogram/Histogram.h"
#include "histogram/HistogramArithmetic.h"
#include "project/ChainReading.h"
#include "project/ProjectState.h"
#include "reliability/PressureLoop.h"
#include "shell/ChainMessages.h"

/// Constant of the bolt length.
inline constexpr double kBoltLengthConstant = 0.251189;

/// The product histogram 0.251189 x Kn x B x K; refused when a product is.
HistogramOpResult boltLengthProduct(const Histogram& kn, const Histogram& b, const Histogram& k);

/// The bolt-length command: checks 48 to 52, then L (normalised, trimmed) with its flag; message 53 when
/// the corner range is empty, 35 when an input histogram has no width. `q` is used only with combined
/// support. `reading` says how Kn, B, K and q are read and where the pressure loop takes its points
/// (recorded in `boltLengthReading`).
ChainReport runBoltLength(ProjectState& project, const LoopProgress& progress = {}, int threads = 0,
                          ChainReading reading = {});
