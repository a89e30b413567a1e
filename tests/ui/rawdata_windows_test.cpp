// The raw data window and the table of suitable distributions, driven by their controls.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAreaSeries>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLayout>
#include <QLineEdit>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QValueAxis>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "RawDataSamples.h"
#include "ServicesFixture.h"
#include "ShellFixture.h"
#include "io/FileRead.h"
#include "shell/Dialogs.h"
#include "shell/Messages.h"
#include "ui/BarChartParts.h"
#include "ui/FitTableWindow.h"
#include "ui/InputArea.h"
#include "ui/RawDataWindow.h"
#include "ui/RuntimeTexts.h"
#include "ui/TextSets.h"

using namespace Qt::StringLiterals;

namespace {

class RawDataWindowTest : public ServicesTest {
 protected:
  void SetUp() override {
    ServicesTest::SetUp();
    table = std::make_unique<FitTableWindow>(*services);
    services->windows.fitTable = table.get();
    window = std::make_unique<RawDataWindow>(*services);
    services->windows.rawData = window.get();
  }
  void TearDown() override {
    services->windows.rawData = nullptr;
    services->windows.fitTable = nullptr;
    window.reset();
    table.reset();
  }

  template <typename T>
  T* child(const char* name, QWidget* in = nullptr) {
    T* c = (in ? in : static_cast<QWidget*>(window.get()))->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
  }
  QString cell(const char* grid, int r, int c, QWidget* in = nullptr) {
    const QTableWidgetItem* it = child<QTableWidget>(grid, in)->item(r, c);
    return it ? it->text() : QString();
  }
  std::string writeFile(const char* name, const std::string& bytes) {
    const std::string p = path(name);
    std::ofstream(p, std::ios::binary) << bytes;
    return p;
  }
  void open(const std::string& file) {
    dialogs.answerFile(file);
    child<QPushButton>("OpenData")->click();
  }
  // Types `text` into an empty field and leaves it.
  void typeInto(const char* field, const QString& text) {
    QLineEdit* e = child<QLineEdit>(field);
    e->clear();
    QTest::keyClicks(e, text);
  }
  std::string lastText() const { return dialogs.asked.empty() ? std::string() : dialogs.asked.back().text; }

  std::unique_ptr<FitTableWindow> table;
  std::unique_ptr<RawDataWindow> window;
};

// Resident memory of the process in kB.
long residentKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  return 0;
}

std::string sample(const char* name) {
  std::string bytes;
  readWholeFile(std::string(TEST_DATA_DIR) + "/rawdata/" + name, 0, bytes);
  return bytes;
}

}  // namespace

TEST_F(RawDataWindowTest, OpenShowsSortedValuesStatisticsAndHistogram) {
  open(writeFile("data.txt", "3\r\n1,5\r\n\r\n2\r\n"));
  ASSERT_TRUE(dialogs.asked.empty()) << lastText();
  EXPECT_EQ(child<QLineEdit>("EdNazev")->text(), u"data.txt"_s);
  EXPECT_EQ(cell("StringGrid3", 0, 1), u"     4"_s);
  EXPECT_EQ(cell("StringGrid3", 1, 1), u"1.625"_s);
  EXPECT_EQ(child<QLineEdit>("EdMin")->text(), u"0"_s);
  EXPECT_EQ(child<QLineEdit>("EdMax")->text(), u"3"_s);
  QAbstractItemModel* list = child<QAbstractItemView>("MemoDat")->model();
  ASSERT_EQ(list->rowCount(), 4);
  EXPECT_EQ(list->index(0, 0).data().toString(), u"0  |  000001"_s);
  EXPECT_EQ(list->index(3, 0).data().toString(), u"3.00000  |  000004"_s);
  EXPECT_FALSE(cell("StringGrid1", 2, 1).isEmpty()) << "median";
  EXPECT_TRUE(window->findChild<QWidget*>(u"Chart1"_s)->isVisibleTo(window.get()));
  ASSERT_TRUE(window->rawHistogram());
  EXPECT_EQ(binCount(*window->rawHistogram()), 128);
  EXPECT_TRUE(child<QPushButton>("BChar")->isEnabled());
  EXPECT_FALSE(child<QPushButton>("BTabChar")->isEnabled());
}

