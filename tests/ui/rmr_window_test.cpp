// The RMR window over the example project: ratings chosen from the lists, Create, the invalidations,
// Clear, the close rules, the stored tables and the road to the assessment.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <nlohmann/json.hpp>

#include "CliRun.h"
#include "FilesFixture.h"
#include "rmr/RmrRating.h"
#include "shell/Dialogs.h"
#include "shell/NumberText.h"
#include "ui/RmrWindow.h"

using namespace Qt::StringLiterals;

namespace {

class RmrWindowTest : public FilesTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(FilesTest::SetUp());
    makeRmr();
  }
  void makeRmr() {
    rmr = std::make_unique<RmrWindow>(*services);
    services->windows.rmr = rmr.get();
    main->startClean();
  }
  void TearDown() override {
    services->windows.rmr = nullptr;
    rmr.reset();
    FilesTest::TearDown();
  }

  template <class T>
  T* in9(const char* name) const {
    auto* c = rmr->findChild<T*>(QString::fromUtf8(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
  }
  QString cell9(const char* table, int row, int col) const {
    return in9<QTableWidget>(table)->item(row, col)->text();
  }

  /// The example project with its reduced strength, and the RMR window opened over it.
  void openWithStrength(const char* project = "Chodba_K12.hor") {
    openProject(projects(project));
    main->findChild<QAbstractButton*>(u"BBRedPev"_s)->click();
    ASSERT_TRUE(main->project().reducedStrengthDone);
    main->findChild<QAbstractButton*>(u"BitBtn2"_s)->click();
    ASSERT_TRUE(rmr->isVisible());
    rmr->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(rmr.get()));
  }

  /// Clicks the description cell and chooses item `item` of the list that opens over it.
  void choose(const char* table, int row, int col, const char* list, int item) {
    auto* t = in9<QTableWidget>(table);
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualItemRect(t->item(row, col)).center());
    auto* box = in9<QComboBox>(list);
    ASSERT_TRUE(box->isVisible()) << list;
    QApplication::processEvents();  // the list drops open
    box->hidePopup();
    EXPECT_EQ(box->currentIndex(), -1);
    box->setCurrentIndex(item);
    emit box->activated(item);
  }

  /// B 17, C 10, D1 25 (D2 incomplete), E 10, F tunnels / fair -5: sum 57.
  void rateSite() {
    choose("StrGrRQD", 1, 1, "CBTypPromB", 1);
    choose("StrGrVPN", 1, 1, "CBTypPromC", 2);
    choose("StrGrChPN1", 1, 1, "CBTypPromD1", 1);
    choose("StrGrChPN2", 1, 1, "CBTypPromD21", 0);
    choose("StrGrPTV", 1, 1, "CBTypPromE", 1);
    choose("StrGrOP", 1, 1, "CBTypPromF1", 0);
    choose("StrGrOP", 1, 2, "CBTypPromF2", 2);
    in9<QPushButton>("BitBtn2")->setFocus();  // the last list hands its text to the cell
    QApplication::processEvents();
  }

  std::unique_ptr<RmrWindow> rmr;
};

TEST_F(RmrWindowTest, OpensOnlyOverAReducedStrength) {
  main->findChild<QAbstractButton*>(u"BitBtn2"_s)->click();
  EXPECT_FALSE(rmr->isVisible());
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].text, msg(151));
  EXPECT_EQ(dialogs.asked[0].caption, msg(3));

  openWithStrength();
  EXPECT_FALSE(main->isEnabled());
  const Histogram& r = main->project().reducedStrength;
  const Histogram& a = rmr->strengthRatingHistogram();
  EXPECT_EQ(*::strengthRatingHistogram(r), a);
  EXPECT_EQ(cell9("StrGrPNH", 1, 1).toStdString(), formatNumber(r.min));
  EXPECT_EQ(cell9("StrGrPNH", 1, 2).toStdString(), formatNumber(r.max));
  EXPECT_EQ(cell9("StrGrPNH", 2, 1).toStdString(), formatNumber(a.min));
  EXPECT_EQ(cell9("StrGrPNH", 2, 2).toStdString(), formatNumber(a.max));
  EXPECT_EQ(cell9("StrGrPNH", 0, 0), u"    Pevnost"_s);
  EXPECT_EQ(cell9("StrGrRMR", 0, 3), u"                  III"_s);
  EXPECT_FALSE(in9<QPushButton>("GrafHistRMR")->isEnabled());
}

