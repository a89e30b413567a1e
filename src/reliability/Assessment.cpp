#include "reliability/Assessment.h"

#include <cmath>
#include <numbers>

#include "creation/SpecialFunctions.h"
#include "histogram/HistogramArithmetic.h"
#include "reliability/ChainCommon.h"
#include "reliability/InputReading.h"
#include "shell/Messages.h"

namespace {

// Design probabilities of classes 1..3 per standard; compared with Pf as doubles, so that a Pf equal to
// the shown Pd satisfies its class.
constexpr double kPd[2][3] = {{8.4e-6, 7.2e-5, 4.8e-4}, {8e-6, 7e-5, 5e-4}};
constexpr double kClassBeta[3] = {4.3, 3.8, 3.3};
constexpr const char* kEnLabels[3] = {"RC3/CC3", "RC2/CC2", "RC1/CC1"};
constexpr int kCsnLabelMessages[3] = {59, 60, 131};
constexpr int kUnsatisfactoryMessage = 231;

int standardIndex(DesignStandard s) { return s == DesignStandard::Csn731401 ? 1 : 0; }

}  // namespace

double designProbability(DesignStandard standard, int classIndex) {
  return classIndex >= 1 && classIndex <= 3 ? kPd[standardIndex(standard)][classIndex - 1] : 0.0;
}

double classReliabilityIndex(int classIndex) {
  return classIndex >= 1 && classIndex <= 3 ? kClassBeta[classIndex - 1] : 0.0;
}

std::string classLabel(DesignStandard standard, int classIndex, Language language) {
  if (classIndex < 1 || classIndex > 3) return MessageText(kUnsatisfactoryMessage, language);
  if (standard == DesignStandard::En1990) return kEnLabels[classIndex - 1];
  return MessageText(kCsnLabelMessages[classIndex - 1], language);
}

double reliabilityIndex(double pf) {
  const double radicand = -std::log10(pf) / 0.198 - 1.5;
  if (radicand < 0) return -0.605;
  return std::sqrt(radicand) - 0.605;
}

int classForPf(DesignStandard standard, double pf) {
  for (int cls = 1; cls <= 3; ++cls)
    if (designProbability(standard, cls) >= pf) return cls;
  return 0;
}

FailureReading readFailureProbability(const Histogram& fs, double failureMass) {
  FailureReading r;
  const int n = binCount(fs);
  const double h = fs.step;
  const auto& p = fs.p;
  // The cumulative distribution at 0: the first bin whose lower edge lies above 0 follows the bin that
  // holds 0. A zero in the lower half of the last bin is the same case one bin further on, with the
  // missing bin n + 1 empty.
  double c = 0;
  for (int i = 1; i <= n; ++i) {
    c = c + p[i - 1];
    const double e = fs.min + (i - 1.5) * h;
    if (e > 0) {
      r.crossing = i;
      r.lowerEdge = e;
      break;
    }
  }
  if (r.crossing == 0 && n > 0 && !(fs.max < 0)) {
    r.crossing = n + 1;
    r.lowerEdge = fs.min + (n - 0.5) * h;
  }

  if (r.crossing == 1) {
    r.pf = 0;
  } else if (r.crossing > 1) {
    const double pi = r.crossing <= n ? p[r.crossing - 1] : 0.0;
    const double before = p[r.crossing - 2];
    const double cBefore = c - pi - before;
    if (failureMass > 0) {
      r.pf = failureMass;
    } else if (before == 0) {
      r.pf = cBefore;
    } else {
      r.pf = cBefore + before * (1 - r.lowerEdge / h);
    }
  } else {
    r.pf = 1;  // FS lies entirely below 0
  }
  return r;
}

AssessmentResult assessReliability(const Histogram& fs, double failureMass, DesignStandard standard,
                                   Language language) {
  AssessmentResult a;
  a.standard = standard;
  for (int c = 1; c <= 3; ++c) {
    a.classLabels[c - 1] = classLabel(standard, c, language);
    a.pd[c - 1] = designProbability(standard, c);
    a.classBeta[c - 1] = classReliabilityIndex(c);
  }
  a.failureMass = failureMass;
  a.binCount = binCount(fs);
  a.fsMin = fs.min;

  const int n = a.binCount;
  const double h = fs.step;
  const auto& p = fs.p;
  const FailureReading reading = readFailureProbability(fs, failureMass);
  a.pf = reading.pf;

  if (reading.crossing > 0) {
    a.crossingFound = true;
    a.crossingBin = reading.crossing - 1;
    a.crossingCentre =
        reading.lowerEdge - h / 2;  // the crossing bin's lower edge is the upper edge of the bin holding 0
    if (a.pf > 0) {
      a.betaFKind = BetaFKind::Value;
      a.betaF = reliabilityIndex(a.pf);
    } else {
      a.betaFKind = BetaFKind::Undefined;
    }
  } else {
    a.betaFKind = BetaFKind::Out;
  }

  a.classIndex = classForPf(standard, a.pf);
  a.verdict = classLabel(standard, a.classIndex, language);

  for (int cls = 0; cls < 3; ++cls) {
    const double pd = a.pd[cls];
    double sum = 0;
    for (int i = 1; i <= n; ++i) {
      const double previous = sum;
      sum = sum + p[i - 1];
      if (sum >= pd) {
        a.quantiles[cls] = (fs.min - h / 2) + (i - 1) * h + (pd - previous) * h / p[i - 1];
        break;
      }
    }
  }
  return a;
}

