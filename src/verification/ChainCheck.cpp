#include "verification/ChainCheck.h"

#include "verification/PointModel.h"

namespace verification {

bool ChainCheck::chainInsideOwnReading() const {
  return inside(matchingEstimate(monteCarlo, reading.inputs), chainPf);
}

bool ChainCheck::madeFor(const ProjectState& p) const {
  return p.assessmentDone && p.reliabilityFunction == reliabilityFunction && p.failureMass == failureMass &&
         p.failureProbability == chainPf;
}

std::optional<ChainCheck> checkChain(const ProjectState& project, const ChainCheckOptions& o,
                                     std::string* problem) {
  const auto model = pointModelFromProject(project, problem);
  if (!model) return std::nullopt;
  ChainCheck check;
  check.chainPf = project.failureProbability;
  check.seed = o.monteCarlo.seed;
  check.reading = project.boltLoadReading;
  check.kFile = project.k.name;
  check.reliabilityFunction = project.reliabilityFunction;
  check.failureMass = project.failureMass;
  auto cancelled = [&] { return o.cancel && o.cancel->load(); };
  auto report = [&](CheckStep step, std::int64_t done, std::int64_t total) {
    if (o.progress) o.progress(step, done, total);
  };

  MonteCarloOptions mc = o.monteCarlo;
  mc.cancel = o.cancel;
  mc.progress = [&](std::int64_t done, std::int64_t expected) {
    report(CheckStep::MonteCarlo, done, expected);
  };
  check.monteCarlo = runMonteCarlo(*model, mc);
  if (check.monteCarlo.cancelled || cancelled()) {
    check.cancelled = true;
    return check;
  }

  const int bands = static_cast<int>(std::size(kBandBins));
  for (int i = 0; i < bands; ++i) {
    report(CheckStep::Band, i, bands);
    check.band.push_back(chainPfWithBins(project, kBandBins[i], check.reading, o.monteCarlo.threads));
    if (cancelled()) {
      check.cancelled = true;
      return check;
    }
  }

  SensitivityOptions so;
  so.reading = check.reading;
  so.threads = o.monteCarlo.threads;
  so.cancel = o.cancel;
  so.progress = [&](int done, int total) { report(CheckStep::Sensitivity, done, total); };
  check.sensitivity = sensitivity(project, *model, so);
  check.cancelled = cancelled();
  return check;
}

}  // namespace verification
