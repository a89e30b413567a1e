#include "histogram/HistogramFile.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <istream>
#include <iterator>
#include <limits>
#include <ostream>
#include <sstream>
#include <tuple>

#include "io/AtomicFile.h"
#include "io/FileRead.h"
#include "shell/Dialogs.h"
#include "shell/Encoding.h"
#include "shell/FileTexts.h"
#include "shell/Messages.h"
#include "shell/NumberText.h"

namespace {

std::string removeBlanks(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (char c : s)
    if (c != ' ') out += c;
  return out;
}

bool contains(std::string_view s, std::string_view key) { return s.find(key) != std::string_view::npos; }

std::string_view dropFirst(std::string_view s, std::size_t k) { return s.substr(std::min(k, s.size())); }

// A number with a decimal point and an optional exponent, the whole text; finite only.
bool isNumberSyntax(std::string_view t) {
  std::size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++digits;
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t expDigits = 0;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++expDigits;
    if (expDigits == 0) return false;
  }
  return i == t.size();
}

// The Total text as an extended real (already accepted by the library's parser, which reads a
// decimal comma as the point).
template <class Real>
bool parseReal(std::string_view text, Real& x) {
  std::string pointed(text);
  if (const size_t comma = pointed.find(','); comma != std::string::npos) pointed[comma] = '.';
  std::string_view t = pointed;
  if (!isNumberSyntax(t)) return false;
  if (t.front() == '+') t.remove_prefix(1);  // from_chars takes no plus sign
  const auto r = std::from_chars(t.data(), t.data() + t.size(), x);
  // Out of range (overflow or total underflow) counts as a failed conversion.
  return r.ec == std::errc() && r.ptr == t.data() + t.size() && std::isfinite(x);
}

// Optional sign and decimal digits within the 64-bit range.
bool parseWhole(std::string_view t, std::int64_t& n) {
  bool negative = false;
  if (!t.empty() && (t.front() == '+' || t.front() == '-')) {
    negative = t.front() == '-';
    t.remove_prefix(1);
  }
  if (t.empty() || t.size() > 25) return false;
  for (char c : t)
    if (c < '0' || c > '9') return false;
  unsigned long long u = 0;
  const auto r = std::from_chars(t.data(), t.data() + t.size(), u);
  if (r.ec != std::errc() || r.ptr != t.data() + t.size()) return false;
  if (negative) {
    if (u > 9223372036854775808ull) return false;
    n = u == 9223372036854775808ull ? std::numeric_limits<std::int64_t>::min()
                                    : -static_cast<std::int64_t>(u);
  } else {
    if (u > 9223372036854775807ull) return false;
    n = static_cast<std::int64_t>(u);
  }
  return true;
}

std::string generalNumber(double x) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.15G", x);
  return buf;
}

std::string fixed(double x, int decimals) {
  // %.*f on a finite double; the C library's decimal point is '.' regardless of the locale.
  char buf[800];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, x);
  std::string s = buf;
  for (char& c : s)
    if (c == ',') c = '.';
  return s;
}

// An edge in fixed point: five decimals where they read back as the same double, else the fewest
// decimals that do.
std::string edgeText(double x) {
  for (int decimals = 5;; ++decimals) {
    std::string t = fixed(x, decimals);
    double back = 0;
    if (decimals >= 360 || (parseDouble(t, back) && back == x)) return t;
  }
}

// The lines of a histogram file without their ends: LF or CR LF, or CR alone in a file without LF.
class Lines {
 public:
  explicit Lines(std::string_view data)
      : data_(data),
        end_(data.find('\n') == std::string_view::npos && data.find('\r') != std::string_view::npos ? '\r'
                                                                                                    : '\n') {}
  /// The next line; false at the end of the data.
  bool next(std::string_view& line) {
    if (pos_ >= data_.size()) return false;
    std::size_t end = data_.find(end_, pos_);
    if (end == std::string_view::npos) end = data_.size();
    line = data_.substr(pos_, end - pos_);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    pos_ = end + 1;
    return true;
  }
  bool more() const { return pos_ < data_.size(); }

 private:
  std::string_view data_;
  char end_;
  std::size_t pos_ = 0;
};

}  // namespace

