#include "RawDataLoad.h"

#include <algorithm>

#include "Json.h"

std::optional<int> loadRawData(const std::string& file, const std::optional<std::string>& intervals,
                               Language language, LoadedRawData& out) {
  Refusal error;
  auto x = ReadRawDataFile(file, error);
  if (!x) return cli::refuse(error, language);
  SortRawValues(*x);
  out.statistics = ComputeRawStatistics(*x);
  out.x = std::move(*x);
  if (intervals) {
    const FieldCheck c = CheckIntervalCount(*intervals, out.statistics.n, out.intervals);
    if (!c.ok) return cli::refuse(*c.error, language);
    out.intervalWarning = c.warning;
  }
  return std::nullopt;
}
