#include <gtest/gtest.h>

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "ScriptedDialogs.h"
#include "histogram/HistogramCharacteristics.h"
#include "histogram/HistogramFile.h"
#include "histogram/Queries.h"
#include "histogram_fixture.h"
#include "persistence/SettingsFile.h"
#include "reliability/Assessment.h"
#include "shell/Dialogs.h"
#include "shell/Messages.h"
#include "shell/NumberText.h"
#include "ui/ChartWindow.h"
#include "ui/DistributionFunctionWindow.h"
#include "ui/MainWindow.h"
#include "ui/Services.h"

using namespace Qt::StringLiterals;

namespace {

// Five intervals of width 2 centred on 1, 3, 5, 7, 9 (edges 0 .. 10), 10 values.
Histogram fiveBins() { return histogram_fixture::make(1, 2, {0.1, 0.2, 0.4, 0.2, 0.1}, 10); }

QColor bgr(std::uint32_t c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }
QString num(double x) { return QString::fromStdString(formatNumber(x)); }

class ChartWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    settings = std::make_unique<SettingsFile>(path("Veltra.INI"));
    services = std::make_unique<Services>(Services{dialogs, *settings, {}, {}, {}, {}});
    services->folders.HistogramsFolder = dir.path().toStdString();
    form = std::make_unique<ChartWindow>(*services);
  }

  std::string path(const char* name) const {
    return (dir.path() + u'/' + QString::fromUtf8(name)).toStdString();
  }
  template <class T>
  T* child(const char* name) const {
    T* w = form->findChild<T*>(QString::fromUtf8(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  QString cell(const char* grid, int row, int column) const {
    QTableWidgetItem* it = child<QTableWidget>(grid)->item(row, column);
    return it ? it->text() : QString();
  }
  QBarSet* bars() const {
    auto* series = static_cast<QBarSeries*>(child<QChartView>("Chart1")->chart()->series().at(0));
    return series->barSets().at(0);
  }
  std::vector<int> selectedBars() const {
    QList<int> s = bars()->selectedBars();
    std::sort(s.begin(), s.end());
    return {s.begin(), s.end()};
  }
  void valueQuery(const QString& text) {
    child<QLineEdit>("EditXY")->setText(text);
    form->EditXYExit();
  }
  void probabilityQuery(const QString& text) {
    child<QLineEdit>("EditP")->setText(text);
    form->EditPExit();
  }

  QTemporaryDir dir;
  ScriptedDialogs dialogs;
  std::unique_ptr<SettingsFile> settings;
  std::unique_ptr<Services> services;
  std::unique_ptr<ChartWindow> form;
};

}  // namespace

TEST_F(ChartWindowTest, FillShowsCaptionTitleCharacteristicsAndBars) {
  form->Fill(kSrcWidth, fiveBins(), "Sirka");
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(form->windowTitle().toStdString(), MessageText(164, Language::Czech));
  EXPECT_EQ(form->titleLines()[0], "Sirka  [ m ]");
  EXPECT_EQ(form->histogramName(), "Sirka");
  EXPECT_EQ(cell("StringGrid1", 0, 1), u"         5"_s);
  EXPECT_EQ(cell("StringGrid1", 1, 1), u"  "_s + num(1));
  EXPECT_EQ(cell("StringGrid1", 2, 1), u"  "_s + num(9));
  EXPECT_EQ(cell("StringGrid1", 4, 1), u"  "_s + num(10));
  ASSERT_EQ(bars()->count(), 5);
  EXPECT_DOUBLE_EQ(bars()->at(2), 0.4);
  EXPECT_EQ(bars()->color(), bgr(services->options.colours.histogram));
  EXPECT_EQ(cell("StringGrid7", 0, 1), u"0.000000"_s);
  EXPECT_FALSE(child<QWidget>("Panel3")->isVisible());
  EXPECT_TRUE(child<QPushButton>("KrivkaTrvani")->isEnabled());  // opens the distribution function
}

TEST_F(ChartWindowTest, ProbabilityTableHasCentresEdgesAndDistributionFunction) {
  form->Fill(kSrcBoltLength, fiveBins());
  auto* grid = child<QTableWidget>("StringGrid2");
  // The header row is the table's header: 2N + 2 data rows.
  ASSERT_EQ(grid->rowCount() + 1, 2 * 5 + 3);
  EXPECT_EQ(grid->horizontalHeaderItem(4)->text().toStdString(), MessageText(412, Language::Czech));
  EXPECT_EQ(cell("StringGrid2", 0, 1), num(0));  // lower edge
  EXPECT_EQ(cell("StringGrid2", 0, 4), u"   "_s + num(0));
  const double centreF[] = {0.05, 0.2, 0.5, 0.8, 0.95};
  const double edgeF[] = {0.1, 0.30000000000000004, 0.7000000000000001, 0.9000000000000001,
                          1.0000000000000002};
  for (int i = 1; i <= 5; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(cell("StringGrid2", 2 * i - 1, 0).toStdString(), formatNumberAligned(5, i));
    EXPECT_EQ(cell("StringGrid2", 2 * i - 1, 1), num(2 * i - 1));
    EXPECT_EQ(cell("StringGrid2", 2 * i - 1, 4), u"   "_s + num(centreF[i - 1]));
    EXPECT_EQ(cell("StringGrid2", 2 * i, 1), num(2 * i));
    EXPECT_EQ(cell("StringGrid2", 2 * i, 4), u"   "_s + num(edgeF[i - 1]));
  }
  EXPECT_EQ(cell("StringGrid2", 11, 1).toStdString(), MessageText(127, Language::Czech));
  EXPECT_EQ(cell("StringGrid2", 11, 3).toStdString(), formatNumberAligned(12, 10));

  Histogram big;
  big.count = 256;
  big.step = 1;
  big.max = 255;
  big.total = 256;
  for (int i = 0; i < 256; ++i) big.p[i] = 1.0 / 256;
  form->Fill(kSrcBoltLength, big);
  EXPECT_EQ(grid->rowCount() + 1, 515);
  EXPECT_EQ(cell("StringGrid2", 512, 1), num(255.5));  // last edge row: Max + step/2
}

TEST_F(ChartWindowTest, TableRowsAreHighlightedOnlyWhileTheOptionIsOn) {
  auto* grid = child<QTableWidget>("StringGrid2");
  auto bg = [&](int row, int column) { return grid->item(row, column)->background().color(); };
  const QColor table = bgr(services->options.colours.table);
  form->Fill(kSrcBoltLength, fiveBins());
  EXPECT_EQ(bg(1, 0), bgr(kIntervalRowColour));
  EXPECT_EQ(bg(2, 0), table);  // edge row
  EXPECT_EQ(bg(11, 2), bgr(kTotalRowColour));
  EXPECT_EQ(bg(11, 4), table);

  valueQuery(u"5"_s);  // lower edges 0, 2, 4 are below 5
  EXPECT_EQ(bg(5, 3), bgr(kValueQueryRowColour));
  EXPECT_EQ(bg(7, 3), table);
  probabilityQuery(u"0.5"_s);  // F at the lower edges 0, 0.1, 0.3 are below 0.5
  EXPECT_EQ(bg(5, 0), bgr(kProbabilityQueryRowColour));
  EXPECT_EQ(bg(7, 0), table);

  form->Fill(kSrcReliability, fiveBins());
  EXPECT_EQ(bg(1, 0), bgr(kReliabilityRowColour));

  services->options.highlightRows = false;
  form->Fill(kSrcBoltLength, fiveBins());
  EXPECT_EQ(bg(1, 0), table);
  EXPECT_EQ(bg(11, 2), table);
}

TEST_F(ChartWindowTest, ValueQuery) {
  form->Fill(kSrcBoltLength, fiveBins());
  struct Case {
    const char* x;
    double px, cdf;
    std::vector<int> selected;
  } cases[] = {
      {"5", 0.4, 0.5, {0, 1, 2}},               // inside an interval
      {"4", 0.2, 0.30000000000000004, {0, 1}},  // inner edge: the lower interval
      {"10", 0.1, 1, {0, 1, 2, 3, 4}},          // upper end
      {"9.5", 0.1, 0.975, {0, 1, 2, 3, 4}},     // last interval: interpolated
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.x);
    valueQuery(QString::fromUtf8(c.x));
    EXPECT_EQ(form->queryMode(), QueryMode::Value);
    EXPECT_EQ(cell("StringGrid7", 0, 1), num(c.px));
    const double cdf = ::valueQuery(fiveBins(), QString::fromUtf8(c.x).toDouble()).cdf;
    EXPECT_NEAR(cdf, c.cdf, 1e-15);
    EXPECT_EQ(cell("StringGrid7", 1, 1), num(cdf));
    EXPECT_EQ(selectedBars(), c.selected);
    EXPECT_EQ(bars()->selectedColor(), bgr(services->options.colours.value));
  }
  // The lower end lies outside: the field is emptied and the query series cleared.
  valueQuery(u"0"_s);
  EXPECT_TRUE(child<QLineEdit>("EditXY")->text().isEmpty());
  EXPECT_TRUE(selectedBars().empty());
  EXPECT_EQ(cell("StringGrid7", 1, 1), u"0"_s);
  EXPECT_TRUE(dialogs.asked.empty());
}