std::optional<Histogram> ReadHistogram(std::istream& in, Refusal& error) {
  const std::string data{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  return ReadHistogramText(data, error);
}

std::optional<Histogram> ReadHistogramText(std::string_view data, Refusal& error) {
  Lines lines(data);

  // Header: every key counted on its own, so that no combination of repeated keys passes as complete.
  int seenMin = 0, seenMax = 0, seenBins = 0, seenTotal = 0;
  double lower = 0, upper = 0;
  long long bins = 0;
  std::string totalText;
  bool headerDone = false;
  std::string_view raw;
  while (!headerDone && lines.next(raw)) {
    const std::string line = removeBlanks(raw);
    // The file's own name: a key word in it ("Maximum.dis") is no key.
    if (line.starts_with("Identification=")) continue;
    if (contains(line, "Min")) {
      ++seenMin;
      const std::string_view rest = dropFirst(line, 4);
      if (!parseDouble(rest, lower)) {
        error = numberedRefusal(143, {}, "Min = " + std::string(rest));
        return std::nullopt;
      }
    }
    if (contains(line, "Max")) {
      ++seenMax;
      const std::string_view rest = dropFirst(line, 4);
      if (!parseDouble(rest, upper)) {
        error = ownRefusal(RefusalText::HistogramMaxInvalid, {}, "Max = " + std::string(rest));
        return std::nullopt;
      }
    }
    if (contains(line, "Type")) {
      const std::string_view rest = dropFirst(line, 5);
      if (rest != "Discrete") {
        error = numberedRefusal(12, {std::string(rest)});
        return std::nullopt;
      }
    }
    if (contains(line, "Bins=")) {
      ++seenBins;
      const std::string_view rest = dropFirst(line, 5);
      long value = 0;
      if (!parseLong(rest, value)) {
        error = numberedRefusal(40, {}, std::string(rest));
        return std::nullopt;
      }
      if (value > kMaxBins) {
        error = numberedRefusal(13, {"256"}, std::string(rest));
        return std::nullopt;
      }
      bins = value;
    }
    if (contains(line, "Total")) {
      ++seenTotal;
      const std::string_view rest = dropFirst(line, 6);
      totalText = rest;
      double total = 0;
      if (!parseDouble(rest, total)) {
        error = numberedRefusal(37, {}, std::string(rest));
        return std::nullopt;
      }
    }
    if (line == "[Bins]") {
      if (!lines.more()) break;
      headerDone = true;
    }
  }
  if (!headerDone) {
    error = numberedRefusal(14);
    return std::nullopt;
  }
  for (const auto& [key, seen] : {std::pair<const char*, int>{"Min", seenMin},
                                  {"Max", seenMax},
                                  {"Bins", seenBins},
                                  {"Total", seenTotal}})
    if (seen > 1) {
      error = ownRefusal(RefusalText::HistogramKeyRepeated, {key, std::to_string(seen)});
      return std::nullopt;
    }
  if (seenMin != 1 || seenMax != 1 || seenBins != 1 || seenTotal != 1) {
    error = numberedRefusal(15);
    return std::nullopt;
  }

  // Frequencies: blank lines skipped; lines beyond Bins counted but not stored.
  std::array<std::int64_t, kMaxBins> f{};
  long double sum = 0;
  std::int64_t read = 0;
  while (lines.next(raw)) {
    const std::string line = removeBlanks(raw);
    if (line.empty()) continue;
    std::int64_t value = 0;
    if (!parseWhole(line, value)) {
      error = numberedRefusal(16, {std::to_string(read + 1)}, line);
      return std::nullopt;
    }
    if (value < 0) {
      error = numberedRefusal(17, {std::to_string(read + 1)});
      return std::nullopt;
    }
    sum += static_cast<long double>(value);
    if (read < bins) f[static_cast<std::size_t>(read)] = value;
    ++read;
  }

  long double totalExtended = 0;
  parseReal(std::string_view(totalText), totalExtended);
  if (totalExtended != sum) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.0Lf", std::nearbyint(sum));
    error = numberedRefusal(18, {buf}, totalText);
    return std::nullopt;
  }
  if (read != bins) {
    error = numberedRefusal(19, {std::to_string(bins)}, std::to_string(read));
    return std::nullopt;
  }
  if (bins <= 0) {
    error = ownRefusal(RefusalText::HistogramNoBins, {std::to_string(bins)});
    return std::nullopt;
  }
  if (sum == 0) {
    error = ownRefusal(RefusalText::HistogramZeroTotal, {totalText});
    return std::nullopt;
  }
  const double total = static_cast<double>(totalExtended);
  const Histogram h = FromFrequencies(lower, upper, static_cast<int>(bins), f, total);
  // Edges whose span overflows give infinite centres; say so before comparing them.
  if (!std::isfinite(h.step) || !std::isfinite(h.min) || !std::isfinite(h.max) || !std::isfinite(total)) {
    error = ownRefusal(RefusalText::HistogramEdgesOutOfRange, {generalNumber(lower), generalNumber(upper)});
    return std::nullopt;
  }
  if (h.min > h.max) {
    error = numberedRefusal(20, {generalNumber(h.min), generalNumber(h.max)});
    return std::nullopt;
  }
  if (h.min == 0 && h.max == 0) {
    error = ownRefusal(RefusalText::HistogramMinMaxZero);
    return std::nullopt;
  }
  return h;
}

std::optional<Histogram> ReadHistogramFile(const std::string& path, Refusal& error) {
  std::string data;
  if (const auto refused = readWholeFile(path, FileKind::Histogram, data)) {
    if (refused->why == FileRefusal::Why::Missing)
      error = numberedRefusal(11, {path});
    else
      error = fileNotRead(*refused);
    return std::nullopt;
  }
  auto h = ReadHistogramText(data, error);
  if (!h) error.file = path;  // the reader's messages say what, this says where
  return h;
}

