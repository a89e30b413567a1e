#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "creation/FrequencyEntry.h"
#include "histogram/HistogramFile.h"
#include "shell/Messages.h"

namespace {

FrequencyEntryInput entry(std::string min, std::string max, std::string list, bool discrete = true) {
  FrequencyEntryInput in;
  in.minText = std::move(min);
  in.maxText = std::move(max);
  in.list = std::move(list);
  in.discrete = discrete;
  return in;
}

std::string fileText(const Histogram& h, const std::string& name) {
  std::ostringstream out;
  Refusal e;
  EXPECT_TRUE(WriteHistogram(out, h, name, e));
  return out.str();
}

std::string lines(int n, const std::string& line) {
  std::string s;
  for (int i = 0; i < n; ++i) s += line + "\r\n";
  return s;
}

}  // namespace

TEST(FrequencyCount, LinesEmptyLinesAndTheLastLineBreak) {
  struct Case {
    const char* list;
    int n;
    long long sum;
  };
  const Case cases[] = {
      {"", 0, 0},
      {"1\r\n2\r\n4\r\n2\r\n1", 5, 10},
      {"1\r\n2\r\n4\r\n2\r\n1\r\n", 5, 10},  // an empty last line is no line
      {"1\n\n3\n", 3, 4},                    // an empty line between counts as 0
      {"  7 \n   \n-2\n+4", 4, 9},           // blanks around; a blank line is empty
      {"9223372036854775807", 1, 9223372036854775807LL},
  };
  for (const Case& c : cases) {
    const FrequencyCount count = countFrequencies(c.list);
    ASSERT_TRUE(count.ok) << c.list;
    EXPECT_EQ(count.n, c.n) << c.list;
    EXPECT_EQ(count.sum, c.sum) << c.list;
  }
  EXPECT_EQ(countFrequencies("1\n\n3").f, (std::vector<std::int64_t>{1, 0, 3}));
}

TEST(FrequencyCount, ARefusedLineNamesItsNumberAndText) {
  const FrequencyCount c = countFrequencies("4\r\n2\r\n1.5\r\n7");
  ASSERT_FALSE(c.ok);
  EXPECT_EQ(c.badLine, 3);
  EXPECT_EQ(c.refusal().text(Language::Czech),
            "Nebylo zadáno platné číslo !  ( integer )\r\n\r\n\tŘádek :  3\r\n\tPrvek :  1.5");
  EXPECT_EQ(c.refusal().text(Language::English),
            "Not a valid number !  ( integer )\r\n\r\n\tLine :  3\r\n\tElement :  1.5");
  for (const char* bad : {"x", "1e3", "9223372036854775808", "1 2", "-"})
    EXPECT_FALSE(countFrequencies(bad).ok) << bad;

  const FrequencyCount overflow = countFrequencies("9223372036854775807\n1");
  ASSERT_FALSE(overflow.ok);
  EXPECT_TRUE(overflow.overflow);
  EXPECT_EQ(overflow.badLine, 2);
}

TEST(FrequencyEntrySave, FileRouteWritesTheExampleFileByteForByte) {
  Refusal refusal;
  const auto e = checkFrequencyEntry(entry("0", "10", "1\r\n2\r\n4\r\n2\r\n1"), refusal);
  ASSERT_TRUE(e) << refusal.text(Language::Czech);
  std::ifstream f(TEST_DATA_DIR "/histograms/Example.dis", std::ios::binary);
  const std::string expected{std::istreambuf_iterator<char>(f), {}};
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(fileText(fileRouteHistogram(*e), "Example.dis"), expected);
}

TEST(FrequencyEntrySave, HandOverRouteGivesProbabilitiesAndTotal) {
  Refusal refusal;
  const auto e = checkFrequencyEntry(entry("0", "10", "1\n2\n4\n2\n1\n"), refusal);
  ASSERT_TRUE(e);
  const Histogram h = handOverHistogram(*e);
  EXPECT_EQ(h.count, 5);
  EXPECT_EQ(h.min, 1);
  EXPECT_EQ(h.max, 9);
  EXPECT_EQ(h.range, 10);
  EXPECT_EQ(h.step, 2);
  EXPECT_EQ(h.total, 10);
  const double p[] = {0.1, 0.2, 0.4, 0.2, 0.1};
  for (int i = 0; i < 5; ++i) EXPECT_DOUBLE_EQ(h.p[i], p[i]);
  EXPECT_EQ(h.p[5], 0);
}

