#include "persistence/ChainOptions.h"

#include <string_view>

OptionRead readChainOption(int argc, char* argv[], int& i, ChainOptions& o, unsigned taken) {
  const std::string_view a = argv[i];
  auto is = [&](std::string_view name, ChainOption option) { return (taken & option) && a == name; };
  if (!(is("--histograms", kHistogramsOption) || is("--ds", kDsOption) || is("--standard", kStandardOption) ||
        is("--lang", kLangOption) || is("--pair-values", kPairValuesOption) ||
        is("--input-reading", kInputReadingOption)))
    return OptionRead::NotChainOption;
  if (i + 1 >= argc) return OptionRead::Bad;
  const std::string_view v = argv[++i];
  if (a == "--histograms") {
    o.histograms = std::string(v);
  } else if (a == "--ds") {
    o.ds = std::string(v);
  } else if (a == "--standard") {
    if (v != "0" && v != "1") return OptionRead::Bad;
    o.standard = v == "1" ? DesignStandard::Csn731401 : DesignStandard::En1990;
  } else if (a == "--lang") {
    if (v != "cs" && v != "en") return OptionRead::Bad;
    o.language = v == "en" ? Language::English : Language::Czech;
  } else if (a == "--pair-values") {
    const auto values = parsePairValues(v);
    if (!values) return OptionRead::Bad;
    o.reading.values = *values;
  } else {
    const auto inputs = parseInputReading(v);
    if (!inputs) return OptionRead::Bad;
    o.reading.inputs = *inputs;
  }
  return OptionRead::Read;
}
