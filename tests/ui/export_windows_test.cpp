// The exports reached from the windows: the chart window's check sheet and the main window's report.

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QToolButton>
#include <filesystem>

#include "ShellFixture.h"
#include "histogram/HistogramFile.h"
#include "shell/Dialogs.h"
#include "shell/NumberText.h"
#include "ui/AssessmentReport.h"
#include "ui/ChartExport.h"
#include "ui/ChartWindow.h"
#include "ui/DistributionFunctionWindow.h"
#include "ui/MainWindow.h"
#include "ui/ParametricWindow.h"
#include "ui/ProjectFiles.h"
#include "ui/RawDataWindow.h"
#include "ui/Startup.h"
#include "ui/TextSets.h"

namespace {

std::string pdfToText(const std::string& pdf) {
  QProcess p;
  p.start(u"pdftotext"_s, {QString::fromStdString(pdf), u"-"_s});
  p.waitForFinished(60000);
  return p.readAllStandardOutput().toStdString();
}

std::string unzipSheet(const std::string& xlsx) {
  QProcess p;
  p.start(u"unzip"_s, {u"-p"_s, QString::fromStdString(xlsx), u"xl/sharedStrings.xml"_s});
  p.waitForFinished(30000);
  return p.readAllStandardOutput().toStdString();
}

using ChartCheckSheet = ShellTest;

TEST_F(ChartCheckSheet, KontTiskWritesTheShownHistogramIntoTheResultsFolder) {
  ASSERT_TRUE(QDir().mkpath(QString::fromStdString(services->folders.ResultsFolder)));
  ChartWindow chart(*services);
  auto* kontTisk = chart.findChild<QPushButton*>(u"KontTisk"_s);
  ASSERT_NE(kontTisk, nullptr);
  EXPECT_FALSE(kontTisk->isEnabled());  // nothing shown yet

  Refusal e;
  const auto h = ReadHistogramFile(EXAMPLES_DIR "/Veltra/Histograms/Jilovec_pevnost.dis", e);
  ASSERT_TRUE(h);
  std::vector<std::string> opened;
  chart.checkSheetOpener = [&](const std::string& p) {
    opened.push_back(p);
    return true;
  };
  chart.Fill(kSrcLayer, *h, "Jilovec_pevnost.dis", 1);
  ASSERT_TRUE(kontTisk->isEnabled());
  kontTisk->click();
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(std::filesystem::path(opened[0]).parent_path().string(), services->folders.ResultsFolder);
  EXPECT_EQ(std::filesystem::path(opened[0]).filename().string().rfind("Jilovec_pevnost_", 0), 0u);
  EXPECT_NE(unzipSheet(opened[0]).find("Histogram : " + chart.windowTitle().toStdString()),
            std::string::npos);
  EXPECT_TRUE(dialogs.asked.empty());

  // Without a program for workbooks the path is told instead.
  chart.checkSheetOpener = [](const std::string&) { return false; };
  kontTisk->click();
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].kind, DlgKind::Information);
  EXPECT_NE(dialogs.asked[0].text.find(services->folders.ResultsFolder), std::string::npos);
}

using MainWindowReport = ShellTest;

TEST_F(MainWindowReport, ReportItemFollowsTheAssessmentAndWritesThePdf) {
  MainWindow& w = makeMain();
  QAction* report = action("ZpravaPDF1");
  ASSERT_NE(report, nullptr);
  auto* button = w.findChild<QToolButton*>(u"ZpravaPDF"_s);
  ASSERT_NE(button, nullptr);
  EXPECT_FALSE(report->isEnabled());
  EXPECT_EQ(report->text(), u"Zpráva o posouzení (PDF)"_s);
  EXPECT_EQ(button->toolTip(), report->toolTip());
  applyTexts(w, 1, Language::English);
  EXPECT_EQ(report->text(), u"Assessment report (PDF)"_s);
  applyTexts(w, 1, Language::Czech);

  // Opening a results file runs the assessment: the report is offered.
  dialogs.answerFile(EXAMPLES_DIR "/Veltra/Results/Chodba_K12.Vys");
  w.openResultsAction->trigger();
  ASSERT_TRUE(report->isEnabled());
  const std::string pdf = path("zprava.pdf");
  dialogs.answerFile(pdf);
  report->trigger();
  ASSERT_TRUE(std::filesystem::exists(pdf));
  EXPECT_EQ(dialogs.fileDialogs.back().initialFolder, services->folders.ResultsFolder);
  const std::string text = pdfToText(pdf);
  EXPECT_NE(text.find(formatNumberShort(w.project().failureProbability)), std::string::npos);
  EXPECT_NE(text.find("RC3/CC3"), std::string::npos);
  EXPECT_NE(text.find(services->programVersion), std::string::npos);
  ASSERT_FALSE(dialogs.asked.empty());
  EXPECT_NE(dialogs.asked.back().text.find(pdf), std::string::npos);  // told where it went

  // A new project clears the assessment and takes the report away.
  w.newProjectAction->trigger();
  EXPECT_FALSE(report->isEnabled());
}

