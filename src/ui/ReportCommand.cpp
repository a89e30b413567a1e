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
#include <vector>

#include "commandline/ChainOptions.h"
#include "persistence/AssessFile.h"
#include "shell/Language.h"
#include "shell/Messages.h"
#include "shell/Version.h"
#include "ui/AssessmentReport.h"

namespace {

constexpr const char* kUsage =
    "usage: veltra --report PROJECT.hor|RESULTS.Vys [--histograms DIR] -o FILE.pdf [--lang cs|en]\n"
    "                       [--pair-values centres|upper-edges] [--input-reading uniform|centres]\n"
    "                       [--author NAME]\n";

struct Options {
  std::string file;
  std::string output;
  std::string author;
  ChainOptions chain;
};

// The options as read; nullopt (with the refused argument on standard error) when they do not read or
// name no file or no output.
std::optional<Options> parse(int argc, char* argv[]) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const ParsedOptions a = parseCommandOptions(args, *commandSyntax("--report"));
  if (!a.ok()) {
    std::cerr << "veltra --report: " << a.error << '\n';
    return std::nullopt;
  }
  Options o;
  o.file = a.text("--report").value_or("");
  o.output = a.text("-o").value_or(a.text("--output").value_or(""));
  o.author = a.text("--author").value_or("");
  o.chain = chainOptionsOf(a);
  if (o.file.empty() || o.output.empty()) return std::nullopt;
  return o;
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
  const auto parsed = parse(argc, argv);
  if (!parsed) {
    std::cerr << kUsage;
    return 2;
  }
  const Options& o = *parsed;
  const Language lang = o.chain.language;
  // The histograms folder of the program: the documents folder + /Veltra/Histograms.
  const std::string folder =
      o.chain.histograms ? *o.chain.histograms
                         : QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString() +
                               "/Veltra/Histograms";
  const AssessedFile r = assessFile(o.file, folder, "1000", DesignStandard::En1990, lang, o.chain.reading);
  if (!r.ok) return refuse(r.message, r.text);

  ReportHeader header;
  header.projectName = r.isResults && !r.project.resultsName.empty()
                           ? r.project.resultsName
                           : std::filesystem::path(o.file).stem().string();
  header.date = reportDateNow(lang);
  header.version = programVersionText(QCoreApplication::applicationFilePath().toStdString());
  std::error_code ec;
  const std::string file = std::filesystem::absolute(o.file, ec).string();
  (r.isResults ? header.resultsFile : header.projectFile) = file;
  header.author = o.author;
  header.rmr = &r.rmr;
  header.histogramsFolder = folder;
  std::string error;
  if (!writeAssessmentReport(o.output, r.project, header, lang, &error))
    return refuse(27, MessageText(27, lang) + o.output + (error.empty() ? "" : " (" + error + ")"));

  nlohmann::json j;
  j["report"] = o.output;
  j["pages"] = assessmentReportPageCount(r.project);
  j["pf"] = r.assessment.pf;
  j["verdict"] = r.assessment.verdict;
  std::cout << j.dump() << '\n';
  return 0;
}
