#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "histogram/HistogramFile.h"
#include "histogram_fixture.h"
#include "persistence/OpenProject.h"
#include "persistence/ProjectFile.h"
#include "persistence/ProjectOpenSteps.h"
#include "persistence/TextLines.h"
#include "shell/Encoding.h"

namespace {

std::string readFixture(const std::string& name) {
  std::ifstream in(std::string(TEST_DATA_DIR) + "/projects/" + name, std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

Histogram someHistogram(double min) { return histogram_fixture::make(min, 1, {0.5, 0.5}); }

ProjectState threeLayers() {
  ProjectState p;
  const char* rocks[] = {"Jílovec", "Prachovec", "Pískovec"};
  for (int r = 0; r < 3; ++r) {
    p.layers[r].rockType = rocks[r];
    p.layers[r].name = "Vrstva" + std::to_string(r + 1) + ".dis";
    p.layers[r].thickness = r == 0 ? "3.2" : "1.5";
    p.layers[r].histogram = someHistogram(r);
  }
  p.layers[3].rockType = "Uhlí";  // chosen, no histogram yet
  p.nextLayerRow = 4;
  p.width.name = "Sirka.dis";
  p.k.name = "K.dis";
  p.kn.name = "Kn.dis";
  p.rmr.name = "RMR.dis";
  p.gamma.name = "Gamma.dis";
  p.sigmaR.name = "Ocel.dis";
  p.q.name = "q.dis";
  p.combinedSupport = true;
  p.depthH = "650";
  p.d1 = "22";
  p.d2 = "0";
  p.boltCount = "5";
  p.rowSpacing = "800";
  p.resultsName = "Chodba_A    ( Version  1.5.6.5  /  1.2.2024 )";
  return p;
}

// Opens `data` into `p`, recording every histogram read; names in `missing` fail to read.
std::vector<std::string> openWithRecorder(const ProjectFileData& data, ProjectState& p, RmrTables& rmr,
                                          const std::set<std::string>& missing = {}) {
  std::vector<std::string> loads;
  ProjectOpenHooks hooks;
  hooks.loadHistogram = [&](Source source, int row, const std::string& path) {
    loads.push_back(std::to_string(source) + ":" + std::to_string(row) + ":" + path);
    const std::string name = path.substr(path.rfind('/') + 1);
    if (missing.count(name)) return false;
    HistogramSlot* slot = p.slotForSource(source, row);
    if (!slot) return false;
    slot->histogram = someHistogram(source * 10 + row);
    return true;
  };
  hooks.computeBStar = [&] { loads.push_back("B*"); };
  hooks.computeBeta = [&] { loads.push_back("Beta"); };
  openProjectInto(data, "/h", p, rmr, hooks);
  return loads;
}

// Opens `data` through openProject from a folder holding every named histogram, and names what
// happened in order as "source:row:/h/name", "B*" and "Beta".
std::vector<std::string> openedInOrder(const ProjectFileData& data, ProjectState& p, RmrTables& rmr) {
  const auto dir = std::filesystem::temp_directory_path() / ("veltra_open_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  std::vector<std::string> names = {data.widthName, data.kName,     data.knName,    data.rmrName,
                                    data.qName,     data.gammaName, data.sigmaRName};
  for (const ProjectLayerRow& row : data.layers) names.push_back(row.name);
  const Histogram stored = histogram_fixture::make(1, 1, {0.5, 0.5}, 10);
  for (const std::string& name : names) {
    Refusal error;
    if (!name.empty()) {
      EXPECT_TRUE(WriteHistogramFile((dir / name).string(), stored, error)) << name;
    }
  }
  const ProjectOpenReport report = openProject(data, dir.string(), p, rmr);
  std::filesystem::remove_all(dir);
  std::vector<std::string> out;
  using Kind = ProjectOpenEvent::Kind;
  for (const ProjectOpenEvent& e : report.events) {
    switch (e.kind) {
      case Kind::HistogramRead:
      case Kind::HistogramRefused:
        out.push_back(std::to_string(e.source) + ":" + std::to_string(e.row) + ":/h/" +
                      std::filesystem::path(e.path).filename().string());
        break;
      case Kind::BStarRefused:
      case Kind::BStarComputed:
        out.push_back("B*");
        break;
      case Kind::BetaComputed:
        out.push_back("Beta");
        break;
    }
  }
  return out;
}

TEST(ProjectFileTest, WritesTheLinesInOrderWindows1250WithCrLf) {
  RmrTables rmr;
  rmr.tables[0].cell(1, 1) = "1/        > 90%";
  rmr.tables[0].cell(1, 2) = "20";
  rmr.tables[6].cell(0, 1) = "  Min";
  rmr.sum = "65";
  const std::string bytes =
      formatProjectFile(projectFileFromState(threeLayers(), rmr), "1.5.6.5", "1.2.2024");
  EXPECT_NE(bytes.find("  Soubor vytvo\xF8"
                       "en ve verzi :  1.5.6.5\r\n"),
            std::string::npos);
  const auto lines = decodeTextLines(bytes);
  const std::vector<std::string> head = {"POPIS DAT",
                                         "  Soubor vytvořen ve verzi :  1.5.6.5",
                                         "  Datum :  1.2.2024",
                                         "Chodba_A",
                                         "Sirka.dis",
                                         "4",
                                         "Jílovec",
                                         "Vrstva1.dis",
                                         "3.2",
                                         "Prachovec",
                                         "Vrstva2.dis",
                                         "1.5",
                                         "Pískovec",
                                         "Vrstva3.dis",
                                         "1.5",
                                         "Uhlí",
                                         "",
                                         "",
                                         "650",
                                         "22",
                                         "0",
                                         "5",
                                         "K.dis",
                                         "Kn.dis",
                                         "RMR.dis",
                                         "TRUE",
                                         "q.dis",
                                         "Gamma.dis",
                                         "Ocel.dis",
                                         "3",
                                         "2",
                                         "1/        > 90%",
                                         "20"};
  ASSERT_GE(lines.size(), head.size());
  for (size_t i = 0; i < head.size(); ++i) EXPECT_EQ(lines[i], head[i]) << "line " << i + 1;
  // Six rating tables of (cols-1)*(rows-1) cells, the strength table whole, three labels.
  const size_t rmrLines = 2 * 7 + (2 + 2 + 2 + 10 + 2 + 3) + 12 + 3;
  EXPECT_EQ(lines.size(), 29 + rmrLines);
  EXPECT_EQ(lines[lines.size() - 3], "65");
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  EXPECT_EQ(bytes.find("\n", 0), bytes.find("\r\n", 0) + 1);

  ProjectState plain = threeLayers();
  plain.combinedSupport = false;
  const auto plainLines =
      decodeTextLines(formatProjectFile(projectFileFromState(plain, rmr), "1.5.6.5", "x"));
  EXPECT_EQ(plainLines[25], "FALSE");
  EXPECT_EQ(plainLines[26], "Gamma.dis");  // no q line without combined support
}

TEST(ProjectFileTest, TheUtf8TextShowsWhichTextsWouldLoseLetters) {
  ProjectState p = threeLayers();
  p.layers[1].rockType = "Granit α中";
  const ProjectFileData d = projectFileFromState(p, RmrTables{});
  const std::string text = formatProjectText(d, "1.5.6.5", "1.2.2024");
  EXPECT_EQ(unencodableLines(text), (std::vector<UnencodableText>{{"Granit α中", "α中"}}));
  EXPECT_EQ(utf8ToCp1250(text), formatProjectFile(d, "1.5.6.5", "1.2.2024"));
  EXPECT_TRUE(
      unencodableLines(formatProjectText(projectFileFromState(threeLayers(), RmrTables{}), "1.5.6.5", "x"))
          .empty());
}

TEST(ProjectFileTest, SaveThenOpenGivesTheSameInputs) {
  const ProjectState saved = threeLayers();
  RmrTables rmr;
  rmr.tables[3].cell(2, 1) = "2/       < 0.1mm";
  rmr.tables[3].cell(2, 2) = "5";
  rmr.tables[6].cell(1, 1) = "18.6";
  rmr.rockClass = "II";
  std::istringstream in(formatProjectFile(projectFileFromState(saved, rmr), "1.5.6.5", "1.2.2024"));
  Refusal err;
  const auto data = readProject(in, err);
  ASSERT_TRUE(data) << err.text(Language::English);
  EXPECT_EQ(data->formatLevel, 506);

  ProjectState p;
  p.rowSpacing = "1200";  // not stored: kept
  p.layers[6].name = "stale.dis";
  RmrTables opened;
  opened.tables[0].cell(1, 1) = "stale";
  openWithRecorder(*data, p, opened);
  {
    ProjectState order;
    RmrTables orderRmr;
    EXPECT_EQ(
        openedInOrder(*data, order, orderRmr),
        (std::vector<std::string>{"2:0:/h/Sirka.dis", "B*", "1:1:/h/Vrstva1.dis", "1:2:/h/Vrstva2.dis",
                                  "1:3:/h/Vrstva3.dis", "Beta", "3:0:/h/K.dis", "4:0:/h/Kn.dis",
                                  "7:0:/h/RMR.dis", "6:0:/h/q.dis", "8:0:/h/Gamma.dis", "9:0:/h/Ocel.dis"}));
  }
  for (int r = 0; r < ProjectState::kLayers; ++r) {
    EXPECT_EQ(p.layers[r].rockType, saved.layers[r].rockType) << r;
    EXPECT_EQ(p.layers[r].name, saved.layers[r].name) << r;
    EXPECT_EQ(p.layers[r].thickness, saved.layers[r].thickness) << r;
  }
  EXPECT_EQ(p.nextLayerRow, 4);
  for (auto slot : {&ProjectState::width, &ProjectState::k, &ProjectState::kn, &ProjectState::q,
                    &ProjectState::rmr, &ProjectState::gamma, &ProjectState::sigmaR})
    EXPECT_EQ((p.*slot).name, (saved.*slot).name);
  EXPECT_EQ(p.depthH, "650");
  EXPECT_EQ(p.d1, "22");
  EXPECT_EQ(p.d2, "0");
  EXPECT_EQ(p.boltCount, "5");
  EXPECT_EQ(p.rowSpacing, "1200");
  EXPECT_TRUE(p.combinedSupport);
  EXPECT_EQ(p.resultsName, "Chodba A    ( Version  1.5.6.5  /  1.2.2024 )");
  EXPECT_EQ(opened, rmr);
}

TEST(ProjectFileTest, FormatLevelFromTheVersion) {
  const std::map<std::string, std::optional<int>> cases = {{"  Soubor vytvořen ve verzi :  1.5.6.5", 506},
                                                           {"1.0.13", 13},
                                                           {"1.0.16.2", 16},
                                                           {"2.1.0.0", 100},
                                                           {" 1 . 0 . 11", 11},
                                                           {"1.5", std::nullopt},
                                                           {"bez verze", std::nullopt},
                                                           {"1.x.3", std::nullopt}};
  for (const auto& [line, level] : cases) EXPECT_EQ(formatLevelFromVersion(line), level) << line;
}

TEST(ProjectFileTest, ReadsEveryOlderLayout) {
  struct Case {
    const char* file;
    int level;
    const char* resultsName;
    bool hasK, combined, hasRmr;
  };
  const Case cases[] = {
      {"level12_noheader.hor", 12, "Chodba 12    ( Version  / )", true, false, false},
      {"level11.hor", 11, "Chodba 11    ( Version  1.0.11  /  3.4.2001 )", false, true, false},
      {"level13.hor", 13, "Chodba 13    ( Version  1.0.13  /  5.6.2002 )", true, false, false},
      {"level16.hor", 16, "Chodba 16    ( Version  1.0.16  /  7.8.2003 )", true, false, false},
  };
  for (const auto& c : cases) {
    Refusal err;
    const auto d = parseProjectFile(readFixture(c.file), err);
    ASSERT_TRUE(d) << c.file << ": " << err.text(Language::English);
    EXPECT_EQ(d->formatLevel, c.level) << c.file;
    EXPECT_EQ(d->hasRmr, c.hasRmr) << c.file;
    ASSERT_EQ(d->layers.size(), 4u) << c.file;
    EXPECT_EQ(d->layers[2].rockType, "Pískovec") << c.file;
    EXPECT_EQ(d->depthH, "650") << c.file;
    EXPECT_EQ(d->boltCount, "5") << c.file;
    EXPECT_EQ(d->rmrName, "RMR_55.dis") << c.file;
    EXPECT_EQ(d->combinedSupport, c.combined) << c.file;
    EXPECT_EQ(d->sigmaRName, "SigmaR_ocel.dis") << c.file;

    ProjectState p;
    p.k.name = "kept K";
    p.q.name = "old q";
    RmrTables rmr;
    rmr.tables[0].cell(1, 2) = "20";
    rmr.tables[6].cell(1, 1) = "strength kept";
    openWithRecorder(*d, p, rmr);
    EXPECT_EQ(p.resultsName, c.resultsName) << c.file;
    EXPECT_EQ(p.k.name, c.hasK ? "K_konvergence.dis" : "kept K") << c.file;
    EXPECT_EQ(p.q.name, c.combined ? "q_vyztuz.dis" : "") << c.file;
    EXPECT_EQ(rmr.tables[0].cell(1, 2), "") << c.file;  // cleared: the file has no RMR section
    EXPECT_EQ(rmr.tables[6].cell(1, 1), "strength kept") << c.file;
    EXPECT_EQ(p.layers[0].thickness, "") << c.file;
    EXPECT_EQ(p.layers[1].thickness, "1.8") << c.file;
  }
}

TEST(ProjectFileTest, FilesThatEndEarlyOrHoldBadCountsAreRefused) {
  const std::string good =
      formatProjectFile(projectFileFromState(threeLayers(), RmrTables()), "1.5.6.5", "d");
  const auto lines = decodeTextLines(good);
  for (size_t n = 0; n < lines.size(); ++n) {
    std::string cut;
    for (size_t i = 0; i < n; ++i) cut += lines[i] + "\r\n";
    Refusal err;
    ASSERT_FALSE(parseProjectFile(cut, err)) << "cut after " << n << " lines";
    ASSERT_EQ(err.message, 0);
  }
  auto withLine = [&](size_t index, const std::string& text) {
    std::string s;
    for (size_t i = 0; i < lines.size(); ++i) s += (i == index ? text : lines[i]) + "\r\n";
    return s;
  };
  struct Case {
    size_t line;
    const char* text;
    const char* expect;
  };
  const Case cases[] = {
      {5, "x", "Line 6 holds no valid count ( x )"},
      {5, "12", "Line 6 holds no valid count ( 12 )"},
      {5, "-1", "Line 6 holds no valid count ( -1 )"},
      {29, "3.5", "Line 30 holds no valid count ( 3.5 )"},
      {30, "100000", "Line 31 holds no valid count ( 100000 )"},
      {1, "  Soubor vytvořen ve verzi :  nová", "The version line cannot be read"},
  };
  for (const auto& c : cases) {
    Refusal err;
    EXPECT_FALSE(parseProjectFile(withLine(c.line, c.text), err)) << c.text;
    EXPECT_NE(err.text(Language::English).find(c.expect), std::string::npos) << err.text(Language::English);
  }
  Refusal err;
  EXPECT_FALSE(parseProjectFile("", err));
}

TEST(ProjectFileTest, OpeningEmptiesRowsBeyondTheFileAndKeepsNamesOfUnreadableHistograms) {
  ProjectFileData d = projectFileFromState(threeLayers(), RmrTables());
  ProjectState p;
  for (auto& l : p.layers) {
    l.rockType = "old";
    l.name = "old.dis";
    l.histogram = someHistogram(99);
  }
  p.width.histogram = someHistogram(77);
  RmrTables rmr;
  openWithRecorder(d, p, rmr, {"Sirka.dis", "Vrstva2.dis"});
  EXPECT_EQ(p.width.name, "Sirka.dis");
  EXPECT_EQ(p.width.histogram, Histogram{});  // nothing stale is left to compute with
  EXPECT_EQ(p.layers[1].name, "Vrstva2.dis");
  EXPECT_EQ(p.layers[1].histogram, Histogram{});
  EXPECT_EQ(p.layers[3].rockType, "Uhlí");
  for (int r = 4; r < ProjectState::kLayers; ++r) {
    EXPECT_EQ(p.layers[r].rockType, "");
    EXPECT_EQ(p.layers[r].name, "");
  }

  // The stored row N holds a histogram: it opens the next row.
  d.layers[3].name = "Vrstva4.dis";
  ProjectState q;
  openWithRecorder(d, q, rmr);
  EXPECT_EQ(q.nextLayerRow, 5);
}

TEST(ProjectFileTest, HistogramNamesLeadingOutOfTheFolderAreReadThereAndShownResolved) {
  struct Case {
    const char* name;
    std::string path;   // where it is read
    std::string shown;  // what the input area and the report show
  };
  const std::vector<Case> cases{
      {"Sirka.dis", "/h/Sirka.dis", "Sirka.dis"},
      {"sub/Sirka.dis", "/h/sub/Sirka.dis", "sub/Sirka.dis"},
      {"/data/Sirka.dis", "/data/Sirka.dis", "/data/Sirka.dis"},
      {"/data/./x/../Sirka.dis", "/data/./x/../Sirka.dis", "/data/Sirka.dis"},
      {"../Sirka.dis", "/h/../Sirka.dis", "/Sirka.dis"},
      {"a/../../b/Sirka.dis", "/h/a/../../b/Sirka.dis", "/b/Sirka.dis"},
      {"", "/h/", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(projectHistogramPath("/h", c.name), c.path) << c.name;
    EXPECT_EQ(shownHistogramName("/h", c.name), c.shown) << c.name;
  }
  // Opening reads an absolute name where it is, not inside the histograms folder.
  ProjectFileData d = projectFileFromState(threeLayers(), RmrTables());
  d.widthName = "/elsewhere/Sirka.dis";
  d.kName = "../K.dis";
  ProjectState p;
  RmrTables rmr;
  const auto loads = openWithRecorder(d, p, rmr);
  EXPECT_EQ(loads.front(), "2:0:/elsewhere/Sirka.dis");
  EXPECT_NE(std::find(loads.begin(), loads.end(), "3:0:/h/../K.dis"), loads.end());
  EXPECT_EQ(p.width.name, "/elsewhere/Sirka.dis");
}

TEST(ProjectFileTest, ALineEndOfCrAloneIsReadAsALineEnd) {
  const std::string crlf =
      formatProjectFile(projectFileFromState(threeLayers(), RmrTables()), "1.5.6.5", "1.1.2024");
  std::string cr = crlf;
  for (size_t at = cr.find("\r\n"); at != std::string::npos; at = cr.find("\r\n", at)) cr.erase(at + 1, 1);
  Refusal e1, e2;
  const auto a = parseProjectFile(crlf, e1);
  const auto b = parseProjectFile(cr, e2);
  ASSERT_TRUE(a) << e1.text(Language::English);
  ASSERT_TRUE(b) << e2.text(Language::English);
  EXPECT_EQ(*a, *b);
  // In a file with LF a lone CR stays inside its line.
  EXPECT_EQ(decodeTextLines("a\rb\nc"), (std::vector<std::string>{"a\rb", "c"}));
}
}  // namespace