TEST_F(RmrWindowTest, ListsWriteRatingsAndCreateSetsClassAndSlot) {
  openWithStrength();
  rateSite();
  EXPECT_EQ(cell9("StrGrRQD", 1, 1), u"2/  75% - 90%"_s);
  EXPECT_EQ(cell9("StrGrRQD", 1, 2), u"17"_s);
  EXPECT_EQ(cell9("StrGrVPN", 1, 2), u"10"_s);
  EXPECT_EQ(cell9("StrGrChPN1", 1, 2), u"25"_s);
  EXPECT_EQ(cell9("StrGrChPN2", 1, 2), u"6"_s);
  EXPECT_EQ(cell9("StrGrPTV", 1, 2), u"10"_s);
  EXPECT_EQ(cell9("StrGrOP", 1, 1), u"1/  Tunely a doly"_s);
  EXPECT_EQ(cell9("StrGrOP", 1, 2), u"3/  Špatný"_s);
  EXPECT_EQ(cell9("StrGrOP", 1, 3), u"-5"_s);
  // The tables of the project follow the grids.
  EXPECT_EQ(main->model().rmrTables().tables[rmr_cells::kF].cell(1, 3), "-5");

  ASSERT_TRUE(dialogs.asked.empty()) << dialogs.asked[0].text;
  QTest::mouseClick(in9<QPushButton>("BitBtn2"), Qt::LeftButton);
  ASSERT_TRUE(dialogs.asked.empty()) << dialogs.asked[0].text;
  const RmrOutcome expected = createRmr(main->model().rmrTables(), rmr->strengthRatingHistogram());
  EXPECT_EQ(in9<QLabel>("Label3")->text(), u"57"_s);
  EXPECT_EQ(in9<QLabel>("LTrida")->text(),
            QString::fromStdString(std::string(classNumeral(expected.classIndex))));
  EXPECT_EQ(in9<QLabel>("LRMR")->text().toStdString(), expected.rmrText);
  EXPECT_EQ(rmr->rockClass(), expected.classIndex);
  EXPECT_TRUE(in9<QPushButton>("GrafHistRMR")->isEnabled());
  const auto* classTable = in9<QTableWidget>("StrGrRMR");
  EXPECT_EQ(classTable->item(2, expected.classIndex)->background().color(),
            rmr->palette().color(QPalette::Highlight));
  EXPECT_NE(classTable->item(2, 1)->background().color(), rmr->palette().color(QPalette::Highlight));
  EXPECT_EQ(main->project().rmr.name, msg(207));
  EXPECT_EQ(main->project().rmr.histogram, expected.rmr);
  EXPECT_EQ(cell("StringGridGKK", 1, 1).toStdString(), msg(207));

  QTest::mouseClick(in9<QPushButton>("GrafHistRMR"), Qt::LeftButton);
  EXPECT_EQ(chart->source(), kSrcRmr);

  // A new choice takes the window's result back; the project keeps its RMR until Create runs again.
  main->project().boltLoadDone = true;
  choose("StrGrRQD", 1, 1, "CBTypPromB", 0);
  EXPECT_EQ(cell9("StrGrRQD", 1, 2), u"20"_s);
  EXPECT_EQ(in9<QLabel>("Label3")->text(), QString());
  EXPECT_EQ(in9<QLabel>("LTrida")->text(), QString());
  EXPECT_EQ(in9<QLabel>("LRMR")->text(), QString());
  EXPECT_EQ(rmr->rockClass(), 0);
  EXPECT_FALSE(in9<QPushButton>("GrafHistRMR")->isEnabled());
  EXPECT_EQ(main->project().rmr.name, msg(207));
  EXPECT_EQ(main->project().rmr.histogram, expected.rmr);
  EXPECT_TRUE(main->project().boltLoadDone);
  // Create again: the new RMR replaces the slot and takes the results from the bolt load back.
  QTest::mouseClick(in9<QPushButton>("BitBtn2"), Qt::LeftButton);
  EXPECT_NE(main->project().rmr.histogram, expected.rmr);
  EXPECT_EQ(main->project().rmr.name, msg(207));
  EXPECT_FALSE(main->project().boltLoadDone);
}

