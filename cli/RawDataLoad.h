#pragma once
// Reads a raw data file for the commands that work on one: sorted values, statistics and the
// checked number of intervals.

#include <optional>
#include <string>
#include <vector>

#include "creation/RawData.h"
#include "shell/Language.h"

struct LoadedRawData {
  std::vector<double> x;  // ascending
  RawStatistics statistics;
  int intervals = 128;
  std::optional<Refusal> intervalWarning;  // fewer intervals than Sturges' rule
};

/// Reads `file` and checks `intervals` (default 128). On a refusal prints it and returns the exit
/// status 1; nullopt when `out` holds the data.
std::optional<int> loadRawData(const std::string& file, const std::optional<std::string>& intervals,
                               Language language, LoadedRawData& out);