TEST_F(RawDataWindowTest, ParamWithoutRawDataSaysWhatIsMissing) {
  child<QPushButton>("BuParam")->click();
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].caption, MessageText(2, Language::Czech));
  EXPECT_EQ(dialogs.asked[0].text, runtimeText(RuntimeText::FitNeedsRawData, Language::Czech));
  EXPECT_EQ(child<QComboBox>("CBTypPara")->count(), 0);
}

TEST_F(RawDataWindowTest, ChartTitleNamesTheWholeFileName) {
  open(writeFile("vzorek_2.5_mm.txt", "3\r\n1,5\r\n2\r\n"));
  ASSERT_TRUE(dialogs.asked.empty()) << lastText();
  const QString title = child<QChartView>("Chart1")->chart()->title();
  EXPECT_TRUE(
      title.contains(QString::fromStdString(MessageText(109, Language::Czech)) + u"vzorek_2.5_mm ( "_s))
      << title.toStdString();
}

TEST_F(RawDataWindowTest, RefusedFilesLeaveTheWindowEmpty) {
  struct Case {
    const char* bytes;
    const char* expected;
  } cases[] = {
      {"1\r\n2\r\n", "Počet měřěných údajů je < 3 !"},
      {"1\r\n2\r\n1,5,2\r\n", "V souboru nebylo zadáno platné číslo!\r\n\r\n\tLine 3 : 1,5,2"},
  };
  for (const auto& c : cases) {
    dialogs.asked.clear();
    open(writeFile("bad.txt", c.bytes));
    EXPECT_EQ(lastText(), c.expected);
    EXPECT_EQ(child<QAbstractItemView>("MemoDat")->model()->rowCount(), 0);
    EXPECT_TRUE(child<QLineEdit>("EdNazev")->text().isEmpty());
  }
  dialogs.asked.clear();
  open(path("missing.txt"));
  EXPECT_NE(lastText().find("n e e x i s t u j e"), std::string::npos);
}

TEST_F(RawDataWindowTest, FieldChecksAndKeys) {
  std::string bytes;
  for (int i = 0; i < 100; ++i) bytes += std::to_string(i) + "\r\n";
  open(writeFile("hundred.txt", bytes));
  ASSERT_TRUE(dialogs.asked.empty());

  typeInto("EdPocetIntervalu", u"2"_s);
  EXPECT_TRUE(window->dirty());
  window->EdPocetIntervaluExit();
  EXPECT_EQ(lastText(), "Počet intervalů není v rozsahu 3 .. 256 !");
  EXPECT_TRUE(child<QLineEdit>("EdPocetIntervalu")->text().isEmpty());

  typeInto("EdPocetIntervalu", u"7"_s);  // below Sturges (8): a warning, then accepted
  window->EdPocetIntervaluExit();
  EXPECT_EQ(dialogs.asked.back().kind, DlgKind::Warning);
  ASSERT_TRUE(window->rawHistogram());
  EXPECT_EQ(binCount(*window->rawHistogram()), 7);
  EXPECT_FALSE(window->dirty());

  // Keys: letters beep, "," becomes ".", "e" becomes "E" in the limits.
  const int beeps = dialogs.beeps;
  typeInto("EdMin", u"1,5xe1"_s);
  EXPECT_EQ(child<QLineEdit>("EdMin")->text(), u"1.5E1"_s);
  EXPECT_EQ(dialogs.beeps, beeps + 1);
  window->EdMinExit();
  EXPECT_EQ(child<QLineEdit>("EdMin")->text(), u"15"_s);
  EXPECT_EQ(window->rawHistogram()->min, 15 + (99 - 15) / 7.0 / 2);

  typeInto("EdMax", u"10"_s);
  window->EdMaxExit();
  EXPECT_EQ(lastText(), "MaxX <= MinX !");
  EXPECT_EQ(child<QLineEdit>("EdMax")->text(), u"99"_s);

  typeInto("EdEps", u"2"_s);
  window->EdEpsExit();
  EXPECT_EQ(dialogs.asked.back().text.substr(0, 17), "Program dovoluje ");
  EXPECT_EQ(child<QLineEdit>("EdEps")->text(), u"1E-7"_s);
}