double bearingCapacityFactor(double n, double d1, double d2, double ds) {
  const double a = (d1 - d2) / 1000;
  return std::numbers::pi * n * a * a / 4 * 1000 / (ds / 1000);
}

ChainReport runBearingCapacity(ProjectState& p) {
  ChainReport report;
  // A text that is no number, or one beyond its field's range, gets its field's message first; the
  // numbers then meet the checks of their values.
  const std::pair<InputField, const std::string*> fields[] = {{InputField::D1, &p.d1},
                                                              {InputField::D2, &p.d2},
                                                              {InputField::BoltCount, &p.boltCount},
                                                              {InputField::RowSpacing, &p.rowSpacing}};
  // An empty d2 is a solid bolt; an empty ds counts as 0 (message 30).
  for (const auto& [field, text] : fields) {
    if (fieldNumber(field, *text) ||
        (text->empty() && (field == InputField::D2 || field == InputField::RowSpacing)))
      continue;
    report.messages.push_back(*fieldRefusal(field, *text));
    return report;
  }
  const double n = *fieldNumber(InputField::BoltCount, p.boltCount);
  const double d1 = *fieldNumber(InputField::D1, p.d1);
  const double d2 = fieldNumber(InputField::D2, p.d2).value_or(0);
  const double ds = fieldNumber(InputField::RowSpacing, p.rowSpacing).value_or(0);
  if (d2 > d1) return refuse(report, 29, DlgKind::Error, {}, FocusField::EdPSV);
  if (ds <= 0) return refuse(report, 30, DlgKind::Error, {}, FocusField::EdPSds);

  // A bearing capacity of no cross-section or of no bolts is a point at 0 with no width: refuse the
  // inputs with the messages of their own checks.
  auto refuseInput = [&](int number, std::string suffix, FocusField focus) -> ChainReport& {
    refuse(report, number, DlgKind::Error, {}, focus);
    report.messages.back().extra = std::move(suffix);
    return report;
  };
  if (!(n > 0)) return refuseInput(147, p.boltCount + " )\r\n", FocusField::EdPK);
  if (!(d1 > 0)) return refuseInput(146, " \"d1\" !  ( " + p.d1 + " )\r\n", FocusField::EdPS);
  if (d2 < 0) return refuseInput(146, " \" d2 \" !  ( " + p.d2 + " )\r\n", FocusField::EdPSV);
  if (d2 == d1) return refuseInput(146, " \"d2\" ( d2 >= d1 )  !  ( " + p.d2 + " )\r\n", FocusField::EdPSV);

  const double k = bearingCapacityFactor(n, d1, d2, ds);
  // SigmaR is read as the bolt load read its inputs, so that C and S of FS = C - S agree.
  std::optional<Histogram> c =
      bearingCapacityAt(readInput(p.sigmaR.histogram, p.boltLoadReading.inputs), k, report);
  if (!c) return report;
  p.bearingCapacity = *c;
  p.bearingCapacityDone = true;
  report.ok = true;
  return report;
}

std::optional<Histogram> bearingCapacityAt(const Histogram& sigmaR, double k, ChainReport& report) {
  if (!usableHistogram(sigmaR)) {
    refuse(report, kZeroWidthMessage);
    return std::nullopt;
  }
  if (!(k > 0) || !std::isfinite(k)) {
    refuse(report, kZeroWidthMessage);
    return std::nullopt;
  }
  Histogram c = sigmaR;
  ScaleHistogram(c, k);
  NormaliseHistogram(binCount(c), c);
  TrimHistogram(c);
  if (!usableHistogram(c)) {
    refuseOverflow(report);
    return std::nullopt;
  }
  return c;
}

std::optional<ReliabilityFunction> reliabilityFunction(const Histogram& c, const Histogram& s,
                                                       ChainReport& report) {
  if (!usableHistogram(s)) {
    refuse(report, kZeroWidthMessage);
    return std::nullopt;
  }
  const HistogramOpResult difference = SubtractHistograms(c, s);
  if (!difference) {
    refuseArithmetic(report, difference);
    return std::nullopt;
  }
  ReliabilityFunction r{difference.h, difference.failureMass};
  NormaliseHistogram(binCount(r.fs), r.fs);
  TrimHistogram(r.fs);
  return r;
}

ChainReport runAssessment(ProjectState& p, DesignStandard standard, Language language,
                          AssessmentResult& result) {
  ChainReport report;
  if (!p.boltLoadDone) return refuse(report, 54);
  if (p.d1.empty()) return refuse(report, 55, DlgKind::Error, {}, FocusField::EdPS);
  if (p.boltCount.empty()) return refuse(report, 56, DlgKind::Error, {}, FocusField::EdPK);
  if (missingInput(p.sigmaR)) return refuseMissing(report, p.sigmaR, 57, {}, "\r\n");
  report = runBearingCapacity(p);
  if (!report.ok) return report;
  report.ok = false;
  const std::optional<ReliabilityFunction> r = reliabilityFunction(p.bearingCapacity, p.boltLoad, report);
  if (!r) return report;

  result = assessReliability(r->fs, r->failureMass, standard, language);
  p.reliabilityFunction = r->fs;
  p.failureMass = r->failureMass;
  p.failureProbability = result.pf;
  p.assessmentDone = true;
  report.ok = true;
  return report;
}
