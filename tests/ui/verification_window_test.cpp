// The check of Pf from the assessment panel of the chart window and the sensitivity window, run on
// the example project as the user does it, against the figures of veltra-cli assess --verify.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLogValueAxis>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "CliRun.h"
#include "ServicesFixture.h"
#include "shell/Messages.h"
#include "shell/NumberText.h"
#include "ui/ChartWindow.h"
#include "ui/MainWindow.h"
#include "ui/ProjectFiles.h"
#include "ui/SensitivityWindow.h"
#include "ui/Startup.h"
#include "ui/TextSets.h"
#include "ui/VerificationTexts.h"
#include "ui/WindowTexts.h"

using namespace Qt::StringLiterals;

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

// Samples of the checks here: enough for failures at the row spacings used, short enough for a test.
constexpr std::int64_t kSamples = 4'000'000;

class VerificationWindow : public ServicesTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(ServicesTest::SetUp());
    copyExamples();
    all = createWindows(*services);
    main = all->main;
    chart = all->chart;
    ASSERT_TRUE(main && chart && all->sensitivity);
  }
  void TearDown() override {
    for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
    all.reset();
  }

  template <class T>
  T* in(QWidget* w, const char* name) {
    auto* c = w->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
  }

  // The example project opened and assessed with row spacing `ds` (mm).
  void assessExample(const QString& ds) {
    dialogs.answerFile(services->folders.ProjectsFolder + "/Chodba_K12.hor");
    main->openProjectAction->trigger();
    ASSERT_GT(main->project().nextLayerRow, 1);
    auto* e = in<QLineEdit>(main, "EdPSds");
    e->setFocus();
    e->selectAll();
    QTest::keyClicks(e, ds);
    in<QLineEdit>(main, "EdNazevVys")->setFocus();
    for (const char* b : {"BBRedPev", "BBDelSvor", "BBZatSv", "BBFunSpoj"}) {
      in<QPushButton>(main, b)->click();
      QApplication::processEvents();
    }
    ASSERT_TRUE(dialogs.asked.empty()) << dialogs.asked.front().text;
    ASSERT_TRUE(main->project().assessmentDone);
    ASSERT_TRUE(chart->isVisible());
  }

  // Presses "Ověřit (Monte Carlo)" and waits for the end of the check.
  void runCheck(std::int64_t samples = kSamples) {
    chart->verificationOptions.maxSamples = samples;
    auto* start = in<QPushButton>(chart, "BBOvereni");
    ASSERT_TRUE(start->isVisible() && start->isEnabled());
    start->click();
    EXPECT_FALSE(start->isEnabled());
    EXPECT_TRUE(in<QPushButton>(chart, "BBOvereniStorno")->isEnabled());
    EXPECT_TRUE(in<QProgressBar>(chart, "ProgressOvereni")->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!chart->verificationRunning(), 120000);
    QApplication::processEvents();
    EXPECT_TRUE(start->isEnabled());
    EXPECT_FALSE(in<QProgressBar>(chart, "ProgressOvereni")->isVisible());
  }

  // veltra-cli assess --verify on the same project, row spacing, samples and seed.
  nlohmann::json cliVerify(const QString& ds) {
    const CliRun r =
        runCli({u"assess"_s, qs(services->folders.ProjectsFolder + "/Chodba_K12.hor"), u"--histograms"_s,
                qs(services->folders.HistogramsFolder), u"--ds"_s, ds, u"--verify"_s, u"--samples"_s,
                QString::number(kSamples), u"--seed"_s, QString::number(chart->verificationOptions.seed)});
    EXPECT_EQ(r.status, 0) << r.text;
    return r.out;
  }

  QString cell(int row, int col) {
    auto* t = in<QTableWidget>(chart, "StringGridMC");
    return t && t->item(row, col) ? t->item(row, col)->text() : QString();
  }

  std::unique_ptr<VeltraWindows> all;
  MainWindow* main = nullptr;
  ChartWindow* chart = nullptr;
};

