#include "reliability/InputReading.h"

#include <algorithm>

#include "histogram/Refinement.h"
#include "project/ProjectState.h"

int uniformReadingParts(int bins, int target) {
  if (bins < 1) return 1;
  const int wanted = (target + bins - 1) / bins;
  return std::max(1, std::min(wanted, kMaxBins / bins));
}

Histogram readInput(const Histogram& h, InputReading reading, int target) {
  if (reading == InputReading::Centres) return h;
  return splitBins(h, uniformReadingParts(binCount(h), target));
}

void readInputsInPlace(ProjectState& p, InputReading reading, int target) {
  for (LayerSlot& layer : p.layers)
    if (!layer.empty()) layer.histogram = readInput(layer.histogram, reading, target);
  for (HistogramSlot* s : {&p.width, &p.k, &p.kn, &p.q, &p.rmr, &p.gamma, &p.sigmaR})
    if (!s->empty()) s->histogram = readInput(s->histogram, reading, target);
}
