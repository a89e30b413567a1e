// The typical road through the main window: input histograms from files, "b", "Redukovaná pevnost",
// "Délka svorníku", "Zatížení svorníků", "Posudek spolehlivosti", then the assessment panel.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <memory>

#include "ScriptedDialogs.h"
#include "persistence/SettingsFile.h"
#include "reliability/Assessment.h"
#include "shell/Messages.h"
#include "shell/NumberText.h"
#include "ui/ChartWindow.h"
#include "ui/MainWindow.h"
#include "ui/Services.h"

using namespace Qt::StringLiterals;

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

class ChainRoad : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    services.folders.HistogramsFolder = dir.path().toStdString();
    main = std::make_unique<MainWindow>(services);
    chart = std::make_unique<ChartWindow>(services);
    services.windows.main = main.get();
    services.windows.chart = chart.get();
    main->show();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
  }
  void TearDown() override {
    services.windows = {};
    chart.reset();
    main.reset();
  }

  template <class T>
  T* get(QWidget* w, const char* name) {
    auto* c = w->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
  }
  template <class T>
  T* in1(const char* name) {
    return get<T>(main.get(), name);
  }
  template <class T>
  T* in3(const char* name) {
    return get<T>(chart.get(), name);
  }

  // A bell-shaped histogram file over [lo, hi] with 20 intervals.
  std::string bellFile(const char* name, double lo, double hi) {
    QString text =
        u"[Description]\r\nIdentification=%1\r\nType=Discrete\r\nForm=Frequency\r\n\r\n[Parameters]\r\n"_s
            .arg(QString::fromLatin1(name));
    QStringList bins;
    long total = 0;
    for (int i = 0; i < 20; ++i) {
      const double z = (i + 0.5 - 10) / (20 / 6.0);
      const long f = std::lround(1000 * std::exp(-z * z / 2));
      total += f;
      bins << QString::number(f);
    }
    text += u"Min=%1\r\nMax=%2\r\nBins=20\r\nTotal=%3\r\n[Bins]\r\n"_s.arg(lo, 0, 'f', 5)
                .arg(hi, 0, 'f', 5)
                .arg(total);
    text += bins.join(u"\r\n"_s) + u"\r\n"_s;
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text.toLatin1());
    return path.toStdString();
  }

  void clickCell(QTableWidget* t, int row, int col) {
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualItemRect(t->item(row, col)).center());
    QApplication::processEvents();
  }
  void loadSlot(const char* grid, const char* open, const std::string& path) {
    clickCell(in1<QTableWidget>(grid), 1, 1);
    dialogs.answerFile(path);
    QTest::mouseClick(in1<QToolButton>(open), Qt::LeftButton);
    QApplication::processEvents();
  }
  void loadLayer(int row, const char* rockType, const std::string& path) {
    main->project().layers[row - 1].rockType = rockType;
    main->model().inputsReplaced();
    clickCell(in1<QTableWidget>("StrGrHorn"), row, 2);
    dialogs.answerFile(path);
    QTest::mouseClick(in1<QToolButton>("OtevHist"), Qt::LeftButton);
    QApplication::processEvents();
  }
  void typeInto(const char* edit, const QString& text) {
    auto* e = in1<QLineEdit>(edit);
    e->setFocus();
    e->selectAll();
    QTest::keyClicks(e, text);
    in1<QLineEdit>("EdNazevVys")->setFocus();
    QApplication::processEvents();
  }
  void press(const char* button) {
    QTest::mouseClick(in1<QPushButton>(button), Qt::LeftButton);
    QApplication::processEvents();
  }

  // The input histograms and numbers of the road, and "b".
  void prepareInputs(const QString& d1, const QString& n) {
    loadLayer(1, "Pískovec", bellFile("Piskovec.dis", 30, 90));
    loadLayer(2, "Jílovec", bellFile("Jilovec.dis", 15, 45));
    auto* t = in1<QTableWidget>("StrGrHorn");
    t->item(2, 3)->setText(u"3"_s);
    loadSlot("StringGridDD", "OtevHistDD", bellFile("Sirka.dis", 2, 3));
    loadSlot("StringGridAlfa", "OtevHistAlfa", bellFile("K.dis", 0.8, 1.2));
    loadSlot("StringGridKn", "OtevHistKn", bellFile("Kn.dis", 0.9, 1.1));
    loadSlot("StringGridGKK", "OtevHistGKK", bellFile("RMR.dis", 40, 60));
    loadSlot("StringGridOHH", "OtevHistOHH", bellFile("Gamma.dis", 2.4, 2.8));
    loadSlot("StringGridPS", "OtevHistPS", bellFile("SigmaR.dis", 300, 500));
    typeInto("EdH", u"600"_s);
    typeInto("EdPS", d1);
    typeInto("EdPK", n);
    ASSERT_TRUE(dialogs.asked.empty()) << dialogs.asked.front().text;

    press("ButBeta");
    EXPECT_EQ(in1<QLineEdit>("EdBeta")->text(), qs(formatNumber(0.95)));
    EXPECT_NEAR(leadingNumber(t->item(1, 3)->text().toStdString()), 2 * main->project().bStar - 3, 1e-9);
  }

  // The whole road up to the assessment; every step is checked on its way.
  void walkTheRoad(const QString& d1, const QString& n) {
    prepareInputs(d1, n);

    press("BBRedPev");
    EXPECT_TRUE(in1<QPushButton>("GrafRePe")->isEnabled());
    EXPECT_EQ(chart->source(), kSrcReducedStrength);
    press("BBDelSvor");
    EXPECT_TRUE(in1<QPushButton>("GrafDeSv")->isEnabled());
    EXPECT_EQ(chart->source(), kSrcBoltLength);
    EXPECT_FALSE(in1<QProgressBar>("ProgressBar2")->isVisible());
    press("BBZatSv");
    EXPECT_TRUE(in1<QPushButton>("GrafZaSv")->isEnabled());
    EXPECT_EQ(chart->source(), kSrcBoltLoad);
    EXPECT_FALSE(in1<QProgressBar>("ProgressBar1")->isVisible());
    press("BBFunSpoj");
    ASSERT_TRUE(dialogs.asked.empty()) << dialogs.asked.front().text;
    EXPECT_TRUE(in1<QPushButton>("GrafUnSv")->isEnabled());
    EXPECT_TRUE(in1<QPushButton>("GrafFS")->isEnabled());
    EXPECT_EQ(chart->source(), kSrcReliability);
    EXPECT_TRUE(in3<QWidget>("Panel3")->isVisible());
  }

  ScriptedDialogs dialogs;
  QTemporaryDir settingsDir;  // settings writes go here, out of the way
  SettingsFile settings{(settingsDir.path() + QStringLiteral("/Veltra.INI")).toStdString()};
  Services services{dialogs, settings, {}, {}, {}, {}};
  QTemporaryDir dir;
  std::unique_ptr<MainWindow> main;
  std::unique_ptr<ChartWindow> chart;
};

