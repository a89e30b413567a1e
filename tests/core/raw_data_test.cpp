#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "creation/RawData.h"
#include "io/FileRead.h"
#include "shell/NumberText.h"

namespace {

std::string linesOf(long n, const char* value = "1.25") {
  std::string s;
  s.reserve(static_cast<size_t>(n) * 6);
  for (long i = 0; i < n; ++i) s += std::string(value) + "\r\n";
  return s;
}

std::vector<double> bins(const Histogram& h) { return {h.p.begin(), h.p.begin() + binCount(h)}; }

struct TempDir {
  std::filesystem::path path;
  TempDir() {
    path = std::filesystem::temp_directory_path() / ("veltra_raw_" + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
  }
  ~TempDir() { std::filesystem::remove_all(path); }
};

}  // namespace

// ------------------------------------------------------------------ reader

TEST(RawDataReader, CountLimits) {
  struct Case {
    long n;
    int message;  // 0 = loads
  } cases[] = {{2, 130}, {3, 0}, {kMaxRawValues, 0}, {kMaxRawValues + 1, 113}};
  for (const auto& c : cases) {
    Refusal e;
    const auto x = ReadRawValues(linesOf(c.n), e);
    if (c.message == 0) {
      ASSERT_TRUE(x) << c.n;
      EXPECT_EQ(static_cast<long>(x->size()), c.n);
    } else {
      EXPECT_FALSE(x) << c.n;
      EXPECT_EQ(e.message, c.message) << c.n;
    }
  }
  Refusal e;
  ReadRawValues(linesOf(kMaxRawValues + 1), e);
  EXPECT_EQ(e.text(Language::Czech), "Počet měřěných údajů je > 500000 !");
  ReadRawValues(linesOf(2), e);
  EXPECT_EQ(e.text(Language::English), "Number of measured values is < 3 !");
}

TEST(RawDataReader, LineForms) {
  struct Case {
    const char* line;
    bool ok;
    double value;
  } cases[] = {
      {"1,5", true, 1.5},          {"1.5", true, 1.5},   {"", true, 0},       {"\r", true, 0},
      {"  -2,5E3\r", true, -2500}, {"1e-3", true, 1e-3}, {"1,5,2", false, 0}, {"abc", false, 0},
      {"1.5.", false, 0},          {"   ", false, 0},    {"1e999", false, 0}, {"nan", false, 0},
      {"0x10", false, 0},          {"1 2", false, 0},
  };
  for (const auto& c : cases) {
    double x = -7;
    EXPECT_EQ(ParseRawLine(c.line, x), c.ok) << '"' << c.line << '"';
    if (c.ok) {
      EXPECT_EQ(x, c.value) << c.line;
    }
  }
}

TEST(RawDataReader, BadLineNamesItsNumberAndText) {
  Refusal e;
  EXPECT_FALSE(ReadRawValues("1\r\n\r\n1,5,2\r\n4\r\n", e));
  EXPECT_EQ(e.message, 118);
  EXPECT_EQ(e.text(Language::Czech), "V souboru nebylo zadáno platné číslo!\r\n\r\n\tLine 3 : 1,5,2");
}

TEST(RawDataReader, EmptyLinesAreZeroAndBomIsSkipped) {
  Refusal e;
  const auto x = ReadRawValues(
      "\xEF\xBB\xBF"
      "2\n\n1,5",
      e);
  ASSERT_TRUE(x);
  EXPECT_EQ(*x, (std::vector<double>{2, 0, 1.5}));
}

TEST(RawDataReader, MissingFileGivesMessage112WithItsName) {
  Refusal e;
  EXPECT_FALSE(ReadRawDataFile("/nonexistent/Raw_Data.txt", e));
  EXPECT_EQ(e.text(Language::Czech), "Soubor /nonexistent/Raw_Data.txt  n e e x i s t u j e  !");
}

TEST(RawDataReader, ProgressReachesTheEnd) {
  Refusal e;
  std::int64_t last = -1, all = 0;
  int calls = 0;
  ASSERT_TRUE(ReadRawValues(linesOf(100000), e, [&](std::int64_t d, std::int64_t a) {
    EXPECT_GE(d, last);
    last = d, all = a, ++calls;
  }));
  EXPECT_GT(calls, 2);
  EXPECT_EQ(last, all);
}

TEST(RawDataReader, LinesReadAsTheNumberParserReadsThem) {
  const char* lines[] = {"12.5",
                         "-12.5",
                         "0",
                         "-0",
                         ".5",
                         "-.5",
                         "5.",
                         "1e5",
                         "1E-5",
                         "1.e5",
                         "1e+05",
                         "+3",
                         " 7",
                         "7 ",
                         "1e",
                         "e1",
                         "-",
                         ".",
                         "-.",
                         "1..2",
                         "0x10",
                         "inf",
                         "nan",
                         "-inf",
                         "1e400",
                         "1e-400",
                         "12a",
                         "1 2",
                         "00012.500",
                         "1E5.5",
                         "--1",
                         "1e-",
                         "9007199254740993",
                         "2.2250738585072011e-308"};
  for (const char* l : lines) {
    double a = -99, b = -99;
    const bool okA = ParseRawLine(l, a);
    const bool okB = parseDouble(l, b);
    EXPECT_EQ(okA, okB) << l;
    if (okA && okB) {
      EXPECT_EQ(a, b) << l;
      EXPECT_EQ(std::signbit(a), std::signbit(b)) << l;
    }
  }
}

TEST(RawDataReader, WholeFilesOfAnySizeAreReadByteForByte) {
  TempDir dir;
  for (size_t size : {size_t{0}, size_t{1}, size_t{65536}, size_t{65537}, size_t{3000001}}) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>('0' + i * 7 % 43);
    const auto path = (dir.path / "f.txt").string();
    std::ofstream(path, std::ios::binary) << bytes;
    std::string back = "old";
    ASSERT_FALSE(readWholeFile(path, 0, back).has_value()) << size;
    EXPECT_EQ(back, bytes) << size;
  }
  std::string back;
  EXPECT_TRUE(readWholeFile((dir.path / "missing.txt").string(), 0, back).has_value());
}