TEST_F(ChartWindowTest, InvalidNumbersAreReported) {
  form->Fill(kSrcBoltLength, fiveBins());
  valueQuery(u"5"_s);
  for (const char* text : {"abc", "E5", "-"}) {
    SCOPED_TRACE(text);
    dialogs.asked.clear();
    probabilityQuery(QString::fromUtf8(text));
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].caption, MessageText(3, Language::Czech));
    EXPECT_EQ(dialogs.asked[0].text, MessageText(177, Language::Czech) + text);
  }
  // The value query shown before stays.
  EXPECT_EQ(cell("StringGrid7", 0, 1), num(0.4));
}

TEST_F(ChartWindowTest, ProbabilityQuery) {
  form->Fill(kSrcBoltLength, fiveBins());
  probabilityQuery(u"1"_s);
  EXPECT_EQ(cell("StringGrid6", 0, 1), num(9));  // P = 1 gives Max
  EXPECT_EQ(child<QLineEdit>("EditP")->text(), u"1"_s);
  EXPECT_EQ(selectedBars(), (std::vector<int>{0, 1, 2, 3, 4}));
  EXPECT_EQ(bars()->selectedColor(), bgr(services->options.colours.quantile));

  probabilityQuery(u"1E-9"_s);  // inside the first interval
  EXPECT_EQ(cell("StringGrid6", 0, 1), num(::quantileQuery(fiveBins(), 1e-9).qp));
  EXPECT_NEAR(::quantileQuery(fiveBins(), 1e-9).qp, 2e-8, 1e-15);
  EXPECT_EQ(selectedBars(), std::vector<int>{0});

  probabilityQuery(u"0.5"_s);
  EXPECT_EQ(cell("StringGrid6", 0, 1), num(5));
  EXPECT_EQ(selectedBars(), (std::vector<int>{0, 1, 2}));

  probabilityQuery(u"1.5"_s);  // outside (0, 1]
  EXPECT_TRUE(child<QLineEdit>("EditP")->text().isEmpty());
  EXPECT_TRUE(selectedBars().empty());
  EXPECT_EQ(cell("StringGrid6", 0, 1), u"0"_s);
}

