// veltra-cli generate ...: a histogram of a parametric distribution.

#include "GenerateCommand.h"

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "Arguments.h"
#include "Json.h"
#include "creation/ParametricGenerator.h"
#include "shell/Messages.h"
#include "shell/NumberText.h"

namespace {

constexpr const char* kUsage =
    "usage: veltra-cli generate TYPE P1 [P2 [P3 [P4]]] [--eps E] [--intervals N] [--lang cs|en]\n"
    "       TYPE is the distribution index 0..23; missing parameters take the type's defaults\n";

}  // namespace

int runGenerateCommand(int argc, char* argv[]) {
  const auto a = cli::readArguments(argc, argv, 2, "generate", kUsage);
  if (!a) return 2;
  const std::vector<std::string>& positional = a->positional;
  const std::string epsText = a->text("--eps").value_or("1E-7");
  const std::string nText = a->text("--intervals").value_or("128");
  const Language lang = cli::languageOf(*a);
  long type = -1;
  if (!parseLong(positional[0], type) || type < 0 || type >= kParametricTypeCount) {
    return cli::refuse(0, (lang == Language::Czech ? "Typ rozdělení není v rozsahu 0 .. 23 : "
                                                   : "Distribution type is not in the range 0 .. 23 : ") +
                              positional[0]);
  }
  long n = 0;
  if (!parseLong(nText, n) || n < 3 || n > kMaxBins)
    return cli::refuse(88, MessageText(88, lang) + "256" + " !");
  double eps = 0;
  if (!parseDouble(epsText, eps)) return cli::refuse(99, MessageText(99, lang) + " Eps : " + epsText);
  if (!(eps > 0)) return cli::refuse(97, MessageText(97, lang));
  if (eps < 1e-8 || eps > 1) return cli::refuse(98, MessageText(98, lang));

  ParametricRequest rq;
  rq.type = static_cast<int>(type);
  rq.params = ParametricDefaultParams(rq.type);
  for (size_t i = 1; i < positional.size(); ++i) rq.params[i - 1] = positional[i];
  rq.eps = eps;
  rq.intervals = static_cast<int>(n);
  const ParametricResult r = GenerateParametric(rq, lang);
  if (r.refusal) return cli::refuse(*r.refusal, lang);
  if (r.fault && !r.valid) return cli::refuse(*r.fault, lang);
  if (!r.valid) return cli::refuse(0, RefusalTextOf(RefusalText::ParametricNoHistogram, lang));
  cli::Json j = cli::histogramJson(r.histogram());
  j["valid"] = r.valid;
  if (!r.description.empty()) j["description"] = r.description;
  if (r.fault) j["fault"] = cli::errorJson(r.fault->message, r.fault->text(lang))["error"];
  cli::printJson(j);
  return 0;
}