TEST_F(RawDataWindowTest, FittingFillsTheTypeListAndTheSortedTable) {
  open(writeFile("normal.txt", sample("normal_mu50_sigma5.txt")));
  typeInto("EdPocetIntervalu", u"24"_s);
  window->EdPocetIntervaluExit();
  dialogs.asked.clear();
  child<QPushButton>("BuParam")->click();
  ASSERT_TRUE(dialogs.asked.empty()) << lastText();
  QComboBox* types = child<QComboBox>("CBTypPara");
  ASSERT_GT(types->count(), 2);
  EXPECT_TRUE(child<QPushButton>("BTabChar")->isEnabledTo(window.get()));
  EXPECT_FALSE(child<QLineEdit>("EdTesnost")->text().isEmpty());
  EXPECT_TRUE(table->isVisible());
  EXPECT_FALSE(window->isEnabled());
  // Row 1 of the table is the best type, as in the list.
  EXPECT_EQ(cell("SGChar", 1, 1, table.get()), types->itemText(0));
  EXPECT_EQ(cell("SGCharPD", 1, 1, table.get()), u"Prvotní data"_s);
  EXPECT_FALSE(cell("SGChar", 1, kFieldKs, table.get()).isEmpty());
  // The fit measures follow the těsnost, inside the window as it opens, above their raw-data cells.
  auto* grid = child<QTableWidget>("SGChar", table.get());
  auto* raw = child<QTableWidget>("SGCharPD", table.get());
  int right = grid->columnViewportPosition(kFieldTesnost) + grid->columnWidth(kFieldTesnost);
  for (int k : {kFieldKs, kFieldKsPValue, kFieldAd}) {
    EXPECT_EQ(grid->columnViewportPosition(k), right) << k;
    right += grid->columnWidth(k);
    EXPECT_LE(right, grid->viewport()->width()) << k;
    EXPECT_EQ(raw->columnViewportPosition(k), grid->columnViewportPosition(k)) << k;
  }
  EXPECT_GT(grid->columnViewportPosition(kFieldParameters), grid->columnViewportPosition(kFieldAd));

  // Sort by "Median": largest first.
  QComboBox* sort = child<QComboBox>("CBTypVyberu", table.get());
  sort->setCurrentIndex(2);
  table->CBTypVyberuChange();
  EXPECT_FALSE(child<QComboBox>("CBVyber", table.get())->isVisibleTo(table.get()));
  double previous = 1e300;
  for (int r = 1; r <= kFitTableRows && !cell("SGChar", r, 1, table.get()).isEmpty(); ++r) {
    const double m = cell("SGChar", r, kFieldMedian, table.get()).toDouble();
    EXPECT_LE(m, previous);
    previous = m;
  }
  // Sort by "Střední hodnota" against "Prvotní data": closest to the raw mean first.
  sort->setCurrentIndex(4);
  table->CBTypVyberuChange();
  EXPECT_TRUE(child<QComboBox>("CBVyber", table.get())->isVisibleTo(table.get()));
  const double rawMean = window->statistics().mean;
  previous = -1;
  for (int r = 1; r <= kFitTableRows && !cell("SGChar", r, 1, table.get()).isEmpty(); ++r) {
    const double d = std::fabs(cell("SGChar", r, kFieldMean, table.get()).toDouble() - rawMean);
    EXPECT_GE(d, previous);
    previous = d;
  }
  // A row shows its own type in the raw data window, wherever the sort put it.
  const QString third = cell("SGChar", 3, 1, table.get());
  table->SGCharSelectCell(3);
  EXPECT_EQ(types->currentText(), third);
  // Its P-P plot: the raw distribution function against the fitted one, close to the diagonal.
  const auto& pp = table->findChild<PPPlot*>(u"ChartPP"_s)->points();
  ASSERT_GT(pp.size(), 100u);
  for (const QPointF& q : pp) EXPECT_NEAR(q.x(), q.y(), 0.25);

  child<QPushButton>("BKonec", table.get())->click();
  EXPECT_TRUE(window->isEnabled());
}

