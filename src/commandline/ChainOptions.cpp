#include "commandline/ChainOptions.h"

std::vector<OptionRule> chainOptionRules(unsigned taken) {
  auto choice = [](std::string_view name, std::vector<std::string_view> choices) {
    return OptionRule{name, OptionKind::Choice, 0, 0, false, false, std::move(choices)};
  };
  auto text = [](std::string_view name) {
    return OptionRule{name, OptionKind::Text, 0, 0, false, false, {}};
  };
  std::vector<OptionRule> rules;
  if (taken & kHistogramsOption) rules.push_back(text("--histograms"));
  if (taken & kDsOption) rules.push_back(text("--ds"));
  if (taken & kStandardOption) rules.push_back(choice("--standard", {"0", "1"}));
  if (taken & kLangOption) rules.push_back(choice("--lang", {"cs", "en"}));
  if (taken & kPairValuesOption)
    rules.push_back(choice("--pair-values",
                           {pairValuesName(PairValues::Centres), pairValuesName(PairValues::UpperEdges)}));
  if (taken & kInputReadingOption)
    rules.push_back(choice("--input-reading", {inputReadingName(InputReading::Uniform),
                                               inputReadingName(InputReading::Centres)}));
  return rules;
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
