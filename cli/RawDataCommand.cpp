// veltra-cli rawdata ...: statistics and histogram of a raw data file.

#include "RawDataCommand.h"

#include <algorithm>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "FileArguments.h"
#include "Json.h"
#include "creation/RawData.h"
#include "ralvex/Ralvex.h"

namespace {

constexpr const char* kUsage =
    "usage: veltra-cli rawdata FILE.txt [--intervals N] [--min X] [--max Y] [--lang cs|en]\n";

struct Options {
  std::string file;
  std::optional<std::string> intervals, min, max;
  Language language = Language::Czech;
};

bool parseOptions(int argc, char* argv[], Options& o) {
  return readFileArguments(argc, argv, {{"--intervals", &o.intervals}, {"--min", &o.min}, {"--max", &o.max}},
                           o.file, o.language);
}

int refuse(const RawDataError& e, Language language) { return cli::refuse(e.message, e.text(language)); }

}  // namespace

int runRawDataCommand(int argc, char* argv[]) {
  Options o;
  if (!parseOptions(argc, argv, o)) {
    std::cerr << kUsage;
    return 2;
  }
  RawDataError error;
  auto x = ReadRawDataFile(o.file, error);
  if (!x) return refuse(error, o.language);
  SortRawValues(*x);
  const RawStatistics s = ComputeRawStatistics(*x);

  int N = 128;
  std::optional<RawDataError> warning;
  if (o.intervals) {
    const FieldCheck c = CheckIntervalCount(*o.intervals, s.n, N);
    if (!c.ok) return refuse(*c.error, o.language);
    warning = c.warning;
  }
  double Min = x->front(), Max = x->back();
  if (o.min) {
    const FieldCheck c = CheckLimit(*o.min, true, Max, Min);
    if (!c.ok) return refuse(*c.error, o.language);
  }
  if (o.max) {
    const FieldCheck c = CheckLimit(*o.max, false, Min, Max);
    if (!c.ok) return refuse(*c.error, o.language);
  }
  const auto h = RawDataHistogram(*x, N, Min, Max);
  if (!h) {
    const RawDataError e = Min < Max ? RawDataError::own("Rozsah MinX .. MaxX je příliš velký !",
                                                         "The range MinX .. MaxX is too large !")
                                     : RawDataError::own("MinX >= MaxX !", "MinX >= MaxX !");
    return refuse(e, o.language);
  }
  std::string text;
  const double median = ralvex::VypMedian(true, h->p, h->min, h->max, N, text);
  const double mode = ralvex::VypMode(h->p, N, h->min, h->max, text);

  cli::Json j;
  j["count"] = s.n;
  j["mean"] = s.mean;
  j["standardDeviation"] = s.standardDeviation;
  j["skewness"] = s.skewness;
  j["histogram"] = cli::histogramJson(*h);
  j["median"] = median;
  j["mode"] = mode;
  if (warning) j["warning"] = cli::errorJson(warning->message, warning->text(o.language))["error"];
  cli::printJson(j);
  return 0;
}
