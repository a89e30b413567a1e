#pragma once

// Small histograms written out bin by bin.

#include <initializer_list>
#include <vector>

#include "histogram/Histogram.h"

namespace histogram_fixture {

/// The bins `p` with the first centre `min` and the given step.
inline Histogram make(double min, double step, std::initializer_list<double> p, double total = 1) {
  Histogram h;
  h.count = static_cast<double>(p.size());
  h.min = min;
  h.step = step;
  h.max = min + (h.count - 1) * step;
  h.range = h.count * step;
  h.total = total;
  int i = 0;
  for (double v : p) h.p[i++] = v;
  return h;
}

/// The used bins of `h`.
inline std::vector<double> bins(const Histogram& h) { return {h.p.begin(), h.p.begin() + binCount(h)}; }

}  // namespace histogram_fixture
