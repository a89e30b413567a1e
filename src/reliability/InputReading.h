#pragma once

// How the chain reads a random input: as it stands (every bin a point mass at its centre) or spread
// evenly over each bin, by splitting every bin into equal sub-bins before the pair loops.

#include "histogram/Histogram.h"
#include "project/ChainReading.h"
#include "project/ProjectState.h"

/// Bins an input read as piecewise uniform has at least, as far as whole sub-bins fit into 256.
inline constexpr int kUniformReadingBins = 256;

/// Sub-bins per bin that give an input of `bins` bins at least `target` bins in all without going
/// beyond 256: ceil(target / bins), at most floor(256 / bins), at least 1.
int uniformReadingParts(int bins, int target = kUniformReadingBins);

/// `h` as the chain reads it: split by uniformReadingParts for the uniform reading, as it is for
/// the centres reading or when it has no width.
Histogram readInput(const Histogram& h, InputReading reading, int target = kUniformReadingBins);

/// Every input slot of `project` (layers, B, K, Kn, q, RMR, gamma, SigmaR) as the chain reads it: run
/// with the centres reading afterwards, the chain gives what it gives on the original with `reading`.
void readInputsInPlace(ProjectState& project, InputReading reading, int target = kUniformReadingBins);
