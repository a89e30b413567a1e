#include "verification/ChainVariants.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "histogram/Queries.h"
#include "reliability/Assessment.h"
#include "reliability/BoltLoad.h"
#include "reliability/InputReading.h"
#include "reliability/ReducedStrength.h"

namespace verification {

Histogram coarsened(const Histogram& h, int bins) {
  const int n = binCount(h);
  if (bins < 1 || n <= bins) return h;
  const int factor = (n + bins - 1) / bins;
  const int groups = (n + factor - 1) / factor;
  Histogram c;
  c.total = h.total;
  c.count = groups;
  c.step = h.step * factor;
  c.min = (h.min - h.step / 2) + c.step / 2;
  c.max = c.min + (groups - 1) * c.step;
  c.range = groups * c.step;
  for (int i = 0; i < n; ++i) c.p[i / factor] += h.p[i];
  return c;
}

Histogram pointHistogram(const Histogram& h, double value) {
  Histogram c;
  c.count = 1;
  c.min = c.max = value;
  c.step = c.range = h.step;
  c.total = h.total > 0 ? h.total : 1;
  c.p[0] = 1;
  return c;
}

namespace {

enum class From { ReducedStrength, BoltLoad, Assessment };

// Runs the chain on `p` from the given step on; the steps before it must hold their results.
std::optional<double> runFrom(ProjectState& p, From from, ChainReading reading, int threads) {
  if (from == From::ReducedStrength) {
    p.invalidate(InvalidateFrom::BoltLength);
    p.reducedStrengthDone = false;
    if (!runReducedStrength(p, reading.inputs).ok) return std::nullopt;
  }
  if (from != From::Assessment) {
    // The bolt length does not enter Pf: the bolt load only needs the order of the chain kept.
    p.boltLengthDone = true;
    p.boltLoadDone = false;
    if (!runBoltLoad(p, {}, threads, reading).ok) return std::nullopt;
  }
  AssessmentResult a;
  if (!runAssessment(p, DesignStandard::En1990, Language::Czech, a).ok) return std::nullopt;
  return a.pf;
}

HistogramSlot* slotOf(ProjectState& p, const ModelInput& in) {
  switch (in.kind) {
    case InputKind::Layer:
      return &p.layers[in.layer - 1];
    case InputKind::Width:
      return &p.width;
    case InputKind::Kn:
      return &p.kn;
    case InputKind::Rmr:
      return &p.rmr;
    case InputKind::Gamma:
      return &p.gamma;
    case InputKind::Q:
      return &p.q;
    case InputKind::SigmaR:
      return &p.sigmaR;
  }
  return nullptr;
}

From firstStepOf(InputKind kind) {
  if (kind == InputKind::Layer) return From::ReducedStrength;
  if (kind == InputKind::SigmaR) return From::Assessment;
  return From::BoltLoad;
}

}  // namespace

std::optional<double> chainPf(const ProjectState& project, ChainReading reading, int threads) {
  ProjectState p = project;
  return runFrom(p, From::ReducedStrength, reading, threads);
}

std::optional<double> chainPfWithBins(const ProjectState& project, int bins, ChainReading reading,
                                      int threads) {
  ProjectState p = project;
  for (LayerSlot& layer : p.layers)
    if (!layer.empty()) layer.histogram = coarsened(layer.histogram, bins);
  for (HistogramSlot* s : {&p.width, &p.k, &p.kn, &p.q, &p.rmr, &p.gamma, &p.sigmaR})
    if (!s->empty()) s->histogram = coarsened(s->histogram, bins);
  return runFrom(p, From::ReducedStrength, reading, threads);
}

std::optional<double> chainPfSplit(const ProjectState& project, int target, PairValues values, int threads) {
  ProjectState p = project;
  readInputsInPlace(p, InputReading::Uniform, target);
  return runFrom(p, From::ReducedStrength, {values, InputReading::Centres}, threads);
}

double SensitivityRow::spread() const {
  const double lo = std::min({pf05, pf50, pf95}), hi = std::max({pf05, pf50, pf95});
  return std::isnan(lo) || std::isnan(hi) ? -1 : hi - lo;
}

std::vector<SensitivityRow> sensitivity(const ProjectState& project, const PointModel& model,
                                        const SensitivityOptions& o) {
  // The base state holds every result, so a variant re-runs only the steps after its input. Its inputs
  // are read once beforehand, so that the fixed input stays a point under either reading.
  ProjectState base = project;
  readInputsInPlace(base, o.reading.inputs);
  const ChainReading asRead{o.reading.values, InputReading::Centres};
  if (!runFrom(base, From::ReducedStrength, asRead, o.threads)) return {};
  const int total = 3 * static_cast<int>(model.inputs.size());
  int done = 0;
  std::vector<SensitivityRow> rows;
  for (const ModelInput& in : model.inputs) {
    SensitivityRow row;
    row.key = in.key;
    row.file = in.file;
    double* out[3] = {&row.pf05, &row.pf50, &row.pf95};
    const double levels[3] = {0.05, 0.5, 0.95};
    for (int l = 0; l < 3; ++l) {
      if (o.cancel && o.cancel->load()) return {};
      ProjectState p = base;
      HistogramSlot* slot = slotOf(p, in);
      slot->histogram = pointHistogram(in.h, quantileQuery(in.h, levels[l]).qp);
      const auto pf = runFrom(p, firstStepOf(in.kind), asRead, o.threads);
      *out[l] = pf ? *pf : std::numeric_limits<double>::quiet_NaN();
      if (o.progress) o.progress(++done, total);
    }
    rows.push_back(std::move(row));
  }
  std::stable_sort(rows.begin(), rows.end(),
                   [](const SensitivityRow& a, const SensitivityRow& b) { return a.spread() > b.spread(); });
  return rows;
}

}  // namespace verification