using RawDataChartExport = ShellTest;

TEST_F(RawDataChartExport, UlozGrafCarriesTheTargetMenuAndExportsFromTheStartFolder) {
  RawDataWindow w(*services);
  auto* button = w.findChild<QPushButton*>(u"UlozGraf"_s);
  ASSERT_NE(button, nullptr);
  auto* exporter = button->findChild<ChartExport*>();
  ASSERT_NE(exporter, nullptr);
  EXPECT_EQ(w.findChild<QAction*>(u"Schranka"_s)->text(), u"&Schránky"_s);
  applyTexts(w, 5, Language::English);
  EXPECT_EQ(w.findChild<QAction*>(u"Schranka"_s)->text(), u"&Clipboard"_s);
  EXPECT_EQ(button->toolTip(), u"Save chart "_s);
  exporter->item(ChartTarget::Jpeg)->trigger();
  const std::string jpg = path("raw.jpg");
  dialogs.answerFile(jpg);
  ASSERT_TRUE(exporter->UlozGrafClick());
  EXPECT_EQ(dialogs.fileDialogs.back().initialFolder, services->folders.StartFolder);
  EXPECT_FALSE(QImage(QString::fromStdString(jpg)).isNull());
}

// The documents handed over from an opened project: its results name carries the version the opening
// appends, which stays out of the chart title, the check sheet's file name and the report.
class HandOver : public ShellTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(ShellTest::SetUp());
    copyExamples();
    all = createWindows(*services);
    dialogs.answerFile(services->folders.ProjectsFolder + "/Chodba_K12.hor");
    all->main->openProjectAction->trigger();
    ASSERT_NE(all->main->project().resultsName.find("Version"), std::string::npos);
    for (const char* b : {"BBRedPev", "BBDelSvor", "BBZatSv", "BBFunSpoj"})
      all->main->findChild<QPushButton*>(QString::fromLatin1(b))->click();
    ASSERT_TRUE(dialogs.asked.empty()) << dialogs.asked.front().text;
    ASSERT_EQ(all->chart->source(), 13);
  }
  void TearDown() override { all.reset(); }
  std::unique_ptr<VeltraWindows> all;
};

TEST_F(HandOver, ChartTitleCheckSheetAndReportNameTheResultsWithoutTheVersion) {
  ChartWindow& chart = *all->chart;
  EXPECT_EQ(chart.titleLines()[0], "Posudek spolehlivosti ( Chodba K12 ) ");

  // The check sheet of FS: named without the version, with the assessment at its top.
  ASSERT_TRUE(QDir().mkpath(QString::fromStdString(services->folders.ResultsFolder)));
  std::vector<std::string> opened;
  chart.checkSheetOpener = [&](const std::string& p) {
    opened.push_back(p);
    return true;
  };
  chart.findChild<QPushButton*>(u"KontTisk"_s)->click();
  ASSERT_EQ(opened.size(), 1u);
  const std::string name = std::filesystem::path(opened[0]).filename().string();
  EXPECT_EQ(name.rfind("Posudek_spolehlivosti_Chodba_K12_2", 0), 0u) << name;
  const std::string strings = unzipSheet(opened[0]);
  for (const char* wanted : {"Posouzení spolehlivosti", "beta_f", "Norma", "ČSN EN 1990", "Výrok", "RC3/CC3"})
    EXPECT_NE(strings.find(wanted), std::string::npos) << wanted;

  // The report offers the name without the version and names the project file.
  const std::string pdf = path("zprava.pdf");
  dialogs.answerFile(pdf);
  all->main->findChild<QAction*>(u"ZpravaPDF1"_s)->trigger();
  ASSERT_TRUE(std::filesystem::exists(pdf));
  EXPECT_EQ(dialogs.fileDialogs.back().fileName, "Chodba_K12.pdf");
  const std::string text = pdfToText(pdf);
  EXPECT_EQ(text.find("Version"), std::string::npos);
  EXPECT_NE(text.find("Chodba K12"), std::string::npos);
  EXPECT_NE(text.find("Projects/Chodba_K12.hor"), std::string::npos);
}

