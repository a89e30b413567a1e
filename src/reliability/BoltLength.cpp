#include "reliability/BoltLength.h"

#include "creation/SpecialFunctions.h"
#include "histogram/HistogramArithmetic.h"
#include "reliability/ChainCommon.h"
#include "reliability/InputReading.h"

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

ChainReport runBoltLength(ProjectState& p, const LoopProgress& progress, int threads, ChainReading reading) {
  ChainReport report;
  if (!p.reducedStrengthDone) return refuse(report, 48);
  if (missingInput(p.k)) return refuseMissing(report, p.k, 49);
  if (missingInput(p.kn)) return refuseMissing(report, p.kn, 50);
  if (refusedDepth(report, p)) return report;
  if (refusedWidth(report, p)) return report;
  if (p.combinedSupport && missingInput(p.q)) return refuseMissing(report, p.q, 52);

  for (const Histogram* h : {&p.kn.histogram, &p.width.histogram, &p.k.histogram, &p.reducedStrength})
    if (!usableHistogram(*h)) return refuse(report, kZeroWidthMessage);
  if (p.combinedSupport && !usableHistogram(p.q.histogram)) return refuse(report, kZeroWidthMessage);

  const Histogram kn = readInput(p.kn.histogram, reading.inputs);
  const Histogram b = readInput(p.width.histogram, reading.inputs);
  const Histogram k = readInput(p.k.histogram, reading.inputs);
  std::optional<Histogram> q;
  if (p.combinedSupport) q = readInput(p.q.histogram, reading.inputs);
  const HistogramOpResult product = boltLengthProduct(kn, b, k);
  if (!product) return refuseArithmetic(report, product);
  const auto result =
      pressureStep(report, 53, product.h, q ? &*q : nullptr, p, progress, threads, reading.values);
  if (!result) return report;
  p.boltLength = *result;
  p.boltLengthDone = true;
  p.boltLengthReading = reading;
  report.ok = true;
  return report;
}