TEST_F(ChainRoad, FromTheInputHistogramsToTheVerdict) {
  walkTheRoad(u"22"_s, u"4"_s);
  const ProjectState& p = main->project();
  ASSERT_TRUE(p.assessmentDone);
  const AssessmentResult& a = main->assessment();

  // Strong bolts: the whole reliability function lies above 0.
  EXPECT_EQ(a.pf, 0.0);
  EXPECT_EQ(in3<QLineEdit>("Edit7")->text(), qs(formatNumberShort(0)));
  EXPECT_EQ(in3<QLineEdit>("Edit12")->text(), qs(MessageText(233, Language::Czech)));
  EXPECT_EQ(in3<QLabel>("Uroven")->text(), u"RC3/CC3"_s);
  EXPECT_EQ(in3<QLineEdit>("Edit1")->text(), qs(formatNumberShort(8.4e-6)));
  EXPECT_EQ(in3<QLineEdit>("Edit9")->text(), qs(formatNumber(4.3)));
  EXPECT_EQ(in3<QLabel>("Label2")->text(), u"RC3/CC3"_s);
  EXPECT_EQ(in3<QTableWidget>("StringGrid3")->item(0, 1)->text(),
            u"  0 / %1"_s.arg(binCount(p.reliabilityFunction)));
  // C = SigmaR x 1.5205 lies near 608 kN, the load near ten: the quantiles lie far above 0.
  ASSERT_TRUE(a.quantiles[0].has_value());
  EXPECT_GT(*a.quantiles[0], 300);
  EXPECT_EQ(in3<QLineEdit>("Edit4")->text(), qs(formatNumber(*a.quantiles[0])));
}

