// veltra-cli assess: the whole chain on a project file, or the assessment of a results file.

#include "AssessCommand.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "Json.h"
#include "persistence/AssessFile.h"
#include "reliability/Assessment.h"

namespace {

constexpr const char* kUsage =
    "usage: veltra-cli assess PROJECT.hor [--histograms DIR] [--ds MM] [--standard 0|1] [--lang cs|en]\n"
    "       veltra-cli assess RESULTS.Vys [--standard 0|1] [--lang cs|en]\n";

struct Options {
  std::string file;
  std::optional<std::string> histograms;
  std::string ds = "1000";
  DesignStandard standard = DesignStandard::En1990;
  Language language = Language::Czech;
};

bool parse(int argc, char* argv[], Options& o) {
  for (int i = 2; i < argc; ++i) {
    const std::string_view a = argv[i];
    const bool hasValue = i + 1 < argc;
    if (a == "--histograms" && hasValue) {
      o.histograms = argv[++i];
    } else if (a == "--ds" && hasValue) {
      o.ds = argv[++i];
    } else if (a == "--standard" && hasValue) {
      const std::string_view s = argv[++i];
      if (s != "0" && s != "1") return false;
      o.standard = s == "1" ? DesignStandard::Csn731401 : DesignStandard::En1990;
    } else if (a == "--lang" && hasValue) {
      const std::string_view l = argv[++i];
      if (l != "cs" && l != "en") return false;
      o.language = l == "en" ? Language::English : Language::Czech;
    } else if (o.file.empty() && !a.starts_with("--")) {
      o.file = std::string(a);
    } else {
      return false;
    }
  }
  return !o.file.empty();
}

// The user's documents folder: $XDG_DOCUMENTS_DIR, then xdg-user-dir, then ~/Documents. xdg-user-dir
// answers the home folder itself when no documents folder is configured; the program then uses
// ~/Documents, and so does this.
std::string documentsFolder() {
  const char* homeEnv = std::getenv("HOME");
  std::string home = homeEnv ? homeEnv : "";
  while (home.size() > 1 && home.back() == '/') home.pop_back();
  if (const char* x = std::getenv("XDG_DOCUMENTS_DIR"); x && *x) return x;
  if (FILE* p = popen("xdg-user-dir DOCUMENTS 2>/dev/null", "r")) {
    char buf[4096];
    std::string out;
    while (fgets(buf, sizeof buf, p)) out += buf;
    pclose(p);
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
    while (out.size() > 1 && out.back() == '/') out.pop_back();
    if (!out.empty() && out != home) return out;
  }
  return home + "/Documents";
}

cli::Json number(std::optional<double> v) { return v ? cli::Json(*v) : cli::Json(nullptr); }

cli::Json assessmentJson(const ProjectState& p, const AssessmentResult& a) {
  cli::Json j;
  j["bStar"] = p.bStar;
  j["beta"] = p.betaValue > 0 ? cli::Json(p.betaValue) : cli::Json(leadingNumber(p.beta));
  j["m1"] = leadingNumber(p.layers[0].thickness);
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

}  // namespace

int runAssessCommand(int argc, char* argv[]) {
  Options o;
  if (!parse(argc, argv, o)) {
    std::cerr << kUsage;
    return 2;
  }
  const std::string folder = o.histograms ? *o.histograms : documentsFolder() + "/Veltra/Histograms";
  const AssessedFile r = assessFile(o.file, folder, o.ds, o.standard, o.language);
  if (!r.ok) return cli::refuse(r.message, r.text);
  const ProjectState& p = r.project;
  const AssessmentResult& a = r.assessment;
  cli::printJson(assessmentJson(p, a));
  return 0;
}
