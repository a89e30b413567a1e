#include "creation/RawData.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "creation/SpecialFunctions.h"
#include "io/AtomicFile.h"
#include "io/FileRead.h"
#include "shell/FileTexts.h"
#include "shell/Messages.h"
#include "shell/NumberText.h"

namespace {

constexpr std::int64_t kProgressEvery = 8192;

std::string_view withoutCr(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

}  // namespace

namespace {

// A plain decimal number as instruments write it ("-12.5", "3.2E-4"), read in one pass; anything else
// (blanks, "+", an out-of-range exponent, a bad character) is left to the full parser.
bool plainNumber(std::string_view t, double& x) {
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  const size_t lead = !t.empty() && t[0] == '-' ? 1 : 0;
  if (t.size() <= lead || !(digit(t[lead]) || (t[lead] == '.' && t.size() > lead + 1 && digit(t[lead + 1]))))
    return false;
  double v = 0;
  const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v, std::chars_format::general);
  if (ec != std::errc() || end != t.data() + t.size() || !std::isfinite(v)) return false;
  x = v;
  return true;
}

}  // namespace

bool ParseRawLine(std::string_view line, double& x) {
  line = withoutCr(line);
  if (line.empty()) {
    x = 0;
    return true;
  }
  const size_t comma = line.find(',');
  if (comma == std::string_view::npos) return plainNumber(line, x) || parseDouble(line, x);
  std::string copy(line);
  copy[comma] = '.';
  return parseDouble(copy, x);
}

namespace {

// The values of a raw data file, taken line by line as a line-by-line reader sees them.
class RawLines {
 public:
  RawLines(Refusal& error, std::size_t expected) : error_(error) {
    x_.reserve(std::min<size_t>(static_cast<size_t>(kMaxRawValues), expected));
  }
  /// Takes the next line (without its LF); false when the file is refused.
  bool take(std::string_view line) {
    if (++lineNo_ > kMaxRawValues) {
      error_ = numberedRefusal(113, {}, std::to_string(kMaxRawValues) + " !");
      return false;
    }
    double v = 0;
    if (line.size() > kMaxRawLineLength || !ParseRawLine(line, v)) {
      std::string shown(withoutCr(line.substr(0, 201)));
      if (shown.size() > 200) shown = shown.substr(0, 200) + "...";
      error_ = numberedRefusal(118, {}, "\r\n\r\n\tLine " + std::to_string(lineNo_) + " : " + shown);
      return false;
    }
    x_.push_back(v);
    return true;
  }
  long lines() const { return lineNo_; }
  std::optional<std::vector<double>> finish() {
    if (x_.size() < 3) {
      // The message already ends with its exclamation mark.
      error_ = numberedRefusal(130);
      return std::nullopt;
    }
    return std::move(x_);
  }

 private:
  Refusal& error_;
  std::vector<double> x_;
  long lineNo_ = 0;
};

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

}  // namespace

std::optional<std::vector<double>> ReadRawValues(std::string_view bytes, Refusal& error,
                                                 const RawProgress& progress) {
  if (bytes.starts_with(kUtf8Bom)) bytes.remove_prefix(3);
  // Lines as a line-by-line reader sees them: a final line break ends the last line.
  const auto all = static_cast<std::int64_t>(bytes.size());
  RawLines values(error, bytes.size() / 2 + 1);
  size_t at = 0;
  while (at < bytes.size()) {
    size_t end = bytes.find('\n', at);
    if (end == std::string_view::npos) end = bytes.size();
    if (!values.take(bytes.substr(at, end - at))) return std::nullopt;
    at = end + 1;
    if (progress && values.lines() % kProgressEvery == 0) progress(static_cast<std::int64_t>(at), all);
  }
  if (progress) progress(all, all);
  return values.finish();
}

