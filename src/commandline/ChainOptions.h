#pragma once

// The command-line options of the commands that run the chain (veltra-cli assess, rmr and design,
// veltra --report): the histograms folder, the row spacing, the design standard, the language and how
// the chain reads its inputs. Each command's syntax takes the ones it needs.

#include <optional>
#include <string>
#include <vector>

#include "commandline/CommandOptions.h"
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

/// The syntax of the `taken` options, for a command's syntax table.
std::vector<OptionRule> chainOptionRules(unsigned taken = kAllChainOptions);

/// The chain options of accepted arguments (read against a syntax holding chainOptionRules); each one
/// not given keeps its default.
ChainOptions chainOptionsOf(const ParsedOptions& parsed);
