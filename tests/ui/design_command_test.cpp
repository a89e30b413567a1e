// veltra-cli design: the JSON of a design, the lightest pattern against `assess`, the CSV table and the
// refusals.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "CliRun.h"
#include "design/PatternRanges.h"
#include "io/AtomicFile.h"
#include "io/FileRead.h"
#include "persistence/ProjectFile.h"

using namespace Qt::StringLiterals;

namespace {

const QString kExamples = QString::fromUtf8(EXAMPLES_DIR) + u"/Veltra"_s;
const QString kProject = kExamples + u"/Projects/Chodba_K12.hor"_s;
const QString kHistograms = kExamples + u"/Histograms"_s;

QStringList design(const QStringList& more = {}) {
  return QStringList{u"design"_s, kProject, u"--histograms"_s, kHistograms} + more;
}

// A copy of the example project with n and d1 replaced, in `dir`.
QString projectWith(const QTemporaryDir& dir, int n, double d1) {
  std::string bytes;
  EXPECT_FALSE(readWholeFile(kProject.toStdString(), FileKind::Project, bytes));
  Refusal e;
  auto data = parseProjectFile(bytes, e);
  EXPECT_TRUE(data.has_value());
  data->boltCount = std::to_string(n);
  data->d1 = design::numberText(d1);
  const QString path = dir.path() + u"/pattern.hor"_s;
  EXPECT_TRUE(writeFileAtomically(path.toStdString(), formatProjectFile(*data, "1.5.6.5", "1.1.2024")));
  return path;
}

TEST(DesignCommandLine, TheLightestPatternOfTheDefaultRangesIsAssessedAsAssessDoesIt) {
  const CliRun r = runCli(design());
  ASSERT_EQ(r.status, 0) << r.text;
  const auto& j = r.out;
  EXPECT_EQ(j["target"], 2);
  EXPECT_EQ(j["pd"], 7.2e-5);
  const double kRequired = j["kRequired"].get<double>();
  EXPECT_LE(j["pfAtKRequired"].get<double>(), 7.2e-5);
  EXPECT_EQ(j["pairValues"], "centres");
  EXPECT_GT(j["boltLength"].get<double>(), 0);

  const CliRun assess = runCli({u"assess"_s, kProject, u"--histograms"_s, kHistograms});
  ASSERT_EQ(assess.status, 0);
  const auto& current = j["current"];
  EXPECT_EQ(current["n"], 3);
  EXPECT_EQ(current["d1"], 20);
  EXPECT_EQ(current["ds"], 1000);
  EXPECT_EQ(current["pf"], assess.out["pf"]);
  EXPECT_EQ(current["classIndex"], assess.out["classIndex"]);
  EXPECT_DOUBLE_EQ(j["margin"].get<double>(), current["k"].get<double>() / kRequired);

  const auto& rows = j["patterns"];
  ASSERT_EQ(rows.size(), 1085u);
  size_t first = 0;
  while (first < rows.size() && !(rows[first]["classIndex"] >= 1 && rows[first]["classIndex"] <= 2)) ++first;
  ASSERT_LT(first, rows.size());
  const auto& lightest = j["lightest"];
  EXPECT_EQ(lightest, rows[first]);
  EXPECT_GE(lightest["k"].get<double>(), kRequired);
  EXPECT_FALSE(j.contains("bestReachable"));
  // A results file is designed on the S, L and SigmaR it stores.
  const CliRun stored = runCli({u"design"_s, kExamples + u"/Results/Chodba_K12.Vys"_s});
  ASSERT_EQ(stored.status, 0) << stored.text;
  EXPECT_EQ(stored.out["kRequired"], j["kRequired"]);
  EXPECT_EQ(stored.out["lightest"], lightest);

  QTemporaryDir dir;
  const QString pattern = projectWith(dir, lightest["n"].get<int>(), lightest["d1"].get<double>());
  const CliRun same = runCli({u"assess"_s, pattern, u"--histograms"_s, kHistograms, u"--ds"_s,
                              QString::fromStdString(design::numberText(lightest["ds"].get<double>()))});
  ASSERT_EQ(same.status, 0) << same.text;
  EXPECT_EQ(same.out["pf"], lightest["pf"]);
  EXPECT_EQ(same.out["classIndex"], lightest["classIndex"]);
}

TEST(DesignCommandLine, WritesThePatternTableAsCsv) {
  QTemporaryDir dir;
  const QString csv = dir.path() + u"/table.csv"_s;
  const CliRun r = runCli(design({u"--n"_s, u"4,2"_s, u"--d1"_s, u"22"_s, u"--ds-range"_s, u"800:1200:100"_s,
                                  u"--csv"_s, csv, u"--standard"_s, u"1"_s, u"--target"_s, u"3"_s}));
  ASSERT_EQ(r.status, 0) << r.text;
  EXPECT_EQ(r.out["pd"], 5e-4);
  const auto& rows = r.out["patterns"];
  ASSERT_EQ(rows.size(), 10u);
  std::ifstream in(csv.toStdString(), std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), {});
  std::istringstream lines(text);
  std::string line;
  std::getline(lines, line);
  EXPECT_EQ(line, "n,d1,d2,ds,k,pf,classIndex,steel\r");
  for (const auto& row : rows) {
    ASSERT_TRUE(std::getline(lines, line));
    std::istringstream cells(line);
    std::string cell;
    for (const char* key : {"n", "d1", "d2", "ds", "k", "pf", "classIndex", "steel"}) {
      ASSERT_TRUE(std::getline(cells, cell, ','));
      EXPECT_EQ(std::stod(cell), row[key].get<double>()) << key;
      EXPECT_EQ(cell.find_first_not_of("0123456789.-e\r"), std::string::npos) << cell;
    }
  }
  EXPECT_FALSE(std::getline(lines, line));
}

