#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "histogram/HistogramFile.h"
#include "shell/Messages.h"

namespace {

// A file with the given parameter lines and frequency lines, CR LF ended.
std::string file(const std::vector<std::string>& params, const std::vector<std::string>& freqs,
                 bool binsLine = true) {
  std::string s =
      "[Description]\r\nIdentification=Test.dis\r\nType=Discrete\r\nForm=Frequency\r\n\r\n[Parameters]\r\n";
  for (const auto& p : params) s += p + "\r\n";
  if (binsLine) s += "[Bins]\r\n";
  for (const auto& f : freqs) s += f + "\r\n";
  return s;
}

std::string example() {
  return file({"Min=0.00000", "Max=10.00000", "Bins=5", "Total=10"}, {"1", "2", "4", "2", "1"});
}

std::optional<Histogram> read(const std::string& text, Refusal& e) {
  std::istringstream in(text);
  return ReadHistogram(in, e);
}

std::string slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

TEST(HistogramFileRead, ExampleFile) {
  Refusal e;
  const auto h = read(example(), e);
  ASSERT_TRUE(h) << e.text(Language::English);
  EXPECT_EQ(h->count, 5);
  EXPECT_EQ(h->min, 1);
  EXPECT_EQ(h->max, 9);
  EXPECT_EQ(h->step, 2);
  EXPECT_EQ(h->range, 10);
  EXPECT_EQ(h->total, 10);
  const double expected[] = {0.1, 0.2, 0.4, 0.2, 0.1};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(h->p[i], expected[i]);
}

TEST(HistogramFileRead, AcceptedVariants) {
  struct Case {
    const char* name;
    std::string text;
    double min, max, step;
  };
  const std::vector<Case> cases{
      {"blanks anywhere", file({"Min = 0.5", " Max= 2.5", "Bins = 2", "Total = 3"}, {"  1 ", "", " 2"}), 1, 2,
       1},
      {"LF only and no Type line", "[Parameters]\nMin=0\nMax=4\nBins=2\nTotal=2\n[Bins]\n1\n1", 1, 3, 2},
      {"Bins=256",
       [] {
         std::vector<std::string> f(256, "1");
         return file({"Min=0", "Max=256", "Bins=256", "Total=256"}, f);
       }(),
       0.5, 255.5, 1},
      {"single bin with Min > Max: negative step", file({"Min=5", "Max=1", "Bins=1", "Total=1"}, {"1"}), 3, 3,
       -4},
      {"exponent and sign", file({"Min=-1E1", "Max=+1.0e1", "Bins=+2", "Total=4"}, {"+2", "2"}), -5, 5, 10},
      {"CR-only line ends", "[Parameters]\rMin=0\rMax=4\rBins=2\rTotal=2\r[Bins]\r1\r1\r", 1, 3, 2},
      {"key words in the file's own name",
       "[Description]\r\nIdentification=Maximum Min Total Type Bins=.dis\r\n[Parameters]\r\nMin=0\r\nMax="
       "4\r\nBins=2\r\nTotal=2\r\n[Bins]\r\n1\r\n1\r\n",
       1, 3, 2},
      {"damaged [Description] line",
       "[Descr\xFF\x01ption\r\nIdentification=X.dis\r\n[Parameters]\r\nMin=0\r\nMax=4\r\nBins=2\r\nTotal="
       "2\r\n["
       "Bins]\r\n1\r\n1\r\n",
       1, 3, 2},
  };
  for (const auto& c : cases) {
    Refusal e;
    const auto h = read(c.text, e);
    ASSERT_TRUE(h) << c.name << ": " << e.text(Language::English);
    EXPECT_EQ(h->min, c.min) << c.name;
    EXPECT_EQ(h->max, c.max) << c.name;
    EXPECT_EQ(h->step, c.step) << c.name;
  }
}

TEST(HistogramFileRead, ErrorsWithTheirMessages) {
  struct Case {
    const char* name;
    std::string text;
    int message;
    std::vector<std::string> args;
    std::string extra;
  };
  const std::vector<std::string> five{"1", "2", "4", "2", "1"};
  const std::vector<Case> cases{
      {"wrong type",
       "[Description]\r\nType=Continuous\r\n[Parameters]\r\nMin=0\r\nMax=1\r\nBins=1\r\nTotal=1\r\n[Bins]"
       "\r\n1\r\n",
       12,
       {"Continuous"},
       ""},
      {"Bins above 256", file({"Min=0", "Max=10", "Bins=300", "Total=10"}, five), 13, {"256"}, "300"},
      {"no [Bins] line", file({"Min=0", "Max=10", "Bins=5", "Total=10"}, five, false), 14, {}, ""},
      {"[Bins] at the end", file({"Min=0", "Max=10", "Bins=5", "Total=10"}, {}), 14, {}, ""},
      {"keys in lower case", file({"min=0", "max=10", "bins=5", "total=10"}, five), 15, {}, ""},
      {"Max missing", file({"Min=0", "Bins=5", "Total=10"}, five), 15, {}, ""},
      {"fractional frequency",
       file({"Min=0", "Max=10", "Bins=5", "Total=10"}, {"1", "2", "1.5"}),
       16,
       {"3"},
       "1.5"},
      {"frequency beyond 64 bits",
       file({"Min=0", "Max=10", "Bins=5", "Total=10"}, {"99999999999999999999"}),
       16,
       {"1"},
       "99999999999999999999"},
      {"text frequency", file({"Min=0", "Max=10", "Bins=5", "Total=10"}, {"1", "x"}), 16, {"2"}, "x"},
      {"negative frequency", file({"Min=0", "Max=10", "Bins=5", "Total=10"}, {"1", "-3"}), 17, {"2"}, ""},
      {"sum above Total",
       file({"Min=0", "Max=10", "Bins=5", "Total=10"}, {"1", "2", "4", "2", "2"}),
       18,
       {"11"},
       "10"},
      {"five frequencies for six bins",
       file({"Min=0", "Max=12", "Bins=6", "Total=10"}, five),
       19,
       {"6"},
       "5"},
      {"extra frequency lines", file({"Min=0", "Max=10", "Bins=4", "Total=10"}, five), 19, {"4"}, "5"},
      {"negative Bins", file({"Min=0", "Max=10", "Bins=-2", "Total=10"}, five), 19, {"-2"}, "5"},
      {"Min above Max", file({"Min=5", "Max=1", "Bins=2", "Total=2"}, {"1", "1"}), 20, {"4", "2"}, ""},
      {"Min=0 and Max=0", file({"Min=0", "Max=0", "Bins=2", "Total=2"}, {"1", "1"}), 0, {}, ""},
      {"single bin centred at 0", file({"Min=-1", "Max=1", "Bins=1", "Total=1"}, {"1"}), 0, {}, ""},
      {"Total not a number", file({"Min=0", "Max=10", "Bins=5", "Total=ten"}, five), 37, {}, "ten"},
      {"Total infinite", file({"Min=0", "Max=10", "Bins=5", "Total=inf"}, five), 37, {}, "inf"},
      {"Bins not whole", file({"Min=0", "Max=10", "Bins=5.0", "Total=10"}, five), 40, {}, "5.0"},
      {"Bins huge", file({"Min=0", "Max=10", "Bins=1e30", "Total=10"}, five), 40, {}, "1e30"},
      {"Min not a number", file({"Min=abc", "Max=10", "Bins=5", "Total=10"}, five), 143, {}, "Min = abc"},
      {"comma decimal with a unit",
       file({"Min=0,5m", "Max=10", "Bins=5", "Total=10"}, five),
       143,
       {},
       "Min = 0,5m"},
  };
  for (const auto& c : cases) {
    Refusal e;
    EXPECT_FALSE(read(c.text, e)) << c.name;
    EXPECT_EQ(e.message, c.message) << c.name;
    EXPECT_EQ(e.args, c.args) << c.name;
    EXPECT_EQ(e.extra, c.extra) << c.name;
    EXPECT_FALSE(e.text(Language::Czech).empty()) << c.name;
  }
}

TEST(HistogramFileRead, OwnRefusals) {
  struct Case {
    const char* name;
    std::string text;
    std::string contains;     // in both languages
    std::string notContains;  // a word that would mislead
  };
  const std::vector<std::string> five{"1", "2", "4", "2", "1"};
  const std::vector<Case> cases{
      {"Min=0 a Max=0", file({"Min=0", "Max=0", "Bins=2", "Total=2"}, {"1", "1"}), "Min=0 a Max=0", "Max >"},
      {"Bins=0", file({"Min=0", "Max=10", "Bins=0", "Total=0"}, {}, true) + "\r\n", "Bins = 0", "Max"},
      {"Total=0", file({"Min=0", "Max=10", "Bins=2", "Total=0"}, {"0", "0"}), "Total = 0", "Max"},
      // Each of these was once reported as something else.
      {"Max infinite", file({"Min=0", "Max=inf", "Bins=5", "Total=10"}, five), "Max = inf", "Min"},
      {"Max NaN", file({"Min=0", "Max=nan", "Bins=5", "Total=10"}, five), "Max = nan", "Min"},
      {"Max overflow", file({"Min=0", "Max=1e999", "Bins=5", "Total=10"}, five), "Max = 1e999", "Min"},
      {"edges whose span overflows", file({"Min=-1e308", "Max=1e308", "Bins=1", "Total=1"}, {"1"}),
       "Min = -1E+308   Max = 1E+308", "INF"},
      {"Min twice", file({"Min=0", "Min=0", "Max=10", "Bins=5", "Total=10"}, five), "Min", "Max"},
      // Eleven Min lines add up to the same key count as Min and Max once each.
      {"Min eleven times, no Max",
       file({"Min=0", "Min=0", "Min=0", "Min=0", "Min=0", "Min=0", "Min=0", "Min=0", "Min=0", "Min=0",
             "Min=0", "Bins=5", "Total=10"},
            five),
       "( 11", "Max"},
      {"Total twice", file({"Min=0", "Max=10", "Bins=5", "Total=10", "Total=10"}, five), "Total", "Min"},
  };
  for (const auto& c : cases) {
    Refusal e;
    EXPECT_FALSE(read(c.text, e)) << c.name;
    EXPECT_EQ(e.message, 0) << c.name;
    for (Language l : {Language::Czech, Language::English}) {
      EXPECT_NE(e.text(l).find(c.contains), std::string::npos) << c.name << ": " << e.text(l);
      EXPECT_EQ(e.text(l).find(c.notContains), std::string::npos) << c.name << ": " << e.text(l);
    }
  }
}

TEST(HistogramFileRead, MissingFileIsMessage11WithThePath) {
  Refusal e;
  EXPECT_FALSE(ReadHistogramFile("/nonexistent/folder/X.dis", e));
  EXPECT_EQ(e.message, 11);
  EXPECT_EQ(e.args, std::vector<std::string>{"/nonexistent/folder/X.dis"});
}

TEST(HistogramFileRead, FixtureFiles) {
  for (const char* name : {"Example.dis", "Sirka.dis", "Pevnost.dis"}) {
    Refusal e;
    const auto h = ReadHistogramFile(std::string(TEST_DATA_DIR) + "/histograms/" + name, e);
    ASSERT_TRUE(h) << name << ": " << e.text(Language::English);
    EXPECT_NEAR(totalProbability(*h), 1, 1e-12) << name;
  }
}

TEST(HistogramFileWrite, ExactLayout) {
  Refusal e;
  const auto h = read(example(), e);
  ASSERT_TRUE(h);
  std::ostringstream out;
  ASSERT_TRUE(WriteHistogram(out, *h, "Example.dis", e));
  EXPECT_EQ(
      out.str(),
      "[Description]\r\nIdentification=Example.dis\r\nType=Discrete\r\nForm=Frequency\r\n\r\n[Parameters]\r\n"
      "Min=0.00000\r\nMax=10.00000\r\nBins=5\r\nTotal=10\r\n[Bins]\r\n1\r\n2\r\n4\r\n2\r\n1\r\n");
}

TEST(HistogramFileWrite, EdgesFixedWithFiveDecimalsAndCp1250Name) {
  Histogram h;
  h.count = 256;
  h.min = 0;
  h.max = 255;
  h.step = 1;
  h.total = 256;
  for (int i = 0; i < 256; ++i) h.p[i] = 1.0 / 256;
  std::ostringstream out;
  Refusal e;
  ASSERT_TRUE(WriteHistogram(out, h, "Šířka.dis", e));
  const std::string s = out.str();
  EXPECT_NE(s.find("\r\nMin=-0.50000\r\nMax=255.50000\r\nBins=256\r\nTotal=256\r\n"), std::string::npos);
  EXPECT_NE(s.find("Identification=\x8A\xED\xF8ka.dis\r\n"), std::string::npos);
  // Large edges never take an exponent.
  h.min = 1e20;
  h.max = 1e20 + 255 * 1e6;
  h.step = 1e6;
  std::ostringstream big;
  ASSERT_TRUE(WriteHistogram(big, h, "Big.dis", e));
  const std::string b = big.str();
  const auto at = b.find("\r\nMin=");
  ASSERT_NE(at, std::string::npos);
  const std::string minLine = b.substr(at + 6, b.find("\r\n", at + 2) - at - 6);
  EXPECT_EQ(minLine.find_first_not_of("0123456789."), std::string::npos) << minLine;
  EXPECT_EQ(minLine.substr(minLine.size() - 6), ".00000");
}

TEST(HistogramFileWrite, FrequencyScaleDividedBelow2To63) {
  Histogram h;
  h.count = 3;
  h.min = 1;
  h.max = 3;
  h.step = 1;
  h.total = 1e20;
  h.p[0] = 0.25;
  h.p[1] = 0.5;
  h.p[2] = 0.25;
  const FrequencyForm ff = ToFrequencies(h);
  ASSERT_TRUE(ff.valid);
  EXPECT_EQ(ff.total, 1000000000000000000);  // 1e20 divided by 10 twice
  EXPECT_EQ(ff.f[0], 250000000000000000);
  EXPECT_EQ(ff.f[1], 500000000000000000);
  // Round trip: probabilities come back exactly.
  std::ostringstream out;
  Refusal e;
  ASSERT_TRUE(WriteHistogram(out, h, "Scale.dis", e));
  std::istringstream in(out.str());
  const auto back = ReadHistogram(in, e);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->p[1], 0.5);
  EXPECT_EQ(back->total, 1e18);
}

