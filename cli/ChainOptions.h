#pragma once

// The options of every command that runs the computation chain on a project or results file (assess,
// design): read in one place, so an option of the chain reaches all of them.

#include <optional>
#include <string>

#include "project/PairValues.h"
#include "reliability/Assessment.h"
#include "shell/Language.h"

namespace cli {

struct ChainOptions {
  std::optional<std::string> histograms;             // --histograms DIR
  std::string ds = "1000";                           // --ds MM, the project's row spacing
  DesignStandard standard = DesignStandard::En1990;  // --standard 0|1
  Language language = Language::Czech;               // --lang cs|en
  PairValues pairValues = PairValues::Centres;       // --pair-values centres|upper-edges
};

/// The chain options as the usage lines show them.
inline constexpr const char* kChainOptionsUsage =
    "[--histograms DIR] [--ds MM] [--standard 0|1] [--lang cs|en] [--pair-values centres|upper-edges]";

enum class OptionRead { NotChain, Read, Bad };

/// Reads argv[i] when it is a chain option, with its value (i then points at the value). Bad: a chain
/// option without a value or with one it does not take.
OptionRead readChainOption(int argc, char* argv[], int& i, ChainOptions& options);

}  // namespace cli
