#include "histogram/Queries.h"

#include <cmath>
#include <cstdio>

double intervalLowerEdge(const Histogram& h, int i) { return h.min + (i - 1.5) * h.step; }

double intervalUpperEdge(const Histogram& h, int i) { return h.min + (i - 0.5) * h.step; }

double cdfBelowInterval(const Histogram& h, int i) {
  double f = 0;
  for (int j = 1; j < i && j <= binCount(h); ++j) f += h.p[j - 1];
  return f;
}

ValueQuery valueQuery(const Histogram& h, double x) {
  ValueQuery r;
  const int n = binCount(h);
  if (n < 1 || !(h.step > 0)) return r;
  const double lo = h.min - h.step / 2;
  const double hi = h.max + h.step / 2;
  if (!(x > lo && x <= hi)) return r;
  r.inRange = true;
  if (x == hi) {
    r.interval = n;
    r.px = h.p[n - 1];
    r.cdf = 1;
    return r;
  }
  // The upper edge of the last interval, computed from min and step, may round below max + step/2;
  // a value between the two still belongs to the last interval.
  int k = n;
  double f = 0;
  for (int i = 1; i <= n; ++i) {
    if (x <= intervalUpperEdge(h, i)) {
      k = i;
      break;
    }
    f += h.p[i - 1];
  }
  if (k == n) f = cdfBelowInterval(h, n);
  const double lower = intervalLowerEdge(h, k);
  r.interval = k;
  r.px = h.p[k - 1];
  r.cdf = f + h.p[k - 1] * (x - lower) / h.step;
  return r;
}

QuantileQuery quantileQuery(const Histogram& h, double p) {
  QuantileQuery r;
  const int n = binCount(h);
  if (n < 1 || !(p > 0 && p <= 1)) return r;
  r.inRange = true;
  if (p == 1) {
    r.interval = n;
    r.qp = h.max;
    return r;
  }
  double f = 0;
  int lastNonEmpty = n;
  for (int k = 1; k <= n; ++k) {
    const double pk = h.p[k - 1];
    f += pk;
    if (pk > 0) lastNonEmpty = k;
    if (f >= p) {
      r.interval = k;
      r.qp = intervalUpperEdge(h, k) - (f - p) / pk * h.step;
      return r;
    }
  }
  // The bins sum to less than P (rounding of a normalised histogram): the end of the mass.
  r.interval = n;
  r.qp = intervalUpperEdge(h, lastNonEmpty);
  return r;
}

double barLabelPosition(const Histogram& h, int i, bool redraw) {
  const int n = binCount(h);
  if (!redraw) return h.min + (i - 1) * h.step;
  if (i >= n) return h.max;
  if (n < 2) return h.min;
  return h.min + (i - 1) * (h.max - h.min) / (n - 1);
}

std::string markValueText(double p) {
  if (!std::isfinite(p)) return " undefined";
  if (p == 0) return "0";
  int e = static_cast<int>(std::floor(std::log10(std::fabs(p))));
  double m = p / std::pow(10.0, e);
  m = std::round(m * 1000) / 1000;
  if (std::fabs(m) >= 10) {
    m /= 10;
    ++e;
  }
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.3f", m);
  std::string s = buf;
  while (!s.empty() && s.back() == '0') s.pop_back();
  if (!s.empty() && s.back() == '.') s.pop_back();
  return s + "E" + std::to_string(e);
}

std::string markText(MarksStyle style, const std::string& label, int index, double p) {
  switch (style) {
    case MarksStyle::Value:
      return markValueText(p);
    case MarksStyle::Label:
      return label;
    case MarksStyle::LabelValue:
      return label + " " + markValueText(p);
    case MarksStyle::Index:
      return std::to_string(index);
    case MarksStyle::IndexValue:
      return std::to_string(index) + " " + markValueText(p);
  }
  return {};
}

std::uint32_t intervalRowColour(const Histogram& h, int i, const TableHighlight& s) {
  if (s.mode == QueryMode::Value && !s.valueFieldEmpty)
    return intervalLowerEdge(h, i) < s.x ? kValueQueryRowColour : s.tableColour;
  if (s.mode == QueryMode::Probability && !s.probabilityFieldEmpty)
    return cdfBelowInterval(h, i) < s.p ? kProbabilityQueryRowColour : s.tableColour;
  return s.reliability ? kReliabilityRowColour : kIntervalRowColour;
}

std::vector<ProbabilityRow> probabilityRows(const Histogram& h) {
  const int n = binCount(h);
  std::vector<ProbabilityRow> rows;
  rows.reserve(2 * n + 2);
  rows.push_back({ProbabilityRow::LowerEdge, 0, h.min - h.step / 2, 0, 0, 0});
  double f = 0;
  for (int i = 1; i <= n; ++i) {
    const double p = h.p[i - 1];
    rows.push_back({ProbabilityRow::Interval, i, h.min + (i - 1) * h.step, p, h.total * p, f + p / 2});
    f += p;
    rows.push_back({ProbabilityRow::Edge, i, h.min + (i - 0.5) * h.step, 0, 0, f});
  }
  rows.push_back({ProbabilityRow::Total, 0, 0, f, h.total, f});
  return rows;
}