// "Spočítat vše" (button, menu item, F9) runs the four steps in order through their commands and stops
// at the first refusal with that step's message and focus.
TEST_F(ChainRoad, RunAllRunsTheStepsInOrderAndStopsAtTheFirstRefusal) {
  prepareInputs(u"22"_s, u"4"_s);
  ASSERT_TRUE(dialogs.asked.empty()) << dialogs.asked.front().text;
  const ProjectState& p = main->project();
  QAction* item = main->findChild<QAction*>(u"SpocitatVse1"_s);
  ASSERT_TRUE(item);
  EXPECT_EQ(item->shortcut(), QKeySequence(Qt::Key_F9));
  auto empty = [this](const char* edit) {
    auto* e = in1<QLineEdit>(edit);
    e->setFocus();
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Backspace);
    in1<QLineEdit>("EdNazevVys")->setFocus();
    QApplication::processEvents();
  };
  struct Case {
    const char* emptied;  // the input taken away, or none
    std::function<void()> run;
    int message;        // of the refusing step, 0 for none
    const char* focus;  // the field it asks for
    int done;           // steps done: reduced strength, bolt length, bolt load, assessment
  };
  const Case cases[] = {
      {"EdH", [this] { press("SpocitatVse"); }, 51, "EdH", 1},
      {"EdPS", [item] { item->trigger(); }, 55, "EdPS", 3},
      {nullptr,
       [this] {
         main->activateWindow();  // the chart window of the last step is on top
         ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
         QTest::keyClick(main.get(), Qt::Key_F9);
       },
       0, nullptr, 4},
  };
  for (const Case& c : cases) {
    typeInto("EdH", u"600"_s);
    typeInto("EdPS", u"22"_s);
    if (c.emptied) empty(c.emptied);  // typing took the results from the bolt length on back
    dialogs.asked.clear();
    c.run();
    QApplication::processEvents();
    const bool done[] = {p.reducedStrengthDone, p.boltLengthDone, p.boltLoadDone, p.assessmentDone};
    for (int step = 0; step < 4; ++step)
      EXPECT_EQ(done[step], step < c.done) << c.message << " step " << step;
    if (c.message) {
      ASSERT_EQ(dialogs.asked.size(), 1u) << c.message;
      EXPECT_EQ(dialogs.asked[0].text, MessageText(c.message, Language::Czech));
      EXPECT_EQ(main->focusWidget(), in1<QLineEdit>(c.focus)) << c.message;
    } else {
      EXPECT_TRUE(dialogs.asked.empty()) << dialogs.asked.front().text;
      EXPECT_EQ(chart->source(), kSrcReliability);
      EXPECT_TRUE(in3<QWidget>("Panel3")->isVisible());
    }
  }
}

TEST_F(ChainRoad, WeakBoltsFailAndTheStandardCanBeChanged) {
  walkTheRoad(u"5"_s, u"1"_s);
  const AssessmentResult a = main->assessment();
  EXPECT_GT(a.pf, 4.8e-4);
  EXPECT_EQ(in3<QLineEdit>("Edit7")->text(), qs(formatNumberShort(a.pf)));
  EXPECT_EQ(in3<QLineEdit>("Edit12")->text(), qs(formatNumber(a.betaF)));
  auto* uroven = in3<QLabel>("Uroven");
  EXPECT_EQ(uroven->text(), qs(MessageText(231, Language::Czech)));
  EXPECT_EQ(uroven->palette().color(QPalette::Window), QColor(255, 0, 0));
  EXPECT_EQ(uroven->palette().color(QPalette::WindowText), QColor(Qt::white));
  // The interval table names the bin holding 0 and shows its centre, not the next bin's.
  const Histogram& fs = main->project().reliabilityFunction;
  auto* intervals = in3<QTableWidget>("StringGrid3");
  const int k = intervals->item(0, 1)->text().split(u'/').front().trimmed().toInt();
  EXPECT_EQ(intervals->item(0, 1)->text(), u"  %1 / %2"_s.arg(k).arg(binCount(fs)));
  EXPECT_LE(fs.min + (k - 1.5) * fs.step, 0.0);
  EXPECT_GT(fs.min + (k - 0.5) * fs.step, 0.0);
  EXPECT_EQ(intervals->item(1, 1)->text().toStdString(), formatNumber(fs.min));
  EXPECT_EQ(intervals->item(2, 1)->text().toStdString(), formatNumber(fs.min + (k - 1) * fs.step));

  // Another standard: the same Pf, the classes of ČSN 73 1401.
  auto* norma = in3<QComboBox>("CBNorma");
  norma->setCurrentIndex(1);
  chart->CBNormaClick();
  EXPECT_TRUE(chart->isVisible());
  EXPECT_EQ(main->assessment().pf, a.pf);
  EXPECT_EQ(in3<QLineEdit>("Edit1")->text(), qs(formatNumberShort(8e-6)));
  EXPECT_EQ(in3<QLabel>("Label4")->text(), qs(MessageText(131, Language::Czech)));
}

