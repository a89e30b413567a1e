#pragma once

// Load of the bolts per metre of the working S [kN/m]:
//   S = 2.51189 x gamma x Kn x B x B x (1 - RMR/100) x (exp((1.5 H - q) / (45 R)) - 1)^0.6

#include "histogram/Histogram.h"
#include "histogram/HistogramArithmetic.h"
#include "project/ChainReading.h"
#include "project/ProjectState.h"
#include "reliability/PressureLoop.h"
#include "shell/ChainMessages.h"

/// Constant of the bolt load.
inline constexpr double kBoltLoadConstant = 2.51189;

/// The histogram D of 1 - RMR/100: the bins in reverse order, the width RMR.step / 100. A single-bin RMR
/// keeps its own width scaled the same way.
Histogram rockMassFactor(const Histogram& rmr);

/// The product histogram 2.51189 x gamma x Kn x B x B x D; refused when a product is.
HistogramOpResult boltLoadProduct(const Histogram& gamma, const Histogram& kn, const Histogram& b,
                                  const Histogram& d);

/// The bolt-load command: checks 44 to 46 (and 52 when combined support was ticked since), then S
/// (normalised, trimmed) with its flag; message 47 when the corner range is empty, 35 when an input histogram
/// has no width. `reading` says how gamma, Kn, B, RMR and q are read and where the pressure loop takes
/// its points (recorded in `boltLoadReading`; the assessment reads SigmaR the same way).
ChainReport runBoltLoad(ProjectState& project, const LoopProgress& progress = {}, int threads = 0,
                        ChainReading reading = {});
