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

#include "io/AtomicFile.h"
#include "ralvex/Ralvex.h"
#include "shell/Encoding.h"
#include "shell/FileTexts.h"
#include "shell/Messages.h"

namespace {

HistogramFileError numbered(int message, std::vector<std::string> args = {}, std::string extra = {}) {
  HistogramFileError e;
  e.message = message;
  e.args = std::move(args);
  e.extra = std::move(extra);
  return e;
}

HistogramFileError own(std::string cs, std::string en) {
  HistogramFileError e;
  e.ownCs = std::move(cs);
  e.ownEn = std::move(en);
  return e;
}

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

std::string fixed5(double x) {
  // %.5f on a finite double; the C library's decimal point is '.' regardless of the locale.
  char buf[400];
  std::snprintf(buf, sizeof buf, "%.5f", x);
  std::string s = buf;
  for (char& c : s)
    if (c == ',') c = '.';
  return s;
}

}  // namespace

std::string HistogramFileError::text(Language language) const {
  const std::string named =
      file.empty() ? std::string() : FileTextFormat(FileText::FileNamed, language, {file});
  if (message == 0) return (language == Language::Czech ? ownCs : ownEn) + named;
  const std::string f = MessageText(message, language);
  std::string out;
  auto it = args.begin();
  for (std::size_t i = 0; i < f.size(); ++i) {
    if (f[i] == '%' && i + 1 < f.size() && f[i + 1] == 's' && it != args.end()) {
      out += *it++;
      ++i;
    } else {
      out += f[i];
    }
  }
  return out + extra + named;
}

