#include "ChainOptions.h"

#include <string_view>

namespace cli {

OptionRead readChainOption(int argc, char* argv[], int& i, ChainOptions& o) {
  const std::string_view a = argv[i];
  if (a != "--histograms" && a != "--ds" && a != "--standard" && a != "--lang" && a != "--pair-values")
    return OptionRead::NotChain;
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
  } else {
    const auto values = parsePairValues(v);
    if (!values) return OptionRead::Bad;
    o.pairValues = *values;
  }
  return OptionRead::Read;
}

}  // namespace cli
