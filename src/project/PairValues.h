#pragma once

// The points at which the pressure loop of the bolt length and the bolt load takes its bins.

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

/// A choice of the chain with its name in the settings file and on the command line.
template <typename E>
struct NamedChoice {
  E value;
  std::string_view name;
};

/// The name of `value` in `names` (the first name for a value not listed).
template <typename E, std::size_t N>
constexpr std::string_view choiceName(const std::array<NamedChoice<E>, N>& names, E value) {
  for (const NamedChoice<E>& c : names)
    if (c.value == value) return c.name;
  return names[0].name;
}

/// The value named `name` in `names`; nullopt for any other text.
template <typename E, std::size_t N>
constexpr std::optional<E> parseChoice(const std::array<NamedChoice<E>, N>& names, std::string_view name) {
  for (const NamedChoice<E>& c : names)
    if (c.name == name) return c.value;
  return std::nullopt;
}

enum class PairValues {
  Centres,     // min + (i - 1) step, as every other pair loop of the arithmetic
  UpperEdges,  // the lower edge plus the width added once per bin (results of earlier versions)
};

inline constexpr std::array<NamedChoice<PairValues>, 2> kPairValuesNames{
    {{PairValues::Centres, "centres"}, {PairValues::UpperEdges, "upper-edges"}}};

/// "centres" or "upper-edges": the name in the settings file and on the command line.
inline std::string_view pairValuesName(PairValues values) { return choiceName(kPairValuesNames, values); }

/// The evaluation of a name given by pairValuesName; nullopt for any other text.
inline std::optional<PairValues> parsePairValues(std::string_view name) {
  return parseChoice(kPairValuesNames, name);
}
