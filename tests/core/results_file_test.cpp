#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>
#include <random>

#include "persistence/Extended80.h"
#include "persistence/ProjectFile.h"
#include "persistence/ResultsFile.h"
#include "persistence/TaggedStream.h"

namespace {

std::string bytes(std::initializer_list<int> b) {
  std::string s;
  for (int c : b) s += static_cast<char>(c);
  return s;
}

TEST(TaggedStreamTest, WritesTheDocumentedByteForms) {
  struct Case {
    const char* what;
    std::string got, want;
  };
  auto text = [](std::string_view t) {
    TaggedWriter w;
    w.writeText(t);
    return w.bytes();
  };
  auto integer = [](int v) {
    TaggedWriter w;
    w.writeInteger(v);
    return w.bytes();
  };
  const std::string czech = "Pevnost v jednoosém tlaku";  // 25 characters, 26 UTF-8 bytes
  const Case cases[] = {
      {"empty text", text(""), bytes({18, 0, 0, 0, 0})},
      {"POPIS DAT", text("POPIS DAT"), bytes({6, 9}) + "POPIS DAT"},
      {"Czech text", text(czech), bytes({20, 26, 0, 0, 0}) + czech},
      {"long ASCII", text(std::string(300, 'a')), bytes({12, 0x2C, 1, 0, 0}) + std::string(300, 'a')},
      {"two-byte letters only", text("žš"), bytes({18, 2, 0, 0, 0, 0x7E, 0x01, 0x61, 0x01})},
      {"4", integer(4), bytes({2, 4})},
      {"-128", integer(-128), bytes({2, 0x80})},
      {"300", integer(300), bytes({3, 0x2C, 0x01})},
      {"-32768", integer(-32768), bytes({3, 0x00, 0x80})},
      {"70000", integer(70000), bytes({4, 0x70, 0x11, 0x01, 0x00})},
  };
  for (const auto& c : cases) EXPECT_EQ(c.got, c.want) << c.what;
  TaggedWriter w;
  w.writeBool(false);
  w.writeBool(true);
  w.writeReal(1.0);
  EXPECT_EQ(w.bytes(), bytes({8, 9, 5, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}));
}

TEST(TaggedStreamTest, ReadsEveryTextTagAndRefusesUnexpectedOnes) {
  const std::string s = bytes({6, 3}) + "P\xEDs" + bytes({12, 2, 0, 0, 0}) + "ab" +
                        bytes({18, 2, 0, 0, 0, 0x0D, 0x01, 0x3D, 0xD8}) + bytes({20, 2, 0, 0, 0}) +
                        "\xC5\xAF" + bytes({3, 0xFF, 0xFF}) + bytes({4, 0xFF, 0xFF, 0xFF, 0x7F}) + bytes({9});
  TaggedReader r(s);
  EXPECT_EQ(r.readText(), "Pís");  // 8-bit texts are Windows-1250
  EXPECT_EQ(r.readText(), "ab");
  EXPECT_EQ(r.readText(), "č\xEF\xBF\xBD");  // a lone surrogate becomes U+FFFD
  EXPECT_EQ(r.readText(), "ů");
  EXPECT_EQ(r.readInteger(), -1);
  EXPECT_EQ(r.readInteger(), 2147483647);
  EXPECT_EQ(r.readInteger(), 0);  // a Boolean where an integer belongs
  EXPECT_EQ(r.fault(), TaggedFault::UnexpectedTag);
  EXPECT_EQ(r.faultTag(), 9);
  EXPECT_EQ(r.readText(), "");  // nothing is read after a fault
  EXPECT_EQ(r.valueIndex(), 7u);

  const std::string short20 = bytes({20, 0xFF, 0xFF, 0xFF, 0x7F, 'a'});  // count far beyond the data
  TaggedReader huge(short20);
  EXPECT_EQ(huge.readText(), "");
  EXPECT_EQ(huge.fault(), TaggedFault::EndsEarly);
}

TEST(Extended80Test, EncodesKnownValuesAndRoundTripsEveryDoubleClass) {
  struct Case {
    double x;
    std::array<std::uint8_t, 10> b;
  };
  const Case cases[] = {
      {0.0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {-0.0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0x80}},
      {1.0, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}},
      {-2.5, {0, 0, 0, 0, 0, 0, 0, 0xA0, 0x00, 0xC0}},
      {0.1, {0x00, 0xD0, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xFB, 0x3F}},
      {std::numeric_limits<double>::infinity(), {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(encodeExtended(c.x), c.b) << c.x;
    const double back = decodeExtended(c.b.data());
    EXPECT_EQ(std::memcmp(&back, &c.x, sizeof back), 0) << c.x;
  }
  const double extremes[] = {std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::min(),
                             std::numeric_limits<double>::denorm_min(),
                             5e-320,
                             -1.2345678901234567e-300,
                             123456.789};
  for (double x : extremes) EXPECT_EQ(decodeExtended(encodeExtended(x).data()), x) << x;
  EXPECT_TRUE(std::isnan(decodeExtended(encodeExtended(std::nan("")).data())));
}

TEST(Extended80Test, DecodingRoundsToNearestEvenAndSaturates) {
  auto make = [](std::uint64_t mant, unsigned se) {
    std::array<std::uint8_t, 10> b{};
    for (int i = 0; i < 8; ++i) b[i] = static_cast<std::uint8_t>(mant >> (8 * i));
    b[8] = se & 0xFF;
    b[9] = se >> 8;
    return b;
  };
  // 1 + 2^-53 exactly between 1 and the next double: ties to even gives 1.
  EXPECT_EQ(decodeExtended(make(0x8000000000000400ULL, 0x3FFF).data()), 1.0);
  // 1 + 3 * 2^-53: tie between odd and even neighbours goes up to 1 + 2^-51.
  EXPECT_EQ(decodeExtended(make(0x8000000000000C00ULL, 0x3FFF).data()), 1.0 + std::ldexp(1.0, -51));
  // Just above the tie rounds up.
  EXPECT_EQ(decodeExtended(make(0x8000000000000401ULL, 0x3FFF).data()), 1.0 + std::ldexp(1.0, -52));
  // All ones carries into the next power of two.
  EXPECT_EQ(decodeExtended(make(0xFFFFFFFFFFFFFFFFULL, 0x3FFF).data()), 2.0);
  // Beyond the range of double: infinity; far below: zero.
  EXPECT_TRUE(std::isinf(decodeExtended(make(0x8000000000000000ULL, 0x43FF + 1).data())));
  EXPECT_EQ(decodeExtended(make(0x8000000000000000ULL, 0x0001).data()), 0.0);
  // NaN payloads and pseudo-infinity patterns.
  EXPECT_TRUE(std::isnan(decodeExtended(make(0xC000000000000001ULL, 0xFFFF).data())));
  EXPECT_EQ(decodeExtended(make(0x8000000000000000ULL, 0xFFFF).data()),
            -std::numeric_limits<double>::infinity());
}

TEST(Extended80Test, AgreesWithTheHardwareWhereLongDoubleIsTheX87Format) {
  if (std::numeric_limits<long double>::digits != 64)
    GTEST_SKIP() << "long double is not the x87 format here";
  std::mt19937_64 rng(42);
  for (int i = 0; i < 200000; ++i) {
    std::array<std::uint8_t, 10> b;
    const std::uint64_t m = rng() | 0x8000000000000000ULL;  // normal numbers (explicit bit set)
    unsigned e = static_cast<unsigned>(rng() % 0x7FFF);
    if (i % 4 == 0) e = 0x3C00 + static_cast<unsigned>(rng() % 0x800);  // the range of double
    if (i % 16 == 1) e = 0x3BCC - static_cast<unsigned>(rng() % 60);    // subnormal doubles
    e |= (rng() & 1) ? 0x8000 : 0;
    for (int k = 0; k < 8; ++k) b[k] = static_cast<std::uint8_t>(m >> (8 * k));
    b[8] = e & 0xFF;
    b[9] = static_cast<std::uint8_t>(e >> 8);
    long double ld = 0;
    std::memcpy(&ld, b.data(), 10);
    const double want = static_cast<double>(ld);
    const double got = decodeExtended(b.data());
    ASSERT_EQ(std::memcmp(&got, &want, sizeof got), 0) << i;
    const double x = want;
    long double wide = x;
    std::array<std::uint8_t, 10> enc = encodeExtended(x);
    if (!std::isnan(x)) {
      ASSERT_EQ(std::memcmp(enc.data(), &wide, 10), 0) << x;
    }
  }
}

// A computed project with every histogram and text filled.
ProjectState sampleProject() {
  ProjectState p;
  auto hist = [](double lo, double step, std::initializer_list<double> ps) {
    Histogram h;
    h.count = static_cast<double>(ps.size());
    h.min = lo;
    h.step = step;
    h.max = lo + step * (h.count - 1);
    h.range = h.max - h.min + step;
    h.total = 100;
    int i = 0;
    for (double v : ps) h.p[i++] = v;
    return h;
  };
  const char* rocks[] = {"Jílovec", "Prachovec", "Pískovec"};
  for (int r = 0; r < 3; ++r) {
    p.layers[r].rockType = rocks[r];
    p.layers[r].name = "Vrstva_" + std::to_string(r + 1) + ".dis";
    p.layers[r].thickness = r == 0 ? "2.35" : "1.5";
    p.layers[r].histogram = hist(20 + 10 * r, 2.5, {0.1, 0.2, 0.4, 0.2, 0.1});
  }
  p.layers[3].rockType = "Uhlí";
  p.nextLayerRow = 4;
  p.width = {kSrcWidth, "Sirka.dis", hist(4.0, 0.5, {0.2, 0.2, 0.2, 0.4})};
  p.k = {kSrcK, "K.dis", hist(0.9, 0.05, {0.3, 0.4, 0.3})};
  p.kn = {kSrcKn, "Kn.dis", hist(1.1, 0.1, {0.5, 0.5})};
  p.q = {kSrcQ, "Vytvořen ( \"Parametrické rozdělení\" )", hist(0.05, 0.01, {0.25, 0.5, 0.25})};
  p.rmr = {kSrcRmr, "RMR.dis", hist(45, 5, {0.2, 0.6, 0.2})};
  p.gamma = {kSrcGamma, "Gamma.dis", hist(2.4, 0.1, {0.3, 0.4, 0.3})};
  p.sigmaR = {kSrcSigmaR, "Ocel.dis", hist(480, 20, {0.1, 0.8, 0.1})};
  p.bStar = 5.0;
  p.twoBStar = 10.0;
  p.bStarText = "5";
  p.twoBStarText = "10";
  p.beta = "0.9";
  p.depthH = "650";
  p.d1 = "22";
  p.d2 = "0";
  p.boltCount = "5";
  p.rowSpacing = "1000";
  p.combinedSupport = true;
  p.resultsName = "Třída_A    ( Version  1.5.6.5  /  1.2.2024 )";
  p.reducedStrength = hist(18, 1.25, {0.05, 0.25, 0.4, 0.25, 0.05});
  p.boltLength = hist(1.8, 0.1, {0.2, 0.5, 0.3});
  p.boltLoad = hist(60, 5, {0.1, 0.3, 0.4, 0.2});
  p.bearingCapacity = hist(150, 10, {0.25, 0.5, 0.25});
  p.reliabilityFunction = hist(-20, 15, {0.0001, 0.01, 0.2, 0.5, 0.2899});
  p.reducedStrengthDone = p.boltLengthDone = p.boltLoadDone = p.bearingCapacityDone = p.assessmentDone = true;
  return p;
}

RmrTables sampleRmr() {
  RmrTables t;
  t.tables[0].cell(0, 1) = "header not stored in projects";
  t.tables[0].cell(1, 1) = "2/  75% - 90%";
  t.tables[0].cell(1, 2) = "17";
  t.tables[5].cell(1, 1) = "1/  Tunely a doly";
  t.tables[5].cell(1, 2) = "3/  Špatný";
  t.tables[5].cell(1, 3) = "-5";
  t.tables[6].cell(1, 1) = "18.6";
  t.tables[6].cell(1, 2) = "23.6";
  t.sum = "65";
  t.rockClass = "II";
  t.rmr = "( 60.1,80.2 ) median = 70.3";
  return t;
}

ResultsFileData sampleResults() {
  Histogram d;
  d.count = 2;
  d.min = 0.4;
  d.max = 0.5;
  d.step = 0.1;
  d.range = 0.2;
  d.total = 2;
  d.p[0] = d.p[1] = 0.5;
  return resultsFileFromState(sampleProject(), sampleRmr(), {true, true, true, true, true}, d, "1.5.6.5",
                              "/home/u/Documents/Veltra/Results/Třída_A.Vys");
}

TEST(ResultsFileTest, SavedAndReadBackGivesTheSameTablesEditsHistogramsAndFlags) {
  const ResultsFileData d = sampleResults();
  const std::string file = formatResultsFile(d);
  Refusal err;
  const auto back = parseResultsFile(file, err);
  ASSERT_TRUE(back) << err.text(Language::English);
  EXPECT_EQ(*back, d);
  EXPECT_EQ(back->formatLevel, 506);

  ProjectState p;
  p.rowSpacing = "900";
  RmrTables rmr;
  Histogram workD;
  openResultsInto(*back, p, rmr, workD);
  const ProjectState want = sampleProject();
  EXPECT_EQ(p.resultsName, "Třída A");
  EXPECT_EQ(p.nextLayerRow, 4);
  for (int r = 0; r < ProjectState::kLayers; ++r) {
    EXPECT_EQ(p.layers[r].rockType, want.layers[r].rockType);
    EXPECT_EQ(p.layers[r].name, want.layers[r].name);
    EXPECT_EQ(p.layers[r].thickness, want.layers[r].thickness);
    EXPECT_EQ(p.layers[r].histogram, want.layers[r].histogram);
  }
  EXPECT_EQ(p.q.name, want.q.name);
  EXPECT_EQ(p.q.histogram, want.q.histogram);
  EXPECT_EQ(p.kn.histogram, want.kn.histogram);
  EXPECT_EQ(p.reliabilityFunction, want.reliabilityFunction);
  EXPECT_EQ(p.rowSpacing, "1000");
  EXPECT_EQ(p.beta, "0.9");
  EXPECT_TRUE(p.assessmentDone);
  EXPECT_EQ(rmr, sampleRmr());
  EXPECT_EQ(workD.count, 2);
}

TEST(ResultsFileTest, ResultsNameComesFromTheStoredFileName) {
  EXPECT_EQ(resultsNameFromPath("C:\\Data\\Vysledky_A.Vys"), "Vysledky A");
  EXPECT_EQ(resultsNameFromPath("/x/Projekt_B.v2.Vys"), "Projekt B");
  EXPECT_EQ(resultsNameFromPath("/x/bez tecky"), "");
}

// Offsets where each value of the stream starts, and the end.
std::vector<size_t> valueBoundaries(const std::string& file) {
  std::vector<size_t> at;
  TaggedReader r(file);
  while (!r.atEnd()) {
    at.push_back(r.offset());
    r.readAny();
    EXPECT_TRUE(r.ok());
  }
  return at;
}

TEST(ResultsFileTest, AFileCutAtAnyValueBoundaryOrInsideAValueIsRefused) {
  const std::string file = formatResultsFile(sampleResults());
  const auto at = valueBoundaries(file);
  ASSERT_GT(at.size(), 6000u);
  for (size_t i = 0; i < at.size(); ++i) {
    Refusal err;
    ASSERT_FALSE(parseResultsFile(std::string_view(file).substr(0, at[i]), err))
        << "cut before value " << i + 1;
    ASSERT_EQ(err.message, 0);
    if (i + 1 < at.size() && at[i + 1] - at[i] > 2) {
      ASSERT_FALSE(parseResultsFile(std::string_view(file).substr(0, at[i] + 2), err))
          << "cut inside value " << i + 1;
    }
  }
  Refusal err;
  parseResultsFile(std::string_view(file).substr(0, at[20]), err);
  EXPECT_NE(err.text(Language::English).find("ends early at value no. 21"), std::string::npos)
      << err.text(Language::English);
}

TEST(ResultsFileTest, UnexpectedTagsAndCountsOutOfRangeAreRefusedWithTheValueNamed) {
  std::string file = formatResultsFile(sampleResults());
  const auto at = valueBoundaries(file);
  // Value 5 is B*, a real: put an integer tag there.
  std::string wrong = file;
  wrong[at[4]] = static_cast<char>(kTagInt8);
  Refusal err;
  EXPECT_FALSE(parseResultsFile(wrong, err));
  EXPECT_NE(err.text(Language::English).find("Unexpected type 2 at value no. 5 ( B* )"), std::string::npos)
      << err.text(Language::English);
  // Value 7 is the column count of the layer table: 100 is out of range.
  std::string count = file;
  count[at[6] + 1] = 100;
  EXPECT_FALSE(parseResultsFile(count, err));
  EXPECT_NE(err.text(Language::Czech).find("layer table columns"), std::string::npos);
  // A tag that no value has.
  std::string junk = file;
  junk[at[100]] = 77;
  EXPECT_FALSE(parseResultsFile(junk, err));
}

TEST(ResultsFileTest, BytesAfterTheLastValueAreRefusedNamingWhereTheyStart) {
  const std::string file = formatResultsFile(sampleResults());
  for (const std::string& tail :
       {std::string(1, '\0'), std::string("garbage!!"), std::string(1, char(kTagTrue))}) {
    Refusal err;
    EXPECT_FALSE(parseResultsFile(file + tail, err)) << tail.size();
    for (Language l : {Language::Czech, Language::English})
      EXPECT_NE(err.text(l).find(std::to_string(file.size())), std::string::npos) << err.text(l);
    EXPECT_NE(err.text(Language::English).find(std::to_string(tail.size()) + " more bytes"),
              std::string::npos)
        << err.text(Language::English);
  }
  Refusal err;
  EXPECT_TRUE(parseResultsFile(file, err));
}

// Value numbers (0-based) of the count of every stored histogram, with its name in messages.
std::vector<std::pair<size_t, std::string>> histogramCountValues(const std::string& file) {
  Refusal err;
  const auto values = listResultsValues(file, err);
  std::vector<std::pair<size_t, std::string>> out;
  for (size_t i = 0; i < values.size(); ++i) {
    const std::string& n = values[i].name;
    if (n.size() > 6 && n.compare(n.size() - 6, 6, " count") == 0) out.emplace_back(i, n);
  }
  return out;
}

std::string withReal(std::string file, size_t valueStart, double v) {
  const auto b = encodeExtended(v);
  file.replace(valueStart + 1, 10, reinterpret_cast<const char*>(b.data()), 10);
  return file;
}

TEST(ResultsFileTest, DamagedHistogramCountsInEverySlotAreRefusedWithTheValueNamed) {
  const std::string file = formatResultsFile(sampleResults());
  const auto at = valueBoundaries(file);
  const auto counts = histogramCountValues(file);
  ASSERT_EQ(counts.size(), 10u + kResHistogramCount);
  const double inf = std::numeric_limits<double>::infinity();
  const std::pair<double, const char*> bad[] = {{300, "300"}, {std::nan(""), "nan"},
                                                {inf, "inf"}, {-inf, "-inf"},
                                                {-5, "-5"},   {0, "0"},
                                                {2.5, "2.5"}, {1e300, "1.0000000000000001e+300"}};
  Refusal listed;
  const auto values = listResultsValues(file, listed);
  for (const auto& [index, name] : counts) {
    // An empty slot is stored as all zeros: a count of 0 there is no damage.
    const bool empty = values[index].real == 0;
    for (const auto& [v, text] : bad) {
      if (empty && v == 0) continue;
      Refusal err;
      ASSERT_FALSE(parseResultsFile(withReal(file, at[index], v), err)) << name << " = " << text;
      const std::string msg = err.text(Language::English);
      EXPECT_NE(
          msg.find("Value no. " + std::to_string(index + 1) + " ( " + name + " ) is out of range: " + text),
          std::string::npos)
          << msg;
    }
    // One flipped byte of a stored count (sign, exponent or the integer bit of the significand).
    for (int byte : {7, 8, 9}) {
      if (empty) break;
      std::string flipped = file;
      flipped[at[index] + 1 + byte] ^= static_cast<char>(0x80);
      Refusal err;
      EXPECT_FALSE(parseResultsFile(flipped, err)) << name << " byte " << byte;
      // A count that still reads as a whole number makes another field disagree: the record is named.
      EXPECT_NE(err.text(Language::Czech).find("( " + name.substr(0, name.size() - 5)), std::string::npos)
          << err.text(Language::Czech);
    }
  }
}

TEST(ResultsFileTest, EveryDescriptorRuleRefusesItsOwnDamage) {
  const std::string file = formatResultsFile(sampleResults());
  const auto at = valueBoundaries(file);
  const auto counts = histogramCountValues(file);
  // The width histogram B: 4 bins from 4.0, step 0.5, total 100.
  const size_t width = std::find_if(counts.begin(), counts.end(), [](const auto& c) {
                         return c.second == "width B count";
                       })->first;
  struct Case {
    size_t offset;
    double v;
    const char* named;
  };
  const Case cases[] = {
      {1, std::nan(""), "width B min"},
      {2, std::numeric_limits<double>::infinity(), "width B max"},
      {3, -std::numeric_limits<double>::infinity(), "width B range"},
      {4, 0, "width B step"},
      {4, -0.5, "width B step"},
      {5, 0, "width B total"},
      {5, std::nan(""), "width B total"},
      {2, 3.0, "width B max"},    // below min
      {2, 9.0, "width B max"},    // beyond min + (n - 1) step
      {3, 7.0, "width B range"},  // neither n step nor (n - 1) step
      {6, -0.2, "width B bin 1"},
      {9, std::nan(""), "width B bin 4"},
  };
  for (const auto& c : cases) {
    Refusal err;
    ASSERT_FALSE(parseResultsFile(withReal(file, at[width + c.offset], c.v), err)) << c.named << " " << c.v;
    EXPECT_NE(err.text(Language::English).find(std::string("( ") + c.named + " )"), std::string::npos)
        << err.text(Language::English);
  }
  // No mass at all.
  std::string zero = file;
  for (int b = 0; b < 4; ++b) zero = withReal(zero, at[width + 6 + b], 0);
  Refusal err;
  EXPECT_FALSE(parseResultsFile(zero, err));
  EXPECT_NE(err.text(Language::English).find("( width B bins ) is out of range: 0"), std::string::npos);
  // A layer record as well: layer 1 descriptors are stored apart from its bins.
  const auto layer = std::find_if(counts.begin(), counts.end(), [](const auto& c) {
                       return c.second == "layer 1 count";
                     })->first;
  EXPECT_FALSE(parseResultsFile(withReal(file, at[layer + 4], 0), err));
  EXPECT_NE(err.text(Language::English).find("Value no. " + std::to_string(layer + 5) + " ( layer 1 step )"),
            std::string::npos)
      << err.text(Language::English);
}

TEST(ResultsFileTest, SoundRecordsOfEveryShapeAndEmptySlotsAreRead) {
  ResultsFileData d = sampleResults();
  // One bin (trimmed: range 0; from a file with Min > Max: a negative step), a trimmed record
  // with range (n - 1) step, an untouched empty slot.
  Histogram one;
  one.count = 1, one.min = one.max = 3, one.step = 0.5, one.range = 0, one.total = 1, one.p[0] = 1;
  Histogram negative = one;
  negative.step = negative.range = -4;
  Histogram trimmed;
  trimmed.count = 3, trimmed.min = 1, trimmed.max = 2, trimmed.step = 0.5, trimmed.range = 1,
  trimmed.total = 5;
  trimmed.p[0] = 0.2, trimmed.p[2] = 0.8;
  trimmed.p[200] = std::nan("");  // beyond the count: never read
  d.histograms[kResK] = one;
  d.histograms[kResKn] = negative;
  d.histograms[kResBoltLength] = trimmed;
  d.histograms[kResQ] = Histogram{};
  Refusal err;
  const std::string file = formatResultsFile(d);
  EXPECT_TRUE(parseResultsFile(file, err)) << err.text(Language::English);
  for (const char* name : {"Chodba_K12.Vys", "Chodba_K12_kombinovana.Vys"}) {
    std::ifstream in(std::string(EXAMPLES_DIR) + "/Veltra/Results/" + name, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(bytes.empty()) << name;
    EXPECT_TRUE(parseResultsFile(bytes, err)) << name << ": " << err.text(Language::English);
  }
}

TEST(ResultsFileTest, ATag20TextThatIsNoUtf8IsRefused) {
  ResultsFileData d = sampleResults();
  d.bStarText = "5 \xC3\xA9";  // "5 é": tag 20
  std::string file = formatResultsFile(d);
  const auto at = valueBoundaries(file);
  Refusal err;
  const auto values = listResultsValues(file, err);
  size_t index = 0;
  while (values[index].name != "EdB_H") ++index;
  ASSERT_EQ(static_cast<unsigned char>(file[at[index]]), kTagUtf8String);
  file[at[index] + 5 + 2] = static_cast<char>(0xFF);  // the first byte of "é"
  EXPECT_FALSE(parseResultsFile(file, err));
  EXPECT_NE(err.text(Language::English).find("value no. " + std::to_string(index + 1) + " ( EdB_H )"),
            std::string::npos)
      << err.text(Language::English);
  EXPECT_NE(err.text(Language::English).find("not valid UTF-8"), std::string::npos);
}

TEST(ResultsFileTest, ReadsTheOlderLayouts) {
  const ResultsFileData cur = sampleResults();
  auto build = [&](int level) {
    TaggedWriter w;
    if (level != 12) {
      w.writeText("POPIS DAT");
      w.writeText(level == 11 ? "1.0.11" : "1.0.13");
    }
    w.writeText(cur.storedPath);
    w.writeInteger(cur.nextLayerRow);
    w.writeReal(cur.bStar);
    w.writeReal(cur.beta);
    w.writeInteger(5);
    w.writeInteger(11);
    for (const auto& c : cur.layerCells) w.writeText(c);
    w.writeText(cur.bStarText);
    w.writeText(cur.twoBStarText);
    if (level == 13) w.writeText("overwritten");
    w.writeText(cur.depthH);
    w.writeText(cur.betaText);
    w.writeText(cur.widthName);
    if (level > 11) {
      if (level == 13) w.writeBool(false);
      w.writeText(cur.kName);
      w.writeText(cur.knName);
    }
    w.writeBool(cur.combinedSupport);
    for (const auto* s : {&cur.qName, &cur.rmrName, &cur.gammaName, &cur.d1, &cur.d2, &cur.boltCount})
      w.writeText(*s);
    if (level > 12) w.writeText(cur.rowSpacing);
    w.writeText(cur.sigmaRName);
    for (const auto& l : cur.layers)
      for (double v : {l.count, l.min, l.max, l.range, l.step, l.total}) w.writeReal(v);
    for (const auto& l : cur.layers)
      for (double v : l.p) w.writeReal(v);
    for (int h = 0; h < kResHistogramCount; ++h) {
      if ((h == kResK && level <= 11) || (h == kResKn && level <= 13)) continue;
      const auto& x = cur.histograms[h];
      for (double v : {x.count, x.min, x.max, x.range, x.step, x.total}) w.writeReal(v);
      for (double v : x.p) w.writeReal(v);
    }
    for (bool b : cur.done) w.writeBool(b);
    for (bool b : cur.buttons) w.writeBool(b);
    for (int i = 0; i < 5; ++i) w.writeText("Jalovina");
    for (const auto& g : cur.rmr.tables) {
      w.writeInteger(g.cols);
      w.writeInteger(g.rows);
      for (const auto& c : g.cells) w.writeText(c);
    }
    w.writeText(cur.rmr.sum);
    w.writeText(cur.rmr.rockClass);
    w.writeText(cur.rmr.rmr);
    return w.bytes();
  };
  for (int level : {11, 12, 13}) {
    Refusal err;
    const auto d = parseResultsFile(build(level), err);
    ASSERT_TRUE(d) << level << ": " << err.text(Language::English);
    EXPECT_EQ(d->formatLevel, level);
    EXPECT_EQ(d->histograms[kResReliability], cur.histograms[kResReliability]) << level;
    EXPECT_EQ(d->rmr, cur.rmr) << level;
    ProjectState p;
    p.rowSpacing = "750";
    p.k.name = "old K";
    p.kn.histogram.count = 7;
    RmrTables rmr;
    Histogram workD;
    openResultsInto(*d, p, rmr, workD);
    EXPECT_EQ(p.rowSpacing, level > 12 ? "1000" : "750") << level;
    EXPECT_EQ(p.k.name, level > 11 ? "K.dis" : "old K") << level;
    EXPECT_EQ(p.kn.histogram.count, level > 13 ? 2 : 7) << level;
    EXPECT_EQ(p.depthH, "650");
    EXPECT_TRUE(p.combinedSupport);
  }
}

// An earlier version read its number texts as far as they formed a number, and its stored results
// were computed so: such texts are read the same way (with a warning), and only in its files.
TEST(ResultsFileTest, AnEarlierVersionsNumberTextsAreReadAsItReadThem) {
  struct Case {
    int level;
    std::string ResultsFileData::*field;
    std::string stored, read;
  };
  const Case cases[] = {
      {16, &ResultsFileData::d1, "22E", "22"},
      {16, &ResultsFileData::depthH, "900-", "900"},
      {13, &ResultsFileData::boltCount, "3E", "3"},
      {16, &ResultsFileData::rowSpacing, "1.2.3", "1.2"},
      {16, &ResultsFileData::rowSpacing, "E5", "E5"},  // no number starts it: refused later as it is
      {16, &ResultsFileData::d2, "0", "0"},
      {kCurrentFormatLevel, &ResultsFileData::d1, "22E", "22E"},  // this version reads numbers whole
  };
  for (const Case& c : cases) {
    ResultsFileData d = sampleResults();
    d.formatLevel = c.level;
    d.*c.field = c.stored;
    ProjectState p;
    RmrTables rmr;
    Histogram workD;
    const std::vector<Refusal> warnings = openResultsInto(d, p, rmr, workD);
    const std::string read = c.field == &ResultsFileData::d1          ? p.d1
                             : c.field == &ResultsFileData::depthH    ? p.depthH
                             : c.field == &ResultsFileData::boltCount ? p.boltCount
                             : c.field == &ResultsFileData::d2        ? p.d2
                                                                      : p.rowSpacing;
    EXPECT_EQ(read, c.read) << c.stored;
    if (c.read == c.stored) {
      EXPECT_TRUE(warnings.empty()) << c.stored;
      continue;
    }
    ASSERT_EQ(warnings.size(), 1u) << c.stored;
    EXPECT_EQ(warnings[0].kind, DlgKind::Warning);
    EXPECT_NE(warnings[0].text(Language::English).find("\"" + c.stored + "\""), std::string::npos);
  }
  // A layer thickness too.
  ResultsFileData d = sampleResults();
  d.formatLevel = 16;
  d.layerCells[1 * (d.layerCols - 1) + 2] = "3 m";
  ProjectState p;
  RmrTables rmr;
  Histogram workD;
  ASSERT_EQ(openResultsInto(d, p, rmr, workD).size(), 1u);
  EXPECT_EQ(p.layers[1].thickness, "3");
}

TEST(ResultsFileTest, ListingNamesEveryValueInOrder) {
  const std::string file = formatResultsFile(sampleResults());
  Refusal err;
  const auto values = listResultsValues(file, err);
  EXPECT_EQ(values.size(), valueBoundaries(file).size());
  ASSERT_GT(values.size(), 10u);
  EXPECT_EQ(values[0].name, "header");
  EXPECT_EQ(values[0].tag, kTagString);
  EXPECT_EQ(values[3].name, "nextLayerRow");
  EXPECT_EQ(values[3].integer, 4);
  EXPECT_EQ(values[4].kind, "real");
  EXPECT_EQ(values[4].real, 5.0);
  EXPECT_EQ(values.back().name, "LRMR");
}

}  // namespace

namespace {

// Damaged files of every kind are refused or read, never more: no crash, no hang, no huge allocation.
TEST(FileRobustnessTest, RandomlyDamagedResultsAndProjectFilesAreHandled) {
  std::mt19937 rng(7);
  const std::string results = formatResultsFile(sampleResults());
  const std::string project =
      formatProjectFile(projectFileFromState(sampleProject(), sampleRmr()), "1.5.6.5", "d");
  int refused = 0;
  for (int i = 0; i < 400; ++i) {
    for (const std::string* original : {&results, &project}) {
      std::string s = *original;
      const int edits = 1 + static_cast<int>(rng() % 8);
      for (int k = 0; k < edits; ++k) {
        const size_t at = rng() % s.size();
        switch (rng() % 3) {
          case 0:
            s[at] = static_cast<char>(rng());
            break;
          case 1:
            s.erase(at, 1 + rng() % 16);
            break;
          default:
            s.insert(at, 1 + rng() % 4, static_cast<char>(rng()));
            break;
        }
        if (s.empty()) s = "x";
      }
      Refusal err;
      const bool ok =
          original == &results ? parseResultsFile(s, err).has_value() : parseProjectFile(s, err).has_value();
      if (!ok) {
        ++refused;
        EXPECT_FALSE(err.text(Language::English).empty());
      }
    }
  }
  EXPECT_GT(refused, 100);
}

}  // namespace