TEST(HistogramFileWrite, WhatIsWrittenReadsBackAsTheSameHistogram) {
  Refusal e;
  const auto example5 = read(example(), e);
  ASSERT_TRUE(example5);
  struct Case {
    const char* name;
    double factor;      // the example scaled by it
    const char* lines;  // expected in the file
  };
  const std::vector<Case> cases{
      {"five decimals where they hold the edges", 2, "Min=0.00000\r\nMax=20.00000\r\n"},
      {"more where they do not", 1.234567e-4, "Max=0.0012345669999999998\r\n"},
      {"a third", 1.0 / 3, "Max=3.333333333333333"},
      {"tiny", 1e-200, "Min=0.00000"},
      {"negative", -7, "Min=-70.00000\r\nMax=0.00000\r\n"},
  };
  for (const Case& c : cases) {
    Histogram h = *example5;
    ScaleHistogram(h, c.factor);
    std::string text;
    ASSERT_TRUE(HistogramFileText(h, "X.dis", text, e)) << c.name << ": " << e.text(Language::English);
    EXPECT_NE(text.find(c.lines), std::string::npos) << c.name << ":\n" << text;
    const auto back = ReadHistogramText(text, e);
    ASSERT_TRUE(back) << c.name;
    EXPECT_EQ(back->count, h.count) << c.name;
    const double width = std::fabs(h.step) * h.count;
    EXPECT_NEAR(back->min, h.min, 1e-9 * width) << c.name;
    EXPECT_NEAR(back->max, h.max, 1e-9 * width) << c.name;
    EXPECT_NEAR(back->step, h.step, 1e-9 * width) << c.name;
    for (int i = 0; i < 5; ++i) EXPECT_NEAR(back->p[i], h.p[i], 1e-9 * h.p[i]) << c.name;
  }
  // What the reader refuses is never written: a histogram scaled by 0 has both centres at 0.
  Histogram zero = *example5;
  ScaleHistogram(zero, 0);
  std::ostringstream out;
  EXPECT_FALSE(WriteHistogram(out, zero, "Zero.dis", e));
  EXPECT_TRUE(out.str().empty());
  EXPECT_NE(e.text(Language::Czech).find("Histogram nelze uložit tak, aby se ze souboru načetl stejný"),
            std::string::npos)
      << e.text(Language::Czech);
  EXPECT_NE(e.text(Language::English).find("Min=0 a Max=0"), std::string::npos) << e.text(Language::English);
  // Nor a record whose last centre does not follow from its first and its step.
  Histogram skewed = *example5;
  skewed.max += 1;
  EXPECT_FALSE(WriteHistogram(out, skewed, "Skewed.dis", e));
  EXPECT_NE(e.text(Language::English).find("differs: Min 1 / 1.1"), std::string::npos)
      << e.text(Language::English);
}

