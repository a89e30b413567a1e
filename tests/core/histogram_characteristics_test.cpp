#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "histogram/HistogramCharacteristics.h"
#include "shell/Messages.h"
#include "shell/NumberText.h"

namespace {

std::size_t characters(const std::string& s) {
  std::size_t n = 0;
  for (char c : s) n += (c & 0xC0) != 0x80;
  return n;
}

// The line of `text` that starts with `prefix`.
std::string lineStarting(const std::string& text, const std::string& prefix) {
  const auto at = text.find("\r\n" + prefix);
  if (at == std::string::npos) return {};
  const auto end = text.find("\r\n", at + 2);
  return text.substr(at + 2, end - at - 2);
}

}  // namespace

TEST(HistogramCharacteristics, TableValuesAndPadding) {
  const std::vector<double> p{0.1, 0.2, 0.4, 0.2, 0.1};
  for (Language lang : {Language::Czech, Language::English}) {
    const auto t = Characteristics(p, 5, 1, 9, 10, lang);
    for (const auto& r : t.rows)
      EXPECT_EQ(characters(r.label), lang == Language::Czech ? 30u : 33u) << r.label;
    // Min and Max are the outer edges, half an interval beyond the centres.
    EXPECT_EQ(t.lower, 0);
    EXPECT_EQ(t.upper, 10);
    EXPECT_EQ(t.rows[0].value, formatNumberShort(0));
    EXPECT_EQ(t.rows[1].value, formatNumberShort(10));
    EXPECT_EQ(t.rows[2].value, "       5");
    EXPECT_EQ(t.rows[3].value, formatNumberShort(10));
    EXPECT_NEAR(t.mean, 5, 1e-12);
    EXPECT_EQ(t.sigma, std::sqrt(t.dispersion));
    // The concentration is always the excess kurtosis plus 3.
    EXPECT_EQ(t.rows[10].value, formatNumberShort(t.kurtosis + 3.0));
    EXPECT_EQ(t.rows[11].value, formatNumberShort(t.kurtosis));
    EXPECT_FALSE(t.rows[12].value.empty());
    EXPECT_FALSE(t.rows[13].value.empty());
  }
  const auto cs = Characteristics(p, 5, 1, 9, 10, Language::Czech);
  EXPECT_EQ(cs.rows[2].label, "Počet intervalů               ");
  EXPECT_EQ(cs.rows[11].label, "Koeficient špičatosti (excesu)");
  EXPECT_EQ(Characteristics(p, 5, 1, 9, 10, Language::English).rows[11].label,
            "Coefficient of kurtosis (express)");
}

TEST(HistogramCharacteristics, TextLayout) {
  const std::vector<double> p{0.25, 0.5, 0.25};
  CharacteristicsTable t;
  const std::string s =
      CharacteristicsText("H i s t o g r a m  : \r\nA.dis", p, 3, 1, 3, 4, Language::Czech, &t);
  const std::string U(40, '_');
  const std::string head = "H i s t o g r a m  : \r\nA.dis\r\n" + U + "\r\n\r\n" +
                           MessageText(81, Language::Czech) + "\r\n\r\n" + t.rows[0].label + "\t\t" +
                           t.rows[0].value + "\r\n" + t.rows[1].label + "\t\t" + t.rows[1].value + "\r\n" +
                           t.rows[2].label + "\t\t" + std::string(13, ' ') + "       3\r\n" +
                           t.rows[3].label + "\t" + t.rows[3].value + "\r\n" + t.rows[4].label + "\t" +
                           t.rows[4].value + "\r\n" + t.rows[5].label + "\t\t" + t.rows[5].value + "\r\n";
  EXPECT_EQ(s.substr(0, head.size()), head);
  std::string tail;
  for (int i = 6; i < 12; ++i) tail += t.rows[i].label + "\t" + t.rows[i].value + "\r\n";
  tail += "\r\n" + U + "\r\n\r\n\t   M e d i a n    \t" + t.rows[12].value + "\r\n\t   M o d e        \t" +
          t.rows[13].value + "\r\n\r\n";
  EXPECT_EQ(s.substr(head.size()), tail);

  // English: one tab before the count and the dispersion.
  const std::string en = CharacteristicsText("T", p, 3, 1, 3, 4, Language::English, &t);
  EXPECT_EQ(lineStarting(en, "Number of intervals"),
            t.rows[2].label + "\t" + std::string(13, ' ') + "       3");
  EXPECT_EQ(lineStarting(en, "Dispersion"), t.rows[5].label + "\t" + t.rows[5].value);
}

