#include "ralvex/Ralvex.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "shell/Messages.h"

namespace ralvex {
namespace {

bool czech = true;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
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

// Number of bins actually usable: never more than the array holds.
int usable(std::span<const double> P, int N) { return std::clamp(N, 0, static_cast<int>(P.size())); }

// Centre of bin i (0-based) of a histogram whose first and last centres are Min and Max.
struct Centres {
  double min, h;
  Centres(int N, double Min, double Max) : min(Min), h(N > 1 ? (Max - Min) / (N - 1) : 0.0) {}
  double operator()(int i) const { return min + i * h; }
};

double weight(std::span<const double> P, int n) {
  double w = 0;
  for (int i = 0; i < n; ++i) w += P[i];
  return w;
}

// Central moments of order 2 and k about `mean`; false when the histogram has no mass.
bool centralMoments(std::span<const double> P, int N, double Min, double Max, double mean, int k, double& m2,
                    double& mk) {
  const int n = usable(P, N);
  const double w = weight(P, n);
  if (n < 1 || !(w > 0) || !std::isfinite(mean)) return false;
  const Centres x(n, Min, Max);
  double s2 = 0, sk = 0;
  for (int i = 0; i < n; ++i) {
    const double d = x(i) - mean;
    s2 += P[i] * d * d;
    sk += P[i] * std::pow(d, k);
  }
  m2 = s2 / w;
  mk = sk / w;
  return true;
}

// A spread that is only rounding noise (all mass in one bin) leaves the shape coefficients undefined.
bool spreadIsNoise(double m2, double Min, double Max, double mean) {
  const double scale = std::max({std::fabs(Max - Min), std::fabs(mean), std::numeric_limits<double>::min()});
  return !(m2 > 0) || std::sqrt(m2) <= 1e-12 * scale;
}

}  // namespace

// ------------------------------------------------------------------ dialogs and language

int DefMessageDlg(std::string_view caption, std::string_view text, DlgKind kind, DlgButtons buttons,
                  int defaultButton, int /*help*/) {
  if (buttons == DlgButtons::Ok) {
    dialogs().message(caption, text, kind, buttons, mrOk);
    return mrOk;
  }
  if (buttons == DlgButtons::YesNoCancel) {
    if (defaultButton != mrYes && defaultButton != mrNo && defaultButton != mrCancel) defaultButton = mrYes;
    // A closed box (Escape) cancels.
    const int a = dialogs().message(caption, text, kind, buttons, defaultButton);
    return a == mrYes || a == mrNo ? a : mrCancel;
  }
  if (defaultButton != mrYes && defaultButton != mrNo) defaultButton = mrYes;
  // Anything but an explicit Yes (a closed box, Escape) counts as No and cancels.
  return dialogs().message(caption, text, kind, buttons, defaultButton) == mrYes ? mrYes : mrNo;
}

void DodejDoMessage(bool isCzech) { czech = isCzech; }
bool libraryCzech() { return czech; }
Language libraryLanguage() { return czech ? Language::Czech : Language::English; }
std::string Msg(int number) { return MessageText(number, libraryLanguage()); }

bool Confirm(std::string_view text, int defaultButton) {
  return DefMessageDlg(Msg(1), text, DlgKind::Confirmation, DlgButtons::YesNo, defaultButton) == mrYes;
}
void Info(std::string_view text) { DefMessageDlg(Msg(2), text, DlgKind::Information, DlgButtons::Ok, mrOk); }
void Error(std::string_view text) { DefMessageDlg(Msg(3), text, DlgKind::Error, DlgButtons::Ok, mrOk); }
void Warning(std::string_view text) { DefMessageDlg(Msg(4), text, DlgKind::Warning, DlgButtons::Ok, mrOk); }

std::string Verze(std::string_view /*path*/) { return VELTRA_VERSION; }

// ------------------------------------------------------------------ number texts

std::string StrNaCarku(double x) { return readableText(x, 10); }
std::string StrNaCarku1(double x) { return readableText(x, 6); }

std::string TiskPrv(long double x) {
  const double d = static_cast<double>(x);
  if (!std::isfinite(d)) return std::string(kUndefined);
  return readableText(d, 15);
}

std::string TCetnost(int width, double x) {
  if (!std::isfinite(x)) return padLeft(std::string(kUndefined), width);
  if (width < 8) {
    // Interval numbers: the nearest integer, ties to even.
    const double r = std::nearbyint(x);
    if (std::fabs(r) < 1e15) return padLeft(std::to_string(static_cast<long long>(r)), width);
  }
  // Room for sign, point and a two-digit exponent: width 12 gives six significant digits.
  return padLeft(readableText(x, std::max(width - 6, 3)), width);
}

std::string StrBottomGraf(double /*p*/, double x) { return readableText(x, 5); }

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

bool prevod_doub(std::string_view text, double& x, std::string_view message) {
  if (parseDouble(text, x)) return true;
  Error(std::string(message) + std::string(text));
  return false;
}

bool prevod_long(std::string_view text, long& n, std::string_view message) {
  if (parseLong(text, n)) return true;
  Error(std::string(message) + std::string(text));
  return false;
}

// ------------------------------------------------------------------ statistics

double PrumerX(std::span<const double> P, int N, double Min, double Max) {
  const int n = usable(P, N);
  const double w = weight(P, n);
  if (n < 1 || !(w > 0)) return kNaN;
  const Centres x(n, Min, Max);
  double s = 0;
  for (int i = 0; i < n; ++i) s += P[i] * x(i);
  return s / w;
}

double RozptylX(std::span<const double> P, int N, double Min, double Max, double mean) {
  double m2, unused;
  if (!centralMoments(P, N, Min, Max, mean, 2, m2, unused)) return kNaN;
  return m2;
}

double StrHodX(std::span<const double> P, int N, double Min, double Max, double mean) {
  const int n = usable(P, N);
  const double w = weight(P, n);
  if (n < 1 || !(w > 0) || !std::isfinite(mean)) return kNaN;
  const Centres x(n, Min, Max);
  double s = 0;
  for (int i = 0; i < n; ++i) s += P[i] * std::fabs(x(i) - mean);
  return s / w;
}

double KoefVariX(double mean, double sigma) {
  if (!std::isfinite(mean) || !std::isfinite(sigma) || mean == 0) return kNaN;
  return 100.0 * sigma / std::fabs(mean);
}

double Skewness(std::span<const double> P, int N, double Min, double Max, double mean, double total) {
  double m2, m3;
  if (!centralMoments(P, N, Min, Max, mean, 3, m2, m3) || spreadIsNoise(m2, Min, Max, mean)) return kNaN;
  double g1 = m3 / std::pow(m2, 1.5);
  if (total >= 3) g1 *= std::sqrt(total * (total - 1)) / (total - 2);
  return g1;
}

double Kurtosis(std::span<const double> P, int N, double Min, double Max, double mean, double total) {
  double m2, m4;
  if (!centralMoments(P, N, Min, Max, mean, 4, m2, m4) || spreadIsNoise(m2, Min, Max, mean)) return kNaN;
  double g2 = m4 / (m2 * m2) - 3.0;
  if (total >= 4) g2 = ((total + 1) * g2 + 6) * (total - 1) / ((total - 2) * (total - 3));
  return g2;
}

double VypMedian(bool interpolate, std::span<const double> P, double Min, double Max, int N,
                 std::string& text) {
  const int n = usable(P, N);
  const double w = weight(P, n);
  if (n < 1 || !(w > 0)) {
    text = std::string(kUndefined);
    return kNaN;
  }
  const Centres x(n, Min, Max);
  const double half = 0.5 * w;
  int last = -1;
  double F = 0, median = kNaN;
  for (int i = 0; i < n; ++i) {
    if (!(P[i] > 0)) continue;
    last = i;
    if (F + P[i] >= half) {
      median = interpolate ? x(i) - x.h / 2 + x.h * (half - F) / P[i] : x(i);
      break;
    }
    F += P[i];
  }
  if (std::isnan(median)) median = interpolate ? x(last) + x.h / 2 : x(last);  // rounding left F short
  text = StrNaCarku(median);
  return median;
}

double VypMode(std::span<const double> P, int N, double Min, double Max, std::string& text) {
  const int n = usable(P, N);
  int best = -1;
  for (int i = 0; i < n; ++i)
    if (P[i] > 0 && (best < 0 || P[i] > P[best])) best = i;
  if (best < 0) {
    text = std::string(kUndefined);
    return kNaN;
  }
  const double mode = Centres(n, Min, Max)(best);
  text = StrNaCarku(mode);
  return mode;
}

double PrumerY(std::span<const double> P, int N) {
  const int n = usable(P, N);
  return n < 1 ? kNaN : weight(P, n) / n;
}

double RozptylY(std::span<const double> P, int N, double meanY) {
  const int n = usable(P, N);
  if (n < 1) return kNaN;
  double s = 0;
  for (int i = 0; i < n; ++i) s += (P[i] - meanY) * (P[i] - meanY);
  return s / n;
}

double VypocetCharTesnosti(int N, std::span<const double> P1, std::span<const double> P2, double meanY,
                           double q, int /*mode*/) {
  const int n = std::min(usable(P1, N), usable(P2, N));
  if (n < 1 || !(q > 0) || !std::isfinite(meanY)) return 0.0;
  // Coefficient of determination of P1 against the reference P2.
  double residual = 0, spread = 0;
  for (int i = 0; i < n; ++i) {
    residual += (P1[i] - P2[i]) * (P1[i] - P2[i]);
    spread += (P2[i] - meanY) * (P2[i] - meanY);
  }
  if (!(spread > 0)) return 0.0;
  const double t = 1.0 - residual / spread;
  return std::isfinite(t) ? std::clamp(t, 0.0, 1.0) : 0.0;
}

}  // namespace ralvex
