// veltra-cli rawdata and fit: the statistics, the histogram, the ranking and the refusals.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <fstream>
#include <nlohmann/json.hpp>
#include <numeric>

#include "CliRun.h"

using namespace Qt::StringLiterals;

namespace {

const QString kNormal = QString::fromUtf8(TEST_DATA_DIR) + u"/rawdata/normal_mu50_sigma5.txt"_s;

TEST(RawDataCommandLine, StatisticsAndHistogramOfAFile) {
  const CliRun r = runCli({u"rawdata"_s, kNormal, u"--intervals"_s, u"20"_s});
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(r.out["count"], 3000);
  EXPECT_NEAR(r.out["mean"].get<double>(), 50.0, 0.3);
  EXPECT_NEAR(r.out["standardDeviation"].get<double>(), 5.0, 0.3);
  const auto& h = r.out["histogram"];
  EXPECT_EQ(h["count"], 20);
  const auto p = h["p"].get<std::vector<double>>();
  EXPECT_NEAR(std::accumulate(p.begin(), p.end(), 0.0), 1.0, 1e-12);
  EXPECT_NEAR(r.out["median"].get<double>(), 50.0, 0.5);
  EXPECT_FALSE(r.out.contains("warning"));
  // Fewer intervals than Sturges' rule only warn.
  const CliRun few = runCli({u"rawdata"_s, kNormal, u"--intervals"_s, u"5"_s});
  ASSERT_EQ(few.status, 0);
  EXPECT_EQ(few.out["warning"]["message"], 116);
}

TEST(RawDataCommandLine, RefusalsNameTheirMessage) {
  QTemporaryDir dir;
  const auto file = [&](const char* name, const char* text) {
    const QString path = dir.path() + u'/' + QString::fromUtf8(name);
    std::ofstream(path.toStdString(), std::ios::binary) << text;
    return path;
  };
  const struct {
    QStringList args;
    int message;
  } cases[] = {
      {{u"rawdata"_s, file("two.txt", "1\n2\n")}, 130},
      {{u"rawdata"_s, file("bad.txt", "1\n2,5\n1,5,2\n")}, 118},
      {{u"rawdata"_s, dir.path() + u"/missing.txt"_s}, 112},
      {{u"rawdata"_s, kNormal, u"--intervals"_s, u"2"_s}, 88},
      {{u"rawdata"_s, kNormal, u"--intervals"_s, u"257"_s}, 88},
      {{u"fit"_s, kNormal, u"--eps"_s, u"5"_s}, 98},
      {{u"fit"_s, file("three.txt", "1\n2\n")}, 130},
  };
  for (const auto& c : cases) {
    const CliRun r = runCli(c.args);
    EXPECT_EQ(r.status, 1) << c.args.join(u' ').toStdString();
    EXPECT_EQ(r.out["error"]["message"], c.message) << c.args.join(u' ').toStdString();
    EXPECT_FALSE(r.out["error"]["text"].get<std::string>().empty());
  }
  const CliRun bad = runCli({u"rawdata"_s, dir.path() + u"/bad.txt"_s, u"--lang"_s, u"en"_s});
  EXPECT_NE(bad.out["error"]["text"].get<std::string>().find("Line 3 : 1,5,2"), std::string::npos);
  EXPECT_EQ(runCli({u"rawdata"_s}).status, 2);
}

TEST(FitCommandLine, RanksTheSuitableTypesWithTheirMeasures) {
  const CliRun r = runCli({u"fit"_s, kNormal, u"--lang"_s, u"en"_s});
  ASSERT_EQ(r.status, 0);
  const auto& fits = r.out["fits"];
  ASSERT_GE(fits.size(), 3u);
  bool normalInTopThree = false;
  double previous = 2;
  for (size_t i = 0; i < fits.size(); ++i) {
    const auto& f = fits[i];
    if (i < 3 && f["type"] == 0) normalInTopThree = true;
    EXPECT_NE(f["type"], 18);
    EXPECT_NE(f["type"], 19);
    const double t = f["tesnost"].get<double>();
    EXPECT_GT(t, 0.0001);
    EXPECT_LE(t, previous);
    previous = t;
    for (const char* key : {"name", "parameters", "mean", "ks", "ksPValue", "ad"})
      EXPECT_TRUE(f.contains(key)) << key;
  }
  EXPECT_TRUE(normalInTopThree);
}

}  // namespace