// A type whose computation faults is left out of the list and the table and named in one warning
// after the fit; the other types are fitted.
TEST_F(RawDataWindowTest, ATypeThatFaultsIsLeftOutAndNamedInOneWarning) {
  const std::string bytes = bellAboutTwo();
  open(writeFile("bell.txt", bytes));
  dialogs.asked.clear();
  child<QPushButton>("BuParam")->click();
  ASSERT_EQ(dialogs.asked.size(), 1u) << lastText();
  EXPECT_EQ(dialogs.asked[0].kind, DlgKind::Warning);
  EXPECT_NE(lastText().find("Snedecorovo :  " + MessageText(101, Language::Czech)), std::string::npos)
      << lastText();
  QComboBox* types = child<QComboBox>("CBTypPara");
  EXPECT_GT(types->count(), 3);
  for (int i = 0; i < types->count(); ++i) EXPECT_NE(types->itemText(i), u"Snedecorovo"_s);
  EXPECT_TRUE(table->isVisible());
  for (int r = 1; r <= kFitTableRows; ++r) EXPECT_NE(cell("SGChar", r, 1, table.get()), u"Snedecorovo"_s);
}

TEST_F(RawDataWindowTest, LanguageSwitchRetextsTablesAndTypeList) {
  open(writeFile("normal.txt", sample("normal_mu50_sigma5.txt")));
  child<QPushButton>("BuParam")->click();
  ASSERT_GT(child<QComboBox>("CBTypPara")->count(), 0);
  services->options.language = Language::English;
  applyTexts(*window, 5, Language::English);
  applyTexts(*table, 14, Language::English);
  EXPECT_EQ(window->windowTitle(), u"  Veltra : Raw data"_s);
  EXPECT_EQ(cell("StringGrid3", 0, 0), u"Count"_s);
  EXPECT_EQ(cell("SGChar", 0, kFieldTesnost, table.get()), u" Closeness"_s);
  EXPECT_EQ(cell("SGCharPD", 1, 1, table.get()), u"Raw data"_s);
  EXPECT_EQ(cell("SGChar", 0, kFieldParameters, table.get()), u" Parameters"_s);
  EXPECT_EQ(child<QPushButton>("Button2")->text(), u"NonParam"_s);
  EXPECT_EQ(cell("StringGrid6", 2, 0), u"Skewness"_s);
  QComboBox* types = child<QComboBox>("CBTypPara");
  bool normal = false;
  for (int i = 0; i < types->count(); ++i) normal |= types->itemText(i) == u"Normal"_s;
  EXPECT_TRUE(normal) << "the Normal type fits its own sample and is named in English";
}

