#pragma once

// Raw data: a text file of measured values, one per line, their statistics and the histogram of
// N equal intervals between Min and Max built from them.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "histogram/Histogram.h"
#include "io/AtomicFile.h"
#include "shell/Language.h"
#include "shell/Refusal.h"

/// Most values a raw data file may hold.
inline constexpr long kMaxRawValues = 500000;
/// Longest line a raw data file may hold; a longer line is no number (a value needs a few dozen).
inline constexpr std::size_t kMaxRawLineLength = 4096;

/// Reads one line as a value: the first "," counts as "."; an empty line is 0; a trailing CR is
/// ignored. False when the line is no number.
bool ParseRawLine(std::string_view line, double& x);

/// Progress of a long loop: done out of all (called now and then, not for every item).
using RawProgress = std::function<void(std::int64_t done, std::int64_t all)>;

/// Reads the values of a raw data file held in `bytes`, in file order. Refusals: more than 500000
/// values (113), a line that is no number or longer than kMaxRawLineLength (118 with its 1-based number
/// and text), fewer than 3 values (130). A UTF-8 byte order mark before the first line is skipped.
std::optional<std::vector<double>> ReadRawValues(std::string_view bytes, Refusal& error,
                                                 const RawProgress& progress = {});
/// Reads the raw data file at `path` as ReadRawValues reads its bytes, `chunk` bytes at a time, and
/// stops at the first refused line (113 then names the file). A missing file gives message 112 with
/// `path`; a path that is no regular file is refused naming what it is.
std::optional<std::vector<double>> ReadRawDataFile(const std::string& path, Refusal& error,
                                                   const RawProgress& progress = {},
                                                   std::size_t chunk = 65536);

/// Sorts the values ascending (a radix sort over the bit patterns: linear in n; -0 before +0).
void SortRawValues(std::vector<double>& x);

/// Count, mean, standard deviation (n - 1 in the divisor) and skewness (sum (x - m)^3 / s^3 / n).
/// Non-finite results (a constant sample's skewness, overflow) stay NaN or infinite.
struct RawStatistics {
  long n = 0;
  double mean = 0;
  double standardDeviation = 0;
  double skewness = 0;
};
RawStatistics ComputeRawStatistics(std::span<const double> x);

/// A line of the value list: the value (StrNaCarku below 1, else fixed with 5 decimals) + "  |  " + the
/// 1-based index written with six digits ("000009").
std::string RawValueLine(double x, long index);

/// Histogram of `x` in N equal intervals between the outer edges Min and Max: interval of a value
/// 1 + round((x - Min) / step - 0.5) with halves to even, values beyond either end counted in the end
/// interval; probabilities count / n, total n, min and max the first and last centres.
/// nullopt unless 1 <= N <= 256, Min < Max, the step is finite and positive and x is not empty.
std::optional<Histogram> RawDataHistogram(std::span<const double> x, int N, double Min, double Max);
/// Why RawDataHistogram refused limits `Min`, `Max`: "MinX >= MaxX !", or a range whose step is no
/// finite positive number.
Refusal HistogramLimitsError(double Min, double Max);

/// Sturges' smallest number of intervals for n values: round(3.3 log10 n + 1), halves to even.
int SturgesMinimum(long n);

/// Outcome of checking a typed field.
struct FieldCheck {
  bool ok = false;                 // the value is accepted
  std::optional<Refusal> error;    // refusal to show as an error
  std::optional<Refusal> warning;  // accepted with a warning (Sturges)
  bool emptyField = false;         // the field is emptied after the refusal
};

/// Number of intervals typed as `text` for n values: 114 + text (not an integer; field emptied),
/// 115 (zero), 88 + "256 !" (outside 3..256; field emptied), else accepted into `N`, with warning 116
/// (n, Sturges minimum) when N is below the Sturges value.
FieldCheck CheckIntervalCount(std::string_view text, long n, int& N);

/// A limit typed as `text`: 129 + " MinX " / " MaxX " + text when it is no number, "MinX >= MaxX !" /
/// "MaxX <= MinX !" against `other`, and a text of our own when the span does not fit a double.
FieldCheck CheckLimit(std::string_view text, bool isMin, double other, double& value);

/// Eps typed as `text`: 129 + " Eps : " + text, 97 (not > 0), 98 (outside [1E-8, 1]).
FieldCheck CheckEps(std::string_view text, double& eps);

/// The text of a raw data file typed as `lines`: every line tested like the reader (first "," as "."),
/// a valid line kept as typed, an empty line written as "0"; lines ended by CR LF. A non-empty line that
/// is no number refuses the whole text: message 224 + "\r\n\r\n\t" + 228 + its 1-based number +
/// "\r\n\t" + 229 + its text. An empty box (no line with text) gives message 230.
std::optional<std::string> TypedRawDataText(std::span<const std::string> lines, Refusal& error);
/// Writes TypedRawDataText(lines) to `path` atomically; message 27 with `path` when it cannot be written.
/// Nothing is written after a refusal.
bool SaveTypedRawData(const std::string& path, std::span<const std::string> lines, Refusal& error);