TEST_F(ChartWindowTest, ReliabilityFunctionShowsFailureProbabilityAtZero) {
  Histogram fs = fiveBins();
  fs.min = -3;  // edges -4 .. 6
  fs.max = 5;
  form->Fill(kSrcReliability, fs);
  EXPECT_TRUE(child<QWidget>("Panel3")->isVisible());
  EXPECT_EQ(bars()->color(), bgr(services->options.colours.assessment));
  valueQuery(u"0"_s);
  EXPECT_EQ(cell("StringGrid7", 1, 1), num(0.1 + 0.2));  // F at the edge 0 without a failure probability
  form->SetFailureProbability(0.25);
  valueQuery(u"0"_s);
  EXPECT_EQ(cell("StringGrid7", 1, 1), num(0.25));
  valueQuery(u"1"_s);
  EXPECT_EQ(cell("StringGrid7", 1, 1), num(0.1 + 0.2 + 0.4 / 2));
}

TEST_F(ChartWindowTest, IndexAndValueLabels) {
  services->options.axisIndex = true;
  form->Fill(kSrcBoltLength, fiveBins());
  EXPECT_EQ(form->barLabels(), (std::vector<std::string>{"0", "1", "2", "3", "4"}));
  auto* chart = child<QChartView>("Chart1")->chart();
  EXPECT_EQ(chart->axes(Qt::Horizontal).at(0)->titleText(), u"Index x"_s);
  EXPECT_EQ(child<QComboBox>("CBValInd")->currentText(), u"Index x"_s);

  // Switching the selector to values re-runs the last query.
  valueQuery(u"5"_s);
  auto* selector = child<QComboBox>("CBValInd");
  selector->setCurrentIndex(1);
  form->CBValIndChange();
  EXPECT_FALSE(services->options.axisIndex);
  EXPECT_EQ(form->barLabels()[0], formatBarLabel(0.1, 1));
  EXPECT_EQ(form->barLabels()[4], formatBarLabel(0.1, 9));
  EXPECT_EQ(chart->axes(Qt::Horizontal).at(0)->titleText().toStdString(), MessageText(217, Language::Czech));
  EXPECT_EQ(selectedBars(), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(cell("StringGrid7", 0, 1), num(0.4));
}

TEST_F(ChartWindowTest, ColourDialogChangesBarColourAndKeepsTheQuery) {
  form->Fill(kSrcBoltLength, fiveBins());
  valueQuery(u"5"_s);
  child<QPushButton>("BitBtn8")->click();
  EXPECT_TRUE(child<QWidget>("Panel5")->isVisible());
  EXPECT_TRUE(child<QPushButton>("Button1")->isEnabled());
  EXPECT_FALSE(child<QPushButton>("Button4")->isEnabled());

  dialogs.answerColour(0x0000FF);  // red as 0xBBGGRR
  child<QPushButton>("Button1")->click();
  EXPECT_EQ(services->options.colours.histogram, 0x0000FFu);
  EXPECT_EQ(bars()->color(), QColor(255, 0, 0));
  EXPECT_EQ(child<QLineEdit>("EditXY")->text(), u"5"_s);
  EXPECT_EQ(selectedBars(), (std::vector<int>{0, 1, 2}));

  dialogs.answerColour(std::nullopt);  // cancelled: nothing changes
  child<QPushButton>("Button1")->click();
  EXPECT_EQ(services->options.colours.histogram, 0x0000FFu);

  dialogs.answerColour(0x00FF00);
  child<QPushButton>("Button2")->click();
  EXPECT_EQ(bars()->selectedColor(), QColor(0, 255, 0));
  EXPECT_EQ(child<QLineEdit>("EditXY")->palette().color(QPalette::Text), QColor(0, 255, 0));

  form->Fill(kSrcReliability, fiveBins());
  child<QPushButton>("BitBtn8")->click();
  child<QPushButton>("BitBtn8")->click();
  EXPECT_FALSE(child<QPushButton>("Button1")->isEnabled());
  EXPECT_TRUE(child<QPushButton>("Button4")->isEnabled());
}

TEST_F(ChartWindowTest, SaveWritesAFileAndRenamesTheSlot) {
  int calls = 0;
  std::string savedName;
  form->histogramSaved = [&](Source source, int row, const std::string& name) {
    ++calls;
    EXPECT_EQ(source, kSrcLayer);
    EXPECT_EQ(row, 3);
    savedName = name;
  };
  form->Fill(kSrcLayer, fiveBins(), "Pískovec", 3);
  auto* save = child<QPushButton>("SaveGraf");
  ASSERT_TRUE(save->isEnabled());
  dialogs.answerFile(path("Vrstva"));  // no extension typed
  save->click();
  ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
  EXPECT_EQ(dialogs.fileDialogs[0].initialFolder, dir.path().toStdString());
  EXPECT_EQ(dialogs.fileDialogs[0].fileName, "Histogram");
  EXPECT_EQ(dialogs.fileDialogs[0].defaultExtension, "dis");
  EXPECT_TRUE(std::filesystem::exists(path("Vrstva.dis")));
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(savedName, "Vrstva.dis");
  EXPECT_TRUE(dialogs.asked.empty());

  // The file exists: No keeps the old file, Yes replaces it.
  const std::string target = path("Vrstva.dis");
  { std::ofstream(target, std::ios::binary) << "old"; }
  dialogs.answerFile(target);
  dialogs.answer(mrNo);
  save->click();
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].caption, MessageText(1, Language::Czech));
  EXPECT_EQ(dialogs.asked[0].text, MessageFormat(6, Language::Czech, {target}));
  EXPECT_EQ(dialogs.asked[0].buttons, DlgButtons::YesNo);
  std::stringstream old;
  old << std::ifstream(target, std::ios::binary).rdbuf();
  EXPECT_EQ(old.str(), "old");
  EXPECT_EQ(calls, 1);

  dialogs.answerFile(target);
  dialogs.answer(mrYes);
  save->click();
  std::stringstream replaced;
  replaced << std::ifstream(target, std::ios::binary).rdbuf();
  EXPECT_NE(replaced.str(), "old");
  EXPECT_EQ(replaced.str().rfind("[Description]\r\n", 0), 0u);
  EXPECT_EQ(calls, 2);

  // Cancelled dialog: nothing happens.
  dialogs.answerFile(std::nullopt);
  save->click();
  EXPECT_EQ(calls, 2);
}