// The design standard chosen in the assessment panel is there again in the next run.
TEST_F(HandOver, TheStandardKeepsItsChoiceWhenThePanelOpensAgain) {
  auto* norma = all->chart->findChild<QComboBox*>(u"CBNorma"_s);
  ASSERT_NE(norma, nullptr);
  EXPECT_EQ(norma->currentIndex(), 0);
  EXPECT_EQ(norma->currentText(), u"ČSN EN 1990"_s);
  norma->setCurrentIndex(1);
  emit norma->activated(1);
  EXPECT_EQ(all->main->assessment().standard, DesignStandard::Csn731401);

  all.reset();
  reloadServices();
  all = createWindows(*services);
  all->main->findChild<QPushButton*>(u"BBFunSpoj"_s)->click();  // nothing to assess yet; the panel is built
  norma = all->chart->findChild<QComboBox*>(u"CBNorma"_s);
  ASSERT_NE(norma, nullptr);
  EXPECT_EQ(norma->currentIndex(), 1);
  EXPECT_EQ(norma->currentText(), u"ČSN (STN) 73 1401"_s);
  EXPECT_EQ(services->windows.assessmentStandard(), DesignStandard::Csn731401);
}

using ChartImages = ShellTest;

// Every chart window carries "Uložit obrázek…" beside its other controls (the histogram chart window,
// which has no chart export menu, too): one click, the save dialog in the window's folder, the chart
// written in the chosen type. The right-click menu of `UlozGraf` stays, with the same item on top.
TEST_F(ChartImages, EveryChartWindowSavesItsChartAsAnImage) {
  Refusal e;
  const auto h = ReadHistogramFile(EXAMPLES_DIR "/Veltra/Histograms/Jilovec_pevnost.dis", e);
  ASSERT_TRUE(h);
  ChartWindow chart(*services);
  chart.Fill(kSrcLayer, *h, "Jilovec_pevnost.dis", 1);
  ParametricWindow parametric(*services);
  parametric.Open();
  DistributionFunctionWindow distribution(*services);
  distribution.Fill(*h, "Jilovec_pevnost.dis");
  RawDataWindow raw(*services);
  dialogs.answerFile(std::string(TEST_DATA_DIR) + "/rawdata/normal_mu50_sigma5.txt");
  raw.OpenDataClick();
  ASSERT_TRUE(dialogs.asked.empty()) << dialogs.asked.front().text;
  struct Case {
    QWidget* window;
    const char* chart;
    std::string folder;
    bool menu;  // carries the chart export menu of UlozGraf
  };
  const Case cases[] = {{&chart, "Chart1", services->folders.ResultsFolder, false},
                        {&parametric, "Chart1L", services->folders.StartFolder, true},
                        {&distribution, "Chart1L", services->folders.ResultsFolder, true},
                        {&raw, "Chart1", services->folders.StartFolder, true}};
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.window->objectName().toStdString());
    auto* button = c.window->findChild<QPushButton*>(u"UlozObrazek"_s);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), u"Uložit obrázek…"_s);
    ASSERT_TRUE(button->isEnabled());
    const std::string file = path(("obrazek" + std::to_string(++n)).c_str());
    dialogs.answerFile(file);
    dialogs.answerFileFilter(1);
    button->click();
    EXPECT_EQ(dialogs.fileDialogs.back().initialFolder, c.folder);
    const QImage image(QString::fromStdString(file + ".png"));
    ASSERT_FALSE(image.isNull());
    EXPECT_GE(image.width(), c.window->findChild<QWidget*>(QString::fromLatin1(c.chart))->width());
    if (c.menu) {
      auto* export_ = c.window->findChild<QWidget*>(u"UlozGraf"_s);
      ASSERT_NE(export_, nullptr);
      EXPECT_NE(export_->findChild<QAction*>(u"Schranka"_s), nullptr);
      EXPECT_EQ(export_->findChild<QAction*>(u"UlozObrazek1"_s)->text(), u"Uložit &obrázek…"_s);
    }
    applyTexts(*c.window,
               c.window == &chart        ? 3
               : c.window == &parametric ? 4
               : c.window == &raw        ? 5
                                         : 12,
               Language::English);
    EXPECT_EQ(button->text(), u"Save image…"_s);
  }
  EXPECT_TRUE(dialogs.asked.empty()) << dialogs.asked.front().text;
}

}  // namespace
