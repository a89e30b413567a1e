#include <gtest/gtest.h>

#include <bit>
#include <cerrno>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>

#include "../support/ScriptedDialogs.h"
#include "shell/Dialogs.h"
#include "shell/Language.h"
#include "shell/NumberText.h"

namespace {

const double kValues[] = {0.0,
                          -0.0,
                          1.0,
                          -1.0,
                          0.1,
                          1.0 / 3.0,
                          -2.0 / 3.0,
                          0.5,
                          250.0,
                          -17.0,
                          1e-7,
                          -2.5e-7,
                          12345.678,
                          1e10,
                          1e15,
                          1.2345678901234567e17,
                          3.14159e100,
                          -6.02e23,
                          1e-300 / 3,
                          DBL_MIN,
                          5e-324,
                          DBL_MAX,
                          -DBL_MAX,
                          0.999999999999,
                          9.9999999995e9,
                          123456.5};

struct Texter {
  const char* name;
  std::string (*text)(double);
  int digits;
};

std::string tiskPrv(double x) { return formatNumberCell(x); }
std::string cetnost12(double x) { return formatNumberAligned(12, x); }
std::string bottom(double x) { return formatBarLabel(0.25, x); }

const Texter kTexters[] = {{"formatNumber", formatNumber, 10},
                           {"formatNumberShort", formatNumberShort, 6},
                           {"formatNumberCell", tiskPrv, 15},
                           {"TCetnost12", cetnost12, 6},
                           {"formatBarLabel", bottom, 5}};

}  // namespace

TEST(NumberTexts, EveryTextReadsBackWithinItsDigits) {
  for (const auto& t : kTexters) {
    for (double x : kValues) {
      const std::string s = t.text(x);
      double back = std::numeric_limits<double>::quiet_NaN();
      ASSERT_TRUE(parseDouble(s, back)) << t.name << " gave unreadable \"" << s << "\" for " << x;
      const double tolerance = std::fabs(x) * 0.51 * std::pow(10.0, 1 - t.digits);
      EXPECT_LE(std::fabs(back - x), tolerance) << t.name << " \"" << s << "\" for " << x;
      EXPECT_EQ(s.find(','), std::string::npos) << t.name << " \"" << s << "\"";
    }
  }
}

TEST(NumberTexts, RandomBitPatternsReadBack) {
  std::mt19937_64 random(20261210);
  for (int i = 0; i < 200000; ++i) {
    const double x = std::bit_cast<double>(random());
    if (!std::isfinite(x)) continue;
    for (const auto& t : kTexters) {
      const std::string s = t.text(x);
      double back = 0;
      ASSERT_TRUE(parseDouble(s, back)) << t.name << " \"" << s << "\"";
      // Subnormals carry fewer digits than the text; compare them on the scale of the smallest normal.
      const double scale = std::max(std::fabs(x), DBL_MIN);
      ASSERT_LE(std::fabs(back - x), scale * 0.51 * std::pow(10.0, 1 - t.digits))
          << t.name << " \"" << s << "\"";
    }
  }
}

TEST(NumberTexts, Layout) {
  EXPECT_EQ(formatNumber(0.5), "0.5");
  EXPECT_EQ(formatNumber(250), "250");
  EXPECT_EQ(formatNumber(-0.125), "-0.125");
  EXPECT_EQ(formatNumber(1e-7), "1E-07");
  EXPECT_EQ(formatNumber(1.0 / 3.0), "0.3333333333");
  EXPECT_EQ(formatNumberShort(1.0 / 3.0), "0.333333");
  EXPECT_EQ(formatNumberShort(7.2e-5), "7.2E-05");
  EXPECT_EQ(formatNumberCell(0.1L), "0.1");
  // Non-finite values are never shown as numbers.
  for (double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                     -std::numeric_limits<double>::infinity()}) {
    EXPECT_EQ(formatNumber(bad), " undefined");
    EXPECT_EQ(formatNumberShort(bad), " undefined");
    EXPECT_EQ(formatNumberCell(bad), " undefined");
  }
  EXPECT_EQ(formatNumberCell(std::numeric_limits<long double>::max()), " undefined");
}