// A chosen name gets ".dis" unless it ends in it, dots of its own or not; the saved file is found by
// the open dialog's filter and the distribution function window shows the whole name.
TEST_F(ChartWindowTest, SavedNamesEndInTheExtensionAndStayWhole) {
  DistributionFunctionWindow distribution(*services);
  services->windows.chart = form.get();
  services->windows.distributionFunction = &distribution;
  std::string savedName;
  form->histogramSaved = [&](int, int, const std::string& name) { savedName = name; };
  struct Case {
    const char *typed, *file, *title;
  };
  for (const Case& c :
       {Case{"Gamma_normal_2.6_0.08", "Gamma_normal_2.6_0.08.dis", "Gamma_normal_2.6_0.08"},
        Case{"Pevnost.dis", "Pevnost.dis", "Pevnost"}, Case{"Pevnost_B.DIS", "Pevnost_B.DIS", "Pevnost_B"},
        Case{"data.txt", "data.txt.dis", "data.txt"}}) {
    form->Fill(kSrcLayer, fiveBins(), "Vytvořen", 3);
    dialogs.answerFile(path(c.typed));
    child<QPushButton>("SaveGraf")->click();
    EXPECT_EQ(savedName, c.file) << c.typed;
    Refusal error;
    EXPECT_TRUE(ReadHistogramFile(path(c.file), error)) << c.typed;
    EXPECT_TRUE(hasFileExtension(savedName, "dis")) << c.typed;
    form->Fill(kSrcLayer, fiveBins(), savedName, 3);
    QTest::mouseClick(child<QPushButton>("KrivkaTrvani"), Qt::LeftButton);
    EXPECT_EQ(distribution.title(), c.title) << c.typed;
    distribution.close();
  }
  EXPECT_TRUE(dialogs.asked.empty());
  services->windows.distributionFunction = nullptr;
  services->windows.chart = nullptr;
}