TEST_F(VerificationWindow, CheckShowsTheFiguresOfTheCommandLineWithTheSameSeed) {
  ASSERT_NO_FATAL_FAILURE(assessExample(u"1800"_s));
  chart->verificationOptions.seed = 7;
  ASSERT_NO_FATAL_FAILURE(runCheck());
  const verification::ChainCheck* check = chart->currentCheck();
  ASSERT_NE(check, nullptr);
  const nlohmann::json j = cliVerify(u"1800"_s);
  ASSERT_TRUE(j.contains("monteCarlo")) << j.dump();
  EXPECT_EQ(check->chainPf, j["pf"].get<double>());

  // Both readings, their intervals and sample counts, as the panel shows them.
  const struct {
    const char* reading;
    const verification::PfEstimate& estimate;
    int row;
  } readings[] = {{"centres", check->monteCarlo.centres, 0}, {"uniform", check->monteCarlo.uniform, 1}};
  for (const auto& r : readings) {
    const auto& cli = j["monteCarlo"][r.reading];
    EXPECT_EQ(r.estimate.samples, cli["samples"].get<std::int64_t>()) << r.reading;
    EXPECT_EQ(r.estimate.pf, cli["pf"].get<double>()) << r.reading;
    EXPECT_EQ(r.estimate.lo95, cli["ci95"][0].get<double>()) << r.reading;
    EXPECT_EQ(r.estimate.hi95, cli["ci95"][1].get<double>()) << r.reading;
    EXPECT_GT(r.estimate.failures, 0) << r.reading;
    EXPECT_EQ(cell(r.row, 1), qs(formatNumberShort(cli["pf"].get<double>()))) << r.reading;
    EXPECT_EQ(cell(r.row, 2), qs(verificationTextFormat(VerificationText::Interval, Language::Czech,
                                                        {formatNumberShort(cli["ci95"][0].get<double>()),
                                                         formatNumberShort(cli["ci95"][1].get<double>())})));
    EXPECT_EQ(cell(r.row, 3), QString::number(cli["samples"].get<std::int64_t>()));
  }
  // The band: the assessment on 64 and 128 bins, then as it is.
  ASSERT_EQ(check->band.size(), 2u);
  EXPECT_EQ(*check->band[0], j["pfByBins"]["64"].get<double>());
  EXPECT_EQ(*check->band[1], j["pfByBins"]["128"].get<double>());
  EXPECT_EQ(cell(2, 1), qs(formatNumberShort(j["pfByBins"]["64"].get<double>())));
  EXPECT_EQ(cell(3, 1), qs(formatNumberShort(j["pfByBins"]["128"].get<double>())));
  EXPECT_EQ(cell(4, 1), qs(formatNumberShort(j["pfByBins"]["256"].get<double>())));

  // Inside the interval of its own reading: said in plain words, no warning colour.
  ASSERT_TRUE(j["monteCarlo"]["chainInsideUniform"].get<bool>());
  auto* note = in<QLabel>(chart, "LabOverVarovani");
  EXPECT_TRUE(note->text().startsWith(
      qs(verificationTextFormat(VerificationText::Inside, Language::Czech,
                                {formatNumberShort(check->chainPf),
                                 verificationText(VerificationText::ReadingUniform, Language::Czech)}))))
      << note->text().toStdString();
  EXPECT_NE(note->palette().color(QPalette::Window), QColor(255, 0, 0));

  // The sensitivity window: the rows of the command line in its order, then K without effect.
  auto* open = in<QPushButton>(chart, "BBCitlivost");
  ASSERT_TRUE(open->isEnabled());
  open->click();
  SensitivityWindow* s = all->sensitivity;
  ASSERT_TRUE(s->isVisible());
  const auto& rows = s->rows();
  const auto& cliRows = j["sensitivity"];
  ASSERT_EQ(rows.size(), cliRows.size() + 1);
  for (size_t i = 0; i < cliRows.size(); ++i) {
    const auto& c = cliRows[i];
    EXPECT_EQ(rows[i].input, verificationInputName(c["input"].get<std::string>(), Language::Czech));
    EXPECT_EQ(rows[i].file, c["file"].get<std::string>());
    const std::optional<double> pfs[3] = {rows[i].pf05, rows[i].pf50, rows[i].pf95};
    const char* keys[3] = {"pf05", "pf50", "pf95"};
    for (int k = 0; k < 3; ++k) {
      ASSERT_TRUE(pfs[k].has_value() && c[keys[k]].is_number()) << i << keys[k];
      EXPECT_EQ(*pfs[k], c[keys[k]].get<double>()) << i << keys[k];
    }
  }
  const SensitivityLine& k = rows.back();
  EXPECT_TRUE(k.noEffect);
  EXPECT_EQ(k.file, main->project().k.name);
  auto* table = in<QTableWidget>(s, "StringGrid1");
  const int last = table->rowCount() - 1;
  EXPECT_EQ(table->item(last, 0)->text(), qs(verificationInputName("K", Language::Czech)));
  EXPECT_EQ(table->item(last, 2)->text(), u"bez vlivu na Pf"_s);
  EXPECT_EQ(table->item(0, 2)->text(), qs(formatNumberShort(cliRows[0]["pf05"].get<double>())));
  // A tornado on a log axis that holds every figure.
  auto* view = in<QChartView>(s, "Chart1");
  ASSERT_EQ(view->chart()->axes(Qt::Horizontal).size(), 1);
  auto* axis = qobject_cast<QLogValueAxis*>(view->chart()->axes(Qt::Horizontal)[0]);
  ASSERT_NE(axis, nullptr);
  for (const auto& c : cliRows)
    for (const char* key : {"pf05", "pf50", "pf95"})
      if (const double pf = c[key].get<double>(); pf > 0) {
        EXPECT_LE(axis->min(), pf);
        EXPECT_GE(axis->max(), pf);
      }
  EXPECT_LT(axis->min(), s->axisRange().second);

  // Another assessment takes the check away: its figures belong to the one before.
  main->findChild<QAbstractButton*>(u"BBFunSpoj"_s)->click();
  EXPECT_NE(chart->currentCheck(), nullptr) << "the same assessment again keeps the check";
  main->project().failureMass += 1e-9;
  main->project().failureProbability += 1e-9;
  main->findChild<QAbstractButton*>(u"GrafFS"_s)->click();
  EXPECT_EQ(chart->currentCheck(), nullptr);
  EXPECT_EQ(cell(0, 1), QString());
  EXPECT_FALSE(open->isEnabled());
  EXPECT_FALSE(s->isVisible());
}

