#include "RawDataLoad.h"

#include <algorithm>

#include "Json.h"

int refuseRawData(const Refusal& e, Language language) { return cli::refuse(e.message, e.text(language)); }

std::optional<int> loadRawData(const std::string& file, const std::optional<std::string>& intervals,
                               Language language, LoadedRawData& out) {
  Refusal error;
  auto x = ReadRawDataFile(file, error);
  if (!x) return refuseRawData(error, language);
  SortRawValues(*x);
  out.statistics = ComputeRawStatistics(*x);
  out.x = std::move(*x);
  if (intervals) {
    const FieldCheck c = CheckIntervalCount(*intervals, out.statistics.n, out.intervals);
    if (!c.ok) return refuseRawData(*c.error, language);
    out.intervalWarning = c.warning;
  }
  return std::nullopt;
}
