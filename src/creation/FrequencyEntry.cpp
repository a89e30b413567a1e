#include "creation/FrequencyEntry.h"

#include <algorithm>
#include <cmath>

#include "shell/Messages.h"
#include "shell/NumberText.h"

namespace {

std::string_view trimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// A typed Min or Max: the whole text a finite number (a decimal comma as the point); nullopt otherwise.
std::optional<double> typedReal(std::string_view text) {
  double x = 0;
  if (!parseDouble(text, x) || !std::isfinite(x)) return std::nullopt;
  return x;
}

// `r` with `lead` put before it.
Refusal withLead(std::string lead, Refusal r) {
  Refusal text;
  text.extra = std::move(lead);
  r.before.push_back(std::move(text));
  return r;
}

}  // namespace

std::vector<std::string_view> frequencyLines(std::string_view list) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < list.size()) {
    size_t end = list.find('\n', start);
    const bool last = end == std::string_view::npos;
    if (last) end = list.size();
    std::string_view line = list.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

FrequencyCount countFrequencies(std::string_view list) {
  FrequencyCount c;
  const auto lines = frequencyLines(list);
  c.f.reserve(lines.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string_view text = trimBlanks(lines[i]);
    long v = 0;
    const bool number = text.empty() || parseLong(text, v);
    std::int64_t next = 0;
    if (!number || __builtin_add_overflow(c.sum, static_cast<std::int64_t>(v), &next)) {
      c.ok = false;
      c.overflow = number;
      c.badLine = static_cast<int>(i) + 1;
      c.badText = std::string(lines[i]);
      return c;
    }
    c.sum = next;
    c.f.push_back(v);
  }
  c.n = static_cast<int>(c.f.size());
  return c;
}

Refusal FrequencyCount::refusal() const {
  return lineDetail(
      overflow ? ownRefusal(RefusalText::FrequencySumOverflow) : numberedRefusal(224, {}, "  ( integer )"),
      badLine, badText);
}

std::optional<FrequencyEntry> checkFrequencyEntry(const FrequencyEntryInput& in, Refusal& refusal) {
  auto refuse = [&](Refusal r) -> std::optional<FrequencyEntry> {
    refusal = std::move(r);
    return std::nullopt;
  };

  // The list is counted again, so a line refused while typing cannot slip through.
  const FrequencyCount count = countFrequencies(in.list);
  if (!count.ok) return refuse(count.refusal());
  const int n = count.n;
  if (n == 0) return refuse(numberedRefusal(226));
  if (n > kMaxBins) return refuse(numberedRefusal(227, {std::to_string(kMaxBins)}, std::to_string(n)));
  for (int i = 0; i < n; ++i)
    if (count.f[i] < 0) {
      const auto lines = frequencyLines(in.list);
      return refuse(lineDetail(ownRefusal(RefusalText::FrequencyNegative), i + 1, lines[i]));
    }
  if (count.sum == 0) return refuse(ownRefusal(RefusalText::FrequencySumZero));
  if (count.sum > kLargestFrequencySum)
    return refuse(ownRefusal(RefusalText::FrequencySumTooLarge,
                             {std::to_string(kLargestFrequencySum), std::to_string(count.sum)}));

  const auto lower = typedReal(in.minText);
  if (trimBlanks(in.minText).empty() || !lower) return refuse(withLead("Min - ", numberedRefusal(224)));

  FrequencyEntry e;
  e.f = count.f;
  e.sum = count.sum;
  Histogram& h = e.shape;
  h.count = n;
  if (in.discrete) {
    const auto upper = typedReal(in.maxText);
    if (trimBlanks(in.maxText).empty() || !upper) return refuse(withLead("Max - ", numberedRefusal(224)));
    if (*lower >= *upper) return refuse(numberedRefusal(225));
    const double range = *upper - *lower;
    if (!std::isfinite(range)) return refuse(ownRefusal(RefusalText::FrequencyRangeTooLarge));
    h.range = range;
    h.step = range / n;
    h.min = *lower + h.step / 2;
    h.max = *upper - h.step / 2;
  } else {
    h.step = in.spacing;
    h.min = *lower;
    h.max = *lower + (n - 1) * in.spacing;
    h.range = (n - 1) * in.spacing;
  }
  return e;
}

Histogram handOverHistogram(const FrequencyEntry& e) {
  Histogram h = e.shape;
  const double s = static_cast<double>(e.sum);
  for (size_t i = 0; i < e.f.size() && i < h.p.size(); ++i) h.p[i] = static_cast<double>(e.f[i]) / s;
  h.total = s;
  return h;
}

Histogram fileRouteHistogram(const FrequencyEntry& e) {
  Histogram h = e.shape;
  for (size_t i = 0; i < e.f.size() && i < h.p.size(); ++i) h.p[i] = static_cast<double>(e.f[i]);
  h.total = 1;
  return h;
}
