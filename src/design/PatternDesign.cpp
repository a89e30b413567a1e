#include "design/PatternDesign.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <numbers>

#include "histogram/HistogramArithmetic.h"
#include "histogram/Queries.h"
#include "reliability/ChainCommon.h"
#include "reliability/InputChecks.h"
#include "reliability/InputReading.h"

namespace design {

namespace {

// Steel density [kg per mm3].
constexpr double kSteelDensity = 7.85e-6;
// The bolt length is taken at this quantile of L.
constexpr double kBoltLengthQuantile = 0.95;
// Most factors scanned where no pair fails, and most doublings or halvings of a bracket.
constexpr int kMaxScanSteps = 4000;
constexpr int kMaxBracketSteps = 128;

}  // namespace

std::optional<DesignBasis> designBasis(const ProjectState& p, ChainReport& report) {
  report = {};
  if (!p.boltLoadDone) {
    refuse(report, 54);
    return std::nullopt;
  }
  if (!p.boltLengthDone) {
    refuse(report, 44);
    return std::nullopt;
  }
  if (missingInput(p.sigmaR)) {
    refuseMissing(report, p.sigmaR, 57, {}, "\r\n");
    return std::nullopt;
  }
  // d2 is read as the assessment reads it: a text that is no number gets its field's message, an empty
  // one is a solid bolt.
  if (!p.d2.empty() && !fieldNumber(InputField::D2, p.d2)) {
    report.messages.push_back(*fieldRefusal(InputField::D2, p.d2));
    return std::nullopt;
  }
  const double d2 = fieldNumber(InputField::D2, p.d2).value_or(0);
  if (d2 < 0) {
    refuse(report, 146, DlgKind::Error, {}, FocusField::EdPSV);
    report.messages.back().extra = " \" d2 \" !  ( " + p.d2 + " )\r\n";
    return std::nullopt;
  }
  if (!usableHistogram(p.sigmaR.histogram) || !usableHistogram(p.boltLoad) ||
      !usableHistogram(p.boltLength)) {
    refuse(report, kZeroWidthMessage);
    return std::nullopt;
  }
  DesignBasis b;
  // SigmaR is read as the bolt load read its inputs, as the assessment reads it.
  b.sigmaR = readInput(p.sigmaR.histogram, p.boltLoadReading.inputs);
  b.boltLoad = p.boltLoad;
  b.boltLength = quantileQuery(p.boltLength, kBoltLengthQuantile).qp;
  b.d2 = d2;
  report.ok = true;
  return b;
}

double boltsPerMetre(int n, double ds) { return n * 1000.0 / ds; }

double steelPerMetre(int n, double d1, double d2, double ds, double boltLengthMetres) {
  const double boltMass =
      std::numbers::pi * (d1 * d1 - d2 * d2) / 4 * (boltLengthMetres * 1000) * kSteelDensity;
  return boltsPerMetre(n, ds) * boltMass;
}

FactorAssessment::FactorAssessment(const DesignBasis& basis, DesignStandard standard)
    : basis_(basis), standard_(standard) {}

std::optional<FactorOutcome> FactorAssessment::at(double k) {
  const std::uint64_t key = std::bit_cast<std::uint64_t>(k);
  if (const auto it = memo_.find(key); it != memo_.end()) return it->second;
  ChainReport report;
  const std::optional<Histogram> c = bearingCapacityAt(basis_.sigmaR, k, report);
  if (!c) {
    report_ = report;
    return std::nullopt;
  }
  const std::optional<ReliabilityFunction> fs = reliabilityFunction(*c, basis_.boltLoad, report);
  if (!fs) {
    report_ = report;
    return std::nullopt;
  }
  FactorOutcome o;
  o.k = k;
  o.pf = readFailureProbability(fs->fs, fs->failureMass).pf;
  o.failureMass = fs->failureMass;
  o.classIndex = classForPf(standard_, o.pf);
  memo_.emplace(key, o);
  return o;
}

RequiredFactor kRequired(FactorAssessment& assessment, double pd, const RunControl& control) {
  using Status = RequiredFactor::Status;
  RequiredFactor r;  // Refused until found
  auto at = [&](double k) -> std::optional<FactorOutcome> {
    if (control.cancelled()) {
      r.status = Status::Cancelled;
      return std::nullopt;
    }
    return assessment.at(k);
  };
  auto meets = [&](const FactorOutcome& o) { return o.pf <= pd; };
  auto found = [&](const FactorOutcome& hi, const FactorOutcome& lo) {
    r.status = Status::Found;
    r.k = hi.k;
    r.pf = hi.pf;
    r.kBelow = lo.k;
    r.pfBelow = lo.pf;
    return r;
  };
  // Narrows a bracket (lo fails, hi meets) to the resolution.
  auto bisect = [&](FactorOutcome lo, FactorOutcome hi) -> RequiredFactor {
    while (lo.k < hi.k * (1 - kFactorResolution)) {
      const double mid = std::sqrt(lo.k * hi.k);
      if (!(mid > lo.k && mid < hi.k)) break;
      const auto o = at(mid);
      if (!o) return r;
      (meets(*o) ? hi : lo) = *o;
    }
    return found(hi, lo);
  };
  // From a factor that meets Pd, halves it until one fails, then bisects.
  auto downFrom = [&](FactorOutcome hi) -> RequiredFactor {
    for (int i = 0; i < kMaxBracketSteps; ++i) {
      const auto o = at(hi.k / 2);
      if (!o) return r;
      if (!meets(*o)) return bisect(*o, hi);
      hi = *o;
    }
    r.status = Status::AlwaysReached;
    return r;
  };

  // The edges of C scale with k: C at k = 1 gives them all.
  const auto unit = at(1.0);
  if (!unit) return r;
  ChainReport probe;
  const std::optional<Histogram> c1 = bearingCapacityAt(assessment.basis().sigmaR, 1.0, probe);
  const Histogram& s = assessment.basis().boltLoad;
  const double strengthLow = hist::lowerEdge(*c1), strengthMin = c1->min;
  const double loadHigh = hist::upperEdge(s), loadMax = s.max;

  if (strengthLow > 0 && loadHigh > 0 && loadMax > 0) {
    // From kTop on the lowest edge of C lies above the highest edge of S: FS lies wholly above 0 and
    // Pf = 0, there and for every larger k.
    const double kTop = loadHigh / strengthLow * (1 + 1e-6);
    const auto top = at(kTop);
    if (!top) return r;
    if (meets(*top)) {
      // Below kTop down to about kZero = max S / min C no pair fails, Pf is read by interpolation and
      // may wobble: scan it downwards so that the highest failing factor is met first.
      const double kZero = loadMax / strengthMin * (1 - kFactorResolution);
      double ratio = 1 - kFactorResolution;
      const double steps = std::log(kZero / kTop) / std::log(ratio);
      if (!(steps <= kMaxScanSteps)) ratio = std::exp(std::log(kZero / kTop) / kMaxScanSteps);
      FactorOutcome previous = *top;
      for (int i = 0; i < 2 * kMaxScanSteps; ++i) {
        const auto o = at(previous.k * ratio);
        if (!o) return r;
        if (!meets(*o)) return bisect(*o, previous);
        if (o->failureMass > 0) return downFrom(*o);  // Pf is now the failure mass
        previous = *o;
      }
      return downFrom(previous);
    }
  }

  // No factor beyond which Pf is surely 0 (a strength histogram reaching 0): bracket from k = 1.
  if (meets(*unit)) return downFrom(*unit);
  FactorOutcome lo = *unit;
  for (int i = 0; i < kMaxBracketSteps; ++i) {
    const auto o = at(lo.k * 2);
    if (!o) return r;
    if (meets(*o)) return bisect(lo, *o);
    lo = *o;
  }
  r.status = Status::NeverReached;
  return r;
}

bool lighter(const PatternRow& a, const PatternRow& b) {
  if (a.steel != b.steel) return a.steel < b.steel;
  if (a.boltsPerMetre != b.boltsPerMetre) return a.boltsPerMetre < b.boltsPerMetre;
  if (a.ds != b.ds) return a.ds > b.ds;
  if (a.n != b.n) return a.n < b.n;
  return a.d1 < b.d1;
}

namespace {

std::optional<PatternRow> patternRow(FactorAssessment& a, int n, double d1, double ds) {
  const DesignBasis& b = a.basis();
  PatternRow row;
  row.n = n;
  row.d1 = d1;
  row.d2 = b.d2;
  row.ds = ds;
  row.k = bearingCapacityFactor(n, d1, b.d2, ds);
  const auto o = a.at(row.k);
  if (!o) return std::nullopt;
  row.pf = o->pf;
  row.classIndex = o->classIndex;
  row.steel = steelPerMetre(n, d1, b.d2, ds, b.boltLength);
  row.boltsPerMetre = boltsPerMetre(n, ds);
  return row;
}

}  // namespace

std::vector<PatternRow> patterns(FactorAssessment& a, const PatternRanges& ranges, const RunControl& control,
                                 int progressBase, int progressTotal) {
  const std::vector<double> spacings = ranges.ds.values();
  const int total = progressTotal > 0 ? progressTotal : static_cast<int>(ranges.patternCount());
  std::vector<PatternRow> rows;
  rows.reserve(ranges.patternCount());
  int done = progressBase;
  for (int n : ranges.n)
    for (double d1 : ranges.d1)
      for (double ds : spacings) {
        if (control.cancelled()) return {};
        const auto row = patternRow(a, n, d1, ds);
        if (!row) return {};
        rows.push_back(*row);
        if (control.progress) control.progress(++done, total);
      }
  std::sort(rows.begin(), rows.end(), lighter);
  return rows;
}

std::vector<PatternRow> spacingCurve(FactorAssessment& a, int n, double d1,
                                     const std::vector<double>& spacings, const RunControl& control) {
  std::vector<PatternRow> rows;
  int done = 0;
  for (double ds : spacings) {
    if (control.cancelled()) return {};
    const auto row = patternRow(a, n, d1, ds);
    if (!row) return {};
    rows.push_back(*row);
    if (control.progress) control.progress(++done, static_cast<int>(spacings.size()));
  }
  return rows;
}

std::optional<PatternRow> lightest(const std::vector<PatternRow>& rows, int target) {
  const auto it =
      std::find_if(rows.begin(), rows.end(), [&](const PatternRow& r) { return r.reaches(target); });
  if (it == rows.end()) return std::nullopt;
  return *it;
}

std::optional<PatternRow> bestReachable(const std::vector<PatternRow>& rows) {
  int best = 0;
  for (const PatternRow& r : rows)
    if (r.classIndex >= 1 && (best == 0 || r.classIndex < best)) best = r.classIndex;
  if (best == 0) return std::nullopt;
  return lightest(rows, best);
}

Refusal nothingReaches(int target, const std::string& label) {
  const std::string t = std::to_string(target);
  return ownRefusal(RefusalText::DesignNothingReaches, {t, label});
}

DesignResult runDesign(const DesignBasis& basis, const DesignRequest& request, const RunControl& control) {
  DesignResult res;
  res.target = request.target;
  res.boltLength = basis.boltLength;
  if (request.target < 1 || request.target > 3) {
    res.report.messages.push_back(ownRefusal(RefusalText::DesignBadTarget));
    return res;
  }
  res.pd = designProbability(request.standard, request.target);
  if (const auto refused = checkRanges(request.ranges, basis.d2)) {
    res.report.messages.push_back(*refused);
    return res;
  }
  FactorAssessment a(basis, request.standard);
  const int total = 1 + static_cast<int>(request.ranges.patternCount());
  res.required = kRequired(a, res.pd, control);
  using Status = RequiredFactor::Status;
  if (res.required.status == Status::Cancelled) {
    res.cancelled = true;
    return res;
  }
  if (res.required.status == Status::Refused) {
    res.report = a.report();
    return res;
  }
  if (control.progress) control.progress(1, total);
  res.patterns = patterns(a, request.ranges, control, 1, total);
  if (res.patterns.empty()) {
    res.cancelled = control.cancelled();
    if (!res.cancelled) res.report = a.report();
    return res;
  }
  res.lightest = lightest(res.patterns, request.target);
  if (!res.lightest) res.bestReachable = bestReachable(res.patterns);
  res.evaluations = a.evaluations();
  res.report.ok = true;
  res.ok = true;
  return res;
}

std::string patternTableCsv(const std::vector<PatternRow>& rows) {
  std::string out = "n,d1,d2,ds,k,pf,classIndex,steel\r\n";
  for (const PatternRow& r : rows)
    out += std::to_string(r.n) + ',' + numberText(r.d1) + ',' + numberText(r.d2) + ',' + numberText(r.ds) +
           ',' + numberText(r.k) + ',' + numberText(r.pf) + ',' + std::to_string(r.classIndex) + ',' +
           numberText(r.steel) + "\r\n";
  return out;
}

}  // namespace design
