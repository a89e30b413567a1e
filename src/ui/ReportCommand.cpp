// The assessment report from the command line, without a display.

#include "ui/ReportCommand.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

#include "persistence/AssessFile.h"
#include "ralvex/Ralvex.h"
#include "ui/AssessmentReport.h"

namespace {

constexpr const char* kUsage =
    "usage: veltra --report PROJECT.hor|RESULTS.Vys [--histograms DIR] -o FILE.pdf [--lang cs|en]\n";

struct Options {
  std::string file;
  std::optional<std::string> histograms;
  std::string output;
  Language language = Language::Czech;
};

bool parse(int argc, char* argv[], Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view a = argv[i];
    const bool hasValue = i + 1 < argc;
    if (a == "--report" && hasValue && o.file.empty()) {
      o.file = argv[++i];
    } else if (a == "--histograms" && hasValue) {
      o.histograms = argv[++i];
    } else if ((a == "-o" || a == "--output") && hasValue) {
      o.output = argv[++i];
    } else if (a == "--lang" && hasValue) {
      const std::string_view l = argv[++i];
      if (l != "cs" && l != "en") return false;
      o.language = l == "en" ? Language::English : Language::Czech;
    } else {
      return false;
    }
  }
  return !o.file.empty() && !o.output.empty();
}

int refuse(int message, const std::string& text) {
  nlohmann::json j;
  j["error"] = {{"message", message}, {"text", text}};
  std::cout << j.dump() << '\n';
  return 1;
}

}  // namespace

bool isReportCommand(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--report") == 0) return true;
  return false;
}

int runReportCommand(int argc, char* argv[]) {
  Options o;
  if (!parse(argc, argv, o)) {
    std::cerr << kUsage;
    return 2;
  }
  const Language lang = o.language;
  ralvex::DodejDoMessage(lang == Language::Czech);
  // The histograms folder of the program: the documents folder + /Veltra/Histograms.
  const std::string folder =
      o.histograms ? *o.histograms
                   : QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString() +
                         "/Veltra/Histograms";
  const AssessedFile r = assessFile(o.file, folder, "1000", DesignStandard::En1990, lang);
  if (!r.ok) return refuse(r.message, r.text);

  ReportHeader header;
  header.projectName = r.isResults && !r.project.resultsName.empty()
                           ? r.project.resultsName
                           : std::filesystem::path(o.file).stem().string();
  header.date = reportDateNow(lang);
  header.version = ralvex::Verze(QCoreApplication::applicationFilePath().toStdString());
  header.histogramsFolder = folder;
  std::string error;
  if (!writeAssessmentReport(o.output, r.project, header, lang, &error))
    return refuse(27, ralvex::Msg(27) + o.output + (error.empty() ? "" : " (" + error + ")"));

  nlohmann::json j;
  j["report"] = o.output;
  j["pages"] = assessmentReportPageCount(r.project);
  j["pf"] = r.assessment.pf;
  j["verdict"] = r.assessment.verdict;
  std::cout << j.dump() << '\n';
  return 0;
}
