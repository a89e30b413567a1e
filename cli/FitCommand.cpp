// veltra-cli fit ...: fits the parametric distribution types to a raw data file.

#include "FitCommand.h"

#include <algorithm>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "Arguments.h"
#include "Json.h"
#include "RawDataLoad.h"
#include "creation/Fitting.h"
#include "creation/RawData.h"
#include "shell/Messages.h"

namespace {

constexpr const char* kUsage = "usage: veltra-cli fit FILE.txt [--intervals N] [--eps E] [--lang cs|en]\n";

struct Options {
  std::string file;
  std::optional<std::string> intervals, eps;
  Language language = Language::Czech;
};

std::optional<Options> parseOptions(int argc, char* argv[]) {
  const auto a = cli::readArguments(argc, argv, 2, "fit", kUsage);
  if (!a) return std::nullopt;
  return Options{a->positional[0], a->text("--intervals"), a->text("--eps"), cli::languageOf(*a)};
}

// A field as a number; null for a blank or undefined one.
cli::Json number(const FitRow& row, int field) {
  const auto v = FieldValue(row.field[static_cast<size_t>(field)]);
  return v ? cli::Json(*v) : cli::Json(nullptr);
}

}  // namespace

int runFitCommand(int argc, char* argv[]) {
  const auto parsed = parseOptions(argc, argv);
  if (!parsed) return 2;
  const Options& o = *parsed;
  LoadedRawData d;
  if (const auto refused = loadRawData(o.file, o.intervals, o.language, d)) return *refused;
  const RawStatistics& s = d.statistics;
  const int N = d.intervals;
  double eps = 1e-7;
  if (o.eps) {
    const FieldCheck c = CheckEps(*o.eps, eps);
    if (!c.ok) return cli::refuse(*c.error, o.language);
  }
  const auto h = RawDataHistogram(d.x, N, d.x.front(), d.x.back());
  if (!h) return cli::refuse(HistogramLimitsError(d.x.front(), d.x.back()), o.language);

  const FitResult r = FitDistributions({d.x, s, *h, eps}, o.language);
  const std::string failed = FitFailureWarning(r, o.language);
  if (!r.anySuitable())
    return cli::refuse(110, MessageText(110, o.language) + (failed.empty() ? "" : "\r\n\r\n" + failed));

  cli::Json fits = cli::Json::array();
  for (int type : r.ranking) {
    const double t = r.tesnost[static_cast<size_t>(type)];
    if (!(t > 0)) break;
    const auto row =
        std::find_if(r.rows.begin(), r.rows.end(), [&](const FitRow& f) { return f.type == type; });
    if (row == r.rows.end()) continue;
    cli::Json f;
    f["type"] = type;
    f["name"] = DistributionTypeName(type, o.language);
    f["tesnost"] = t;
    f["parameters"] = row->field[kFieldParameters];
    f["median"] = number(*row, kFieldMedian);
    f["mode"] = number(*row, kFieldMode);
    f["mean"] = number(*row, kFieldMean);
    f["dispersion"] = number(*row, kFieldDispersion);
    f["standardDeviation"] = number(*row, kFieldStandardDeviation);
    f["variation"] = number(*row, kFieldVariation);
    f["skewness"] = number(*row, kFieldSkewness);
    f["kurtosis"] = number(*row, kFieldKurtosis);
    f["ks"] = number(*row, kFieldKs);
    f["ksPValue"] = number(*row, kFieldKsPValue);
    f["ad"] = number(*row, kFieldAd);
    fits.push_back(std::move(f));
  }
  cli::Json j;
  j["fits"] = std::move(fits);
  if (!failed.empty()) {
    cli::Json left = cli::Json::array();
    for (const FitFailure& f : r.failures)
      left.push_back({{"type", f.type},
                      {"name", DistributionTypeName(f.type, o.language)},
                      {"message", f.fault.message}});
    j["failed"] = std::move(left);
    j["warnings"] = cli::Json::array({failed});
  }
  cli::printJson(j);
  return 0;
}