std::optional<std::vector<double>> ReadRawDataFile(const std::string& path, Refusal& error,
                                                   const RawProgress& progress, std::size_t chunk) {
  FileRefusal refused;
  auto file = InputFile::open(path, fileSizeLimit(FileKind::RawData), refused);
  if (!file) {
    error = refused.why == FileRefusal::Why::Missing ? numberedRefusal(112, {path}) : fileNotRead(refused);
    return std::nullopt;
  }
  // Read in pieces and stop at the first refused line: a huge file costs no more than its first
  // 500001 lines.
  const auto all = static_cast<std::int64_t>(file->size());
  RawLines values(error, static_cast<std::size_t>(std::min<std::uint64_t>(file->size() / 2 + 1, SIZE_MAX)));
  std::vector<char> buffer(std::max<std::size_t>(chunk, 1));
  std::string line;    // the line being read, without its LF
  size_t bomSeen = 0;  // leading bytes that matched the byte order mark so far
  bool bomDone = false;
  std::int64_t done = 0;
  auto refuse = [&] {
    if (error.message == 113) error.file = path;
    return std::nullopt;
  };
  for (;;) {
    const auto got = file->read(buffer.data(), buffer.size(), refused);
    if (!got) {
      error = fileNotRead(refused);
      return std::nullopt;
    }
    if (*got == 0) break;
    std::string_view piece(buffer.data(), *got);
    done += static_cast<std::int64_t>(*got);
    // A byte order mark may arrive over several pieces; a partial one is data after all.
    while (!bomDone && !piece.empty()) {
      if (piece.front() != kUtf8Bom[bomSeen]) {
        line.append(kUtf8Bom.substr(0, bomSeen));
        bomDone = true;
        break;
      }
      piece.remove_prefix(1);
      bomDone = ++bomSeen == kUtf8Bom.size();
    }
    while (!piece.empty()) {
      const size_t end = piece.find('\n');
      line.append(piece.substr(0, end == std::string_view::npos ? piece.size() : end));
      if (end == std::string_view::npos) {
        // A line already too long to be a number is refused without reading the rest of it.
        if (line.size() > kMaxRawLineLength && !values.take(line)) return refuse();
        break;
      }
      if (!values.take(line)) return refuse();
      line.clear();
      piece.remove_prefix(end + 1);
      if (progress && values.lines() % kProgressEvery == 0) progress(done, all);
    }
  }
  if (!bomDone) line.append(kUtf8Bom.substr(0, bomSeen));
  if (!line.empty() && !values.take(line)) return refuse();
  if (progress) progress(all, all);
  return values.finish();
}

void SortRawValues(std::vector<double>& x) {
  const size_t n = x.size();
  if (n < 2048) {
    std::sort(x.begin(), x.end());
    return;
  }
  // Keys that order as unsigned integers as the values do: negative numbers have every bit turned,
  // positive ones the sign bit set.
  constexpr int kBits = 11, kDigits = 6;  // 66 bits cover the 64 of a key
  constexpr size_t kBuckets = size_t{1} << kBits;
  std::vector<std::uint64_t> keys(n), spare(n);
  std::vector<std::array<size_t, kBuckets>> counts(kDigits);
  for (auto& c : counts) c.fill(0);
  for (size_t i = 0; i < n; ++i) {
    const auto bits = std::bit_cast<std::uint64_t>(x[i]);
    const std::uint64_t k = bits >> 63 ? ~bits : bits | (std::uint64_t{1} << 63);
    keys[i] = k;
    for (int d = 0; d < kDigits; ++d) ++counts[static_cast<size_t>(d)][(k >> (d * kBits)) & (kBuckets - 1)];
  }
  for (int d = 0; d < kDigits; ++d) {
    auto& c = counts[static_cast<size_t>(d)];
    // A digit all keys share moves nothing.
    if (std::any_of(c.begin(), c.end(), [n](size_t v) { return v == n; })) continue;
    size_t at = 0;
    for (size_t& v : c) at += std::exchange(v, at);
    for (size_t i = 0; i < n; ++i) spare[c[(keys[i] >> (d * kBits)) & (kBuckets - 1)]++] = keys[i];
    keys.swap(spare);
  }
  for (size_t i = 0; i < n; ++i) {
    const std::uint64_t k = keys[i];
    x[i] = std::bit_cast<double>(k >> 63 ? k & ~(std::uint64_t{1} << 63) : ~k);
  }
}

RawStatistics ComputeRawStatistics(std::span<const double> x) {
  RawStatistics s;
  s.n = static_cast<long>(x.size());
  if (x.empty()) {
    s.mean = s.standardDeviation = s.skewness = std::nan("");
    return s;
  }
  // Deviations from the mean (two passes in long double): the one-pass sum of squares loses every
  // digit of a small spread around a large mean.
  long double sum = 0;
  for (double v : x) sum += v;
  const long double mean = sum / s.n;
  long double s2 = 0, s3 = 0;
  for (double v : x) {
    const long double d = v - mean;
    s2 += d * d;
    s3 += d * d * d;
  }
  s.mean = static_cast<double>(mean);
  s.standardDeviation = s.n > 1 ? static_cast<double>(std::sqrt(s2 / (s.n - 1))) : std::nan("");
  const long double sd = s.standardDeviation;
  s.skewness = sd > 0 ? static_cast<double>(s3 / (sd * sd * sd) / s.n) : std::nan("");
  return s;
}

std::string RawValueLine(double x, long index) {
  std::string value;
  if (x < 1 || !(std::fabs(x) < 1e14)) {
    value = formatNumber(x);
  } else {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.5f", x);
    value = buf;
  }
  char idx[32];
  std::snprintf(idx, sizeof idx, "%06ld", index);
  return value + "  |  " + idx;
}

