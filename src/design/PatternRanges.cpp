#include "design/PatternRanges.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace design {

namespace {

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

// The whole of `s` (blanks around it allowed) as a finite number.
std::optional<double> wholeNumber(std::string_view s) {
  s = trimmed(s);
  double x = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), x);
  if (s.empty() || ec != std::errc() || end != s.data() + s.size() || !std::isfinite(x)) return std::nullopt;
  return x;
}

std::vector<std::string_view> split(std::string_view s, char separator) {
  std::vector<std::string_view> parts;
  for (;;) {
    const size_t at = s.find(separator);
    parts.push_back(s.substr(0, at));
    if (at == std::string_view::npos) return parts;
    s.remove_prefix(at + 1);
  }
}

template <typename T>
void sortUnique(std::vector<T>& v) {
  std::sort(v.begin(), v.end());
  v.erase(std::unique(v.begin(), v.end()), v.end());
}

Refusal ownMessage(RefusalText id, std::vector<std::string> args) {
  Refusal m = ownRefusal(id, std::move(args));
  m.before.push_back(ownRefusal(RefusalText::DesignImpossible));
  return m;
}

}  // namespace

std::string numberText(double x) {
  char buf[32];
  const auto r = std::to_chars(buf, buf + sizeof buf, x);
  return std::string(buf, r.ptr);
}

std::vector<double> SpacingRange::values() const {
  std::vector<double> v;
  if (!(min > 0) || !(step > 0) || !(max >= min) || !std::isfinite(max) || !std::isfinite(step)) return v;
  const double steps = std::floor((max - min) / step + 1e-9);
  if (!(steps < static_cast<double>(kMaxSpacings))) return v;
  for (int i = 0; i <= static_cast<int>(steps); ++i) v.push_back(min + i * step);
  return v;
}

std::size_t PatternRanges::patternCount() const { return n.size() * d1.size() * ds.values().size(); }

std::optional<std::vector<int>> parseBoltCounts(std::string_view text) {
  std::vector<int> out;
  for (std::string_view part : split(text, ',')) {
    const auto x = wholeNumber(part);
    if (!x || *x != std::floor(*x) || *x < 1 || *x > kMaxBoltsInRow) return std::nullopt;
    out.push_back(static_cast<int>(*x));
  }
  sortUnique(out);
  return out;
}

std::optional<std::vector<double>> parseDiameters(std::string_view text) {
  std::vector<double> out;
  for (std::string_view part : split(text, ',')) {
    const auto x = wholeNumber(part);
    if (!x || !(*x > 0)) return std::nullopt;
    out.push_back(*x);
  }
  sortUnique(out);
  return out;
}

std::optional<SpacingRange> parseSpacingRange(std::string_view text) {
  const auto parts = split(text, ':');
  if (parts.size() != 3) return std::nullopt;
  const auto min = wholeNumber(parts[0]), max = wholeNumber(parts[1]), step = wholeNumber(parts[2]);
  if (!min || !max || !step) return std::nullopt;
  const SpacingRange r{*min, *max, *step};
  if (r.values().empty()) return std::nullopt;
  return r;
}

Refusal badBoltCounts(std::string_view text) {
  const std::string t(text);
  return ownMessage(RefusalText::DesignBadBoltCounts, {std::to_string(kMaxBoltsInRow), t});
}

Refusal badDiameters(std::string_view text, double d2) {
  const std::string t(text), d = numberText(d2);
  return ownMessage(RefusalText::DesignBadDiameters, {d, t});
}

Refusal badSpacingRange(std::string_view text) {
  const std::string t(text), most = std::to_string(kMaxSpacings);
  return ownMessage(RefusalText::DesignBadSpacingRange, {most, t});
}

Refusal tooManyPatterns(std::size_t count) {
  const std::string c = std::to_string(count), most = std::to_string(kMaxPatterns);
  return ownMessage(RefusalText::DesignTooManyPatterns, {c, most});
}

std::optional<Refusal> checkRanges(const PatternRanges& r, double d2) {
  if (r.n.empty() ||
      !std::all_of(r.n.begin(), r.n.end(), [](int n) { return n >= 1 && n <= kMaxBoltsInRow; })) {
    std::string nText;
    for (int n : r.n) nText += (nText.empty() ? "" : ",") + std::to_string(n);
    return badBoltCounts(nText);
  }
  std::string d1Text;
  for (double d : r.d1) d1Text += (d1Text.empty() ? "" : ",") + numberText(d);
  if (r.d1.empty() ||
      !std::all_of(r.d1.begin(), r.d1.end(), [&](double d) { return std::isfinite(d) && d > d2; }))
    return badDiameters(d1Text, d2);
  if (r.ds.values().empty())
    return badSpacingRange(numberText(r.ds.min) + ":" + numberText(r.ds.max) + ":" + numberText(r.ds.step));
  if (r.patternCount() > kMaxPatterns) return tooManyPatterns(r.patternCount());
  return std::nullopt;
}

}  // namespace design
