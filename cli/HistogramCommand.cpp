// veltra-cli histogram ...: reads, combines and describes histogram files.

#include "HistogramCommand.h"

#include <cmath>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Arguments.h"
#include "Json.h"
#include "histogram/Histogram.h"
#include "histogram/HistogramArithmetic.h"
#include "histogram/HistogramCharacteristics.h"
#include "histogram/HistogramFile.h"
#include "shell/NumberText.h"

namespace {

constexpr const char* kUsage =
    "usage: veltra-cli histogram read FILE.dis [--lang cs|en]\n"
    "       veltra-cli histogram add|sub|mul A.dis B.dis [-o OUT.dis] [--lang cs|en]\n"
    "       veltra-cli histogram scale A.dis C [-o OUT.dis] [--lang cs|en]\n"
    "       veltra-cli histogram characteristics FILE.dis [--lang cs|en]\n";

struct Options {
  std::vector<std::string> positional;  // after the subcommand
  std::optional<std::string> output;
  Language language = Language::Czech;
};

// Reads a file or prints the refusal; nullopt after a refusal.
std::optional<Histogram> readOrRefuse(const std::string& path, Language language) {
  Refusal e;
  auto h = ReadHistogramFile(path, e);
  if (!h) cli::refuse(e, language);
  return h;
}

// Writes to -o when asked; false after a refusal.
bool writeIfAsked(const Options& o, const Histogram& h) {
  if (!o.output) return true;
  Refusal e;
  if (WriteHistogramFile(*o.output, h, e)) return true;
  cli::refuse(e, o.language);
  return false;
}

}  // namespace

int runHistogramCommand(int argc, char* argv[]) {
  // argv[1] is "histogram"; the subcommand is the first positional argument.
  const auto a = cli::readArguments(argc, argv, 2, "histogram", kUsage);
  if (!a) return 2;
  const std::string command = a->positional[0];
  const Options o{{a->positional.begin() + 1, a->positional.end()}, a->text("-o"), cli::languageOf(*a)};
  const auto& args = o.positional;

  if (command == "read" && args.size() == 1) {
    const auto h = readOrRefuse(args[0], o.language);
    if (!h) return 1;
    cli::printJson(cli::histogramJson(*h));
    return 0;
  }

  if ((command == "add" || command == "sub" || command == "mul") && args.size() == 2) {
    const auto x = readOrRefuse(args[0], o.language);
    if (!x) return 1;
    const auto y = readOrRefuse(args[1], o.language);
    if (!y) return 1;
    const HistogramOpResult r = command == "add"   ? AddHistograms(*x, *y)
                                : command == "sub" ? SubtractHistograms(*x, *y)
                                                   : MultiplyHistograms(*x, *y);
    if (!r) return cli::refuse(r.message, r.text(o.language));
    if (!writeIfAsked(o, r.h)) return 1;
    cli::Json j = cli::histogramJson(r.h);
    if (command == "sub") j["failureMass"] = r.failureMass;
    cli::printJson(j);
    return 0;
  }

  if (command == "scale" && args.size() == 2) {
    auto h = readOrRefuse(args[0], o.language);
    if (!h) return 1;
    double c = 0;
    if (!parseDouble(args[1], c))
      return cli::refuse(
          0, (o.language == Language::Czech ? "Neplatný násobitel: " : "Invalid factor: ") + args[1]);
    const HistogramOpResult r = ScaledHistogram(*h, c);
    if (!r) return cli::refuse(r.message, r.text(o.language) + "  ( C = " + args[1] + " )");
    if (!writeIfAsked(o, r.h)) return 1;
    cli::printJson(cli::histogramJson(r.h));
    return 0;
  }

  if (command == "characteristics" && args.size() == 1) {
    const auto h = readOrRefuse(args[0], o.language);
    if (!h) return 1;
    const std::string title = "H i s t o g r a m  : \r\n" + fileNameOnly(args[0]);
    std::cout << CharacteristicsText(title, h->p, binCount(*h), h->min, h->max, h->total, o.language);
    return 0;
  }

  std::cerr << kUsage;
  return 2;
}