TEST(DesignCommandLine, NothingReachingTheTargetNamesTheBestReached) {
  const CliRun r = runCli(design({u"--n"_s, u"5"_s, u"--d1"_s, u"16"_s, u"--ds-range"_s, u"1850:2000:50"_s,
                                  u"--target"_s, u"1"_s, u"--lang"_s, u"en"_s}));
  ASSERT_EQ(r.status, 0) << r.text;
  EXPECT_TRUE(r.out["lightest"].is_null());
  EXPECT_EQ(r.out["bestReachable"]["classIndex"], 2);
  EXPECT_EQ(r.out["bestReachable"]["ds"], 1850);
  EXPECT_EQ(r.out["warning"]["message"], 0);
  EXPECT_NE(r.out["warning"]["text"].get<std::string>().find("reaches class 1 ( RC3/CC3 )"),
            std::string::npos);
}

TEST(DesignCommandLine, Refusals) {
  QTemporaryDir dir;
  const struct {
    QStringList args;
    int status;
    int message;
    const char* text;  // part of the English text
  } cases[] = {
      {design({u"--n"_s, u"2,x"_s}), 1, 0, "numbers of bolts"},
      {design({u"--d1"_s, u"0,16"_s}), 1, 0, "diameters d1"},
      {design({u"--ds-range"_s, u"2000:500:50"_s}), 1, 0, "MIN:MAX:STEP"},
      {design({u"--ds-range"_s, u"1:10000:1"_s, u"--n"_s, u"1,2,3,4,5,6,7,8,9,10,11"_s}), 1, 0,
       "at most 100000"},
      {{u"design"_s, kProject, u"--histograms"_s, dir.path()}, 1, -1, ""},  // the chain's own message
      {{u"design"_s, dir.path() + u"/none.hor"_s}, 1, 34, ""},
      {design({u"--csv"_s, dir.path() + u"/no/such/folder/t.csv"_s}), 1, 27, "no/such/folder"},
      {design({u"--target"_s, u"4"_s}), 2, 0, ""},
      {design({u"--standard"_s, u"2"_s}), 2, 0, ""},
      {design({u"--n"_s}), 2, 0, ""},
      {{u"design"_s}, 2, 0, ""},
  };
  for (const auto& c : cases) {
    const CliRun r = runCli(c.args + QStringList{u"--lang"_s, u"en"_s});
    const std::string what = c.args.join(u' ').toStdString();
    EXPECT_EQ(r.status, c.status) << what;
    if (c.status != 1) continue;
    if (c.message >= 0) {
      EXPECT_EQ(r.out["error"]["message"], c.message) << what;
    }
    const std::string text = r.out["error"]["text"].get<std::string>();
    EXPECT_FALSE(text.empty()) << what;
    EXPECT_NE(text.find(c.text), std::string::npos) << what << ": " << text;
  }
}

}  // namespace
