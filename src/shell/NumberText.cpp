#include "shell/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

constexpr std::string_view kUndefined = " undefined";

// printf-style %.<digits>G without locale: trailing zeros dropped, exponent written with "E".
template <typename T>
std::string general(T x, int digits) {
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::general, digits);
  if (ec != std::errc()) return std::string(kUndefined);
  std::string s(buf, end);
  for (char& c : s)
    if (c == 'e') c = 'E';
  return s;
}

// Shortest text that reads back as exactly x.
std::string shortest(double x) {
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, x);
  if (ec != std::errc()) return std::string(kUndefined);
  std::string s(buf, end);
  for (char& c : s)
    if (c == 'e') c = 'E';
  return s;
}

// A rounded text can leave the range of double near its largest value; fall back to the exact one.
std::string readableText(double x, int digits) {
  if (!std::isfinite(x)) return std::string(kUndefined);
  std::string s = general(x, digits);
  double back;
  if (!parseDouble(s, back)) s = shortest(x);
  return s;
}

std::string_view trimBlanks(std::string_view t) {
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!t.empty() && blank(t.front())) t.remove_prefix(1);
  while (!t.empty() && blank(t.back())) t.remove_suffix(1);
  return t;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string padLeft(std::string s, int width) {
  if (width > 0 && static_cast<int>(s.size()) < width)
    s.insert(0, static_cast<size_t>(width) - s.size(), ' ');
  return s;
}

}  // namespace

// ------------------------------------------------------------------ number texts

std::string formatNumber(double x) { return readableText(x, 10); }
std::string formatNumberShort(double x) { return readableText(x, 6); }

std::string formatNumberCell(long double x) {
  const double d = static_cast<double>(x);
  if (!std::isfinite(d)) return std::string(kUndefined);
  return readableText(d, 15);
}

std::string formatNumberAligned(int width, double x) {
  if (!std::isfinite(x)) return padLeft(std::string(kUndefined), width);
  if (width < 8) {
    // Interval numbers: the nearest integer, ties to even.
    const double r = std::nearbyint(x);
    if (std::fabs(r) < 1e15) return padLeft(std::to_string(static_cast<long long>(r)), width);
  }
  // Room for sign, point and a two-digit exponent: width 12 gives six significant digits.
  return padLeft(readableText(x, std::max(width - 6, 3)), width);
}

std::string formatBarLabel(double /*p*/, double x) { return readableText(x, 5); }

// ------------------------------------------------------------------ parsers

bool parseDouble(std::string_view text, double& x) {
  std::string_view t = trimBlanks(text);
  // A decimal comma reads as the point: one comma in a text that has no point.
  std::string pointed;
  if (const size_t comma = t.find(','); comma != std::string_view::npos) {
    if (t.find(',', comma + 1) != std::string_view::npos || t.find('.') != std::string_view::npos)
      return false;
    pointed.assign(t);
    pointed[comma] = '.';
    t = pointed;
  }
  size_t i = 0;
  bool negative = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
  const size_t numberStart = i;
  int intDigits = 0, fracDigits = 0;
  int firstNonZero = std::numeric_limits<int>::min();  // decimal exponent of the leading digit
  while (i < t.size() && isDigit(t[i])) {
    if (t[i] != '0' && firstNonZero == std::numeric_limits<int>::min()) firstNonZero = 0;
    if (firstNonZero != std::numeric_limits<int>::min()) ++firstNonZero;
    ++intDigits, ++i;
  }
  if (firstNonZero != std::numeric_limits<int>::min()) --firstNonZero;
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && isDigit(t[i])) {
      ++fracDigits;
      if (t[i] != '0' && firstNonZero == std::numeric_limits<int>::min()) firstNonZero = -fracDigits;
      ++i;
    }
  }
  if (intDigits + fracDigits == 0) return false;
  long long exponent = 0;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    bool expNegative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) expNegative = t[i++] == '-';
    if (i >= t.size() || !isDigit(t[i])) return false;
    while (i < t.size() && isDigit(t[i])) {
      if (exponent < 1'000'000) exponent = exponent * 10 + (t[i] - '0');
      ++i;
    }
    if (expNegative) exponent = -exponent;
  }
  if (i != t.size()) return false;

  double value = 0;
  const char* first = t.data() + numberStart;
  const char* last = t.data() + t.size();
  auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    // Below the smallest double the value is zero; above the largest it is a failure.
    if (firstNonZero == std::numeric_limits<int>::min() || firstNonZero + exponent < 0) {
      x = negative ? -0.0 : 0.0;
      return true;
    }
    return false;
  }
  if (ec != std::errc() || end != last || !std::isfinite(value)) return false;
  x = negative ? -value : value;
  return true;
}

bool parseLong(std::string_view text, long& n) {
  std::string_view t = trimBlanks(text);
  bool negative = false;
  if (!t.empty() && (t.front() == '+' || t.front() == '-')) {
    negative = t.front() == '-';
    t.remove_prefix(1);
  }
  if (t.empty() || !std::all_of(t.begin(), t.end(), isDigit)) return false;
  // Parse with the sign so that the most negative long is accepted.
  std::string s = negative ? "-" + std::string(t) : std::string(t);
  long value = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc() || end != s.data() + s.size()) return false;
  n = value;
  return true;
}
