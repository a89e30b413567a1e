#include "histogram/Refinement.h"

#include <cmath>

Histogram splitBins(const Histogram& h, int parts) {
  const int n = binCount(h);
  if (parts < 2 || n < 1 || n * parts > kMaxBins || !(h.step > 0) || !std::isfinite(h.step) ||
      !std::isfinite(h.min))
    return h;
  Histogram r;
  r.count = n * parts;
  r.step = h.step / parts;
  r.min = (h.min - h.step / 2) + r.step / 2;
  r.max = r.min + (n * parts - 1) * r.step;
  r.range = n * h.step;
  r.total = h.total * parts;
  for (int i = 0; i < n; ++i) {
    const double share = h.p[i] / parts;
    for (int j = 0; j < parts; ++j) r.p[i * parts + j] = share;
  }
  return r;
}