TEST_F(RawDataWindowTest, RemovalEmptiesTheRowsFromTheFirstUnsuitableOne) {
  open(writeFile("gamma.txt", sample("gamma_k4_theta5.txt")));
  child<QPushButton>("BuParam")->click();
  ASSERT_TRUE(table->isVisible());
  const auto first = table->firstUnsuitable();
  QCheckBox* remove = child<QCheckBox>("ChBVymazRadkuTab", table.get());
  if (!first) GTEST_SKIP() << "every fitted type passes the 25 % rule";
  ASSERT_TRUE(remove->isVisibleTo(table.get()));
  const QString removedType = cell("SGChar", *first + 1, 1, table.get());
  remove->click();
  EXPECT_FALSE(remove->isVisibleTo(table.get()));
  for (int r = *first + 1; r <= kFitTableRows; ++r)
    EXPECT_TRUE(cell("SGChar", r, 1, table.get()).isEmpty()) << r;
  EXPECT_FALSE(cell("SGChar", *first, 1, table.get()).isEmpty() && *first > 0);
  // The removed type shows an empty chart when chosen.
  QComboBox* types = child<QComboBox>("CBTypPara");
  const int pos = types->findText(removedType);
  ASSERT_GE(pos, 0);
  window->selectType(pos);
  EXPECT_FALSE(window->findChild<QWidget*>(u"Chart1"_s)->isVisibleTo(window.get()));
}

TEST_F(RawDataWindowTest, TypedDataIsSavedAndRefusedWhole) {
  child<QPushButton>("BNovy")->click();
  QPlainTextEdit* box = child<QPlainTextEdit>("Memo1");
  ASSERT_TRUE(box->isVisibleTo(window.get()));
  box->setPlainText(u"1\n2,5\n\n4"_s);
  EXPECT_EQ(cell("StringGrid5", 0, 0), u" 4"_s);
  const std::string file = path("typed.txt");
  dialogs.answerFile(file);
  child<QPushButton>("BSave")->click();
  std::string bytes;
  ASSERT_FALSE(readWholeFile(file, 0, bytes).has_value());
  EXPECT_EQ(bytes, "1\r\n2,5\r\n0\r\n4\r\n");
  EXPECT_FALSE(box->isVisibleTo(window.get()));

  child<QPushButton>("BNovy")->click();
  box->setPlainText(u"1\nx\n3"_s);
  dialogs.answerFile(file);
  dialogs.answer(mrYes);  // overwrite
  child<QPushButton>("BSave")->click();
  EXPECT_NE(lastText().find("Řádek :  2"), std::string::npos);
  ASSERT_FALSE(readWholeFile(file, 0, bytes).has_value());
  EXPECT_EQ(bytes, "1\r\n2,5\r\n0\r\n4\r\n") << "a refused text writes nothing";

  child<QPushButton>("BNovy")->click();
  child<QPushButton>("BSave")->click();
  EXPECT_EQ(lastText(), "Tabulka prvotních dat nebyla zadána !");
}

TEST_F(RawDataWindowTest, SettingsKeysAreWrittenOnClose) {
  window->show();
  open(writeFile("data.txt", "1\r\n2\r\n3\r\n"));
  typeInto("EdEps", u"1E-5"_s);
  window->EdEpsExit();
  window->close();
  EXPECT_EQ(settings->readString("--  Position  --", "PrvotniData Form5.Eps", ""), "1E-5");
  EXPECT_EQ(settings->readInteger("--  Setting  --", "PrvotniData Form5.SpinEdAngle.Value", 0), 90);
}