TEST(HistogramFileRead, AFolderAPipeOrADeviceIsNamedForWhatItIs) {
  Refusal e;
  EXPECT_FALSE(ReadHistogramFile(TEST_DATA_DIR, e));
  EXPECT_EQ(e.message, 0);
  EXPECT_EQ(e.text(Language::English), std::string(TEST_DATA_DIR) + "\r\n\r\nis a folder, not a file!");
  EXPECT_EQ(e.text(Language::Czech), std::string(TEST_DATA_DIR) + "\r\n\r\nje složka, ne soubor !");
  EXPECT_FALSE(ReadHistogramFile("/dev/zero", e));
  EXPECT_EQ(e.text(Language::English), "/dev/zero\r\n\r\nis a device, not a file!");
}

TEST(HistogramFileWrite, RefusesHistogramsWithoutAReadableForm) {
  struct Case {
    const char* name;
    Histogram h;
  };
  Histogram base;
  base.count = 2;
  base.min = 1;
  base.max = 2;
  base.step = 1;
  base.total = 2;
  base.p[0] = base.p[1] = 0.5;
  Histogram noBins = base;
  noBins.count = 0;
  Histogram zeroTotal = base;
  zeroTotal.total = 0;
  Histogram infTotal = base;
  infTotal.total = INFINITY;
  Histogram nanEdge = base;
  nanEdge.min = NAN;
  Histogram infBin = base;
  infBin.p[1] = INFINITY;
  Histogram nanBin = base;
  nanBin.p[0] = NAN;
  Histogram negative = base;
  negative.p[0] = -0.5;
  negative.p[1] = 1.5;
  for (const auto& c : std::vector<Case>{{"no bins", noBins},
                                         {"zero total", zeroTotal},
                                         {"infinite total", infTotal},
                                         {"NaN edge", nanEdge},
                                         {"infinite bin", infBin},
                                         {"NaN bin", nanBin},
                                         {"negative bin", negative}}) {
    std::ostringstream out;
    Refusal e;
    EXPECT_FALSE(WriteHistogram(out, c.h, "X.dis", e)) << c.name;
    EXPECT_TRUE(out.str().empty()) << c.name;
    EXPECT_FALSE(e.text(Language::English).empty()) << c.name;
  }
}