TEST_F(ChainRoad, LanguageSwitchRewordsTheShownVerdict) {
  walkTheRoad(u"5"_s, u"1"_s);
  auto* norma = in3<QComboBox>("CBNorma");
  norma->setCurrentIndex(1);
  chart->CBNormaClick();
  ASSERT_EQ(in3<QLabel>("Uroven")->text(), qs(MessageText(231, Language::Czech)));
  services.options.language = Language::English;
  chart->ApplyTexts(Language::English);
  EXPECT_EQ(in3<QLabel>("Uroven")->text(), qs(MessageText(231, Language::English)));
  EXPECT_EQ(in3<QLabel>("Label2")->text(), qs(MessageText(59, Language::English)));
  EXPECT_EQ(in3<QLabel>("Label15")->text(), u"Standard :"_s);
}

TEST_F(ChainRoad, CommandsRefuseUntilTheResultTheyNeedExists) {
  press("BBFunSpoj");
  press("BBZatSv");
  press("BBDelSvor");
  press("BBRedPev");
  ASSERT_EQ(dialogs.asked.size(), 4u);
  EXPECT_EQ(dialogs.asked[0].text, MessageText(54, Language::Czech));
  EXPECT_EQ(dialogs.asked[1].text, MessageText(44, Language::Czech));
  EXPECT_EQ(dialogs.asked[2].text, MessageText(48, Language::Czech));
  EXPECT_EQ(dialogs.asked[3].text, MessageText(36, Language::Czech));
  for (const auto& d : dialogs.asked) EXPECT_EQ(d.caption, MessageText(3, Language::Czech));
  press("ButBeta");
  ASSERT_EQ(dialogs.asked.size(), 5u);
  EXPECT_EQ(dialogs.asked[4].text, MessageText(133, Language::Czech));
  EXPECT_EQ(dialogs.asked[4].caption, MessageText(4, Language::Czech));
}

}  // namespace

// The note of the reading is worded again on a language switch, like the rest of the panel.
TEST_F(ChainRoad, TheReadingNoteFollowsTheLanguage) {
  walkTheRoad(u"5"_s, u"1"_s);
  main->inputCentresItem->trigger();
  for (const char* step : {"BBRedPev", "BBDelSvor", "BBZatSv", "BBFunSpoj"}) press(step);
  auto* label = in3<QLabel>("LabInputReading");
  ASSERT_FALSE(label->isHidden());
  main->englishItem->trigger();
  QApplication::processEvents();
  EXPECT_EQ(label->text(), u"Input bins read as points at their centres (earlier versions)"_s);
  EXPECT_FALSE(label->isHidden());
  if (const char* folder = std::getenv("VELTRA_SCREENSHOTS")) {
    // For a look by eye at the panel with the note.
    chart->resize(1000, 562);
    QApplication::processEvents();
    EXPECT_TRUE(chart->grab().save(QString::fromUtf8(folder) + u"/assessment_reading_en.png"_s));
  }
  main->czechItem->trigger();
  QApplication::processEvents();
  EXPECT_EQ(label->text(), u"Intervaly vstupů čteny jako body ve svých středech (dřívější verze)"_s);
}

// Each earlier way of the chain, chosen in the settings menu, is named by its label of the panel from
// the next run of the chain on; switched back, the label goes and Pf is what it was.
TEST_F(ChainRoad, ThePanelNamesTheEarlierWaysOfTheChain) {
  walkTheRoad(u"5"_s, u"1"_s);
  const double byDefault = main->assessment().pf;
  const struct {
    QAction* item;
    const char* label;
    QString text;
    ChainReading reading;
  } cases[] = {{main->pairUpperEdgesItem,
                "LabPairValues",
                u"S vyhodnoceno na horních mezích intervalů (dřívější verze)"_s,
                {PairValues::UpperEdges, InputReading::Uniform}},
               {main->inputCentresItem,
                "LabInputReading",
                u"Intervaly vstupů čteny jako body ve svých středech (dřívější verze)"_s,
                {PairValues::Centres, InputReading::Centres}}};
  auto runChain = [&] {
    for (const char* step : {"BBRedPev", "BBDelSvor", "BBZatSv", "BBFunSpoj"}) press(step);
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    auto* label = in3<QLabel>(c.label);
    EXPECT_TRUE(label->isHidden());
    c.item->trigger();
    runChain();
    ASSERT_TRUE(dialogs.asked.empty()) << dialogs.asked.front().text;
    EXPECT_EQ(main->project().boltLoadReading, c.reading);
    EXPECT_FALSE(label->isHidden());
    EXPECT_EQ(label->text(), c.text);
    EXPECT_NE(main->assessment().pf, byDefault);

    c.item->trigger();
    runChain();
    EXPECT_TRUE(label->isHidden());
    EXPECT_EQ(main->assessment().pf, byDefault);
  }
}