// One click on a description cell drops its list open; a choice by the keyboard writes the rating.
TEST_F(RmrWindowTest, OneClickOpensTheListOfACell) {
  openWithStrength();
  auto* t = in9<QTableWidget>("StrGrVPN");
  QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualItemRect(t->item(1, 1)).center());
  auto* box = in9<QComboBox>("CBTypPromC");
  ASSERT_TRUE(box->isVisible());
  QApplication::processEvents();
  ASSERT_TRUE(box->view()->isVisible()) << "the list is open";
  QTest::keyClick(box->view(), Qt::Key_Home);
  QTest::keyClick(box->view(), Qt::Key_Return);
  EXPECT_FALSE(box->view()->isVisible());
  EXPECT_EQ(cell9("StrGrVPN", 1, 2), u"20"_s);
  in9<QPushButton>("BitBtn2")->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(cell9("StrGrVPN", 1, 1), u"1/       > 2000 mm"_s);
}

TEST_F(RmrWindowTest, KindOfWorkRatesTheOrientationAndTypedRatingsCount) {
  openWithStrength();
  choose("StrGrOP", 1, 2, "CBTypPromF2", 3);  // orientation before the kind of work: no rating
  EXPECT_EQ(cell9("StrGrOP", 1, 3), QString());
  choose("StrGrOP", 1, 1, "CBTypPromF1", 2);  // slopes / unfavourable
  EXPECT_EQ(cell9("StrGrOP", 1, 3), u"-50"_s);
  choose("StrGrOP", 1, 1, "CBTypPromF1", 1);  // foundations
  EXPECT_EQ(cell9("StrGrOP", 1, 3), u"-15"_s);

  // A rating typed over a cell is read as it stands; a text that is no whole number is named.
  auto* t = in9<QTableWidget>("StrGrRQD");
  t->item(1, 2)->setText(u"1.5"_s);
  QTest::mouseClick(in9<QPushButton>("BitBtn2"), Qt::LeftButton);
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_NE(dialogs.asked[0].text.find("Hodnocení B není"), std::string::npos);
}

TEST_F(RmrWindowTest, MissingRatingAndMedianOutsideTheScale) {
  openWithStrength();
  QTest::mouseClick(in9<QPushButton>("BitBtn2"), Qt::LeftButton);
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].text, msg(200));

  // Ratings far above the scale: the RMR histogram stands in the slot, without class or name.
  rateSite();
  in9<QTableWidget>("StrGrRQD")->item(1, 2)->setText(u"90"_s);
  QTest::mouseClick(in9<QPushButton>("BitBtn2"), Qt::LeftButton);
  ASSERT_EQ(dialogs.asked.size(), 2u);
  EXPECT_EQ(dialogs.asked[1].text, msg(206));
  EXPECT_EQ(in9<QLabel>("Label3")->text(), u"130"_s);
  EXPECT_EQ(rmr->rockClass(), 0);
  EXPECT_FALSE(in9<QPushButton>("GrafHistRMR")->isEnabled());
  EXPECT_EQ(main->project().rmr.name, "");
  EXPECT_DOUBLE_EQ(main->project().rmr.histogram.min, rmr->strengthRatingHistogram().min + 130);
}

