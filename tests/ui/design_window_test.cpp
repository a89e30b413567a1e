// The bolt-pattern design window over the example project: what it designs, what "use this pattern"
// does to the main window, how it follows the project's bolt load, and what it refuses.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "ServicesFixture.h"
#include "design/PatternDesign.h"
#include "ui/AssessmentReport.h"
#include "ui/DesignWindow.h"
#include "ui/MainWindow.h"
#include "ui/ProjectFiles.h"
#include "ui/Startup.h"

using namespace Qt::StringLiterals;

namespace {

class DesignWindowTest : public ServicesTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(ServicesTest::SetUp());
    copyExamples();
    all = createWindows(*services);
    main = all->main;
    window = all->design;
    ASSERT_TRUE(main && window);
  }

  // Opens `project` of the examples and runs the whole chain.
  void assess(const char* project) {
    dialogs.answerFile(services->folders.ProjectsFolder + "/" + project);
    main->openProjectAction->trigger();
    main->findChild<QAbstractButton*>(u"SpocitatVse"_s)->click();
    ASSERT_TRUE(main->project().assessmentDone);
  }

  // Waits for the design running (or about to start) to finish.
  void settle() {
    QApplication::processEvents();
    QTRY_VERIFY_WITH_TIMEOUT(!window->computing(), 60000);
    QApplication::processEvents();
  }

  template <typename W>
  W* in(const char* name) const {
    auto* w = window->findChild<W*>(QString::fromUtf8(name));
    EXPECT_TRUE(w) << name;
    return w;
  }

  std::unique_ptr<VeltraWindows> all;
  MainWindow* main = nullptr;
  DesignWindow* window = nullptr;
};

TEST_F(DesignWindowTest, DesignsLikeTheCommandAndMarksTheLightestRow) {
  assess("Chodba_K12.hor");
  window->Open();
  settle();
  const DesignOutcome* o = window->outcome();
  ASSERT_TRUE(o && o->result.ok && o->result.lightest);
  // The figures of veltra-cli design on this project (target 2, the default ranges).
  EXPECT_NEAR(o->result.required.k, 0.52947, 1e-4);
  EXPECT_EQ(o->result.patterns.size(), 5u * 7u * 31u);
  EXPECT_EQ(std::tuple(o->result.lightest->n, o->result.lightest->d1, o->result.lightest->ds),
            std::tuple(2, 25.0, 1850.0));
  ASSERT_TRUE(o->current && o->margin);
  EXPECT_NEAR(*o->margin, o->current->k / o->result.required.k, 1e-12);
  EXPECT_NEAR(*o->margin, 1.78, 0.01);

  // The lightest row is the one in bold, wherever a sorting puts it.
  auto* table = in<QTableWidget>("StringGrid1");
  table->sortByColumn(3, Qt::DescendingOrder);
  int bold = -1;
  for (int r = 0; r < table->rowCount(); ++r)
    if (table->item(r, 0)->font().bold()) {
      EXPECT_EQ(bold, -1) << "one marked row";
      bold = r;
    }
  ASSERT_GE(bold, 0);
  EXPECT_EQ(table->item(bold, 0)->text(), u"2"_s);
  EXPECT_EQ(table->item(bold, 3)->text(), u"1850"_s);
  // Sorted by ds as numbers, not as texts.
  EXPECT_EQ(table->item(0, 3)->text(), u"2000"_s);
  EXPECT_EQ(table->item(table->rowCount() - 1, 3)->text(), u"500"_s);

  // The chart shows the lightest's curve and the three Pd lines on a log axis.
  EXPECT_EQ(window->shownCurves(), (std::vector<std::pair<int, double>>{{2, 25.0}, {3, 20.0}}));
  const auto [lo, hi] = window->pfAxisRange();
  EXPECT_LT(lo, designProbability(o->standard, 1));
  EXPECT_LE(hi, 1.0);
}