std::optional<Histogram> RawDataHistogram(std::span<const double> x, int N, double Min, double Max) {
  if (N < 1 || N > kMaxBins || x.empty() || !(Min < Max)) return std::nullopt;
  const double step = (Max - Min) / N;
  if (!std::isfinite(step) || !(step > 0)) return std::nullopt;
  std::array<std::int64_t, kMaxBins> counts{};
  for (double v : x) {
    const double r = roundHalfEven((v - Min) / step - 0.5);
    // Compared as doubles: a value far beyond the limits must not overflow the conversion.
    const int k = r >= N - 1 ? N : r >= 0 ? static_cast<int>(r) + 1 : 1;
    ++counts[static_cast<size_t>(k - 1)];
  }
  Histogram h;
  h.count = N;
  h.step = step;
  h.min = Min + 0.5 * step;
  h.max = Min + (N - 0.5) * step;
  h.range = h.max - h.min + step;
  h.total = static_cast<double>(x.size());
  for (int i = 0; i < N; ++i)
    h.p[static_cast<size_t>(i)] = static_cast<double>(counts[static_cast<size_t>(i)]) / h.total;
  return h;
}

int SturgesMinimum(long n) {
  if (n < 1) return 1;
  return static_cast<int>(roundHalfEven(3.3 * Log10Bounded(static_cast<double>(n)) + 1));
}

FieldCheck CheckIntervalCount(std::string_view text, long n, int& N) {
  FieldCheck c;
  long v = 0;
  if (!parseLong(text, v)) {
    c.error = numberedRefusal(114, {}, std::string(text));
    c.emptyField = true;
    return c;
  }
  if (v == 0) {
    c.error = numberedRefusal(115);
    return c;
  }
  if (v < 3 || v > kMaxBins) {
    c.error = numberedRefusal(88, {}, std::to_string(kMaxBins) + " !");
    c.emptyField = true;
    return c;
  }
  N = static_cast<int>(v);
  c.ok = true;
  const int nmin = SturgesMinimum(n);
  if (N < nmin) c.warning = numberedRefusal(116, {std::to_string(n)}, std::to_string(nmin) + "   !");
  return c;
}

FieldCheck CheckLimit(std::string_view text, bool isMin, double other, double& value) {
  FieldCheck c;
  double v = 0;
  if (!parseDouble(text, v)) {
    c.error = numberedRefusal(129, {}, (isMin ? " MinX " : " MaxX ") + std::string(text));
    return c;
  }
  if (isMin ? v >= other : v <= other) {
    c.error = isMin ? HistogramLimitsError(v, other) : ownRefusal(RefusalText::RawMaxNotAboveMin);
    return c;
  }
  if (!std::isfinite(isMin ? other - v : v - other)) {
    c.error = HistogramLimitsError(isMin ? v : other, isMin ? other : v);
    return c;
  }
  value = v;
  c.ok = true;
  return c;
}

FieldCheck CheckEps(std::string_view text, double& eps) {
  FieldCheck c;
  double v = 0;
  if (!parseDouble(text, v)) {
    c.error = numberedRefusal(129, {}, " Eps : " + std::string(text));
    return c;
  }
  if (v <= 0) {
    c.error = numberedRefusal(97);
    return c;
  }
  if (v < 1e-8 || v > 1) {
    c.error = numberedRefusal(98);
    return c;
  }
  eps = v;
  c.ok = true;
  return c;
}

std::optional<std::string> TypedRawDataText(std::span<const std::string> lines, Refusal& error) {
  // Trailing empty lines of the box are no values (a box ends with its last line break).
  size_t used = lines.size();
  while (used > 0 && withoutCr(lines[used - 1]).empty()) --used;
  if (used == 0) {
    error = numberedRefusal(230);
    return std::nullopt;
  }
  std::string out;
  for (size_t i = 0; i < used; ++i) {
    const std::string_view line = withoutCr(lines[i]);
    double v = 0;
    if (!ParseRawLine(line, v)) {
      error = lineDetail(numberedRefusal(224), static_cast<int>(i + 1), line);
      return std::nullopt;
    }
    out += line.empty() ? std::string("0") : std::string(line);
    out += "\r\n";
  }
  return out;
}

bool SaveTypedRawData(const std::string& path, std::span<const std::string> lines, Refusal& error) {
  const auto text = TypedRawDataText(lines, error);
  if (!text) return false;
  WriteRefusal why;
  if (!writeFileAtomically(path, *text, &why)) {
    error = fileNotWritten(path, why);
    return false;
  }
  return true;
}

Refusal HistogramLimitsError(double Min, double Max) {
  if (!(Min < Max)) return ownRefusal(RefusalText::RawMinNotBelowMax);
  return ownRefusal(RefusalText::RawRangeTooLarge);
}
