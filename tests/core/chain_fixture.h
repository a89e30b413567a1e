#pragma once

// A small project whose chain runs from the layer table to the assessment.

#include <cmath>

#include "histogram/Histogram.h"
#include "project/ProjectState.h"

namespace chain_fixture {

/// A bell-shaped histogram of n bins over the outer edges [lo, hi].
inline Histogram bell(double lo, double hi, int n = 20) {
  Histogram h;
  h.count = n;
  h.step = (hi - lo) / n;
  h.min = lo + h.step / 2;
  h.max = hi - h.step / 2;
  h.range = hi - lo;
  double sum = 0;
  for (int i = 0; i < n; ++i) {
    const double z = (i + 0.5 - n / 2.0) / (n / 6.0);
    h.p[i] = std::exp(-z * z / 2);
    sum += h.p[i];
  }
  for (int i = 0; i < n; ++i) h.p[i] /= sum;
  h.total = 1e6;
  return h;
}

/// Uniform over n bins with the given first centre and step.
inline Histogram uniform(double min, double step, int n) {
  Histogram h;
  h.count = n;
  h.min = min;
  h.step = step;
  h.max = min + (n - 1) * step;
  h.range = n * step;
  for (int i = 0; i < n; ++i) h.p[i] = 1.0 / n;
  h.total = n;
  return h;
}

inline void fill(HistogramSlot& slot, const Histogram& h, const char* name = "x.dis") {
  slot.name = name;
  slot.histogram = h;
}

/// Two layers (row 2 three metres thick), B* = 2.5, and every input of the chain; Beta not yet computed.
inline ProjectState project(bool combined = false) {
  ProjectState p;
  p.layers[0].rockType = "pískovec";
  fill(p.layers[0], bell(20, 40), "a.dis");
  p.layers[1].rockType = "jílovec";
  fill(p.layers[1], bell(10, 20), "b.dis");
  p.layers[1].thickness = "3";
  p.nextLayerRow = 3;
  fill(p.width, bell(2, 3), "b.dis");
  p.bStar = 2.5;
  p.twoBStar = 5;
  p.bStarText = "2.5";
  p.twoBStarText = "5";
  fill(p.k, bell(0.8, 1.2), "k.dis");
  fill(p.kn, bell(0.9, 1.1), "kn.dis");
  fill(p.q, bell(0.05, 0.3), "q.dis");
  fill(p.rmr, bell(40, 60), "rmr.dis");
  fill(p.gamma, bell(2.4, 2.8), "gamma.dis");
  fill(p.sigmaR, bell(400, 600), "sigma.dis");
  p.depthH = "600";
  p.d1 = "22";
  p.d2 = "0";
  p.boltCount = "4";
  p.rowSpacing = "1000";
  p.combinedSupport = combined;
  return p;
}

}  // namespace chain_fixture
