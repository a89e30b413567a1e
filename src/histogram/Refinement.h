#pragma once

// Splitting the bins of a histogram into equal sub-bins.

#include "histogram/Histogram.h"

/// `h` with every bin split into `parts` equal sub-bins that share its probability equally, so that
/// the point masses at the sub-bin centres read each bin as spread evenly over its width. The outer
/// edges stay. Returned as it is: `parts` below 2, more than 256 bins in all, or no width to split
/// (a step that is not a positive finite number).
Histogram splitBins(const Histogram& h, int parts);
