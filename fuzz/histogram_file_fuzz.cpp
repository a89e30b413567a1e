// libFuzzer target: the histogram file reader on arbitrary bytes, and the writer on what it accepts.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "histogram/HistogramArithmetic.h"
#include "histogram/HistogramFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  Refusal error;
  const auto h = ReadHistogram(in, error);
  if (!h) {
    if (error.text(Language::Czech).empty() && error.message == 0)
      std::abort();  // a refusal always has words
    return 0;
  }
  const int n = binCount(*h);
  if (n < 1 || n > kMaxBins || !std::isfinite(h->min) || !std::isfinite(h->max)) std::abort();

  // What was read can be written (unless its Total is beyond 64-bit frequencies), and what was
  // written reads back with the same bins.
  std::ostringstream out;
  if (WriteHistogram(out, *h, "Fuzz.dis", error)) {
    std::istringstream again(out.str());
    const auto back = ReadHistogram(again, error);
    if (!back || binCount(*back) != n) std::abort();
    for (int i = 0; i < n; ++i)
      if (std::fabs(back->p[i] - h->p[i]) > kFrequencyPrecision * h->p[i]) std::abort();
  } else if (!(h->total > 9.2e18)) {
    std::abort();
  }

  // The arithmetic accepts or refuses it, never writes out of range.
  (void)AddHistograms(*h, *h);
  (void)SubtractHistograms(*h, *h);
  (void)MultiplyHistograms(*h, *h);
  return 0;
}
