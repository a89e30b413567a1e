#pragma once

// The command-line options of the commands that run the chain (veltra-cli assess and rmr, veltra --report),
// read in one place: the histograms folder, the row spacing, the design standard, the language and how
// the chain reads its inputs.

#include <optional>
#include <string>

#include "project/ChainReading.h"
#include "reliability/Assessment.h"
#include "shell/Language.h"

struct ChainOptions {
  std::optional<std::string> histograms;  // --histograms DIR
  std::string ds = "1000";                // --ds MM
  DesignStandard standard = DesignStandard::En1990;
  Language language = Language::Czech;
  ChainReading reading;  // --pair-values, --input-reading
};

/// The options a command takes, or-ed together.
enum ChainOption : unsigned {
  kHistogramsOption = 1,
  kDsOption = 2,
  kStandardOption = 4,
  kLangOption = 8,
  kPairValuesOption = 16,
  kInputReadingOption = 32,
  kAllChainOptions = 63,
};

/// Usage text of every option, for the usage lines of the commands.
inline constexpr const char* kChainOptionsUsage =
    "[--histograms DIR] [--ds MM] [--standard 0|1] [--lang cs|en]\n"
    "      [--pair-values centres|upper-edges] [--input-reading uniform|centres]";

enum class OptionRead {
  NotChainOption,  // argv[i] is none of the options taken
  Read,            // read, with its value; i is on the value
  Bad,             // an option taken, but without a value or with one it does not accept
};

/// Reads argv[i] when it is one of the `taken` options (with its value, advancing `i`).
OptionRead readChainOption(int argc, char* argv[], int& i, ChainOptions& options,
                           unsigned taken = kAllChainOptions);