TEST_F(RawDataWindowTest, MarksFollowTheSelectorAngleAndLabelOption) {
  open(writeFile("four.txt", "1\r\n2\r\n3\r\n4\r\n"));
  typeInto("EdPocetIntervalu", u"4"_s);
  window->EdPocetIntervaluExit();
  ASSERT_TRUE(dialogs.asked.empty()) << lastText();
  QCheckBox* marks = child<QCheckBox>("CheckBox1");
  QComboBox* style = child<QComboBox>("CBMarks");
  QComboBox* labels = child<QComboBox>("CBValInd");
  ASSERT_EQ(style->count(), 5);
  EXPECT_EQ(style->currentIndex(), 2) << "stored default";
  EXPECT_TRUE(window->bars().shownMarks().empty()) << "marks start unchecked";
  labels->setCurrentIndex(1);  // value labels
  labels->activated(1);
  marks->click();
  struct Case {
    int item;
    QString first, last;
  } cases[] = {
      {0, u"2.5E-1"_s, u"2.5E-1"_s},
      {1, u"1.375"_s, u"3.625"_s},
      {2, u"1.375 2.5E-1"_s, u"3.625 2.5E-1"_s},
      {3, u"0"_s, u"3"_s},
      {4, u"0 2.5E-1"_s, u"3 2.5E-1"_s},
  };
  for (const Case& c : cases) {
    style->setCurrentIndex(c.item);
    style->activated(c.item);
    const std::vector<QString> shown = window->bars().shownMarks();
    ASSERT_EQ(shown.size(), 4u) << c.item;
    EXPECT_EQ(shown.front(), c.first) << c.item;
    EXPECT_EQ(shown.back(), c.last) << c.item;
  }
  // Index labels: the "x" marks are the indices too.
  labels->setCurrentIndex(0);
  labels->activated(0);
  style->setCurrentIndex(1);
  style->activated(1);
  EXPECT_EQ(window->bars().shownMarks().back(), u"3"_s);
  EXPECT_EQ(window->bars().axisX->titleText(), u"Index   f(z)"_s);
  // Turning the marks unchecks "Popisky dat" and hides them.
  child<QSpinBox>("SpinEdAngle")->setValue(45);
  EXPECT_FALSE(marks->isChecked());
  EXPECT_TRUE(window->bars().shownMarks().empty());
  // A rebuilt histogram starts without marks.
  marks->click();
  ASSERT_FALSE(window->bars().shownMarks().empty());
  child<QPushButton>("Button2")->click();
  EXPECT_FALSE(marks->isChecked());
  EXPECT_TRUE(window->bars().shownMarks().empty());

  // The selector and the angle are kept in the settings and read by the next window.
  style->setCurrentIndex(3);
  window->close();
  EXPECT_EQ(settings->readInteger("--  Setting  --", "PrvotniData Form5.CBMarks.ItemIndex", 0), 3);
  EXPECT_EQ(settings->readInteger("--  Setting  --", "PrvotniData Form5.SpinEdAngle.Value", 0), 45);
  services->windows.rawData = nullptr;
  window = std::make_unique<RawDataWindow>(*services);
  services->windows.rawData = window.get();
  EXPECT_EQ(child<QComboBox>("CBMarks")->currentIndex(), 3);
  EXPECT_EQ(child<QSpinBox>("SpinEdAngle")->value(), 45);
}

TEST_F(RawDataWindowTest, ChartToolbarOnlyOnAWindowAsWideAsTheScreenWithTheOptionOn) {
  window->show();
  window->layout()->setSizeConstraint(QLayout::SetNoConstraint);  // narrower than the screen, too
  const int screenWidth = window->screen()->geometry().width();
  QWidget* toolbar = child<QWidget>("Panel6");
  struct Case {
    bool option;
    int width;
    bool loaded;
    bool shown;
  } cases[] = {
      {true, screenWidth, true, true},
      {false, screenWidth, true, false},
      {true, screenWidth - 200, true, false},
      {true, screenWidth, false, false},
  };
  for (const Case& c : cases) {
    services->options.plotCommander = c.option;
    window->Reset();
    if (c.loaded) open(writeFile("data.txt", "1\r\n2\r\n3\r\n4\r\n"));
    window->resize(c.width, 700);
    ASSERT_EQ(window->width(), c.width);
    EXPECT_EQ(toolbar->isVisibleTo(window.get()), c.shown) << c.option << " " << c.width << " " << c.loaded;
  }
}