TEST(HistogramCharacteristics, FewerThanThreeIntervalsGiveMessage411Only) {
  const std::vector<double> p{0.5, 0.5};
  EXPECT_EQ(CharacteristicsText("T", p, 2, 1, 2, 2, Language::Czech), MessageText(411, Language::Czech));
  EXPECT_EQ(CharacteristicsText("T", p, 2, 1, 2, 2, Language::Czech), "Počet intervalů n=(3..1024)");
}

TEST(HistogramCharacteristics, CountLeadBlanks) {
  for (const auto& [n, blanks] :
       std::vector<std::pair<int, int>>{{9, 13}, {10, 12}, {99, 12}, {100, 9}, {999, 9}, {1000, 8}}) {
    const std::vector<double> p(static_cast<std::size_t>(n), 1.0 / n);
    const std::string s = CharacteristicsText("T", p, n, 0, n - 1, n, Language::Czech);
    const std::string line = lineStarting(s, "Počet intervalů");  // 30 characters, 32 bytes
    EXPECT_EQ(line.substr(32),
              "\t\t" + std::string(static_cast<std::size_t>(blanks) + 7, ' ') + std::to_string(n))
        << n;
  }
}

TEST(HistogramCharacteristics, DegenerateHistogramPassesThrough) {
  const std::vector<double> p{0, 1, 0};
  const std::string s = CharacteristicsText("T", p, 3, 1, 3, 1, Language::English);
  EXPECT_NE(s.find("M e d i a n"), std::string::npos);
}

TEST(ProbabilityTable, RowsAndCells) {
  const std::vector<double> p{0.1, 0.2, 0.4, 0.2, 0.1};
  const auto m = ProbabilityTable(p, 5, 2, 1, Language::Czech);
  ASSERT_EQ(m.rowCount(), 2 * 5 + 3);
  EXPECT_EQ(m.cells[0][0], " INT");
  EXPECT_EQ(m.cells[0][1], "        x");
  EXPECT_EQ(m.cells[0][2], "     P(x)");
  EXPECT_EQ(m.cells[1][0], "");
  EXPECT_EQ(m.cells[1][1], formatNumber(0));
  EXPECT_EQ(m.cells[1][2], "");
  for (int i = 1; i <= 5; ++i) {
    const auto& row = m.cells[ProbabilityTableModel::intervalRow(i)];
    EXPECT_EQ(row[0], formatNumberAligned(4, i));
    EXPECT_EQ(row[1], formatNumber(1 + (i - 1) * 2.0));
    EXPECT_EQ(row[2], formatNumber(p[i - 1]));
    const auto& edge = m.cells[ProbabilityTableModel::edgeRow(i)];
    EXPECT_EQ(edge[0], "");
    EXPECT_EQ(edge[1], formatNumber(1 + (i - 0.5) * 2));
    EXPECT_EQ(edge[2], "");
  }
  // The last edge row holds Max + step/2.
  EXPECT_EQ(m.cells[ProbabilityTableModel::edgeRow(5)][1], formatNumber(10));
  EXPECT_EQ(m.edges.back(), 10);
  EXPECT_EQ(m.totalRow(), 12);
  EXPECT_EQ(m.cells[12][1], MessageText(23, Language::Czech));
  EXPECT_EQ(m.cells[12][1], " C e l k e m");
  EXPECT_EQ(m.cells[12][2], formatNumber(m.sum));
  EXPECT_NEAR(m.sum, 1, 1e-15);
  EXPECT_EQ(m.centres.size(), 5u);
  EXPECT_EQ(m.edges.size(), 6u);
}
