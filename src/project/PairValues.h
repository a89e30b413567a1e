#pragma once

// The points at which the pressure loop of the bolt length and the bolt load takes its bins.

#include <optional>
#include <string_view>

enum class PairValues {
  Centres,     // min + (i - 1) step, as every other pair loop of the arithmetic
  UpperEdges,  // the lower edge plus the width added once per bin (results of earlier versions)
};

/// "centres" or "upper-edges": the name in the settings file and on the command line.
inline std::string_view pairValuesName(PairValues values) {
  return values == PairValues::UpperEdges ? "upper-edges" : "centres";
}

/// The evaluation of a name given by pairValuesName; nullopt for any other text.
inline std::optional<PairValues> parsePairValues(std::string_view name) {
  if (name == "centres") return PairValues::Centres;
  if (name == "upper-edges") return PairValues::UpperEdges;
  return std::nullopt;
}