std::optional<Histogram> ReadHistogram(std::istream& in, HistogramFileError& error) {
  const std::string data{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::size_t pos = 0;
  // Next line without its CR LF; false at the end of the data.
  auto nextLine = [&](std::string_view& line) {
    if (pos >= data.size()) return false;
    std::size_t end = data.find('\n', pos);
    if (end == std::string::npos) end = data.size();
    line = std::string_view(data).substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    pos = end + 1;
    return true;
  };
  auto moreLines = [&] { return pos < data.size(); };

  // Header: every key counted on its own, so that no combination of repeated keys passes as complete.
  int seenMin = 0, seenMax = 0, seenBins = 0, seenTotal = 0;
  double lower = 0, upper = 0;
  long long bins = 0;
  std::string totalText;
  bool headerDone = false;
  std::string_view raw;
  while (!headerDone && nextLine(raw)) {
    const std::string line = removeBlanks(raw);
    if (contains(line, "Min")) {
      ++seenMin;
      const std::string_view rest = dropFirst(line, 4);
      if (!ralvex::parseDouble(rest, lower)) {
        error = numbered(143, {}, "Min = " + std::string(rest));
        return std::nullopt;
      }
    }
    if (contains(line, "Max")) {
      ++seenMax;
      const std::string_view rest = dropFirst(line, 4);
      if (!ralvex::parseDouble(rest, upper)) {
        error = numbered(143, {}, "Max = " + std::string(rest));
        return std::nullopt;
      }
    }
    if (contains(line, "Type")) {
      const std::string_view rest = dropFirst(line, 5);
      if (rest != "Discrete") {
        error = numbered(12, {std::string(rest)});
        return std::nullopt;
      }
    }
    if (contains(line, "Bins=")) {
      ++seenBins;
      const std::string_view rest = dropFirst(line, 5);
      long value = 0;
      if (!ralvex::parseLong(rest, value)) {
        error = numbered(40, {}, std::string(rest));
        return std::nullopt;
      }
      if (value > kMaxBins) {
        error = numbered(13, {"256"}, std::string(rest));
        return std::nullopt;
      }
      bins = value;
    }
    if (contains(line, "Total")) {
      ++seenTotal;
      const std::string_view rest = dropFirst(line, 6);
      totalText = rest;
      double total = 0;
      if (!ralvex::parseDouble(rest, total)) {
        error = numbered(37, {}, std::string(rest));
        return std::nullopt;
      }
    }
    if (line == "[Bins]") {
      if (!moreLines()) break;
      headerDone = true;
    }
  }
  if (!headerDone) {
    error = numbered(14);
    return std::nullopt;
  }
  if (seenMin != 1 || seenMax != 1 || seenBins != 1 || seenTotal != 1) {
    error = numbered(15);
    return std::nullopt;
  }

  // Frequencies: blank lines skipped; lines beyond Bins counted but not stored.
  std::array<std::int64_t, kMaxBins> f{};
  long double sum = 0;
  std::int64_t read = 0;
  while (nextLine(raw)) {
    const std::string line = removeBlanks(raw);
    if (line.empty()) continue;
    std::int64_t value = 0;
    if (!parseWhole(line, value)) {
      error = numbered(16, {std::to_string(read + 1)}, line);
      return std::nullopt;
    }
    if (value < 0) {
      error = numbered(17, {std::to_string(read + 1)});
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
    error = numbered(18, {buf}, totalText);
    return std::nullopt;
  }
  if (read != bins) {
    error = numbered(19, {std::to_string(bins)}, std::to_string(read));
    return std::nullopt;
  }
  if (bins <= 0) {
    error = own("Histogram nemá žádný interval !\r\n\r\nzadáno :  Bins = " + std::to_string(bins),
                "The histogram has no interval!\r\n\r\nentered :  Bins = " + std::to_string(bins));
    return std::nullopt;
  }
  if (sum == 0) {
    error = own("Součet četností je nulový !\r\n\r\nzadáno :  Total = " + totalText,
                "The sum of the frequencies is zero!\r\n\r\nentered :  Total = " + totalText);
    return std::nullopt;
  }
  const double total = static_cast<double>(totalExtended);
  const Histogram h = FromFrequencies(lower, upper, static_cast<int>(bins), f, total);
  if (h.min > h.max) {
    error = numbered(20, {generalNumber(h.min), generalNumber(h.max)});
    return std::nullopt;
  }
  if (h.min == 0 && h.max == 0) {
    error = own("Min=0 a Max=0", "Min=0 a Max=0");
    return std::nullopt;
  }
  if (!std::isfinite(h.step) || !std::isfinite(h.min) || !std::isfinite(h.max) || !std::isfinite(total)) {
    error = own("Meze histogramu jsou mimo rozsah čísel !\r\n\r\nzadáno :  Min = " + generalNumber(lower) +
                    "   Max = " + generalNumber(upper),
                "The histogram bounds are out of the range of numbers!\r\n\r\nentered :  Min = " +
                    generalNumber(lower) + "   Max = " + generalNumber(upper));
    return std::nullopt;
  }
  return h;
}

std::optional<Histogram> ReadHistogramFile(const std::string& path, HistogramFileError& error) {
  std::error_code ec;
  std::ifstream in;
  if (std::filesystem::is_regular_file(path, ec)) in.open(path, std::ios::binary);
  if (!in.is_open()) {
    error = numbered(11, {path});
    return std::nullopt;
  }
  auto h = ReadHistogram(in, error);
  if (!h) error.file = path;  // the reader's messages say what, this says where
  return h;
}

bool WriteHistogram(std::ostream& out, const Histogram& h, std::string_view identification,
                    HistogramFileError& error) {
  const FrequencyForm ff = ToFrequencies(h);
  bool sound = ff.valid && ff.n >= 1 && ff.total > 0 && std::isfinite(ff.lower) && std::isfinite(ff.upper);
  for (int i = 0; sound && i < ff.n; ++i) sound = ff.f[i] >= 0;
  if (!sound) {
    error = own("Histogram nelze uložit: nemá platné meze, intervaly nebo četnosti.",
                "The histogram cannot be saved: its bounds, intervals or frequencies are not valid.");
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
  line("Min=" + fixed5(ff.lower));
  line("Max=" + fixed5(ff.upper));
  line("Bins=" + std::to_string(ff.n));
  line("Total=" + std::to_string(ff.total));
  line("[Bins]");
  for (int i = 0; i < ff.n; ++i) line(std::to_string(ff.f[i]));
  out.write(s.data(), static_cast<std::streamsize>(s.size()));
  return static_cast<bool>(out);
}

std::vector<UnencodableText> unencodableIdentification(const std::string& path) {
  return unencodableLines("Identification=" + fileNameOnly(path));
}

bool WriteHistogramFile(const std::string& path, const Histogram& h, HistogramFileError& error,
                        bool acceptLostLetters) {
  if (const auto lost = unencodableIdentification(path); !lost.empty() && !acceptLostLetters) {
    error = own(unencodableMessage(lost, Language::Czech, false),
                unencodableMessage(lost, Language::English, false));
    return false;
  }
  std::ostringstream text;
  if (!WriteHistogram(text, h, fileNameOnly(path), error)) return false;
  if (!writeFileAtomically(path, text.str())) {
    error = numbered(27, {}, path);
    return false;
  }
  return true;
}

namespace {
ralvex::FileDialogOptions histogramDialog(const std::string& folder, std::string name) {
  ralvex::FileDialogOptions o;
  o.initialFolder = folder;
  o.fileName = std::move(name);
  o.defaultExtension = "dis";
  o.filter = "Distributions Files (*.dis)|*.dis|All files (*.*)|*.*";
  o.filterIndex = 1;
  return o;
}
}  // namespace

ralvex::FileDialogOptions HistogramFileDialogs::save(const std::string& histogramsFolder) {
  return histogramDialog(histogramsFolder, "Histogram");
}

ralvex::FileDialogOptions HistogramFileDialogs::open(const std::string& histogramsFolder) {
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