bool HistogramFileText(const Histogram& h, std::string_view identification, std::string& text,
                       Refusal& error) {
  const FrequencyForm ff = ToFrequencies(h);
  bool sound = ff.valid && ff.n >= 1 && ff.total > 0 && std::isfinite(ff.lower) && std::isfinite(ff.upper);
  for (int i = 0; sound && i < ff.n; ++i) sound = ff.f[i] >= 0;
  if (!sound) {
    error = ownRefusal(RefusalText::HistogramNotSavable);
    return false;
  }
  for (int i = 0; i < ff.n; ++i)
    if (h.p[i] > 0 && ff.f[i] == 0) {
      error = ownRefusal(RefusalText::HistogramBinLost, {std::to_string(i + 1), generalNumber(h.p[i])});
      return false;
    }
  std::string s;
  s.reserve(256 + 22 * static_cast<std::size_t>(ff.n));
  auto line = [&s](std::string_view t) {
    s += t;
    s += "\r\n";
  };
  line("[Description]");
  line("Identification=" + utf8ToCp1250(identification));
  line("Type=Discrete");
  line("Form=Frequency");
  line("");
  line("[Parameters]");
  line("Min=" + edgeText(ff.lower));
  line("Max=" + edgeText(ff.upper));
  line("Bins=" + std::to_string(ff.n));
  line("Total=" + std::to_string(ff.total));
  line("[Bins]");
  for (int i = 0; i < ff.n; ++i) line(std::to_string(ff.f[i]));

  // What is written must read back as the same histogram.
  Refusal refusal;
  const auto back = ReadHistogramText(s, refusal);
  if (!back) {
    error = ownRefusal(RefusalText::HistogramNotSaved);
    error.then.push_back(std::move(refusal));
    return false;
  }
  // Within the precision asked of the width, and the rounding of centres far from 0.
  const double tolerance =
      kFrequencyPrecision * std::fabs(ff.upper - ff.lower) +
      8 * std::numeric_limits<double>::epsilon() * std::max(std::fabs(ff.lower), std::fabs(ff.upper));
  for (const auto& [name, was, is] : {std::tuple<const char*, double, double>{"Min", h.min, back->min},
                                      {"Max", h.max, back->max},
                                      {"Step", h.step, back->step}})
    if (!(std::fabs(is - was) <= tolerance)) {
      error = ownRefusal(RefusalText::HistogramNotEqual,
                         {std::string(name) + " " + generalNumber(was) + " / " + generalNumber(is)});
      return false;
    }
  text = std::move(s);
  return true;
}

bool WriteHistogram(std::ostream& out, const Histogram& h, std::string_view identification, Refusal& error) {
  std::string s;
  if (!HistogramFileText(h, identification, s, error)) return false;
  out.write(s.data(), static_cast<std::streamsize>(s.size()));
  return static_cast<bool>(out);
}

std::vector<UnencodableText> unencodableIdentification(const std::string& path) {
  return unencodableLines("Identification=" + fileNameOnly(path));
}

bool WriteHistogramFile(const std::string& path, const Histogram& h, Refusal& error, bool acceptLostLetters) {
  if (const auto lost = unencodableIdentification(path); !lost.empty() && !acceptLostLetters) {
    error = Refusal{};
    error.lostLetters = lost;
    return false;
  }
  std::string text;
  if (!HistogramFileText(h, fileNameOnly(path), text, error)) return false;
  WriteRefusal why;
  if (!writeFileAtomically(path, text, &why)) {
    error = fileNotWritten(path, why);
    return false;
  }
  return true;
}

namespace {
FileDialogOptions histogramDialog(const std::string& folder, std::string name) {
  FileDialogOptions o;
  o.initialFolder = folder;
  o.fileName = std::move(name);
  o.defaultExtension = "dis";
  o.filter = "Distributions Files (*.dis)|*.dis|All files (*.*)|*.*";
  o.filterIndex = 1;
  return o;
}
}  // namespace

FileDialogOptions HistogramFileDialogs::save(const std::string& histogramsFolder) {
  return histogramDialog(histogramsFolder, "Histogram");
}

FileDialogOptions HistogramFileDialogs::open(const std::string& histogramsFolder) {
  return histogramDialog(histogramsFolder, "");
}

std::string fileNameOnly(std::string_view path) {
  const auto cut = path.find_last_of("/\\");
  return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

bool hasFileExtension(std::string_view path, std::string_view extension) {
  const std::string name = fileNameOnly(path);
  if (name.size() <= extension.size() || name[name.size() - extension.size() - 1] != '.') return false;
  const std::string_view tail = std::string_view(name).substr(name.size() - extension.size());
  return std::equal(tail.begin(), tail.end(), extension.begin(), [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
  });
}

std::string withFileExtension(std::string path, std::string_view extension) {
  if (!hasFileExtension(path, extension)) path += "." + std::string(extension);
  return path;
}

std::string withoutFileExtension(std::string name, std::string_view extension) {
  if (hasFileExtension(name, extension)) name.resize(name.size() - extension.size() - 1);
  return name;
}
