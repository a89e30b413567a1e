// veltra-cli generate ...: a histogram of a parametric distribution.

#include "GenerateCommand.h"

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "Json.h"
#include "creation/ParametricGenerator.h"
#include "ralvex/Ralvex.h"
#include "shell/Messages.h"

namespace {

constexpr const char* kUsage =
    "usage: veltra-cli generate TYPE P1 [P2 [P3 [P4]]] [--eps E] [--intervals N] [--lang cs|en]\n"
    "       TYPE is the distribution index 0..23; missing parameters take the type's defaults\n";

}  // namespace

int runGenerateCommand(int argc, char* argv[]) {
  std::vector<std::string> positional;
  std::string epsText = "1E-7", nText = "128";
  Language lang = Language::Czech;
  for (int i = 2; i < argc; ++i) {
    const std::string_view a = argv[i];
    if (a == "--eps" && i + 1 < argc) {
      epsText = argv[++i];
    } else if (a == "--intervals" && i + 1 < argc) {
      nText = argv[++i];
    } else if (a == "--lang" && i + 1 < argc) {
      const std::string_view l = argv[++i];
      if (l != "cs" && l != "en") {
        std::cerr << kUsage;
        return 2;
      }
      lang = l == "en" ? Language::English : Language::Czech;
    } else {
      positional.emplace_back(a);
    }
  }
  if (positional.size() < 2 || positional.size() > 5) {
    std::cerr << kUsage;
    return 2;
  }
  long type = -1;
  if (!ralvex::parseLong(positional[0], type) || type < 0 || type >= kParametricTypeCount) {
    return cli::refuse(0, (lang == Language::Czech ? "Typ rozdělení není v rozsahu 0 .. 23 : "
                                                   : "Distribution type is not in the range 0 .. 23 : ") +
                              positional[0]);
  }
  long n = 0;
  if (!ralvex::parseLong(nText, n) || n < 3 || n > kMaxBins)
    return cli::refuse(88, MessageText(88, lang) + "256" + " !");
  double eps = 0;
  if (!ralvex::parseDouble(epsText, eps)) return cli::refuse(99, MessageText(99, lang) + " Eps : " + epsText);
  if (!(eps > 0)) return cli::refuse(97, MessageText(97, lang));
  if (eps < 1e-8 || eps > 1) return cli::refuse(98, MessageText(98, lang));

  ParametricRequest rq;
  rq.type = static_cast<int>(type);
  rq.params = ParametricDefaultParams(rq.type);
  for (size_t i = 1; i < positional.size(); ++i) rq.params[i - 1] = positional[i];
  rq.eps = eps;
  rq.intervals = static_cast<int>(n);
  const ParametricResult r = GenerateParametric(rq, lang);
  if (r.refusal) return cli::refuse(r.refusal->message, r.refusal->text);
  if (r.fault && !r.valid) return cli::refuse(r.fault->message, r.fault->text);
  cli::Json j = cli::histogramJson(r.valid ? r.histogram() : Histogram{});
  j["valid"] = r.valid;
  if (!r.description.empty()) j["description"] = r.description;
  if (r.fault) j["fault"] = cli::errorJson(r.fault->message, r.fault->text)["error"];
  cli::printJson(j);
  return 0;
}