TEST_F(ChartWindowTest, SaveIsOfferedOnlyForHistogramsWithoutFile) {
  form->Fill(kSrcWidth, fiveBins(), "Sirka.dis");
  EXPECT_FALSE(child<QPushButton>("SaveGraf")->isEnabled());
  form->Fill(kSrcWidth, fiveBins(), "Sirka z dat");
  EXPECT_TRUE(child<QPushButton>("SaveGraf")->isEnabled());
  form->Fill(kSrcBoltLoad, fiveBins());
  EXPECT_TRUE(child<QPushButton>("SaveGraf")->isEnabled());
  form->Fill(kSrcNewHistogram, fiveBins());
  EXPECT_FALSE(child<QPushButton>("SaveGraf")->isEnabled());
  form->close();
  EXPECT_FALSE(child<QPushButton>("SaveGraf")->isEnabled());
}

TEST_F(ChartWindowTest, QueryFieldKeys) {
  form->Fill(kSrcBoltLength, fiveBins());
  auto* edit = child<QLineEdit>("EditXY");
  QTest::keyClicks(edit, u"1,5e-3"_s);
  EXPECT_EQ(edit->text(), u"1.5E-3"_s);
  EXPECT_EQ(dialogs.beeps, 0);
  QTest::keyClicks(edit, u"x "_s);
  EXPECT_EQ(edit->text(), u"1.5E-3"_s);
  EXPECT_EQ(dialogs.beeps, 2);
}

