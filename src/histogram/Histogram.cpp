#include "histogram/Histogram.h"

#include <cmath>

int binCount(const Histogram& h) {
  if (!(h.count > 0)) return 0;
  const double r = std::nearbyint(h.count);  // default rounding mode: ties to even
  return r > kMaxBins ? kMaxBins : static_cast<int>(r);
}
