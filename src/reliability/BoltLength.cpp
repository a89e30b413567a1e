#include "reliability/BoltLength.h"

#include "creation/SpecialFunctions.h"
#include "histogram/HistogramArithmetic.h"
#include "reliability/ChainCommon.h"

HistogramOpResult boltLengthProduct(const Histogram& kn, const Histogram& b, const Histogram& k) {
  HistogramOpResult t;
  t.ok = true;
  t.h = kn;
  ScaleHistogram(t.h, kBoltLengthConstant);
  for (const Histogram* factor : {&b, &k}) {
    t = MultiplyHistograms(t.h, *factor);
    if (!t) break;
  }
  return t;
}

ChainReport runBoltLength(ProjectState& p, const LoopProgress& progress, int threads, PairValues values) {
  ChainReport report;
  if (!p.reducedStrengthDone) return refuse(report, 48);
  if (missingInput(p.k)) return refuseMissing(report, p.k, 49);
  if (missingInput(p.kn)) return refuseMissing(report, p.kn, 50);
  if (refusedDepth(report, p)) return report;
  if (refusedWidth(report, p)) return report;
  if (p.combinedSupport && missingInput(p.q)) return refuseMissing(report, p.q, 52);

  const Histogram* q = p.combinedSupport ? &p.q.histogram : nullptr;
  for (const Histogram* h : {&p.kn.histogram, &p.width.histogram, &p.k.histogram, &p.reducedStrength})
    if (!usableHistogram(*h)) return refuse(report, kZeroWidthMessage);
  if (q && !usableHistogram(*q)) return refuse(report, kZeroWidthMessage);

  const HistogramOpResult product = boltLengthProduct(p.kn.histogram, p.width.histogram, p.k.histogram);
  if (!product) return refuseArithmetic(report, product);
  const auto result = pressureStep(report, 53, product.h, p, progress, threads, values);
  if (!result) return report;
  p.boltLength = *result;
  p.boltLengthDone = true;
  p.boltLengthValues = values;
  report.ok = true;
  return report;
}