TEST_F(VerificationWindow, AnAssessmentOutsideTheIntervalOfItsOwnReadingIsWarnedOf) {
  // Read at the bin centres, at 2 m row spacing the assessment's Pf lies below the sampled one of the
  // same reading by more than chance explains.
  main->findChild<QAction*>(u"InputCentres"_s)->trigger();
  ASSERT_NO_FATAL_FAILURE(assessExample(u"2000"_s));
  ASSERT_NO_FATAL_FAILURE(runCheck());
  const verification::ChainCheck* check = chart->currentCheck();
  ASSERT_NE(check, nullptr);
  ASSERT_FALSE(check->chainInsideOwnReading());
  auto* note = in<QLabel>(chart, "LabOverVarovani");
  EXPECT_TRUE(note->text().startsWith(qs(verificationTextFormat(
      VerificationText::Outside, Language::Czech,
      {formatNumberShort(check->chainPf), verificationText(VerificationText::ReadingCentres, Language::Czech),
       formatNumberShort(check->monteCarlo.centres.lo95),
       formatNumberShort(check->monteCarlo.centres.hi95)}))))
      << note->text().toStdString();
  EXPECT_EQ(note->palette().color(QPalette::Window), QColor(255, 0, 0));
  // Re-worded in English.
  main->findChild<QAction*>(u"Anglictina"_s)->trigger();
  EXPECT_TRUE(note->text().startsWith(u"Caution: the Pf of the assessment"_s)) << note->text().toStdString();
  EXPECT_EQ(cell(0, 0), u"Monte Carlo, bin centres"_s);
}

TEST_F(VerificationWindow, ACancelledCheckLeavesNoFiguresAndAProjectWithoutBoltsIsRefused) {
  ASSERT_NO_FATAL_FAILURE(assessExample(u"1000"_s));
  chart->verificationOptions.maxSamples = 2'000'000'000;
  chart->verificationOptions.targetCov = 1e-6;  // never reached
  in<QPushButton>(chart, "BBOvereni")->click();
  ASSERT_TRUE(chart->verificationRunning());
  in<QPushButton>(chart, "BBOvereniStorno")->click();
  QTRY_VERIFY_WITH_TIMEOUT(!chart->verificationRunning(), 60000);
  EXPECT_EQ(chart->currentCheck(), nullptr);
  EXPECT_EQ(in<QLabel>(chart, "LabOverVarovani")->text(), u"Ověření bylo přerušeno."_s);
  EXPECT_EQ(cell(0, 1), QString());
  EXPECT_FALSE(in<QPushButton>(chart, "BBCitlivost")->isEnabled());
  EXPECT_TRUE(in<QPushButton>(chart, "BBOvereni")->isEnabled());

  // The model needs the bolts; a project that lost them since cannot be checked.
  main->project().boltCount = "0";
  ASSERT_NO_FATAL_FAILURE(runCheck());
  EXPECT_EQ(chart->currentCheck(), nullptr);
  EXPECT_EQ(in<QLabel>(chart, "LabOverVarovani")->text(),
            qs(verificationText(VerificationText::Refused, Language::Czech)));
}

