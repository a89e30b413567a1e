// Every typed or stored number is read by the one strict reader: the whole text is the number, a
// decimal comma stands for the point, anything else after it is refused.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "creation/FrequencyEntry.h"
#include "creation/ParametricGenerator.h"
#include "creation/RawData.h"
#include "histogram/HistogramFile.h"
#include "persistence/SettingsFile.h"
#include "persistence/SettingsKeys.h"
#include "reliability/InputChecks.h"
#include "shell/NumberText.h"

namespace {

std::optional<double> viaParser(const std::string& t) {
  double x = 0;
  if (!parseDouble(t, x)) return std::nullopt;
  return x;
}

std::optional<double> viaSettings(const std::string& t) {
  const std::string path = (std::filesystem::temp_directory_path() / "numbers_reading.ini").string();
  std::ofstream(path, std::ios::binary) << "[S]\r\nv=" << t << "\r\n";
  SettingsFile f(path);
  const double v = f.readFloat("S", "v", -12345);
  std::filesystem::remove(path);
  return v == -12345 ? std::nullopt : std::optional(v);
}

std::optional<double> viaFrequencyMin(const std::string& t) {
  Refusal refusal;
  const auto e = checkFrequencyEntry({t, "1E9", true, "1\n1", 1}, refusal);
  if (!e) return std::nullopt;
  return e->shape.min - e->shape.step / 2;
}

std::optional<double> viaRawLimit(const std::string& t) {
  double v = 0;
  if (!CheckLimit(t, true, 1e9, v).ok) return std::nullopt;
  return v;
}

// The Min line of a histogram file; the reader removes blanks from its lines first.
std::optional<double> viaHistogramFile(const std::string& t) {
  std::istringstream in("[Description]\r\nType=Discrete\r\n[Parameters]\r\nMin=" + t +
                        "\r\nMax=1E9\r\nBins=2\r\nTotal=2\r\n[Bins]\r\n1\r\n1\r\n");
  Refusal e;
  const auto h = ReadHistogram(in, e);
  if (!h) return std::nullopt;
  return h->min;
}

std::optional<double> viaParametric(const std::string& t) {
  ParametricRequest rq;
  rq.type = kPtNormal;
  rq.params = {t, "1", "1.1", "1.9"};
  rq.eps = 1e-7;
  rq.intervals = 128;
  const ParametricResult r = GenerateParametric(rq, Language::Czech);
  if (!r.valid) return std::nullopt;
  return 0.5 * (r.min + r.max);  // the normal centre
}

TEST(NumberReading, EveryReaderTakesTheWholeTextWithAPointOrAComma) {
  const struct {
    const char* text;
    std::optional<double> value;
  } cases[] = {
      {"1500", 1500}, {"1,5", 1.5},    {"2,5e3", 2500}, {"-0,25", -0.25}, {" 7,0 ", 7},
      {"1 500", {}},  {"1000abc", {}}, {"1,5,0", {}},   {"1.000,5", {}},  {"2.5 m", {}},
      {"inf", {}},    {"nan", {}},     {"1e999", {}},   {"0x10", {}},     {"", {}},
  };
  for (const auto& c : cases) {
    const std::string t = c.text;
    EXPECT_EQ(viaParser(t), c.value) << t;
    EXPECT_EQ(parseInputNumber(t), c.value) << t;
    EXPECT_EQ(viaSettings(t), c.value) << t;
    EXPECT_EQ(viaRawLimit(t), c.value) << t;
    const auto min = viaFrequencyMin(t);
    EXPECT_EQ(min.has_value(), c.value.has_value()) << t;
    if (min && c.value) {
      EXPECT_NEAR(*min, *c.value, 1e-6) << t;
    }
    if (t.find(' ') == std::string::npos) {
      const auto h = viaHistogramFile(t);
      EXPECT_EQ(h.has_value(), c.value.has_value()) << t;
    }
    const auto centre = viaParametric(t);
    EXPECT_EQ(centre.has_value(), c.value.has_value()) << t;
    if (centre && c.value) {
      EXPECT_NEAR(*centre, *c.value, 1e-6) << t;
    }
  }
}

// The number texts of the parametric and raw data windows stored in the settings: a text that is no
// value of its field reads as the field's default.
TEST(NumberReading, StoredEpsAndIntervalTextsOutsideTheirFieldReadAsTheDefault) {
  const std::string path = (std::filesystem::temp_directory_path() / "numbers_stored.ini").string();
  const struct {
    const char* eps;
    const char* intervals;
    const char* epsRead;
    const char* intervalsRead;
  } cases[] = {
      {"1E-6", "64", "1E-6", "64"}, {"1,5E-6", "64 ", "1,5E-6", "64 "}, {"1E-6x", "64x", "1E-7", "128"},
      {"5", "2", "1E-7", "128"},    {"nan", "1E2", "1E-7", "128"},
  };
  for (const auto& c : cases) {
    std::ofstream(path, std::ios::binary) << "[--  Position  --]\r\n"
                                          << settings::kRawEps.key << "=" << c.eps << "\r\n"
                                          << settings::kRawIntervals.key << "=" << c.intervals << "\r\n";
    SettingsFile f(path);
    EXPECT_EQ(settings::readEpsText(f, settings::kRawEps), c.epsRead) << c.eps;
    EXPECT_EQ(settings::readIntervalsText(f, settings::kRawIntervals), c.intervalsRead) << c.intervals;
  }
  std::filesystem::remove(path);
}

}  // namespace
