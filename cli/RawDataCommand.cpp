// veltra-cli rawdata ...: statistics and histogram of a raw data file.

#include "RawDataCommand.h"

#include <algorithm>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "Arguments.h"
#include "Json.h"
#include "RawDataLoad.h"
#include "creation/RawData.h"
#include "histogram/Statistics.h"

namespace {

constexpr const char* kUsage =
    "usage: veltra-cli rawdata FILE.txt [--intervals N] [--min X] [--max Y] [--lang cs|en]\n";

struct Options {
  std::string file;
  std::optional<std::string> intervals, min, max;
  Language language = Language::Czech;
};

std::optional<Options> parseOptions(int argc, char* argv[]) {
  const auto a = cli::readArguments(argc, argv, 2, "rawdata", kUsage);
  if (!a) return std::nullopt;
  return Options{a->positional[0], a->text("--intervals"), a->text("--min"), a->text("--max"),
                 cli::languageOf(*a)};
}

}  // namespace

int runRawDataCommand(int argc, char* argv[]) {
  const auto parsed = parseOptions(argc, argv);
  if (!parsed) return 2;
  const Options& o = *parsed;
  LoadedRawData d;
  if (const auto refused = loadRawData(o.file, o.intervals, o.language, d)) return *refused;
  const RawStatistics& s = d.statistics;
  const int N = d.intervals;
  double Min = d.x.front(), Max = d.x.back();
  if (o.min) {
    const FieldCheck c = CheckLimit(*o.min, true, Max, Min);
    if (!c.ok) return cli::refuse(*c.error, o.language);
  }
  if (o.max) {
    const FieldCheck c = CheckLimit(*o.max, false, Min, Max);
    if (!c.ok) return cli::refuse(*c.error, o.language);
  }
  const auto h = RawDataHistogram(d.x, N, Min, Max);
  if (!h) return cli::refuse(HistogramLimitsError(Min, Max), o.language);
  std::string text;
  const double median = binMedian(true, h->p, h->min, h->max, N, text);
  const double mode = binMode(h->p, N, h->min, h->max, text);

  cli::Json j;
  j["count"] = s.n;
  j["mean"] = s.mean;
  j["standardDeviation"] = s.standardDeviation;
  j["skewness"] = s.skewness;
  j["histogram"] = cli::histogramJson(*h);
  j["median"] = median;
  j["mode"] = mode;
  if (d.intervalWarning)
    j["warning"] = cli::errorJson(d.intervalWarning->message, d.intervalWarning->text(o.language))["error"];
  cli::printJson(j);
  return 0;
}