// Only Create changes the project: leaving the window after choices, after Clear or after a refused
// Create keeps the RMR slot, its name and the results.
TEST_F(RmrWindowTest, LeavingWithoutCreateChangesNothingAndStoresThePlace) {
  openWithStrength();
  ProjectState& p = main->project();
  p.boltLengthDone = p.boltLoadDone = p.bearingCapacityDone = p.assessmentDone = true;
  main->model().resultsReplaced();
  const ProjectState before = p;
  ASSERT_FALSE(before.rmr.name.empty());
  auto unchanged = [&](const char* step) {
    EXPECT_EQ(p.rmr.name, before.rmr.name) << step;
    EXPECT_EQ(p.rmr.histogram, before.rmr.histogram) << step;
    EXPECT_EQ(cell("StringGridGKK", 1, 1).toStdString(), before.rmr.name) << step;
    EXPECT_TRUE(p.boltLoadDone && p.assessmentDone) << step;
    EXPECT_TRUE(get<QPushButton>("GrafFS")->isEnabled()) << step;
  };

  rmr->close();  // nothing chosen
  EXPECT_TRUE(main->isEnabled());
  EXPECT_TRUE(dialogs.asked.empty());
  unchanged("exit");
  EXPECT_EQ(settings->readInteger("--  Position  --", "RMR Form9.width", 0), rmr->width());

  main->findChild<QAbstractButton*>(u"BitBtn2"_s)->click();
  rateSite();
  QTest::mouseClick(in9<QPushButton>("ExitProgram"), Qt::LeftButton);
  EXPECT_FALSE(rmr->isVisible());
  unchanged("ratings chosen");

  main->findChild<QAbstractButton*>(u"BitBtn2"_s)->click();
  QTest::mouseClick(in9<QPushButton>("ClearTabH"), Qt::LeftButton);
  QTest::mouseClick(in9<QPushButton>("BitBtn2"), Qt::LeftButton);  // refused: no ratings
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].text, msg(200));
  QTest::mouseClick(in9<QPushButton>("ExitProgram"), Qt::LeftButton);
  unchanged("cleared and refused");

  // Create is what changes the slot.
  main->findChild<QAbstractButton*>(u"BitBtn2"_s)->click();
  rateSite();
  QTest::mouseClick(in9<QPushButton>("BitBtn2"), Qt::LeftButton);
  QTest::mouseClick(in9<QPushButton>("ExitProgram"), Qt::LeftButton);
  EXPECT_EQ(p.rmr.name, msg(207));
  EXPECT_FALSE(p.boltLoadDone);
}

TEST_F(RmrWindowTest, ClearAlsoFromNewProjectAndOpenProject) {
  openWithStrength();
  rateSite();
  QTest::mouseClick(in9<QPushButton>("BitBtn2"), Qt::LeftButton);
  dialogs.answer(mrNo);  // unsaved work: dropped
  main->newProjectAction->trigger();
  for (const char* t : {"StrGrRQD", "StrGrOP"}) {
    EXPECT_EQ(cell9(t, 1, 1), QString()) << t;
    EXPECT_EQ(cell9(t, 1, 2), QString()) << t;
  }
  EXPECT_EQ(cell9("StrGrRQD", 1, 0), u" B"_s);  // headers stay
  EXPECT_EQ(in9<QLabel>("LTrida")->text(), QString());
  EXPECT_EQ(rmr->rockClass(), 0);
  EXPECT_FALSE(in9<QPushButton>("GrafHistRMR")->isEnabled());

  // The stored ratings of a project come back with it.
  openProject(path("../none.hor"));  // refused: the tables stay as they are
  dialogs.asked.clear();
  const std::string rated = std::string(TEST_DATA_DIR) + "/projects/Chodba_K12_RMR.hor";
  put(projects("Chodba_K12_RMR.hor"), bytesOf(rated));
  openProject(projects("Chodba_K12_RMR.hor"));
  EXPECT_EQ(cell9("StrGrRQD", 1, 2), u"17"_s);
  EXPECT_EQ(cell9("StrGrOP", 1, 2), u"3/  Špatný"_s);
}

TEST_F(RmrWindowTest, SavedAndReopenedProjectGivesTheSameRatingsAndRmr) {
  openWithStrength();
  rateSite();
  QTest::mouseClick(in9<QPushButton>("BitBtn2"), Qt::LeftButton);
  const Histogram created = main->project().rmr.histogram;
  const RmrTables tables = main->model().rmrTables();
  rmr->close();

  // The RMR made in memory is saved as a histogram file when the project is saved.
  dialogs.answerFile(projects("Rated.hor"));
  dialogs.answer(mrYes);
  dialogs.answerFile(services->folders.HistogramsFolder + "/RMR_tvorba.dis");
  main->files().saveProject();
  EXPECT_EQ(main->project().rmr.name, "RMR_tvorba.dis");

  restart();
  makeRmr();
  openWithStrength("Rated.hor");
  EXPECT_EQ(main->model().rmrTables().tables, tables.tables);
  for (int row = 1; row <= 5; ++row)
    EXPECT_EQ(cell9("StrGrChPN2", row, 2).toStdString(), tables.tables[3].cell(row, 2));
  QTest::mouseClick(in9<QPushButton>("BitBtn2"), Qt::LeftButton);
  EXPECT_EQ(main->project().rmr.histogram, created);
}

