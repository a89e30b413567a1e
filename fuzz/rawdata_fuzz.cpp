// libFuzzer target: the raw data reader on arbitrary bytes, then statistics and histograms of what it
// accepts.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <utility>

#include "creation/RawData.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  Refusal error;
  auto x = ReadRawValues(bytes, error);
  if (!x) {
    if (error.message != 113 && error.message != 118 && error.message != 130) std::abort();
    if (error.text(Language::English).empty()) std::abort();
    return 0;
  }
  if (x->size() < 3 || static_cast<long>(x->size()) > kMaxRawValues) std::abort();
  for (double v : *x)
    if (!std::isfinite(v)) std::abort();
  std::sort(x->begin(), x->end());
  (void)ComputeRawStatistics(*x);
  (void)RawValueLine(x->front(), 1);

  // Every interval count on the data's own limits and on limits inside them: probabilities sum to 1.
  const double lo = x->front(), hi = x->back();
  for (int N : {3, 7, 128, 256}) {
    for (const auto& [a, b] : {std::pair{lo, hi}, std::pair{lo + (hi - lo) / 3, hi - (hi - lo) / 3}}) {
      const auto h = RawDataHistogram(*x, N, a, b);
      if (!h) continue;
      double sum = 0;
      for (int i = 0; i < N; ++i) {
        if (!(h->p[static_cast<size_t>(i)] >= 0)) std::abort();
        sum += h->p[static_cast<size_t>(i)];
      }
      if (std::fabs(sum - 1) > 1e-9) std::abort();
    }
  }
  return 0;
}
