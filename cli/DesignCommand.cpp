// veltra-cli design: the bearing-capacity factor a target class needs and the lightest bolt pattern of
// given ranges that reaches it.

#include "DesignCommand.h"

#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "Arguments.h"
#include "Json.h"
#include "ProjectLoad.h"
#include "commandline/ChainOptions.h"
#include "design/PatternDesign.h"
#include "io/AtomicFile.h"
#include "persistence/AssessFile.h"
#include "shell/Messages.h"

namespace {

constexpr const char* kUsage =
    "usage: veltra-cli design PROJECT.hor [--histograms DIR] [--ds MM] [--standard 0|1] [--target 1|2|3]\n"
    "                         [--n LIST] [--d1 LIST] [--ds-range MIN:MAX:STEP] [--csv FILE]\n"
    "                         [--pair-values centres|upper-edges] [--input-reading uniform|centres]\n"
    "                         [--lang cs|en]\n";

struct Options {
  std::string file;
  ChainOptions chain;
  int target = 2;
  std::optional<std::string> n, d1, dsRange, csv;
};

// The options as read; nullopt after a refused argument (reported on standard error).
std::optional<Options> parse(int argc, char* argv[]) {
  const auto a = cli::readArguments(argc, argv, 2, "design", kUsage);
  if (!a) return std::nullopt;
  Options o;
  o.file = a->positional[0];
  o.chain = chainOptionsOf(*a);
  if (const auto t = a->text("--target")) o.target = (*t)[0] - '0';
  o.n = a->text("--n");
  o.d1 = a->text("--d1");
  o.dsRange = a->text("--ds-range");
  o.csv = a->text("--csv");
  return o;
}

// The ranges of the options over the defaults; a refusal when a text does not read.
std::optional<Refusal> readRanges(const Options& o, double d2, design::PatternRanges& ranges) {
  if (o.n) {
    const auto n = design::parseBoltCounts(*o.n);
    if (!n) return design::badBoltCounts(*o.n);
    ranges.n = *n;
  }
  if (o.d1) {
    const auto d1 = design::parseDiameters(*o.d1);
    if (!d1) return design::badDiameters(*o.d1, d2);
    ranges.d1 = *d1;
  }
  if (o.dsRange) {
    const auto ds = design::parseSpacingRange(*o.dsRange);
    if (!ds) return design::badSpacingRange(*o.dsRange);
    ranges.ds = *ds;
  }
  return design::checkRanges(ranges, d2);
}

cli::Json patternJson(const design::PatternRow& r) {
  cli::Json j;
  j["n"] = r.n;
  j["d1"] = r.d1;
  j["d2"] = r.d2;
  j["ds"] = r.ds;
  j["k"] = r.k;
  j["pf"] = r.pf;
  j["classIndex"] = r.classIndex;
  j["steel"] = r.steel;
  return j;
}

cli::Json patternJson(const std::optional<design::PatternRow>& r) {
  return r ? patternJson(*r) : cli::Json(nullptr);
}

// The project's own pattern, assessed as `assess` assesses it; null when the project's bolt inputs do
// not allow an assessment.
cli::Json currentJson(const ProjectState& project, const ChainOptions& c, std::optional<double>& k) {
  ProjectState p = project;
  AssessmentResult a;
  if (!runAssessment(p, c.standard, c.language, a).ok) return nullptr;
  cli::Json j;
  j["n"] = leadingNumber(p.boltCount);
  j["d1"] = leadingNumber(p.d1);
  j["d2"] = leadingNumber(p.d2);
  j["ds"] = leadingNumber(p.rowSpacing);
  k = bearingCapacityFactor(leadingNumber(p.boltCount), leadingNumber(p.d1), leadingNumber(p.d2),
                            leadingNumber(p.rowSpacing));
  j["k"] = *k;
  j["pf"] = a.pf;
  j["classIndex"] = a.classIndex;
  return j;
}

}  // namespace

int runDesignCommand(int argc, char* argv[]) {
  const auto parsed = parse(argc, argv);
  if (!parsed) return 2;
  const Options& o = *parsed;
  const ChainOptions& c = o.chain;
  const Language lang = c.language;
  const AssessedFile chain = runFileChain(o.file, cli::histogramsFolder(c.histograms), c.ds, lang, c.reading);
  if (!chain.ok) return cli::refuse(chain.message, chain.text);
  ChainReport report;
  const auto basis = design::designBasis(chain.project, report);
  if (!basis) return cli::refuse(report.messages.front(), lang);

  design::DesignRequest request;
  request.target = o.target;
  request.standard = c.standard;
  if (const auto refused = readRanges(o, basis->d2, request.ranges)) return cli::refuse(*refused, lang);
  const design::DesignResult d = design::runDesign(*basis, request);
  if (!d.ok) {
    if (d.report.messages.empty()) return cli::refuse(0, MessageText(0, lang));
    return cli::refuse(d.report.messages.front(), lang);
  }

  if (o.csv) {
    if (WriteRefusal why; !writeFileAtomically(*o.csv, design::patternTableCsv(d.patterns), &why))
      return cli::refuse(27, MessageText(27, lang) + *o.csv + "\r\n\r\n" + why.text(lang));
  }

  using Status = design::RequiredFactor::Status;
  const bool found = d.required.status == Status::Found;
  cli::Json j;
  j["target"] = d.target;
  j["pd"] = d.pd;
  j["kRequired"] = found                                        ? cli::Json(d.required.k)
                   : d.required.status == Status::AlwaysReached ? cli::Json(0.0)
                                                                : cli::Json(nullptr);
  j["pfAtKRequired"] = found ? cli::Json(d.required.pf) : cli::Json(nullptr);
  std::optional<double> currentK;
  j["current"] = currentJson(chain.project, c, currentK);
  j["margin"] = found && currentK ? cli::Json(*currentK / d.required.k) : cli::Json(nullptr);
  j["boltLength"] = d.boltLength;
  if (!chain.isResults) j["pairValues"] = std::string(pairValuesName(c.reading.values));
  j["inputReading"] = std::string(inputReadingName(chain.project.boltLoadReading.inputs));
  cli::Json rows = cli::Json::array();
  for (const design::PatternRow& r : d.patterns) rows.push_back(patternJson(r));
  j["patterns"] = std::move(rows);
  j["lightest"] = patternJson(d.lightest);
  if (!d.lightest) {
    j["bestReachable"] = patternJson(d.bestReachable);
    const Refusal m = design::nothingReaches(d.target, classLabel(c.standard, d.target, lang));
    cli::Json w;
    w["message"] = m.message;
    w["text"] = m.text(lang);
    j["warning"] = std::move(w);
  }
  cli::printJson(j);
  return 0;
}