TEST_F(ChartWindowTest, MarksFollowTheCheckBox) {
  form->Fill(kSrcBoltLength, fiveBins());
  auto* box = child<QCheckBox>("CheckBox1");
  EXPECT_FALSE(box->isChecked());
  box->click();
  EXPECT_TRUE(box->isChecked());
  child<QSpinBox>("SpinEdAngle")->setValue(45);  // a new angle unchecks the marks
  EXPECT_FALSE(box->isChecked());
}

TEST_F(ChartWindowTest, PositionAndMarksAreWrittenOnClose) {
  form->Fill(kSrcBoltLength, fiveBins());
  child<QSpinBox>("SpinEdAngle")->setValue(30);
  form->resize(1100, 600);
  form->close();
  SettingsFile reread(settings->path());
  EXPECT_EQ(reread.readInteger("--  Position  --", "Graf_Hornin-Form3.width", 0), 1100);
  EXPECT_EQ(reread.readInteger("--  Setting  --", "Graf_Hornin-Form3.SpinEdAngle.Value", 0), 30);
  EXPECT_EQ(reread.readInteger("--  Setting  --", "Graf_Hornin-Form3.CBMarks.ItemIndex", -1), 0);
  ChartWindow again(*services);
  EXPECT_EQ(again.findChild<QSpinBox*>(u"SpinEdAngle"_s)->value(), 30);
  EXPECT_EQ(again.width(), 1100);
}

TEST_F(ChartWindowTest, CharacteristicsAndConsequenceClassesDialogs) {
  form->Fill(kSrcBoltLength, fiveBins());
  child<QPushButton>("BChar")->click();
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].caption, MessageText(79, Language::Czech));
  EXPECT_EQ(dialogs.asked[0].kind, DlgKind::Information);
  const Histogram h = fiveBins();
  EXPECT_EQ(dialogs.asked[0].text, CharacteristicsText("H i s t o g r a m  : \r\nDélka 1 svorníku", h.p, 5, 1,
                                                       9, 10, Language::Czech));
  EXPECT_EQ(dialogs.asked[0].text.rfind("H i s t o g r a m  : \r\nDélka 1 svorníku\r\n", 0), 0u);

  form->Fill(kSrcReliability, fiveBins());
  child<QPushButton>("Button7")->click();
  ASSERT_EQ(dialogs.asked.size(), 2u);
  EXPECT_EQ(dialogs.asked[1].caption, MessageText(406, Language::Czech));
  EXPECT_EQ(dialogs.asked[1].text, MessageText(407, Language::Czech));
}

