#include "project/ProjectState.h"

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

HistogramSlot* ProjectState::slotForSource(Source source, int layerRow) {
  switch (source) {
    case kSrcLayer:
      return (layerRow >= 1 && layerRow <= kLayers) ? &layers[layerRow - 1] : nullptr;
    case kSrcWidth:
      return &width;
    case kSrcK:
      return &k;
    case kSrcKn:
      return &kn;
    case kSrcQ:
      return &q;
    case kSrcRmr:
      return &rmr;
    case kSrcGamma:
      return &gamma;
    case kSrcSigmaR:
      return &sigmaR;
    default:
      return nullptr;
  }
}

void ProjectState::clear() {
  for (auto& l : layers) {
    l.name.clear();
    l.rockType.clear();
    l.thickness.clear();
    l.histogram = Histogram{};
  }
  for (HistogramSlot* s : {&width, &k, &kn, &q, &rmr, &gamma, &sigmaR}) {
    s->name.clear();
    s->histogram = Histogram{};
  }
  depthH.clear();
  d1.clear();
  d2 = std::string(1, '0');  // not a literal: GCC 12 reports a false -Wrestrict on it
  boltCount.clear();
  invalidate(InvalidateFrom::All);
  nextLayerRow = 1;
}

bool ProjectState::fillSlot(Source source, int layerRow, const std::string& name, const Histogram& h) {
  if (source == kSrcLayer && (layerRow < 1 || layerRow > nextLayerRow || layerRow > kLayers)) return false;
  HistogramSlot* slot = slotForSource(source, layerRow);
  if (!slot) return false;
  slot->name = name;
  slot->histogram = h;
  if (source == kSrcLayer && layerRow == nextLayerRow) ++nextLayerRow;
  return true;
}

std::string layerRowLabel(int row) {
  // Seven blanks before a one-digit number, five before 10: the numbers end in the same column.
  std::string n = std::to_string(row);
  return std::string(n.size() == 1 ? 7 : 5, ' ') + n;
}

std::optional<InvalidateFrom> invalidationForSource(Source source) {
  switch (source) {
    case kSrcLayer:
    case kSrcWidth:
      return InvalidateFrom::All;
    case kSrcK:
    case kSrcKn:
    case kSrcQ:
      return InvalidateFrom::BoltLength;
    case kSrcRmr:
    case kSrcGamma:
      return InvalidateFrom::BoltLoad;
    case kSrcSigmaR:
      return InvalidateFrom::BearingCapacity;
    default:
      return std::nullopt;
  }
}

Source sourceForTargetItem(int index) {
  static constexpr Source kSources[] = {kSrcWidth, kSrcLayer, kSrcK,     kSrcKn,
                                        kSrcQ,     kSrcRmr,   kSrcGamma, kSrcSigmaR};
  return (index >= 0 && index < 8) ? kSources[index] : kSrcNone;
}