TEST_F(RmrWindowTest, StrengthChartButtons) {
  openWithStrength();
  auto* t = in9<QTableWidget>("StrGrPNH");
  QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualItemRect(t->item(2, 3)).center());
  auto* button = in9<QToolButton>("GrafPevnost");
  ASSERT_TRUE(button->isVisible());
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(chart->source(), kSrcNewHistogram);
  QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualItemRect(t->item(1, 3)).center());
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(chart->source(), kSrcReducedStrength);
}

// The road: the example project, the reduced strength, the rock mass rated in the window, the bolt
// load and the assessment; the saved project gives the same Pf on the command line.
TEST_F(RmrWindowTest, RoadFromRatingToTheAssessmentMatchesTheCommandLine) {
  openWithStrength();
  rateSite();
  QTest::mouseClick(in9<QPushButton>("BitBtn2"), Qt::LeftButton);
  rmr->close();
  ASSERT_EQ(main->project().rmr.name, msg(207));
  main->findChild<QAbstractButton*>(u"BBDelSvor"_s)->click();
  main->findChild<QAbstractButton*>(u"BBZatSv"_s)->click();
  main->findChild<QAbstractButton*>(u"BBFunSpoj"_s)->click();
  ASSERT_TRUE(main->project().assessmentDone);
  const double pf = main->assessment().pf;

  dialogs.answerFile(projects("Rated.hor"));
  dialogs.answer(mrYes);
  dialogs.answerFile(services->folders.HistogramsFolder + "/RMR_tvorba.dis");
  main->files().saveProject();

  const CliRun assess = runCli({u"assess"_s, QString::fromStdString(projects("Rated.hor")), u"--histograms"_s,
                                QString::fromStdString(services->folders.HistogramsFolder)});
  ASSERT_EQ(assess.status, 0) << assess.text;
  const auto& j = assess.out;
  EXPECT_NEAR(j["pf"].get<double>(), pf, 1e-12 + 1e-9 * pf);

  // The rating of the saved project on the command line agrees with the window.
  const CliRun rating = runCli({u"rmr"_s, QString::fromStdString(projects("Rated.hor")), u"--histograms"_s,
                                QString::fromStdString(services->folders.HistogramsFolder)});
  ASSERT_EQ(rating.status, 0) << rating.text;
  const auto& r = rating.out;
  EXPECT_EQ(r["sum"], 57);
  EXPECT_EQ(r["classIndex"], rmr->rockClass());
  EXPECT_EQ(r["rmr"]["min"].get<double>(), main->project().rmr.histogram.min);
}

}  // namespace

namespace {

// Pictures of the window in both languages for a look by eye: written only when
// VELTRA_SCREENSHOTS names a folder.
TEST_F(RmrWindowTest, ScreenshotsInBothLanguages) {
  const char* folder = std::getenv("VELTRA_SCREENSHOTS");
  if (!folder) GTEST_SKIP() << "VELTRA_SCREENSHOTS not set";
  openWithStrength();
  rateSite();
  QTest::mouseClick(in9<QPushButton>("BitBtn2"), Qt::LeftButton);
  rmr->resize(890, 600);
  QApplication::processEvents();
  EXPECT_TRUE(rmr->grab().save(QString::fromUtf8(folder) + u"/rmr_cs.png"_s));
  main->englishItem->trigger();
  QApplication::processEvents();
  EXPECT_EQ(rmr->windowTitle(), u"  VELTRA :   Rock Mass Rating - RMR ( according Bienawski, 1989 ) "_s);
  EXPECT_TRUE(rmr->grab().save(QString::fromUtf8(folder) + u"/rmr_en.png"_s));
}

}  // namespace