TEST_F(ChartWindowTest, EnterRunsTheQueryAndAChartClickHidesTheColourPanel) {
  form->Fill(kSrcBoltLength, fiveBins());
  auto* edit = child<QLineEdit>("EditXY");
  QTest::keyClicks(edit, u"5"_s);
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(cell("StringGrid7", 0, 1), num(0.4));
  EXPECT_EQ(form->queryMode(), QueryMode::Value);

  child<QPushButton>("BitBtn8")->click();
  ASSERT_TRUE(child<QWidget>("Panel5")->isVisible());
  QTest::mouseClick(child<QChartView>("Chart1")->viewport(), Qt::LeftButton);
  EXPECT_FALSE(child<QWidget>("Panel5")->isVisible());
}

TEST_F(ChartWindowTest, TextsFollowTheLanguage) {
  form->Fill(kSrcWidth, fiveBins(), "Sirka");
  services->options.language = Language::English;
  form->ApplyTexts(Language::English);
  EXPECT_EQ(form->windowTitle().toStdString(), MessageText(164, Language::English));
  EXPECT_EQ(child<QPushButton>("SaveGraf")->text(), u"&Save histogram"_s);
  EXPECT_EQ(cell("StringGrid1", 0, 0), u"Number of intervals"_s);
  EXPECT_EQ(child<QTableWidget>("StringGrid2")->horizontalHeaderItem(2)->text().toStdString(),
            MessageText(121, Language::English));
  EXPECT_EQ(child<QPushButton>("UlozOkno")->toolTip().toStdString(),
            MessageText(26, Language::English) + MessageText(164, Language::English) + " \"");
  form->ApplyTexts(Language::Czech);
  EXPECT_EQ(child<QPushButton>("SaveGraf")->text(), u"&Uložit histogram"_s);
  EXPECT_EQ(cell("StringGrid1", 3, 0), u"Suma pravděpodobností"_s);
  EXPECT_EQ(cell("StringGrid7", 1, 0), u"P(X<=x)"_s);
}

TEST_F(ChartWindowTest, EditAndTableColoursReachTheOtherWindows) {
  MainWindow main(*services);
  services->windows.main = &main;
  form->Fill(kSrcBoltLength, fiveBins());
  child<QPushButton>("BitBtn8")->click();
  dialogs.answerColour(0xCCFFFF);  // light yellow
  child<QPushButton>("Button6")->click();
  EXPECT_EQ(services->options.colours.edit, 0xCCFFFFu);
  auto* edit = main.findChild<QLineEdit*>(u"EdPS"_s);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->palette().color(QPalette::Base), QColor(255, 255, 204));

  dialogs.answerColour(0xE0E0E0);
  child<QPushButton>("Button5")->click();
  EXPECT_EQ(child<QTableWidget>("StringGrid1")->palette().color(QPalette::Base), QColor(224, 224, 224));
  EXPECT_EQ(child<QTableWidget>("StringGrid2")->item(2, 0)->background().color(), QColor(224, 224, 224));
  services->windows.main = nullptr;
}

TEST_F(ChartWindowTest, DegenerateHistogramsAreShownAndRefuseQueries) {
  Histogram zeroWidth;  // bearing capacity with d2 = d1: one bin of width 0 at 0
  zeroWidth.count = 1;
  zeroWidth.p[0] = 1;
  zeroWidth.total = 1;
  for (const Histogram& h : {Histogram{}, zeroWidth}) {
    form->Fill(kSrcBearingCapacity, h);
    EXPECT_EQ(child<QTableWidget>("StringGrid2")->rowCount() + 1, 2 * binCount(h) + 3);
    valueQuery(u"0"_s);  // no interval has a width to hold x
    EXPECT_TRUE(selectedBars().empty());
    EXPECT_TRUE(child<QLineEdit>("EditXY")->text().isEmpty());
    probabilityQuery(u"0.5"_s);
    EXPECT_TRUE(dialogs.asked.empty());
  }
  // All mass in one point: every quantile is that point.
  EXPECT_EQ(cell("StringGrid6", 0, 1), num(0));
  EXPECT_EQ(selectedBars(), std::vector<int>{0});
}

