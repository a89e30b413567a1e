// veltra-cli assess: the whole chain on a project file, or the assessment of a results file.

#include "AssessCommand.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "Arguments.h"
#include "Json.h"
#include "ProjectLoad.h"
#include "commandline/ChainOptions.h"
#include "histogram/HistogramFile.h"
#include "persistence/AssessFile.h"
#include "reliability/Assessment.h"
#include "reliability/BoltLength.h"
#include "reliability/BoltLoad.h"
#include "reliability/InputChecks.h"
#include "reliability/ReducedStrength.h"
#include "rmr/RmrTables.h"
#include "shell/Messages.h"
#include "verification/ChainVariants.h"
#include "verification/MonteCarlo.h"
#include "verification/PointModel.h"

namespace {

constexpr const char* kUsage =
    "usage: veltra-cli assess PROJECT.hor [--histograms DIR] [--ds MM] [--standard 0|1] [--lang cs|en]\n"
    "                         [--pair-values centres|upper-edges] [--input-reading uniform|centres]\n"
    "                         [--verify [--samples N] [--cov C] [--seed S]]\n"
    "       veltra-cli assess RESULTS.Vys [--standard 0|1] [--lang cs|en] [--verify ...]\n";

struct Options {
  std::string file;
  ChainOptions chain;
  bool verify = false;
  verification::MonteCarloOptions monteCarlo;
};

// The options as read; nullopt after a refused argument (reported on standard error).
std::optional<Options> parse(int argc, char* argv[]) {
  const auto a = cli::readArguments(argc, argv, 2, "assess", kUsage);
  if (!a) return std::nullopt;
  Options o;
  o.file = a->positional[0];
  o.chain = chainOptionsOf(*a);
  o.verify = a->has("--verify");
  o.monteCarlo.maxSamples =
      static_cast<std::int64_t>(a->whole("--samples", static_cast<std::uint64_t>(o.monteCarlo.maxSamples)));
  o.monteCarlo.targetCov = a->real("--cov", o.monteCarlo.targetCov);
  o.monteCarlo.seed = a->whole("--seed", o.monteCarlo.seed);
  return o;
}

cli::Json number(std::optional<double> v) { return v ? cli::Json(*v) : cli::Json(nullptr); }

cli::Json assessmentJson(const ProjectState& p, const AssessmentResult& a) {
  cli::Json j;
  j["bStar"] = p.bStar;
  j["beta"] = p.betaValue > 0 ? cli::Json(p.betaValue) : cli::Json(parseInputNumber(p.beta).value_or(0));
  j["m1"] = parseInputNumber(p.layers[0].thickness).value_or(0);
  j["reducedStrength"] = cli::histogramJson(p.reducedStrength);
  j["boltLength"] = cli::histogramJson(p.boltLength);
  j["boltLoad"] = cli::histogramJson(p.boltLoad);
  j["bearingCapacity"] = cli::histogramJson(p.bearingCapacity);
  j["reliabilityFunction"] = cli::histogramJson(p.reliabilityFunction);
  j["failureMass"] = a.failureMass;
  j["pf"] = a.pf;
  j["betaF"] = a.betaFKind == BetaFKind::Value ? cli::Json(a.betaF) : cli::Json(nullptr);
  j["classIndex"] = a.classIndex;
  j["verdict"] = a.verdict;
  cli::Json q = cli::Json::array();
  for (const auto& v : a.quantiles) q.push_back(number(v));
  j["quantiles"] = std::move(q);
  return j;
}

cli::Json estimateJson(const verification::PfEstimate& e) {
  cli::Json j;
  j["samples"] = e.samples;
  j["pf"] = e.pf;
  j["cov"] = std::isfinite(e.cov) ? cli::Json(e.cov) : cli::Json(nullptr);
  j["ci95"] = cli::Json::array({e.lo95, e.hi95});
  return j;
}

// The cross-checks of the chain's Pf: Monte Carlo on the point model, the chain on coarsened inputs
// and the sensitivity to each input. Nonzero when the project lacks what the point model needs.
int addVerification(cli::Json& j, const ProjectState& p, double chainPf, const Options& o) {
  const Language language = o.chain.language;
  std::string problem;
  const auto model = verification::pointModelFromProject(p, &problem);
  if (!model)
    return cli::refuse(
        0, (language == Language::English ? "The check can not be done: " : "Ověření  n e l z e  provést: ") +
               problem);
  const verification::MonteCarloResult mc = verification::runMonteCarlo(*model, o.monteCarlo);
  cli::Json m;
  m["centres"] = estimateJson(mc.centres);
  m["uniform"] = estimateJson(mc.uniform);
  m["seconds"] = mc.seconds;
  m["seed"] = o.monteCarlo.seed;
  m["timedOut"] = mc.timedOut;
  m["chainInsideCentres"] = verification::inside(mc.centres, chainPf);
  m["chainInsideUniform"] = verification::inside(mc.uniform, chainPf);
  j["monteCarlo"] = std::move(m);
  // The reading the chain's Pf was made with (a results file: that of its stored S).
  const ChainReading reading = p.boltLoadReading;
  cli::Json bins;
  for (int n : {64, 128}) bins[std::to_string(n)] = number(verification::chainPfWithBins(p, n, reading));
  bins["256"] = chainPf;
  for (int n : {16, 64, 256})
    bins["refine" + std::to_string(n)] = number(verification::chainPfSplit(p, n, reading.values));
  j["pfByBins"] = std::move(bins);
  verification::SensitivityOptions so;
  so.reading = reading;
  cli::Json rows = cli::Json::array();
  for (const auto& r : verification::sensitivity(p, *model, so)) {
    cli::Json row;
    row["input"] = r.key;
    row["file"] = r.file;
    row["pf05"] = number(std::isnan(r.pf05) ? std::nullopt : std::optional(r.pf05));
    row["pf50"] = number(std::isnan(r.pf50) ? std::nullopt : std::optional(r.pf50));
    row["pf95"] = number(std::isnan(r.pf95) ? std::nullopt : std::optional(r.pf95));
    rows.push_back(std::move(row));
  }
  j["sensitivity"] = std::move(rows);
  return 0;
}

}  // namespace

int runAssessCommand(int argc, char* argv[]) {
  const auto parsed = parse(argc, argv);
  if (!parsed) return 2;
  const Options& o = *parsed;
  const ChainOptions& c = o.chain;
  const AssessedFile r =
      assessFile(o.file, cli::histogramsFolder(c.histograms), c.ds, c.standard, c.language, c.reading);
  if (!r.ok) return cli::refuse(r.message, r.text);
  cli::Json j = assessmentJson(r.project, r.assessment);
  if (!r.isResults) j["pairValues"] = std::string(pairValuesName(c.reading.values));
  // A results file is assessed again as its stored S was made, when a reading makes it again.
  j["inputReading"] = std::string(inputReadingName(r.project.boltLoadReading.inputs));
  if (r.isResults) j["storedReadingKnown"] = r.project.boltLoadReadingKnown;
  if (!r.warnings.empty()) j["warnings"] = r.warnings;
  if (o.verify)
    if (const int status = addVerification(j, r.project, r.assessment.pf, o)) return status;
  cli::printJson(j);
  return 0;
}
