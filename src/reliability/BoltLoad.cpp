#include "reliability/BoltLoad.h"

#include <algorithm>

#include "creation/SpecialFunctions.h"
#include "histogram/HistogramArithmetic.h"
#include "reliability/ChainCommon.h"
#include "reliability/InputReading.h"

Histogram rockMassFactor(const Histogram& rmr) {
  const int n = binCount(rmr);
  Histogram d;
  d.count = rmr.count;
  d.total = rmr.total;
  d.min = 1 - rmr.max / 100;
  d.max = 1 - rmr.min / 100;
  // With one bin there is no spread of centres to divide; the map x -> 1 - x/100 shrinks the width
  // by 100 exactly as it does for every other histogram.
  d.step = n > 1 ? (d.max - d.min) / (n - 1) : rmr.step / 100;
  d.range = (d.max - d.min) + d.step;
  for (int i = 0; i < n; ++i) d.p[i] = rmr.p[n - 1 - i];
  return d;
}

HistogramOpResult boltLoadProduct(const Histogram& gamma, const Histogram& kn, const Histogram& b,
                                  const Histogram& d) {
  HistogramOpResult t;
  t.ok = true;
  t.h = gamma;
  ScaleHistogram(t.h, kBoltLoadConstant);
  // The two B factors are independent copies of the same histogram.
  for (const Histogram* factor : {&kn, &b, &b, &d}) {
    t = MultiplyHistograms(t.h, *factor);
    if (!t) break;
  }
  return t;
}

ChainReport runBoltLoad(ProjectState& p, const LoopProgress& progress, int threads, ChainReading reading) {
  ChainReport report;
  if (!p.boltLengthDone) return refuse(report, 44);
  if (missingInput(p.rmr)) return refuseMissing(report, p.rmr, 45);
  if (missingInput(p.gamma)) return refuseMissing(report, p.gamma, 46);
  // H as a results file restored it with the bolt length.
  if (refusedDepth(report, p)) return report;
  if (refusedWidth(report, p)) return report;
  // Combined support ticked after the bolt length was computed without it: q is still missing.
  if (p.combinedSupport && missingInput(p.q)) return refuseMissing(report, p.q, 52);

  const Histogram d = rockMassFactor(p.rmr.histogram);
  for (const Histogram* h : std::initializer_list<const Histogram*>{
           &p.gamma.histogram, &p.kn.histogram, &p.width.histogram, &d, &p.reducedStrength})
    if (!usableHistogram(*h)) return refuse(report, kZeroWidthMessage);
  if (p.combinedSupport && !usableHistogram(p.q.histogram)) return refuse(report, kZeroWidthMessage);

  const Histogram gamma = readInput(p.gamma.histogram, reading.inputs);
  const Histogram kn = readInput(p.kn.histogram, reading.inputs);
  const Histogram b = readInput(p.width.histogram, reading.inputs);
  const Histogram rmr = readInput(p.rmr.histogram, reading.inputs);
  std::optional<Histogram> q;
  if (p.combinedSupport) q = readInput(p.q.histogram, reading.inputs);
  const HistogramOpResult product = boltLoadProduct(gamma, kn, b, rockMassFactor(rmr));
  if (!product) return refuseArithmetic(report, product);
  const auto result =
      pressureStep(report, 47, product.h, q ? &*q : nullptr, p, progress, threads, reading.values);
  if (!result) return report;
  p.boltLoad = *result;
  p.boltLoadDone = true;
  p.boltLoadReading = reading;
  p.boltLoadReadingKnown = true;
  report.ok = true;
  return report;
}