TEST(FrequencyEntrySave, PureDiscreteIgnoresMaxAndCentresOnTheValues) {
  Refusal refusal;
  const auto e = checkFrequencyEntry(entry("3", "", "1\n1\n1\n1\n1", false), refusal);
  ASSERT_TRUE(e) << refusal.text(Language::Czech);
  const Histogram h = handOverHistogram(*e);
  EXPECT_EQ(h.min, 3);
  EXPECT_EQ(h.max, 7);
  EXPECT_EQ(h.step, 1);
  EXPECT_EQ(h.range, 4);
  const std::string text = fileText(fileRouteHistogram(*e), "P.dis");
  EXPECT_NE(text.find("Min=2.50000\r\nMax=7.50000\r\nBins=5\r\nTotal=5\r\n"), std::string::npos) << text;
}

TEST(FrequencyEntrySave, ChecksInOrder) {
  struct Case {
    FrequencyEntryInput in;
    int message;
    std::string text;  // Czech, whole or (for own texts) the start
  };
  const std::string m224 = MessageText(224, Language::Czech);
  const Case cases[] = {
      {entry("", "", "1\n1.5"), 224,
       "Nebylo zadáno platné číslo !  ( integer )\r\n\r\n\tŘádek :  2\r\n\tPrvek :  1.5"},
      {entry("", "", ""), 226, "Tabulka četností nebyla zadána !"},
      {entry("", "", "\n"), 0, "Součet četností je 0 !"},  // one empty line
      {entry("0", "1", lines(257, "1")), 227,
       "Výpočet nelze provést!\r\nPočet dat  > 256\r\n\r\nzadáno :  Pocet  = 257"},
      {entry("", "", "1\n-2\n3"), 0, "Četnost nesmí být záporná !\r\n\r\n\tŘádek :  2\r\n\tPrvek :  -2"},
      {entry("0", "1", "0\n\n0"), 0, "Součet četností je 0 !"},
      {entry("0", "1", "9007199254740993"), 0, "Součet četností je příliš velký !"},
      {entry("", "10", "1"), 224, "Min - " + m224},
      {entry(" - ", "10", "1"), 224, "Min - " + m224},
      {entry("0", "", "1"), 224, "Max - " + m224},
      {entry("0", "E5", "1"), 224, "Max - " + m224},
      {entry("2.5 m", "10", "1"), 224, "Min - " + m224},
      {entry("0", "4E1x", "1"), 224, "Max - " + m224},
      {entry("5", "5", "1"), 225, "Hodnota min > max !"},
      {entry("6", "5", "1"), 225, "Hodnota min > max !"},
      {entry("-1.5E308", "1.5E308", "1"), 0, "Rozsah Max - Min"},
  };
  for (const Case& c : cases) {
    Refusal refusal;
    EXPECT_FALSE(checkFrequencyEntry(c.in, refusal)) << c.text;
    EXPECT_EQ(refusal.message, c.message) << c.text;
    EXPECT_EQ(refusal.text(Language::Czech).substr(0, c.text.size()), c.text);
  }
}

TEST(FrequencyEntrySave, LimitsThatPass) {
  Refusal refusal;
  const auto full = checkFrequencyEntry(entry("0", "256", lines(256, "1")), refusal);
  ASSERT_TRUE(full) << refusal.text(Language::Czech);
  EXPECT_EQ(full->shape.count, 256);
  // A decimal comma reads as the point; the pure-discrete type needs no Max.
  const auto partial = checkFrequencyEntry(entry("2,5", " 4E1 ", "1\n0\n3"), refusal);
  ASSERT_TRUE(partial) << refusal.text(Language::Czech);
  EXPECT_EQ(partial->shape.range, 37.5);
  EXPECT_TRUE(checkFrequencyEntry(entry("-3", "", "2", false), refusal));
  EXPECT_TRUE(checkFrequencyEntry(entry("0", "1", "9007199254740992"), refusal));
}