// Pictures of the assessment panel with a check done and of the sensitivity window in both languages
// for a look by eye: written only when VELTRA_SCREENSHOTS names a folder.
TEST_F(VerificationWindow, ScreenshotsInBothLanguages) {
  const char* folder = std::getenv("VELTRA_SCREENSHOTS");
  if (!folder) GTEST_SKIP() << "VELTRA_SCREENSHOTS not set";
  ASSERT_NO_FATAL_FAILURE(assessExample(u"2000"_s));
  ASSERT_NO_FATAL_FAILURE(runCheck());
  chart->resize(1000, 562);  // the preset size
  in<QPushButton>(chart, "BBCitlivost")->click();
  all->sensitivity->resize(900, 640);
  for (Language l : {Language::Czech, Language::English}) {
    main->findChild<QAction*>(l == Language::English ? u"Anglictina"_s : u"Cestina"_s)->trigger();
    QApplication::processEvents();
    const QString suffix = l == Language::English ? u"_en.png"_s : u"_cs.png"_s;
    EXPECT_TRUE(chart->grab().save(QString::fromUtf8(folder) + u"/verification_panel"_s + suffix));
    EXPECT_TRUE(all->sensitivity->grab().save(QString::fromUtf8(folder) + u"/sensitivity"_s + suffix));
    // The result chart as "Uložit obrázek…" saves it.
    const std::string png =
        std::string(folder) + (l == Language::English ? "/chart_en.png" : "/chart_cs.png");
    std::filesystem::remove(png);
    dialogs.answerFile(png);
    dialogs.answerFileFilter(1);
    in<QPushButton>(chart, "UlozObrazek")->click();
    EXPECT_TRUE(std::filesystem::exists(png));
    // The report with its check, for a look at its pages.
    const std::string pdf =
        std::string(folder) + (l == Language::English ? "/report_en.pdf" : "/report_cs.pdf");
    std::filesystem::remove(pdf);
    dialogs.answerFile(pdf);
    main->findChild<QAction*>(u"ZpravaPDF1"_s)->trigger();
    EXPECT_TRUE(std::filesystem::exists(pdf));
  }
}

// The help explains the check by the texts the windows show, and says that K does not reach Pf.
TEST(VerificationHelp, NamesTheCheckAndSensitivityAndTellsThatKHasNoEffectOnPf) {
  QFile file(QStringLiteral(TEST_DATA_DIR "/../../help/Veltra.htm"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const std::string help = file.readAll().toStdString();
  for (Language l : {Language::Czech, Language::English}) {
    for (const TextRow& r :
         l == Language::Czech ? kChartVerificationTexts.czech : kChartVerificationTexts.english)
      if ((r.control == "BBOvereni" || r.control == "BBCitlivost") && r.prop == TextProp::Text) {
        const std::string caption = std::string(r.text.substr(0, r.text.find(" ...")));
        EXPECT_NE(help.find(caption), std::string::npos) << caption;
      }
    for (VerificationText t :
         {VerificationText::NoEffect, VerificationText::RowCentres, VerificationText::RowUniform})
      EXPECT_NE(help.find(verificationText(t, l)), std::string::npos) << verificationText(t, l);
  }
  // The bolt load is made without the bolt length.
  EXPECT_EQ(help.find("L, RMR, gamma"), std::string::npos);
  EXPECT_EQ(help.find("from L, RMR and gamma"), std::string::npos);
  EXPECT_NE(help.find("so K has no effect on"), std::string::npos);
  EXPECT_NE(help.find("K pravděpodobnost poruchy P<sub>f</sub> neovlivňuje"), std::string::npos);
}

}  // namespace