TEST(HistogramFileWrite, FileRoundTripAndWriteFailure) {
  const auto dir = std::filesystem::temp_directory_path() / ("veltra_hist_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  Refusal e;
  const auto h = ReadHistogramFile(std::string(TEST_DATA_DIR) + "/histograms/Pevnost.dis", e);
  ASSERT_TRUE(h);
  const std::string path = (dir / "Kopie.dis").string();
  ASSERT_TRUE(WriteHistogramFile(path, *h, e));
  const std::string text = slurp(path);
  EXPECT_NE(text.find("Identification=Kopie.dis\r\n"), std::string::npos);
  const auto back = ReadHistogramFile(path, e);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->count, h->count);
  EXPECT_EQ(back->p, h->p);
  EXPECT_EQ(back->total, h->total);
  EXPECT_NEAR(back->min, h->min, 1e-9);
  // The fixture file itself reads and writes back byte for byte apart from its name.
  std::string original = slurp(std::string(TEST_DATA_DIR) + "/histograms/Pevnost.dis");
  original.replace(original.find("Pevnost.dis"), 11, "Kopie.dis");
  EXPECT_EQ(text, original);

  EXPECT_FALSE(WriteHistogramFile((dir / "no" / "such" / "folder" / "X.dis").string(), *h, e));
  EXPECT_EQ(e.message, 27);
  std::filesystem::remove_all(dir);
}

