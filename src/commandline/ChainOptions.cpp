#include "commandline/ChainOptions.h"

std::vector<OptionSpec> chainOptionSpecs(unsigned taken) {
  auto choice = [](std::string_view name, std::vector<std::string_view> choices) {
    return OptionSpec{name, OptionKind::Choice, 0, 0, false, false, std::move(choices)};
  };
  auto text = [](std::string_view name) {
    return OptionSpec{name, OptionKind::Text, 0, 0, false, false, {}};
  };
  std::vector<OptionSpec> specs;
  if (taken & kHistogramsOption) specs.push_back(text("--histograms"));
  if (taken & kDsOption) specs.push_back(text("--ds"));
  if (taken & kStandardOption) specs.push_back(choice("--standard", {"0", "1"}));
  if (taken & kLangOption) specs.push_back(choice("--lang", {"cs", "en"}));
  if (taken & kPairValuesOption)
    specs.push_back(choice("--pair-values",
                           {pairValuesName(PairValues::Centres), pairValuesName(PairValues::UpperEdges)}));
  if (taken & kInputReadingOption)
    specs.push_back(choice("--input-reading", {inputReadingName(InputReading::Uniform),
                                               inputReadingName(InputReading::Centres)}));
  return specs;
}

ChainOptions chainOptionsOf(const ParsedOptions& parsed) {
  ChainOptions o;
  o.histograms = parsed.text("--histograms");
  if (const auto ds = parsed.text("--ds")) o.ds = *ds;
  if (parsed.text("--standard") == "1") o.standard = DesignStandard::Csn731401;
  if (parsed.text("--lang") == "en") o.language = Language::English;
  if (const auto v = parsed.text("--pair-values"))
    o.reading.values = parsePairValues(*v).value_or(o.reading.values);
  if (const auto v = parsed.text("--input-reading"))
    o.reading.inputs = parseInputReading(*v).value_or(o.reading.inputs);
  return o;
}