TEST(RawDataSort, OrdersLikeStdSort) {
  std::mt19937_64 rng(5);
  std::normal_distribution<double> d(0, 1e3);
  std::vector<std::vector<double>> cases;
  std::vector<double> mixed;
  for (int i = 0; i < 50000; ++i) mixed.push_back(i % 11 == 0 ? std::round(d(rng)) : d(rng));
  for (double v : {0.0, -0.0, 4.9e-324, -4.9e-324, 1.7976931348623157e308, -1.7976931348623157e308, 1e-300})
    mixed.push_back(v);
  cases.push_back(mixed);
  cases.push_back(std::vector<double>(5000, 42.5));  // every digit shared
  cases.push_back({3, -1, 2});                       // small: the plain sort
  std::vector<double> descending(10000);
  std::iota(descending.rbegin(), descending.rend(), -5000.0);
  cases.push_back(descending);
  for (auto x : cases) {
    auto expected = x;
    std::sort(expected.begin(), expected.end());
    SortRawValues(x);
    ASSERT_EQ(x.size(), expected.size());
    for (size_t i = 0; i < x.size(); ++i) ASSERT_EQ(x[i], expected[i]) << i;  // -0 == +0
    EXPECT_TRUE(std::is_sorted(x.begin(), x.end()));
  }
}

// ------------------------------------------------------------------ statistics and list

TEST(RawDataStatistics, HandComputed) {
  // 1, 2, 3, 4, 10: mean 4, deviations -3 -2 -1 0 6, sum of squares 50, s = sqrt(12.5),
  // sum of cubes -27 - 8 - 1 + 216 = 180.
  const std::vector<double> x{10, 1, 3, 2, 4};
  const RawStatistics s = ComputeRawStatistics(x);
  EXPECT_EQ(s.n, 5);
  EXPECT_DOUBLE_EQ(s.mean, 4);
  EXPECT_DOUBLE_EQ(s.standardDeviation, std::sqrt(12.5));
  EXPECT_NEAR(s.skewness, 180 / std::pow(12.5, 1.5) / 5, 1e-14);
}

TEST(RawDataStatistics, SmallSpreadAroundLargeMeanKeepsItsDigits) {
  const std::vector<double> x{1e9 + 0.1, 1e9 + 0.2, 1e9 + 0.3};
  const RawStatistics s = ComputeRawStatistics(x);
  EXPECT_NEAR(s.standardDeviation, 0.1, 1e-6);
  EXPECT_NEAR(s.skewness, 0, 1e-6);
}