TEST_F(RawDataWindowTest, SelectedTableRowNamesItsTypeInTheReferenceSelector) {
  open(writeFile("normal.txt", sample("normal_mu50_sigma5.txt")));
  child<QPushButton>("BuParam")->click();
  ASSERT_TRUE(table->isVisible());
  // The overviews of the table window: the raw-data histogram and the one shown in the raw data window,
  // each as steps over its own bin edges, both on one x range, so a fitted type of another range
  // stands where its values lie.
  const auto steps = [&](const char* chart) {
    auto* area =
        qobject_cast<QAreaSeries*>(child<QChartView>(chart, table.get())->chart()->series().value(0));
    return area ? area->upperSeries()->points() : QList<QPointF>();
  };
  const auto stepsOf = [](const Histogram& h) {
    QList<QPointF> v;
    for (int i = 0; i < binCount(h); ++i)
      v << QPointF(h.min + (i - 0.5) * h.step, h.p[i]) << QPointF(h.min + (i + 0.5) * h.step, h.p[i]);
    return v;
  };
  const auto xRange = [&](const char* chart) {
    auto* x = qobject_cast<QValueAxis*>(
        child<QChartView>(chart, table.get())->chart()->axes(Qt::Horizontal).value(0));
    return x ? std::pair(x->min(), x->max()) : std::pair(0.0, 0.0);
  };
  const Histogram rawH = *window->rawHistogram();
  EXPECT_EQ(steps("Chart1"), stepsOf(rawH));
  QComboBox* reference = child<QComboBox>("CBVyber", table.get());
  const QString second = cell("SGChar", 2, 1, table.get());
  ASSERT_FALSE(second.isEmpty());
  table->SGCharSelectCell(2);
  EXPECT_EQ(reference->currentIndex(), -1);
  EXPECT_EQ(reference->placeholderText(), second);
  EXPECT_EQ(child<QComboBox>("CBTypPara")->currentText(), second);
  const Histogram typeH = *window->shownHistogram();
  ASSERT_NE(typeH.min, rawH.min) << "the fitted type spans another range";
  EXPECT_EQ(steps("Chart2"), stepsOf(typeH));
  EXPECT_EQ(xRange("Chart1"), xRange("Chart2"));
  EXPECT_DOUBLE_EQ(xRange("Chart1").first, std::min(rawH.min - rawH.step / 2, typeH.min - typeH.step / 2));
  EXPECT_DOUBLE_EQ(xRange("Chart1").second, std::max(rawH.max + rawH.step / 2, typeH.max + typeH.step / 2));
  // A row beyond the filled ones selects the first type and hides the second overview.
  table->SGCharSelectCell(kFitTableRows);
  EXPECT_EQ(child<QComboBox>("CBTypPara")->currentIndex(), 0);
  EXPECT_FALSE(child<QWidget>("Chart2", table.get())->isVisibleTo(table.get()));
  // Choosing a reference again sorts against it.
  reference->setCurrentIndex(1);
  table->CBVyberChange();
  EXPECT_EQ(reference->currentText(), u"Histogram prvotních dat"_s);
}