TEST(NumberTexts, FixedWidthCounts) {
  EXPECT_EQ(formatNumberAligned(4, 7), "   7");
  EXPECT_EQ(formatNumberAligned(5, 256), "  256");
  EXPECT_EQ(formatNumberAligned(4, 2.5), "   2");  // ties to even
  EXPECT_EQ(formatNumberAligned(4, 3.5), "   4");
  EXPECT_EQ(formatNumberAligned(4, 12345), "12345");  // never cut
  EXPECT_EQ(formatNumberAligned(12, 0.125), "       0.125");
  EXPECT_EQ(formatNumberAligned(12, 37), "          37");
  EXPECT_EQ(formatNumberAligned(12, -1.234567e-5), "-1.23457E-05");
  EXPECT_EQ(formatNumberAligned(12, 1.0 / 3.0).size(), 12u);
}

TEST(NumberParsers, AcceptsPlainNumbersOnly) {
  const struct {
    const char* text;
    double value;
  } good[] = {{"1", 1},
              {"-1.5", -1.5},
              {"+2", 2},
              {".5", 0.5},
              {"5.", 5},
              {"1E3", 1000},
              {"1e-3", 0.001},
              {" 7 ", 7},
              {"\t0.25", 0.25},
              {"1.5E+10", 1.5e10},
              {"007", 7},
              {"-0", 0},
              {"1E-400", 0},
              {"0.000E999", 0},
              {"1.7976931348623157E308", DBL_MAX},
              // A decimal comma stands for the point.
              {"1,5", 1.5},
              {"2,5e3", 2500},
              {",5", 0.5},
              {"-3,", -3},
              {" 1200,7 ", 1200.7}};
  for (const auto& g : good) {
    double x = -99;
    EXPECT_TRUE(parseDouble(g.text, x)) << g.text;
    EXPECT_EQ(x, g.value) << g.text;
  }
  for (const char* bad : {"",    " ",        "-",     ".",       "1 500",   "1 000", "inf",     "-inf",
                          "nan", "NaN",      "1e",    "e5",      "E5",      "1E+",   "0x10",    "1.2.3",
                          "--1", "+-1",      "1E400", "-1E400",  "1.8E308", "12abc", "1 2",     "1e5.5",
                          "١",   "infinity", "1,5,0", "1,000.5", "1.5,0",   ",",     "1000abc", "2,5e3x"}) {
    double x = 42;
    EXPECT_FALSE(parseDouble(bad, x)) << bad;
    EXPECT_EQ(x, 42) << "a refused text leaves the value: " << bad;
  }
}

// Random texts over the characters of numbers: the parser agrees with the C library's reading of the
// whole text, except that it refuses overflow and reads underflow as zero.
TEST(NumberParsers, AgreesWithTheCLibraryOnRandomTexts) {
  const std::string alphabet = "0123456789.+-eE";
  std::mt19937 random(7);
  int accepted = 0;
  for (int i = 0; i < 100000; ++i) {
    std::string text(1 + random() % 8, ' ');
    for (char& c : text) c = alphabet[random() % alphabet.size()];
    if (random() % 4 == 0) text += "E" + std::to_string(static_cast<int>(random() % 800) - 400);
    double mine = 0;
    const bool ok = parseDouble(text, mine);
    char* end = nullptr;
    errno = 0;
    const double theirs = std::strtod(text.c_str(), &end);
    const bool whole = end == text.c_str() + text.size() && text.find_first_of("0123456789") < text.size();
    if (whole && errno == ERANGE && std::fabs(theirs) > 1) {
      EXPECT_FALSE(ok) << text;  // overflow
    } else if (whole && errno == ERANGE) {
      EXPECT_TRUE(ok) << text;  // underflow
      EXPECT_LE(std::fabs(mine), DBL_MIN) << text;
    } else {
      EXPECT_EQ(ok, whole) << text;
      if (ok && whole) {
        EXPECT_EQ(mine, theirs) << text;
      }
    }
    accepted += ok;
  }
  EXPECT_GT(accepted, 1000);
}

TEST(NumberParsers, Integers) {
  const struct {
    const char* text;
    long value;
  } good[] = {{"42", 42}, {"-7", -7}, {"+3", 3}, {" 128 ", 128}, {"0", 0}};
  for (const auto& g : good) {
    long n = -99;
    EXPECT_TRUE(parseLong(g.text, n)) << g.text;
    EXPECT_EQ(n, g.value);
  }
  long n = 0;
  EXPECT_TRUE(parseLong(std::to_string(LONG_MIN), n));
  EXPECT_EQ(n, LONG_MIN);
  for (const char* bad :
       {"", "4.0", "1e3", "99999999999999999999", "-99999999999999999999", "abc", "1 2", "-", "0x1"}) {
    long m = 5;
    EXPECT_FALSE(parseLong(bad, m)) << bad;
    EXPECT_EQ(m, 5);
  }
}