TEST(RawDataStatistics, ConstantSampleHasNoSkewness) {
  const std::vector<double> x{5, 5, 5};
  const RawStatistics s = ComputeRawStatistics(x);
  EXPECT_EQ(s.standardDeviation, 0);
  EXPECT_TRUE(std::isnan(s.skewness));
}

TEST(RawDataStatistics, ValueListLines) {
  EXPECT_EQ(RawValueLine(12.5, 9), "12.50000  |  000009");
  EXPECT_EQ(RawValueLine(1, 10), "1.00000  |  000010");
  EXPECT_EQ(RawValueLine(0.25, 100000), "0.25  |  100000");
  EXPECT_EQ(RawValueLine(-3, 500000), "-3  |  500000");
}

// ------------------------------------------------------------------ histogram

TEST(RawDataHistogram, InnerEdgesGoToTheEvenSide) {
  // Min 0, Max 8, N 8: step 1, inner edges 1..7. Edge j goes to interval j for odd j, j + 1 for even j.
  for (int j = 1; j <= 7; ++j) {
    const std::vector<double> x{static_cast<double>(j)};
    const auto h = RawDataHistogram(x, 8, 0, 8);
    ASSERT_TRUE(h);
    const int expected = j % 2 == 1 ? j : j + 1;
    EXPECT_EQ(h->p[static_cast<size_t>(expected - 1)], 1) << "edge " << j;
  }
}

TEST(RawDataHistogram, EndsAndFolding) {
  const std::vector<double> x{0, 0.5, 2.2, 3.7, 5, 9.99, 10};
  for (int N : {3, 4, 7, 128, 256}) {
    const auto h = RawDataHistogram(x, N, 0, 10);
    ASSERT_TRUE(h);
    EXPECT_DOUBLE_EQ(h->p[static_cast<size_t>(N - 1)] * 7, 2) << "x[n] = Max and 9.99 land in N = " << N;
    EXPECT_GE(h->p[0], 1.0 / 7);
  }
  // Raised Min and lowered Max fold the values beyond them into the end intervals.
  const auto h = RawDataHistogram(x, 4, 2, 6);
  ASSERT_TRUE(h);
  const auto p = bins(*h);
  // 0, 0.5 and 2.2 | 3.7 | 5 (2.5 rounds to 2, interval 3) | 9.99, 10
  EXPECT_EQ(p, (std::vector<double>{3.0 / 7, 1.0 / 7, 1.0 / 7, 2.0 / 7}));
  EXPECT_NEAR(std::accumulate(p.begin(), p.end(), 0.0), 1, 1e-15);
  EXPECT_DOUBLE_EQ(h->min, 2.5);
  EXPECT_DOUBLE_EQ(h->max, 5.5);
  EXPECT_DOUBLE_EQ(h->step, 1);
  EXPECT_DOUBLE_EQ(h->total, 7);
  EXPECT_EQ(binCount(*h), 4);
}

TEST(RawDataHistogram, RefusesWhatCannotBeBinned) {
  const std::vector<double> x{1, 2, 3};
  EXPECT_FALSE(RawDataHistogram(x, 8, 3, 3));
  EXPECT_FALSE(RawDataHistogram(x, 8, 4, 3));
  EXPECT_FALSE(RawDataHistogram(x, 257, 1, 3));
  EXPECT_FALSE(RawDataHistogram(x, 0, 1, 3));
  EXPECT_FALSE(RawDataHistogram(x, 8, -1.7e308, 1.7e308));
  const std::vector<double> far{-1e300, 1e300, 2};
  const auto h = RawDataHistogram(far, 3, 0, 3);
  ASSERT_TRUE(h);
  EXPECT_EQ(bins(*h), (std::vector<double>{1.0 / 3, 0, 2.0 / 3}));
}

// ------------------------------------------------------------------ field checks

