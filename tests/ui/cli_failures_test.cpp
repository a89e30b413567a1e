// veltra-cli: every invalid result exits non-zero with a message naming what was wrong; numbers are
// read whole with a decimal comma as the point; inputs out of their domain get their field's message.

#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "CliRun.h"
#include "RawDataSamples.h"

using namespace Qt::StringLiterals;

namespace {

const QString kExamples = QString::fromUtf8(EXAMPLES_DIR) + u"/Veltra"_s;
const QString kProject = kExamples + u"/Projects/Chodba_K12.hor"_s;
const QString kHistograms = kExamples + u"/Histograms"_s;
const QString kExample = QString::fromUtf8(TEST_DATA_DIR) + u"/histograms/Example.dis"_s;

class CliFailures : public ::testing::Test {
 protected:
  // The example project with its depth line (900) replaced by `depth`.
  QString projectWithDepth(const char* depth) {
    std::ifstream in(kProject.toStdString(), std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    std::string text = all.str();
    const size_t at = text.find("\r\n900\r\n");
    EXPECT_NE(at, std::string::npos);
    text.replace(at, 7, "\r\n" + std::string(depth) + "\r\n");
    const QString path = dir.path() + u"/H_"_s + QString::number(++written) + u".hor"_s;
    std::ofstream(path.toStdString(), std::ios::binary) << text;
    return path;
  }
  QStringList assess(const QString& project) {
    return {u"assess"_s, project, u"--histograms"_s, kHistograms, u"--lang"_s, u"en"_s};
  }
  QTemporaryDir dir;
  int written = 0;
};

TEST_F(CliFailures, InvalidResultsAndArgumentsExitNonZeroNamingTheirFault) {
  struct Case {
    QStringList args;
    int status;
    int message;       // of the error JSON (status 1)
    std::string part;  // in the error text (status 1) or on standard error (status 2)
  };
  const Case cases[] = {
      {{u"histogram"_s, u"scale"_s, kExample, u"1e308"_s}, 1, 0, "( C = 1e308 )"},
      {{u"generate"_s, u"21"_s, u"1e9"_s}, 1, 0, "nevznikl žádný histogram"},
      {{u"generate"_s, u"16"_s, u"1e9"_s, u"1e9"_s, u"--lang"_s, u"en"_s}, 1, 0, "give no histogram"},
      {{u"message"_s, u"-1"_s}, 1, 0, "Zpráva číslo -1 neexistuje"},
      {{u"message"_s, u"99999"_s, u"--lang"_s, u"en"_s}, 1, 0, "no message number 99999"},
      {assess(kProject) << u"--samples"_s << u"abc"_s, 2, 0, "--samples \"abc\": a whole number"},
      {assess(kProject) << u"--cov"_s << u"2"_s, 2, 0, "--cov \"2\": a number above 0 and below 1"},
      {assess(kProject) << u"--seed"_s << u"x"_s, 2, 0, "--seed \"x\""},
      {assess(kProject) << u"--standard"_s << u"2"_s, 2, 0, "--standard \"2\": one of 0, 1"},
      {assess(kProject) << u"--ds"_s << u"1e300"_s, 1, 155, "0 < ds <= 100000 mm"},
      {assess(kProject) << u"--ds"_s << u"1000abc"_s, 1, 155, "( 1000abc )"},
      {assess(projectWithDepth("devetset")), 1, 145, "( devetset )\r\n\r\nFile:  "},
      {assess(projectWithDepth("1200xyz")), 1, 145, "( 1200xyz )"},
      {assess(projectWithDepth("1E9")), 1, 145, "0 < H <= 100000 m"},
      {assess(projectWithDepth("-900")), 1, 145, "( -900 )"},
  };
  for (const Case& c : cases) {
    const std::string what = c.args.join(u' ').toStdString();
    const CliRun r = runCli(c.args);
    ASSERT_EQ(r.status, c.status) << what << "\n" << r.text << r.err;
    if (c.status == 2) {
      EXPECT_NE(r.err.find(c.part), std::string::npos) << what << ": " << r.err;
      continue;
    }
    EXPECT_EQ(r.out["error"]["message"], c.message) << what;
    EXPECT_NE(r.out["error"]["text"].get<std::string>().find(c.part), std::string::npos)
        << what << ": " << r.text;
  }
}

TEST_F(CliFailures, NumbersWithADecimalCommaGiveTheResultOfThePoint) {
  const CliRun comma = runCli(assess(kProject) << u"--ds"_s << u"2,5e3"_s);
  const CliRun point = runCli(assess(kProject) << u"--ds"_s << u"2500"_s);
  ASSERT_EQ(comma.status, 0) << comma.text;
  ASSERT_EQ(point.status, 0) << point.text;
  EXPECT_EQ(comma.out["pf"], point.out["pf"]);
  EXPECT_GT(point.out["pf"].get<double>(), 0);  // 2.5 m between the rows fails the standard

  const CliRun depthComma = runCli(assess(projectWithDepth("900,0")));
  const CliRun depth = runCli(assess(kProject));
  ASSERT_EQ(depthComma.status, 0) << depthComma.text;
  EXPECT_EQ(depthComma.out["pf"], depth.out["pf"]);

  const CliRun scaled = runCli({u"histogram"_s, u"scale"_s, kExample, u"2,5"_s});
  ASSERT_EQ(scaled.status, 0) << scaled.text;
  EXPECT_EQ(scaled.out, runCli({u"histogram"_s, u"scale"_s, kExample, u"2.5"_s}).out);
}

TEST_F(CliFailures, AbsurdButValidInputsAreAssessedWithAWarning) {
  const CliRun deep = runCli(assess(projectWithDepth("6000")));
  ASSERT_EQ(deep.status, 0) << deep.text;
  ASSERT_EQ(deep.out["warnings"].size(), 1u);
  EXPECT_NE(deep.out["warnings"][0].get<std::string>().find("\"H\" = 6000 m is unusually large"),
            std::string::npos);
  const CliRun wide = runCli(assess(kProject) << u"--ds"_s << u"6000"_s);
  ASSERT_EQ(wide.status, 0);
  EXPECT_NE(wide.out["warnings"][0].get<std::string>().find("\"ds\" = 6000 mm"), std::string::npos);
  EXPECT_FALSE(runCli(assess(kProject)).out.contains("warnings"));
}

// A type whose fit faults is left out and named; the others are fitted.
TEST_F(CliFailures, FitNamesTheTypesItLeftOut) {
  const std::string values = bellAboutTwo();
  const QString file = dir.path() + u"/bell.txt"_s;
  std::ofstream(file.toStdString(), std::ios::binary) << values;
  const CliRun r = runCli({u"fit"_s, file, u"--lang"_s, u"en"_s});
  ASSERT_EQ(r.status, 0) << r.text;
  EXPECT_GT(r.out["fits"].size(), 3u);
  bool snedecor = false;
  for (const auto& f : r.out["failed"]) snedecor = snedecor || (f["type"] == 16 && f["message"] == 101);
  EXPECT_TRUE(snedecor) << r.text;
  EXPECT_NE(r.out["warnings"][0].get<std::string>().find("Snedecor"), std::string::npos);
  for (const auto& f : r.out["fits"]) EXPECT_NE(f["type"], 16);
}

}  // namespace
