#pragma once

// How the chain reads its random inputs: the reading of their bins and the points of the pressure loop.

#include "project/PairValues.h"

enum class InputReading {
  Uniform,  // each bin spread evenly over its width: split into equal sub-bins before the pair loops
  Centres,  // each bin a point mass at its centre (results of earlier versions)
};

inline constexpr std::array<NamedChoice<InputReading>, 2> kInputReadingNames{
    {{InputReading::Uniform, "uniform"}, {InputReading::Centres, "centres"}}};

/// "uniform" or "centres": the name in the settings file and on the command line.
inline std::string_view inputReadingName(InputReading reading) {
  return choiceName(kInputReadingNames, reading);
}

/// The reading of a name given by inputReadingName; nullopt for any other text.
inline std::optional<InputReading> parseInputReading(std::string_view name) {
  return parseChoice(kInputReadingNames, name);
}

/// Both choices together, as the chain commands take them and a result records them.
struct ChainReading {
  PairValues values = PairValues::Centres;
  InputReading inputs = InputReading::Uniform;

  friend bool operator==(const ChainReading&, const ChainReading&) = default;
};