TEST(RawDataChecks, IntervalCount) {
  struct Case {
    const char* text;
    long n;
    bool ok;
    int error, warning;
    bool emptied;
  } cases[] = {
      {"2", 100, false, 88, 0, true},    {"257", 100, false, 88, 0, true},
      {"0", 100, false, 115, 0, false},  {"x", 100, false, 114, 0, true},
      {"", 100, false, 114, 0, true},    {"3", 3, true, 0, 0, false},
      {"256", 100, true, 0, 0, false},   {"7", 100, true, 0, 116, false},
      {"8", 100, true, 0, 0, false},     {"19", 500000, true, 0, 116, false},
      {"20", 500000, true, 0, 0, false},
  };
  for (const auto& c : cases) {
    int N = -1;
    const FieldCheck r = CheckIntervalCount(c.text, c.n, N);
    EXPECT_EQ(r.ok, c.ok) << c.text;
    EXPECT_EQ(r.error ? r.error->message : 0, c.error) << c.text;
    EXPECT_EQ(r.warning ? r.warning->message : 0, c.warning) << c.text;
    EXPECT_EQ(r.emptyField, c.emptied) << c.text;
    if (c.ok) {
      EXPECT_EQ(N, std::stoi(c.text));
    }
  }
  int N = 0;
  EXPECT_EQ(CheckIntervalCount("2", 10, N).error->text(Language::Czech),
            "Počet intervalů není v rozsahu 3 .. 256 !");
  const auto w = CheckIntervalCount("7", 100, N).warning;
  EXPECT_NE(w->text(Language::Czech).find("Pro n = 100 měřených údajů"), std::string::npos);
  EXPECT_TRUE(w->text(Language::Czech).ends_with("k = 8   !"));
  EXPECT_EQ(SturgesMinimum(500000), 20);  // 3.3 * 5.699 + 1 = 19.81
}

TEST(RawDataChecks, LimitsAndEps) {
  double v = 0;
  EXPECT_EQ(CheckLimit("1,5x", true, 10, v).error->text(Language::Czech),
            "Nebylo zadáno platné číslo!\r\n\r\nZadáno :  MinX 1,5x");
  EXPECT_EQ(CheckLimit("10", true, 10, v).error->text(Language::English), "MinX >= MaxX !");
  EXPECT_EQ(CheckLimit("1", false, 1, v).error->text(Language::Czech), "MaxX <= MinX !");
  EXPECT_FALSE(CheckLimit("1E308", false, -1E308, v).ok);
  ASSERT_TRUE(CheckLimit("-2.5E1", true, 10, v).ok);
  EXPECT_EQ(v, -25);

  struct Case {
    const char* text;
    int error;
  } eps[] = {{"1E-7", 0}, {"1", 0},     {"1E-8", 0},  {"0", 97},
             {"-1", 97},  {"9E-9", 98}, {"1.01", 98}, {"e", 129}};
  for (const auto& c : eps) {
    double e = 0;
    const FieldCheck r = CheckEps(c.text, e);
    EXPECT_EQ(r.error ? r.error->message : 0, c.error) << c.text;
  }
  double e = 0;
  EXPECT_TRUE(CheckEps("e", e).error->text(Language::English).ends_with("Given :  Eps : e"));
}

// ------------------------------------------------------------------ typed data

TEST(RawDataTyped, SaveWritesValidLinesAndRefusesWholly) {
  TempDir dir;
  const std::string path = (dir.path / "typed.txt").string();
  Refusal e;
  const std::vector<std::string> good{"1,5", "", "2.25", "", ""};
  ASSERT_TRUE(SaveTypedRawData(path, good, e));
  std::string bytes;
  ASSERT_FALSE(readWholeFile(path, 0, bytes).has_value());
  EXPECT_EQ(bytes, "1,5\r\n0\r\n2.25\r\n");
  const auto back = ReadRawDataFile(path, e);
  ASSERT_TRUE(back);
  EXPECT_EQ(*back, (std::vector<double>{1.5, 0, 2.25}));

  // A bad line refuses the text before anything is written: the old file stays whole.
  const std::vector<std::string> bad{"1", "2", "x7"};
  EXPECT_FALSE(SaveTypedRawData(path, bad, e));
  EXPECT_EQ(e.text(Language::Czech), "Nebylo zadáno platné číslo !\r\n\r\n\tŘádek :  3\r\n\tPrvek :  x7");
  EXPECT_EQ(e.text(Language::English), "Not a valid number !\r\n\r\n\tLine :  3\r\n\tElement :  x7");
  ASSERT_FALSE(readWholeFile(path, 0, bytes).has_value());
  EXPECT_EQ(bytes, "1,5\r\n0\r\n2.25\r\n");

  const std::vector<std::string> empty{"", ""};
  EXPECT_FALSE(SaveTypedRawData(path, empty, e));
  EXPECT_EQ(e.message, 230);

  EXPECT_FALSE(SaveTypedRawData((dir.path / "no" / "such.txt").string(), good, e));
  EXPECT_EQ(e.message, 27);
}