TEST(HistogramFileRead, ADamagedFileIsNamedAfterTheReadersMessage) {
  const auto dir = std::filesystem::temp_directory_path() / ("veltra_damaged_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "Poskozeny.dis").string();
  std::ofstream(path, std::ios::binary) << file({"Min=0", "Max=10", "Bins=5", "Total=10"}, {}, false);
  Refusal e;
  EXPECT_FALSE(ReadHistogramFile(path, e));
  EXPECT_EQ(e.message, 14);
  EXPECT_EQ(e.text(Language::Czech), MessageText(14, Language::Czech) + "\r\n\r\nSoubor :  " + path);
  EXPECT_EQ(e.text(Language::English), MessageText(14, Language::English) + "\r\n\r\nFile:  " + path);
  std::filesystem::remove_all(dir);
}

TEST(HistogramFileWrite, ANameWindows1250CannotHoldIsRefusedUnlessAccepted) {
  const auto dir = std::filesystem::temp_directory_path() / ("veltra_names_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  Refusal e;
  const auto h = read(example(), e);
  ASSERT_TRUE(h);
  const std::string path = (dir / "Granit α中.dis").string();
  EXPECT_FALSE(WriteHistogramFile(path, *h, e));
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_NE(e.text(Language::English).find("\"Identification=Granit α中.dis\"   :   α 中"), std::string::npos)
      << e.text(Language::English);
  ASSERT_TRUE(WriteHistogramFile(path, *h, e, true));
  EXPECT_NE(slurp(path).find("Identification=Granit ??.dis\r\n"), std::string::npos);
  // Czech letters are Windows-1250 letters: nothing to ask.
  EXPECT_TRUE(WriteHistogramFile((dir / "Šířka.dis").string(), *h, e));
  std::filesystem::remove_all(dir);
}

TEST(HistogramFileDialogs, Settings) {
  const auto s = HistogramFileDialogs::save("/home/u/Veltra/Histogramy");
  EXPECT_EQ(s.initialFolder, "/home/u/Veltra/Histogramy");
  EXPECT_EQ(s.fileName, "Histogram");
  EXPECT_EQ(s.defaultExtension, "dis");
  EXPECT_EQ(s.filter, "Distributions Files (*.dis)|*.dis|All files (*.*)|*.*");
  EXPECT_EQ(s.filterIndex, 1);
  const auto o = HistogramFileDialogs::open("/x");
  EXPECT_EQ(o.fileName, "");
  EXPECT_EQ(o.filter, s.filter);
  EXPECT_EQ(fileNameOnly("/a/b/c.dis"), "c.dis");
  EXPECT_EQ(fileNameOnly("c.dis"), "c.dis");
}

TEST(HistogramFileRead, CzechAndEnglishTexts) {
  Refusal e;
  EXPECT_FALSE(read(file({"Min=0", "Max=10", "Bins=5", "Total=10"}, {"1", "2", "4", "2", "2"}), e));
  EXPECT_EQ(e.text(Language::Czech),
            "Není správný  p o č e t  prvků !\r\n\r\nzadáno :    Prvků = 11     Suma = 10");
  EXPECT_FALSE(read(file({"Min=5", "Max=1", "Bins=2", "Total=2"}, {"1", "1"}), e));
  EXPECT_EQ(e.text(Language::Czech), "Min > Max   (Zadáno: Min 4  Max 2)");
  EXPECT_FALSE(read(file({"Min=0", "Max=10", "Bins=300", "Total=10"}, {"1"}), e));
  EXPECT_EQ(e.text(Language::Czech),
            "Výpočet  n e l z e  provést!\r\nPočet intervalů u histogramu > 256\r\n\r\nzadáno :  Pocet "
            "intervalů = 300");
  EXPECT_FALSE(read(file({"Min=0", "Max=10", "Bins=5", "Total=10"}, {"1", "1.5"}), e));
  EXPECT_EQ(e.text(Language::Czech),
            "Nebylo zadáno  p l a t n é  číslo!\r\n\r\nZadáno : Četnost v 2.intervalu = 1.5");
  EXPECT_FALSE(ReadHistogramFile("/no/X.dis", e));
  EXPECT_EQ(e.text(Language::Czech),
            "Požadovaný dat.soubor histogramu :  /no/X.dis   n e e x i s t u j e  !");
  EXPECT_NE(e.text(Language::English), e.text(Language::Czech));
}