// Screenshots for a look by eye: VELTRA_SCREENSHOTS=<folder> (run under a display or xvfb-run).
TEST_F(RawDataWindowTest, Screenshots) {
  const QByteArray folder = qgetenv("VELTRA_SCREENSHOTS");
  if (folder.isEmpty()) GTEST_SKIP() << "VELTRA_SCREENSHOTS not set";
  std::mt19937_64 rng(7);
  std::gamma_distribution<double> g(4.0, 5.0);
  std::string bytes;
  char buf[32];
  for (int i = 0; i < 500000; ++i) {
    std::snprintf(buf, sizeof buf, "%.6f\r\n", g(rng));
    bytes += buf;
  }
  window->resize(1400, 820);
  window->show();
  const std::string file = writeFile("gamma500k.txt", bytes);
  bytes.clear();
  bytes.shrink_to_fit();
  QTest::qWait(200);
  const long before = residentKb();
  QElapsedTimer clock;
  clock.start();
  open(file);
  QCoreApplication::processEvents();
  const qint64 ms = clock.elapsed();
  const long after = residentKb();
  std::printf("500000 values: open to histogram shown %lld ms, resident memory +%ld kB\n",
              static_cast<long long>(ms), after - before);
  child<QComboBox>("CBValInd")->setCurrentIndex(1);
  child<QComboBox>("CBValInd")->activated(1);
  child<QCheckBox>("CheckBox1")->click();
  QTest::qWait(200);
  window->grab().save(QString::fromLocal8Bit(folder) + u"/rawdata_window.png"_s);
  typeInto("EdPocetIntervalu", u"40"_s);
  window->EdPocetIntervaluExit();
  child<QPushButton>("BuParam")->click();
  QComboBox* sort = child<QComboBox>("CBTypVyberu", table.get());
  sort->setCurrentIndex(10);
  table->CBTypVyberuChange();
  table->SGCharSelectCell(1);
  table->resize(1500, 700);
  QTest::qWait(200);
  table->grab().save(QString::fromLocal8Bit(folder) + u"/fit_table_window.png"_s);
  window->grab().save(QString::fromLocal8Bit(folder) + u"/rawdata_window_fitted.png"_s);
}

namespace {

class RawDataHandOverTest : public ShellTest {};

}  // namespace

TEST_F(RawDataHandOverTest, CloseHandsTheShownHistogramToTheMainWindow) {
  MainWindow& m = makeMain();
  FitTableWindow table(*services);
  services->windows.fitTable = &table;
  RawDataWindow raw(*services);
  services->windows.rawData = &raw;
  raw.show();
  const std::string file = path("data.txt");
  std::ofstream(file, std::ios::binary) << "1\r\n2\r\n2\r\n3\r\n4\r\n";
  dialogs.answerFile(file);
  raw.findChild<QPushButton*>(u"OpenData"_s)->click();
  ASSERT_TRUE(raw.shownHistogram());
  m.setEnabled(false);
  dialogs.answer(mrNo);  // the main window's store action asks; declined, it keeps the histogram
  raw.close();
  EXPECT_TRUE(m.isEnabled());
  EXPECT_TRUE(m.inputArea().view().histogramCreated);
  const Histogram& h = m.inputArea().view().createdHistogram;
  EXPECT_EQ(binCount(h), 128);
  EXPECT_EQ(h.total, 5);
  EXPECT_DOUBLE_EQ(h.min, 1 + 3.0 / 128 / 2);
  EXPECT_DOUBLE_EQ(h.range, h.max - h.min + h.step);
  EXPECT_EQ(m.inputArea().view().currentSource, 15);
  services->windows.rawData = nullptr;
  services->windows.fitTable = nullptr;
}

TEST_F(RawDataHandOverTest, ChartToolbarFollowsTheMainWindowsOption) {
  MainWindow& m = makeMain();
  RawDataWindow raw(*services);
  services->windows.rawData = &raw;
  raw.show();
  raw.layout()->setSizeConstraint(QLayout::SetNoConstraint);
  const std::string file = path("data.txt");
  std::ofstream(file, std::ios::binary) << "1\r\n2\r\n2\r\n3\r\n4\r\n";
  dialogs.answerFile(file);
  raw.findChild<QPushButton*>(u"OpenData"_s)->click();
  raw.resize(raw.screen()->geometry().width(), 700);
  QWidget* toolbar = raw.findChild<QWidget*>(u"Panel6"_s);
  const bool before = services->options.plotCommander;
  EXPECT_EQ(toolbar->isVisibleTo(&raw), before);
  m.chartToolbarsItem
      ->trigger();  // the main window's menu item, seen by the raw data window through the mediator
  EXPECT_NE(services->options.plotCommander, before);
  EXPECT_EQ(toolbar->isVisibleTo(&raw), !before);
  m.chartToolbarsItem->trigger();
  EXPECT_EQ(toolbar->isVisibleTo(&raw), before);
  services->windows.rawData = nullptr;
}