TEST_F(DesignWindowTest, UsingAPatternFillsTheFieldsAsAnInputChange) {
  // A results file read is saved work; its S is there to design on.
  dialogs.answerFile(std::string(EXAMPLES_DIR) + "/Veltra/Results/Chodba_K12.Vys");
  main->openResultsAction->trigger();
  ASSERT_TRUE(main->project().assessmentDone);
  ASSERT_FALSE(main->files().workUnsaved());
  window->Open();
  settle();
  ASSERT_TRUE(window->outcome() && window->outcome()->result.lightest);

  struct Case {
    int row;  // of the table sorted by steel, heaviest first; -1 for no selection (the lightest)
  } cases[] = {{-1}, {0}};
  for (const Case& c : cases) {
    auto* table = in<QTableWidget>("StringGrid1");
    table->clearSelection();
    design::PatternRow want = *window->outcome()->result.lightest;
    if (c.row >= 0) {
      table->sortByColumn(7, Qt::DescendingOrder);
      table->selectRow(c.row);
      want =
          window->outcome()
              ->result.patterns[static_cast<size_t>(table->item(c.row, 0)->data(Qt::UserRole + 1).toInt())];
    }
    in<QPushButton>("BBPouzit")->click();
    EXPECT_EQ(main->findChild<QLineEdit*>(u"EdPK"_s)->text(), QString::number(want.n)) << c.row;
    EXPECT_EQ(main->findChild<QLineEdit*>(u"EdPS"_s)->text().toStdString(), design::numberText(want.d1));
    EXPECT_EQ(main->findChild<QLineEdit*>(u"EdPSds"_s)->text().toStdString(), design::numberText(want.ds));
    EXPECT_EQ(main->project().boltCount, std::to_string(want.n));
    // C and FS fall, S stays; the work is unsaved.
    EXPECT_FALSE(main->project().bearingCapacityDone);
    EXPECT_FALSE(main->project().assessmentDone);
    EXPECT_TRUE(main->project().boltLoadDone);
    EXPECT_TRUE(main->files().workUnsaved());
    // The window takes the new pattern as the present one.
    settle();
    ASSERT_TRUE(window->outcome() && window->outcome()->current);
    EXPECT_EQ(window->outcome()->current->n, want.n);
    EXPECT_EQ(window->outcome()->current->ds, want.ds);
  }
  // The assessment of the used lightest pattern gives its Pf.
  main->findChild<QAbstractButton*>(u"BBFunSpoj"_s)->click();
  EXPECT_NEAR(main->assessment().pf, window->outcome()->current->pf,
              1e-12 + 1e-9 * window->outcome()->current->pf);

  // A diameter with decimals reaches the chain whole, in Czech too.
  ASSERT_EQ(services->language(), Language::Czech);
  in<QLineEdit>("EdNavrhPK")->setText(u"3"_s);
  in<QLineEdit>("EdNavrhPS")->setText(u"22.5"_s);
  in<QLineEdit>("EdNavrhDs")->setText(u"1000:1000:1"_s);
  window->BBSpocitatClick();
  settle();
  ASSERT_TRUE(window->outcome());
  ASSERT_EQ(window->outcome()->result.patterns.size(), 1u);
  EXPECT_EQ(in<QTableWidget>("StringGrid1")->item(0, 1)->text(), u"22,5"_s);
  in<QTableWidget>("StringGrid1")->selectRow(0);
  in<QPushButton>("BBPouzit")->click();
  EXPECT_EQ(main->project().d1, "22.5");
  settle();
  ASSERT_TRUE(window->outcome()->current);
  EXPECT_EQ(window->outcome()->current->d1, 22.5);
}

TEST_F(DesignWindowTest, DesignsAgainWhenTheBoltLoadChanges) {
  assess("Chodba_K12.hor");
  window->Open();
  settle();
  ASSERT_TRUE(window->outcome());
  const double first = window->outcome()->result.required.k;

  // Another project: without its S the window says why, with it the design is of the new S.
  dialogs.answer(mrNo);  // the results of the first are not saved
  dialogs.answerFile(services->folders.ProjectsFolder + "/Chodba_K12_kombinovana.hor");
  main->openProjectAction->trigger();
  dialogs.asked.clear();
  settle();
  EXPECT_EQ(window->outcome(), nullptr);
  EXPECT_FALSE(in<QLabel>("LabStav")->text().isEmpty());
  EXPECT_FALSE(in<QPushButton>("BBPouzit")->isEnabled());
  main->findChild<QAbstractButton*>(u"SpocitatVse"_s)->click();
  settle();
  ASSERT_TRUE(window->outcome());
  EXPECT_NE(window->outcome()->result.required.k, first);
  EXPECT_NEAR(window->outcome()->result.required.k, 0.52946, 1e-4);
  EXPECT_TRUE(dialogs.asked.empty()) << dialogs.asked.front().text;

  // A newer design supersedes a running one: the target last chosen wins.
  auto* target = in<QComboBox>("CBTrida");
  for (int t : {0, 2}) {
    target->setCurrentIndex(t);
    window->BBSpocitatClick();
  }
  settle();
  ASSERT_TRUE(window->outcome());
  EXPECT_EQ(window->outcome()->result.target, 3);
  EXPECT_EQ(std::tuple(window->outcome()->result.lightest->n, window->outcome()->result.lightest->d1),
            std::tuple(4, 16.0));
}

