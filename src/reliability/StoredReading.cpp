#include "reliability/StoredReading.h"

#include <vector>

#include "reliability/BoltLoad.h"
#include "reliability/ReducedStrength.h"

namespace {

// The same histogram as the chain leaves it: descriptor and the bins in use.
bool sameResult(const Histogram& a, const Histogram& b) {
  const int n = binCount(a);
  if (a.count != b.count || a.min != b.min || a.max != b.max || a.step != b.step) return false;
  for (int i = 0; i < n; ++i)
    if (a.p[i] != b.p[i]) return false;
  return true;
}

InputReading otherReading(InputReading r) {
  return r == InputReading::Uniform ? InputReading::Centres : InputReading::Uniform;
}

PairValues otherValues(PairValues v) {
  return v == PairValues::Centres ? PairValues::UpperEdges : PairValues::Centres;
}

}  // namespace

void settleStoredReading(ProjectState& p, ChainReading preferred) {
  p.reducedStrengthReading = preferred.inputs;
  if (p.reducedStrengthDone) {
    for (InputReading r : {preferred.inputs, otherReading(preferred.inputs)}) {
      ProjectState again = p;
      if (runReducedStrength(again, r).ok && sameResult(again.reducedStrength, p.reducedStrength)) {
        p.reducedStrengthReading = r;
        break;
      }
    }
  }

  p.boltLengthReading = p.boltLoadReading = preferred;
  p.boltLoadReadingKnown = true;
  if (!p.boltLoadDone) return;
  const std::vector<ChainReading> candidates{preferred,
                                             {preferred.values, otherReading(preferred.inputs)},
                                             {otherValues(preferred.values), preferred.inputs},
                                             {otherValues(preferred.values), otherReading(preferred.inputs)}};
  for (const ChainReading& reading : candidates) {
    ProjectState again = p;
    again.boltLengthDone = true;  // the bolt load needs only the order of the chain kept
    if (runBoltLoad(again, {}, 0, reading).ok && sameResult(again.boltLoad, p.boltLoad)) {
      p.boltLengthReading = p.boltLoadReading = reading;
      return;
    }
  }
  p.boltLoadReadingKnown = false;
}
