#include "reliability/ProjectState.h"

void ProjectState::invalidate(InvalidateFrom from) {
  switch (from) {
    case InvalidateFrom::All:
      reducedStrengthDone = false;
      beta.clear();
      [[fallthrough]];
    case InvalidateFrom::BoltLength:
      boltLengthDone = false;
      [[fallthrough]];
    case InvalidateFrom::BoltLoad:
      boltLoadDone = false;
      [[fallthrough]];
    case InvalidateFrom::BearingCapacity:
      bearingCapacityDone = false;
      assessmentDone = false;
  }
}

HistogramSlot* ProjectState::slotForSource(int source, int layerRow) {
  switch (source) {
    case kSrcLayer: return (layerRow >= 1 && layerRow <= kLayers) ? &layers[layerRow - 1] : nullptr;
    case kSrcWidth: return &width;
    case kSrcK: return &k;
    case kSrcKn: return &kn;
    case kSrcQ: return &q;
    case kSrcRmr: return &rmr;
    case kSrcGamma: return &gamma;
    case kSrcSigmaR: return &sigmaR;
    default: return nullptr;
  }
}
