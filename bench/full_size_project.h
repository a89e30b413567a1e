#pragma once

// Projects for the benchmarks whose every input histogram has 256 bins.

#include "chain_fixture.h"
#include "project/ProjectState.h"
#include "reliability/Assessment.h"
#include "reliability/BoltLength.h"
#include "reliability/BoltLoad.h"
#include "reliability/ReducedStrength.h"

namespace full_size {

inline Histogram bell(double lo, double hi) { return chain_fixture::bell(lo, hi, kMaxBins); }

/// The layer table: `count` layers of one rock type, layer i over [20 + lowStep * i, 60 + highStep * i],
/// each but the first `thickness` metres thick.
struct Layers {
  int count;
  double lowStep, highStep;
  const char* thickness;
};

/// `layers` and every other input of the chain at full size: B from 4.5 to 5.5 (B* = 5), six bolts of
/// 22 mm a row, rows 1000 mm apart, 600 m deep. Nothing computed yet.
inline ProjectState project(const Layers& layers, bool combined) {
  using chain_fixture::fill;
  ProjectState p;
  for (int i = 0; i < layers.count; ++i) {
    LayerSlot& layer = p.layers[i];
    layer.rockType = "pískovec";
    fill(layer, bell(20 + layers.lowStep * i, 60 + layers.highStep * i));
    layer.thickness = i == 0 ? "" : layers.thickness;
  }
  p.nextLayerRow = layers.count + 1;
  fill(p.width, bell(4.5, 5.5));
  p.bStar = 5;
  p.twoBStar = 10;
  p.bStarText = "5";
  p.twoBStarText = "10";
  fill(p.k, bell(0.8, 1.2));
  fill(p.kn, bell(0.9, 1.1));
  fill(p.q, bell(0.05, 0.3));
  fill(p.rmr, bell(40, 60));
  fill(p.gamma, bell(2.4, 2.8));
  fill(p.sigmaR, bell(400, 600));
  p.depthH = "600";
  p.d1 = "22";
  p.d2 = "0";
  p.boltCount = "6";
  p.rowSpacing = "1000";
  p.combinedSupport = combined;
  return p;
}

/// Runs the chain of `p` from the layer coefficient to the assessment (EN 1990).
inline void runChain(ProjectState& p) {
  AssessmentResult a;
  runLayerCoefficient(p);
  runReducedStrength(p);
  runBoltLength(p);
  runBoltLoad(p);
  runAssessment(p, DesignStandard::En1990, Language::Czech, a);
}

}  // namespace full_size
