#include "histogram/HistogramCharacteristics.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "histogram/Statistics.h"
#include "shell/Messages.h"
#include "shell/NumberText.h"

namespace {

struct Label {
  std::string_view cs, en;
};

constexpr Label kLabels[14] = {
    {"Min", "Min"},
    {"Max", "Max"},
    {"Počet intervalů", "Number of intervals"},
    {"Součet četností", "frequency numbers"},
    {"Střední hodnota", "Average"},
    {"Rozptyl", "Dispersion"},
    {"Směrodatná odchylka", "standard deviation"},
    {"Průměrná (střední) odchylka", "Average (central) deviation"},
    {"Variační koeficient [%]", "Coefficient of variation [%]"},
    {"Koeficient šikmosti", "Coefficient of skewness"},
    {"Koeficient koncentrace", "Coefficient of concentration"},
    {"Koeficient špičatosti (excesu)", "Coefficient of kurtosis (express)"},
    {"Medián", "Median"},
    {"Modus", "Mode"},
};

// Number of characters (code points) of a UTF-8 text.
std::size_t characters(std::string_view s) {
  return static_cast<std::size_t>(
      std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string padded(std::string_view s, std::size_t width) {
  std::string out(s);
  for (std::size_t n = characters(s); n < width; ++n) out += ' ';
  return out;
}

}  // namespace

CharacteristicsTable Characteristics(std::span<const double> P, int N, double Min, double Max, double total,
                                     Language language) {
  CharacteristicsTable t;
  const bool cs = language == Language::Czech;
  for (int i = 0; i < 14; ++i) t.rows[i].label = padded(cs ? kLabels[i].cs : kLabels[i].en, cs ? 30 : 33);

  const double h = N > 1 ? (Max - Min) / (N - 1) : 0;
  t.lower = Min - h / 2;
  t.upper = Max + h / 2;
  t.mean = binMean(P, N, Min, Max);
  t.dispersion = binVariance(P, N, Min, Max, t.mean);
  t.sigma = std::sqrt(t.dispersion);
  const double meanDeviation = binMeanDeviation(P, N, Min, Max, t.mean);
  const double variation = coefficientOfVariation(t.mean, t.sigma);
  t.skewness = binSkewness(P, N, Min, Max, t.mean, total);
  t.kurtosis = binKurtosis(P, N, Min, Max, t.mean, total);

  t.rows[0].value = formatNumberShort(t.lower);
  t.rows[1].value = formatNumberShort(t.upper);
  t.rows[2].value = "       " + std::to_string(N);
  t.rows[3].value = formatNumberShort(total);
  t.rows[4].value = formatNumberShort(t.mean);
  t.rows[5].value = formatNumberShort(t.dispersion);
  t.rows[6].value = formatNumberShort(t.sigma);
  t.rows[7].value = formatNumberShort(meanDeviation);
  t.rows[8].value = formatNumberShort(variation);
  t.rows[9].value = formatNumberShort(t.skewness);
  t.rows[10].value = formatNumberShort(t.kurtosis + 3.0);
  t.rows[11].value = formatNumberShort(t.kurtosis);
  binMedian(true, P, Min, Max, N, t.rows[12].value);
  binMode(P, N, Min, Max, t.rows[13].value);
  return t;
}

std::string CharacteristicsText(const std::string& title, std::span<const double> P, int N, double Min,
                                double Max, double total, Language language, CharacteristicsTable* table) {
  if (N < 3) return MessageText(411, language);
  const CharacteristicsTable c = Characteristics(P, N, Min, Max, total, language);
  if (table) *table = c;
  const auto& r = c.rows;
  const std::string U(40, '_');
  const std::string T = language == Language::Czech ? "\t\t" : "\t";
  const std::string B(N > 999 ? 8 : N > 99 ? 9 : N > 9 ? 12 : 13, ' ');
  std::string s = title + "\r\n" + U + "\r\n\r\n" + MessageText(81, language) + "\r\n\r\n";
  s += r[0].label + "\t\t" + r[0].value + "\r\n" + r[1].label + "\t\t" + r[1].value + "\r\n";
  s += r[2].label + T + B + r[2].value + "\r\n";
  s += r[3].label + "\t" + r[3].value + "\r\n" + r[4].label + "\t" + r[4].value + "\r\n";
  s += r[5].label + T + r[5].value + "\r\n";
  for (int i = 6; i < 12; ++i) s += r[i].label + "\t" + r[i].value + "\r\n";
  s += "\r\n";
  s += U + "\r\n\r\n" + "\t   M e d i a n    \t" + r[12].value + "\r\n" + "\t   M o d e        \t" +
       r[13].value + "\r\n\r\n";
  return s;
}

ProbabilityTableModel ProbabilityTable(std::span<const double> P, int N, double step, double Min,
                                       Language language) {
  ProbabilityTableModel m;
  N = std::clamp(N, 0, static_cast<int>(P.size()));
  m.N = N;
  m.cells.assign(static_cast<std::size_t>(2 * N + 3), {});
  m.cells[0] = {" INT", "        x", "     P(x)"};
  const double lower = Min - step / 2;
  m.edges.push_back(lower);
  m.cells[1][1] = formatNumber(lower);
  for (int i = 1; i <= N; ++i) {
    const double centre = Min + (i - 1) * step;
    const double p = P[static_cast<std::size_t>(i - 1)];
    const double edge = Min + (i - 0.5) * step;
    m.centres.push_back(centre);
    m.probabilities.push_back(p);
    m.edges.push_back(edge);
    m.sum += p;
    auto& row = m.cells[static_cast<std::size_t>(ProbabilityTableModel::intervalRow(i))];
    row[0] = formatNumberAligned(4, i);
    row[1] = formatNumber(centre);
    row[2] = formatNumber(p);
    m.cells[static_cast<std::size_t>(ProbabilityTableModel::edgeRow(i))][1] = formatNumber(edge);
  }
  auto& last = m.cells[static_cast<std::size_t>(m.totalRow())];
  last[1] = MessageText(23, language);
  last[2] = formatNumber(m.sum);
  return m;
}
