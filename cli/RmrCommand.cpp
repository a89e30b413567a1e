// veltra-cli rmr: the RMR histogram and the rock mass class of a project.

#include "RmrCommand.h"

#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "Arguments.h"
#include "Json.h"
#include "ProjectLoad.h"
#include "commandline/ChainOptions.h"
#include "io/AtomicFile.h"
#include "io/FileRead.h"
#include "reliability/ReducedStrength.h"
#include "rmr/RmrRating.h"
#include "shell/Messages.h"
#include "shell/Refusal.h"

namespace {

constexpr const char* kUsage =
    "usage: veltra-cli rmr PROJECT.hor [--histograms DIR] [--lang cs|en] [--input-reading uniform|centres]\n";

}  // namespace

int runRmrCommand(int argc, char* argv[]) {
  const auto args = cli::readArguments(argc, argv, 2, "rmr", kUsage);
  if (!args) return 2;
  const std::string file = args->positional[0];
  const ChainOptions options = chainOptionsOf(*args);
  const Language lang = options.language;

  std::string bytes;
  if (const auto refused = readWholeFile(file, FileKind::Project, bytes)) {
    const Refusal e = fileNotRead(*refused);
    return cli::refuse(e.message, e.text(lang) + (e.message == 34 ? " ( " + file + " )" : ""));
  }
  ProjectState p;
  RmrTables tables;
  if (const auto refused =
          cli::openProject(bytes, cli::histogramsFolder(options.histograms), lang, p, tables))
    return *refused;

  // R as the main window computes it; without it the window does not open (message 151).
  if (const ChainReport r = runReducedStrength(p, options.reading.inputs); !r.ok) {
    std::string text = MessageText(151, lang);
    if (!r.messages.empty()) text += "\r\n\r\n" + r.messages.front().text(lang);
    return cli::refuse(151, text);
  }
  const auto a = strengthRatingHistogram(p.reducedStrength);
  if (!a) return cli::refuse(strengthRatingRefusal(), lang);

  const RmrOutcome o = createRmr(tables, *a);
  if (!o.report.ok) return cli::refuse(o.report.messages.front(), lang);

  cli::Json j;
  j["sum"] = o.sum;
  j["d"] = o.d;
  j["median"] = o.median;
  j["classIndex"] = o.classIndex;
  j["class"] = std::string(classNumeral(o.classIndex));
  j["rmrText"] = o.rmrText;
  j["a"] = cli::histogramJson(*a);
  j["rmr"] = cli::histogramJson(o.rmr);
  j["inputReading"] = std::string(inputReadingName(options.reading.inputs));
  cli::printJson(j);
  return 0;
}