TEST_F(DesignWindowTest, RefusesBadRangesThroughTheDialogs) {
  assess("Chodba_K12.hor");
  window->Open();
  settle();
  const struct {
    const char* field;
    const char* text;
  } cases[] = {{"EdNavrhPK", "2,x"}, {"EdNavrhPK", "0"},           {"EdNavrhPS", "16;18"},
               {"EdNavrhPS", "-5"},  {"EdNavrhDs", "2000:500:50"}, {"EdNavrhDs", "500:2000:0"},
               {"EdNavrhDs", "500"}};
  for (const auto& c : cases) {
    auto* field = in<QLineEdit>(c.field);
    const QString before = field->text();
    field->setText(QString::fromUtf8(c.text));
    dialogs.asked.clear();
    window->BBSpocitatClick();
    settle();
    ASSERT_EQ(dialogs.asked.size(), 1u) << c.text;
    EXPECT_EQ(dialogs.asked[0].kind, DlgKind::Error) << c.text;
    EXPECT_NE(dialogs.asked[0].text.find(c.text), std::string::npos) << dialogs.asked[0].text;
    EXPECT_EQ(window->outcome(), nullptr) << c.text;
    EXPECT_FALSE(in<QPushButton>("BBPouzit")->isEnabled());
    field->setText(before);
  }
  // No pattern reaches the target: the message and the best reached, as the command gives them.
  in<QLineEdit>("EdNavrhPK")->setText(u"2"_s);
  in<QLineEdit>("EdNavrhPS")->setText(u"16"_s);
  in<QLineEdit>("EdNavrhDs")->setText(u"1500:2000:100"_s);
  in<QComboBox>("CBTrida")->setCurrentIndex(0);
  dialogs.asked.clear();
  window->BBSpocitatClick();
  settle();
  ASSERT_TRUE(window->outcome());
  EXPECT_FALSE(window->outcome()->result.lightest);
  const QString note = in<QLabel>("LabNejlehci")->text();
  EXPECT_TRUE(note.contains(u"nedosahuje třídy 1"_s)) << note.toStdString();
  EXPECT_EQ(window->outcome()->result.bestReachable.has_value(), note.contains(u'\n'));
  EXPECT_TRUE(dialogs.asked.empty());
}

TEST_F(DesignWindowTest, TheTableIsSavedAndTheReportGetsADesignPage) {
  assess("Chodba_K12.hor");
  window->Open();
  settle();
  ASSERT_TRUE(window->outcome());
  const std::string csv = path("patterns.csv");
  dialogs.answerFile(csv);
  in<QPushButton>("BBUlozTabulku")->click();
  std::ifstream in(csv, std::ios::binary);
  const std::string written((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(written, design::patternTableCsv(window->outcome()->result.patterns));

  ReportHeader header;
  header.projectName = "Chodba_K12";
  const std::string without = path("without.pdf"), with = path("with.pdf");
  ASSERT_TRUE(writeAssessmentReport(without, main->project(), header, Language::Czech));
  header.design = services->windows.currentDesign();
  ASSERT_NE(header.design, nullptr);
  ASSERT_TRUE(writeAssessmentReport(with, main->project(), header, Language::Czech));
  EXPECT_GT(std::filesystem::file_size(with), std::filesystem::file_size(without));
  EXPECT_EQ(assessmentReportPageCount(main->project(), false, true),
            assessmentReportPageCount(main->project()) + 1);
}

// Pictures of the window in both languages for a look by eye, when VELTRA_SCREENSHOTS names a folder.
TEST_F(DesignWindowTest, Screenshots) {
  const char* folder = std::getenv("VELTRA_SCREENSHOTS");
  if (!folder) GTEST_SKIP() << "VELTRA_SCREENSHOTS not set";
  assess("Chodba_K12.hor");
  window->Open();
  settle();
  window->resize(1000, 720);
  for (const auto& [action, name] : {std::pair(u"Cestina"_s, u"design_window_cs.png"_s),
                                     std::pair(u"Anglictina"_s, u"design_window_en.png"_s)}) {
    main->findChild<QAction*>(action)->trigger();
    settle();
    EXPECT_TRUE(window->grab().save(QString::fromUtf8(folder) + u'/' + name));
  }
}

}  // namespace