namespace {

// Czech words of the chart titles, and any letter beyond ASCII (every Czech diacritic).
bool looksCzech(const std::string& s) {
  for (unsigned char c : s)
    if (c >= 0x80) return true;
  for (const char* w : {"Posudek", "svorn", "Pevnost", "pevnost", "hornin", "podle", "Zat", "Redukovan"})
    if (s.find(w) != std::string::npos) return true;
  return false;
}

bool bracketsBalance(const std::string& s) {
  int round = 0, square = 0;
  for (char c : s) {
    round += c == '(' ? 1 : c == ')' ? -1 : 0;
    square += c == '[' ? 1 : c == ']' ? -1 : 0;
    if (round < 0 || square < 0) return false;
  }
  return round == 0 && square == 0;
}

}  // namespace

TEST_F(ChartWindowTest, EveryChartTitleIsEnglishInEnglishAlsoAfterALiveSwitch) {
  for (bool live : {false, true}) {
    for (int source = 1; source <= 14; ++source) {
      SCOPED_TRACE(std::to_string(source) + (live ? " switched" : " shown"));
      services->options.language = live ? Language::Czech : Language::English;
      form->ApplyTexts(services->options.language);
      // Names as the cells hold them, one already ending in its unit.
      form->Fill(static_cast<Source>(source), fiveBins(), source == 2 ? "Width  [ m ]" : "Sample.dis");
      if (live) {
        services->options.language = Language::English;
        form->ApplyTexts(Language::English);
      }
      const std::string title = form->titleLines()[0];
      EXPECT_FALSE(looksCzech(title)) << title;
      EXPECT_TRUE(bracketsBalance(title)) << title;
      EXPECT_EQ(title.find("[ m ]  [ m ]"), std::string::npos) << title;
      EXPECT_FALSE(looksCzech(form->windowTitle().toStdString())) << form->windowTitle().toStdString();
      const QString shown = child<QChartView>("Chart1")->chart()->title();
      EXPECT_FALSE(looksCzech(shown.toStdString())) << shown.toStdString();
    }
  }
  form->Fill(kSrcReliability, fiveBins());
  EXPECT_EQ(form->titleLines()[0].rfind("Reliability assessment ( ", 0), 0u) << form->titleLines()[0];
}

TEST_F(ChartWindowTest, ClassNamesOfTheCzechStandardFollowALiveSwitch) {
  form->Fill(kSrcReliability, fiveBins());
  AssessmentResult a;
  a.standard = DesignStandard::Csn731401;
  for (int i = 0; i < 3; ++i) a.classLabels[i] = classLabel(a.standard, i + 1, Language::Czech);
  a.classIndex = 1;
  a.verdict = a.classLabels[0];
  form->ShowAssessment(a);
  EXPECT_EQ(child<QLabel>("Uroven")->text(), u"Zvýšená"_s);
  services->options.language = Language::English;
  form->ApplyTexts(Language::English);
  EXPECT_EQ(child<QLabel>("Uroven")->text().toStdString(), MessageText(59, Language::English));
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(child<QLabel>(("Label" + std::to_string(i + 2)).c_str())->text().toStdString(),
              classLabel(DesignStandard::Csn731401, i + 1, Language::English));
}

TEST_F(ChartWindowTest, AnEmptyQueryFieldEmptiesItsResult) {
  form->Fill(kSrcBoltLength, fiveBins());
  probabilityQuery(u"0.5"_s);
  ASSERT_EQ(cell("StringGrid6", 0, 1), num(5));
  probabilityQuery(QString());
  EXPECT_EQ(cell("StringGrid6", 0, 1), QString());
  valueQuery(u"5"_s);
  valueQuery(QString());
  EXPECT_EQ(cell("StringGrid7", 0, 1), QString());
  EXPECT_EQ(cell("StringGrid7", 1, 1), QString());
  EXPECT_TRUE(dialogs.asked.empty());
}
