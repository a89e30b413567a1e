// The input area of the main window, driven through its controls with scripted dialogs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <memory>

#include "ScriptedDialogs.h"
#include "histogram/HistogramFile.h"
#include "histogram_fixture.h"
#include "persistence/SettingsFile.h"
#include "reliability/InputChecks.h"
#include "shell/Dialogs.h"
#include "shell/Messages.h"
#include "shell/NumberText.h"
#include "ui/ChartWindow.h"
#include "ui/InputArea.h"
#include "ui/MainWindow.h"
#include "ui/ParametricWindow.h"
#include "ui/ProjectFiles.h"
#include "ui/RockTypesWindow.h"
#include "ui/Services.h"

using namespace Qt::StringLiterals;

namespace {

std::string msg(int n) { return MessageText(n, Language::Czech); }

class InputArea : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    services.folders.HistogramsFolder = dir.path().toStdString();
    w = std::make_unique<MainWindow>(services);
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    dialogs.asked.clear();
  }

  template <class T>
  T* get(const char* name) {
    auto* c = w->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
  }

  ProjectState& project() { return w->project(); }
  InputAreaView& view() { return w->inputArea().view(); }

  // A histogram file in the temporary folder: edges, frequencies.
  std::string writeDis(const char* name, double min, double max, std::initializer_list<int> freq) {
    long total = 0;
    for (int f : freq) total += f;
    QString text =
        u"[Description]\r\nIdentification=%1\r\nType=Discrete\r\nForm=Frequency\r\n\r\n[Parameters]\r\n"_s
            .arg(QString::fromLatin1(name));
    text += u"Min=%1\r\nMax=%2\r\nBins=%3\r\nTotal=%4\r\n[Bins]\r\n"_s.arg(min, 0, 'f', 5)
                .arg(max, 0, 'f', 5)
                .arg(freq.size())
                .arg(total);
    for (int f : freq) text += QString::number(f) + u"\r\n"_s;
    return writeRaw(name, text.toLatin1());
  }
  std::string writeRaw(const char* name, const QByteArray& bytes) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path.toStdString();
  }

  void clickCell(QTableWidget* t, int row, int col) {
    const QRect r = t->visualItemRect(t->item(row, col));
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, r.center());
    QApplication::processEvents();
  }

  // Loads `path` into the one-row table `grid` through its open button.
  void loadSlot(const char* grid, const char* open, const std::string& path) {
    clickCell(get<QTableWidget>(grid), 1, 1);
    auto* b = get<QToolButton>(open);
    ASSERT_TRUE(b->isVisible()) << open;
    dialogs.answerFile(path);
    QTest::mouseClick(b, Qt::LeftButton);
    QApplication::processEvents();
  }

  void chooseRockType(int row, int item) {
    clickCell(get<QTableWidget>("StrGrHorn"), row, 1);
    auto* cb = get<QComboBox>("CBTypProm");
    ASSERT_TRUE(cb->isVisible());
    cb->hidePopup();
    cb->setCurrentIndex(item - 1);
    QTest::keyClick(cb, Qt::Key_Down);  // choosing an item hands it to the cell
    QApplication::processEvents();
  }

  void loadLayer(int row, const std::string& path) {
    clickCell(get<QTableWidget>("StrGrHorn"), row, 2);
    auto* b = get<QToolButton>("OtevHist");
    ASSERT_TRUE(b->isVisible());
    dialogs.answerFile(path);
    QTest::mouseClick(b, Qt::LeftButton);
    QApplication::processEvents();
  }

  // Types into an edit and moves the focus on, letting the checks run.
  void typeAndLeave(const char* edit, const QString& text, const char* next = "EdNazevVys") {
    auto* e = get<QLineEdit>(edit);
    e->setFocus();
    QApplication::processEvents();  // the check of the field left runs first
    e->selectAll();
    if (text.isEmpty())
      QTest::keyClick(e, Qt::Key_Backspace);
    else
      QTest::keyClicks(e, text);
    get<QLineEdit>(next)->setFocus();
    QApplication::processEvents();
    QApplication::processEvents();
  }

  void toggleCombined() {
    auto* cb = get<QCheckBox>("ChBKombVyzt");
    QTest::mouseClick(cb, Qt::LeftButton, {}, QPoint(6, cb->height() / 2));
  }

  void setAllDone() {
    auto& p = project();
    p.reducedStrengthDone = p.boltLengthDone = p.boltLoadDone = p.bearingCapacityDone = p.assessmentDone =
        true;
    p.beta = "0.95";
    w->model().inputsReplaced();
  }

  ScriptedDialogs dialogs;
  QTemporaryDir settingsDir;  // settings writes go here, out of the way
  SettingsFile settings{(settingsDir.path() + QStringLiteral("/Veltra.INI")).toStdString()};
  Services services{dialogs, settings, {}, {}, {}, {}};
  QTemporaryDir dir;
  std::unique_ptr<MainWindow> w;
};

TEST_F(InputArea, StartsEmptyWithItsNamedControls) {
  for (const char* n :
       {"GroupBox1",    "GroupBox2",     "GroupBox3",     "StrGrHorn",     "StringGridDD", "StringGridAlfa",
        "StringGridKn", "StringGridOPV", "StringGridGKK", "StringGridOHH", "StringGridPS", "CBTypOkna",
        "CBDruhTab",    "ChBKombVyzt",   "ButBeta",       "BBRedPev",      "BitBtn2",      "BBDelSvor",
        "BBZatSv",      "BBFunSpoj",     "BitBtn1",       "ProgressBar1",  "ProgressBar2", "Label25",
        "Label1",       "Label21",       "Label13",       "Label11",       "Label4",       "Label12",
        "Label28",      "Label27",       "Label15",       "Label3"})
    EXPECT_NE(w->findChild<QWidget*>(QString::fromLatin1(n)), nullptr) << n;
  auto* t = get<QTableWidget>("StrGrHorn");
  EXPECT_EQ(t->rowCount(), 11);
  EXPECT_EQ(t->columnCount(), 5);
  EXPECT_EQ(t->item(9, 0)->text(), u"       9"_s);
  EXPECT_EQ(t->item(10, 0)->text(), u"     10"_s);
  for (const char* g : {"GrafRePe", "GrafDeSv", "GrafZaSv", "GrafUnSv", "GrafFS"})
    EXPECT_FALSE(get<QPushButton>(g)->isEnabled()) << g;
  EXPECT_FALSE(get<QTableWidget>("StringGridOPV")->isEnabled());
  EXPECT_EQ(get<QLineEdit>("EdPSV")->text(), u"0"_s);
  EXPECT_EQ(get<QLineEdit>("EdPSds")->text(), u"1000"_s);
  EXPECT_EQ(get<QLineEdit>("EdNazevVys")->text().toStdString(), msg(156));
  EXPECT_EQ(project().nextLayerRow, 1);
}

TEST_F(InputArea, LayerNeedsARockTypeAndOpensTheNextRow) {
  const std::string path = writeDis("Pevnost.dis", 30, 90, {1, 2, 4, 2, 1});
  loadLayer(1, path);  // no rock type yet
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].caption, msg(3));
  EXPECT_EQ(dialogs.asked[0].text, msg(21));
  EXPECT_TRUE(dialogs.fileDialogs.empty());
  EXPECT_EQ(project().nextLayerRow, 1);
  dialogs.asked.clear();

  project().rockTypes = {"Jílovec", "Pískovec"};
  chooseRockType(1, 1);
  auto* t = get<QTableWidget>("StrGrHorn");
  EXPECT_EQ(t->item(1, 1)->text(), u"Pískovec"_s);
  EXPECT_EQ(project().layers[0].rockType, "Pískovec");
  EXPECT_EQ(get<QComboBox>("CBDruhTab")->currentIndex(), 1);
  EXPECT_FALSE(get<QComboBox>("CBTypProm")->isVisible());

  loadLayer(1, path);
  EXPECT_TRUE(dialogs.asked.empty());
  ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
  const auto& o = dialogs.fileDialogs[0];
  EXPECT_EQ(o.initialFolder, services.folders.HistogramsFolder);
  EXPECT_EQ(o.fileName, "");
  EXPECT_EQ(o.defaultExtension, "dis");
  EXPECT_EQ(o.filter, "Distributions Files (*.dis)|*.dis|All files (*.*)|*.*");
  EXPECT_EQ(o.filterIndex, 1);
  EXPECT_EQ(t->item(1, 2)->text(), u"Pevnost.dis"_s);
  EXPECT_EQ(project().layers[0].name, "Pevnost.dis");
  EXPECT_EQ(project().layers[0].histogram.count, 5);
  EXPECT_EQ(project().nextLayerRow, 2);
  EXPECT_EQ(view().currentHistogramFile, path);

  // Row 2 is open now, row 4 is not; the thickness of row 1 is never typed.
  clickCell(t, 4, 1);
  EXPECT_FALSE(get<QComboBox>("CBTypProm")->isVisible());
  EXPECT_EQ(view().selectedLayerRow, 0);
  EXPECT_FALSE(t->item(1, 3)->flags() & Qt::ItemIsEditable);
  clickCell(t, 2, 1);
  EXPECT_TRUE(get<QComboBox>("CBTypProm")->isVisible());
  get<QComboBox>("CBTypProm")->hidePopup();
  t->setCurrentCell(1, 4);  // reached by the keyboard: the chart button stands over the cell
  EXPECT_TRUE(get<QToolButton>("GrafHist")->isVisible());
}

TEST_F(InputArea, EmptyRockTypeListIsReportedWhenTheListCloses) {
  clickCell(get<QTableWidget>("StrGrHorn"), 1, 1);
  ASSERT_TRUE(get<QComboBox>("CBTypProm")->isVisible());
  get<QLineEdit>("EdH")->setFocus();
  QApplication::processEvents();
  ASSERT_FALSE(dialogs.asked.empty());
  EXPECT_EQ(dialogs.asked[0].caption, msg(1));
  EXPECT_EQ(dialogs.asked[0].text, msg(9));
  EXPECT_EQ(dialogs.asked[0].kind, DlgKind::Information);
  EXPECT_FALSE(get<QComboBox>("CBTypProm")->isVisible());
}

TEST_F(InputArea, BrokenFileLeavesTheSlotEmptyWithTheReadersMessage) {
  loadSlot("StringGridAlfa", "OtevHistAlfa", writeDis("K.dis", 0, 1, {1, 3}));
  EXPECT_EQ(project().k.name, "K.dis");
  EXPECT_EQ(get<QTableWidget>("StringGridAlfa")->item(1, 1)->text(), u"K.dis"_s);
  ASSERT_TRUE(dialogs.asked.empty());

  const std::string broken =
      writeRaw("Zly.dis", "[Description]\r\nMin=0\r\nMax=1\r\nBins=2\r\nTotal=4\r\n[Bins]\r\n1\r\nx\r\n");
  loadSlot("StringGridAlfa", "OtevHistAlfa", broken);
  Refusal expected;
  ASSERT_FALSE(ReadHistogramFile(broken, expected));
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].caption, msg(3));
  EXPECT_EQ(dialogs.asked[0].text, expected.text(Language::Czech));
  EXPECT_TRUE(project().k.empty());
  EXPECT_EQ(get<QTableWidget>("StringGridAlfa")->item(1, 1)->text(), QString());

  // Cancelling the dialog changes nothing.
  loadSlot("StringGridAlfa", "OtevHistAlfa", writeDis("K.dis", 0, 1, {1, 3}));
  dialogs.answerFile(std::nullopt);
  clickCell(get<QTableWidget>("StringGridAlfa"), 1, 1);
  QTest::mouseClick(get<QToolButton>("OtevHistAlfa"), Qt::LeftButton);
  EXPECT_EQ(project().k.name, "K.dis");
}

TEST_F(InputArea, DepthTakesAPointAndRefusesNegativeValues) {
  auto* ed = get<QLineEdit>("EdH");
  ed->setFocus();
  QTest::keyClicks(ed, u"2,5"_s);
  EXPECT_EQ(ed->text(), u"2.5"_s);
  EXPECT_EQ(project().depthH, "2.5");
  QTest::keyClicks(ed, u"x"_s);
  EXPECT_EQ(ed->text(), u"2.5"_s);
  EXPECT_EQ(dialogs.beeps, 1);

  typeAndLeave("EdH", u"-3"_s);
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].caption, msg(3));
  EXPECT_EQ(dialogs.asked[0].text, msg(145) + "-3 )");
  QApplication::processEvents();
  EXPECT_TRUE(ed->hasFocus());
  EXPECT_EQ(ed->text(), u"-3"_s);
}

TEST_F(InputArea, BoltInputsAreCheckedWhenLeft) {
  typeAndLeave("EdPSV", {});  // emptied: becomes 0 without a message
  EXPECT_EQ(get<QLineEdit>("EdPSV")->text(), u"0"_s);
  EXPECT_TRUE(dialogs.asked.empty());

  typeAndLeave("EdPS", u"30"_s, "EdPSV");
  EXPECT_TRUE(dialogs.asked.empty());
  typeAndLeave("EdPSV", u"30"_s, "EdPK");
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_NE(dialogs.asked[0].text.find("( d2 >= d1 )"), std::string::npos);
  EXPECT_EQ(dialogs.asked[0].text, msg(146) + " \"d2\" ( d2 >= d1 )  !  ( 30 )\r\n");
  dialogs.asked.clear();

  typeAndLeave("EdPSds", {});
  EXPECT_EQ(get<QLineEdit>("EdPSds")->text(), u"1000"_s);
  EXPECT_EQ(project().rowSpacing, "1000");
  EXPECT_TRUE(dialogs.asked.empty());

  typeAndLeave("EdPK", u"5"_s);
  typeAndLeave("EdPK", {});  // emptied: no bolts is an error
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].text, msg(147) + " )\r\n");

  // The bolt fields take digits and E only; Enter walks d1 -> d2 -> n -> ds.
  auto* ps = get<QLineEdit>("EdPS");
  ps->setFocus();
  ps->clear();
  QTest::keyClicks(ps, u"2.5-"_s);
  EXPECT_EQ(ps->text(), u"25"_s);
  EXPECT_EQ(dialogs.beeps, 2);
  QTest::keyClick(ps, Qt::Key_Return);
  EXPECT_TRUE(get<QLineEdit>("EdPSV")->hasFocus());
  QTest::keyClick(get<QLineEdit>("EdPSV"), Qt::Key_Return);
  EXPECT_TRUE(get<QLineEdit>("EdPK")->hasFocus());
  QTest::keyClick(get<QLineEdit>("EdPK"), Qt::Key_Return);
  EXPECT_TRUE(get<QLineEdit>("EdPSds")->hasFocus());
  QTest::keyClick(get<QLineEdit>("EdPSds"), Qt::Key_Return);
  EXPECT_TRUE(get<QLineEdit>("EdPSds")->hasFocus());
}

// Leaving a field with Tab: a value out of its domain gets the field's message and the focus back;
// a valid but physically absurd value gets a warning naming it and keeps the focus moving; EdH,
// checked whenever it is left, does not warn twice about the same text.
TEST_F(InputArea, TabOutOfAFieldRefusesOutOfDomainValuesAndWarnsAboutAbsurdOnes) {
  struct Case {
    const char* edit;
    QString text;
    int title;         // 3 refused, 4 warned, 0 nothing
    std::string part;  // of the dialog's text
  };
  const Case cases[] = {
      {"EdH", u"-900"_s, 3, msg(145) + "-900 )"},
      {"EdH", u"1E9"_s, 3, "( 1E9 )\r\n\r\n0 < H <= 100000 m"},
      {"EdH", u"6000"_s, 4, "\"H\" = 6000 m je neobvykle velká !\r\n( více než 5000 m )"},
      {"EdH", u"900.5"_s, 0, ""},
      {"EdPS", u"80"_s, 4, "\"d1\" = 80 mm"},
      {"EdPS", u"5E3"_s, 3, "0 < d1 <= 1000 mm"},
      {"EdPK", u"25"_s, 4, "\"n\" = 25 je neobvykle velký"},
      {"EdPSds", u"6000"_s, 4, "\"ds\" = 6000 mm"},
      {"EdPSds", u"1E9"_s, 3, "0 < ds <= 100000 mm"},
  };
  for (const Case& c : cases) {
    dialogs.asked.clear();
    auto* e = get<QLineEdit>(c.edit);
    e->setFocus();
    QApplication::processEvents();
    e->selectAll();
    QTest::keyClicks(e, c.text);
    QTest::keyClick(e, Qt::Key_Tab);
    QApplication::processEvents();
    QApplication::processEvents();
    if (c.title == 0) {
      EXPECT_TRUE(dialogs.asked.empty()) << c.edit << " " << c.text.toStdString();
      continue;
    }
    ASSERT_EQ(dialogs.asked.size(), 1u) << c.edit << " " << c.text.toStdString();
    EXPECT_EQ(dialogs.asked[0].caption, msg(c.title)) << c.text.toStdString();
    EXPECT_NE(dialogs.asked[0].text.find(c.part), std::string::npos) << dialogs.asked[0].text;
    EXPECT_EQ(e->hasFocus(), c.title == 3) << c.edit << " " << c.text.toStdString();
    EXPECT_EQ(e->text(), c.text);
  }
  // EdH left again with the text it was warned about: no second warning.
  typeAndLeave("EdH", u"6000"_s);
  dialogs.asked.clear();
  get<QLineEdit>("EdH")->setFocus();
  QApplication::processEvents();
  QTest::keyClick(get<QLineEdit>("EdH"), Qt::Key_Tab);
  QApplication::processEvents();
  QApplication::processEvents();
  EXPECT_TRUE(dialogs.asked.empty());
}

// A width histogram holding widths of 0 or below is refused at once, one reaching beyond tens of
// metres is warned about; each names its extreme width.
TEST_F(InputArea, AWidthOutOfItsDomainIsRefusedAndAnAbsurdOneWarnedAbout) {
  const struct {
    const char* file;
    double lo, hi;
    int title;
    std::string part;
  } cases[] = {
      {"B120.dis", 95, 125, 4, "sahá až k 120 m !\r\n( více než 50 m )"},
      {"Bneg.dis", -3, 9, 3, "obsahuje šířky <= 0  ( nejmenší -1 m )"},
  };
  for (const auto& c : cases) {
    dialogs.asked.clear();
    loadSlot("StringGridDD", "OtevHistDD", writeDis(c.file, c.lo, c.hi, {2, 2, 2}));
    ASSERT_EQ(dialogs.asked.size(), 1u) << c.file;
    EXPECT_EQ(dialogs.asked[0].caption, msg(c.title)) << c.file;
    EXPECT_NE(dialogs.asked[0].text.find(c.part), std::string::npos) << dialogs.asked[0].text;
  }
}

TEST_F(InputArea, BStarComesFromTheWidthHistogram) {
  // Centres 4.0, 4.5, 5.0, 5.5 with 0.2, 0.2, 0.2, 0.4: the running sum reaches 0.5 in bin 3.
  loadSlot("StringGridDD", "OtevHistDD", writeDis("B.dis", 3.75, 5.75, {2, 2, 2, 4}));
  EXPECT_TRUE(dialogs.asked.empty());
  EXPECT_DOUBLE_EQ(project().bStar, 5.0);
  EXPECT_DOUBLE_EQ(project().twoBStar, 10.0);
  EXPECT_EQ(get<QLineEdit>("EdB_H")->text().toStdString(), formatNumber(5.0));
  EXPECT_EQ(get<QLineEdit>("EdB_2H")->text().toStdString(), formatNumber(10.0));

  // A median bin centred at 0: message 33, the edits keep their texts.
  loadSlot("StringGridDD", "OtevHistDD", writeDis("B0.dis", -0.25, 1.75, {6, 2, 1, 1}));
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].text, msg(33));
  EXPECT_EQ(get<QLineEdit>("EdB_H")->text().toStdString(), formatNumber(5.0));
  EXPECT_EQ(project().width.name, "B0.dis");
}

TEST_F(InputArea, EachInputInvalidatesExactlyItsResults) {
  const std::string dis = writeDis("H.dis", 1, 3, {1, 2, 1});
  enum Level { All = 0, L = 1, S = 2, C = 3, None = 5 };
  struct Case {
    const char* what;
    std::function<void()> act;
    int from;  // first of R, L, S, C/A that falls
  };
  const Case cases[] = {
      {"layer file",
       [&] {
         project().layers[0].rockType = "X";
         w->model().inputsReplaced();
         loadLayer(1, dis);
       },
       All},
      {"width file", [&] { loadSlot("StringGridDD", "OtevHistDD", dis); }, All},
      {"thickness row 2",
       [&] {
         project().nextLayerRow = 3;
         project().layers[0].thickness = "4";
         w->model().inputsReplaced();
         auto* t = get<QTableWidget>("StrGrHorn");
         t->setFocus();
         t->setCurrentCell(2, 3);
         QTest::keyClicks(t, u"2"_s);
         EXPECT_TRUE(project().layers[0].thickness.empty());
         EXPECT_TRUE(t->item(1, 3)->text().isEmpty());
       },
       All},
      {"EdH", [&] { typeAndLeave("EdH", u"5"_s); }, L},
      {"K file", [&] { loadSlot("StringGridAlfa", "OtevHistAlfa", dis); }, L},
      {"Kn file", [&] { loadSlot("StringGridKn", "OtevHistKn", dis); }, L},
      {"q file",
       [&] {
         toggleCombined();
         setAllDone();
         loadSlot("StringGridOPV", "OtevHistOPV", dis);
       },
       L},
      {"uncheck combined support",
       [&] {
         project().combinedSupport = true;
         w->model().inputsReplaced();
         setAllDone();
         toggleCombined();
         EXPECT_FALSE(get<QTableWidget>("StringGridOPV")->isEnabled());
       },
       L},
      {"RMR file", [&] { loadSlot("StringGridGKK", "OtevHistGKK", dis); }, S},
      {"gamma file", [&] { loadSlot("StringGridOHH", "OtevHistOHH", dis); }, S},
      {"SigmaR file", [&] { loadSlot("StringGridPS", "OtevHistPS", dis); }, C},
      {"EdPS", [&] { typeAndLeave("EdPS", u"22"_s); }, C},
      {"EdPSV", [&] { typeAndLeave("EdPSV", u"10"_s); }, C},
      {"EdPK", [&] { typeAndLeave("EdPK", u"4"_s); }, C},
      {"EdPSds", [&] { typeAndLeave("EdPSds", u"900"_s); }, C},
      {"EdNazevVys", [&] { typeAndLeave("EdNazevVys", u"Dul"_s, "EdH"); }, None},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    if (w->files().workUnsaved()) dialogs.answer(mrNo);  // the last case's work is dropped
    w->newProjectAction->trigger();
    setAllDone();
    c.act();
    const auto& p = project();
    EXPECT_EQ(p.reducedStrengthDone, c.from > All);
    EXPECT_EQ(p.boltLengthDone, c.from > L);
    EXPECT_EQ(p.boltLoadDone, c.from > S);
    EXPECT_EQ(p.bearingCapacityDone, c.from > C);
    EXPECT_EQ(p.assessmentDone, c.from > C);
    EXPECT_EQ(get<QPushButton>("GrafRePe")->isEnabled(), c.from > All);
    EXPECT_EQ(get<QPushButton>("GrafDeSv")->isEnabled(), c.from > L);
    EXPECT_EQ(get<QPushButton>("GrafZaSv")->isEnabled(), c.from > S);
    EXPECT_EQ(get<QPushButton>("GrafUnSv")->isEnabled(), c.from > C);
    EXPECT_EQ(get<QPushButton>("GrafFS")->isEnabled(), c.from > C);
    EXPECT_EQ(get<QLineEdit>("EdBeta")->text().isEmpty(), c.from == All);
    dialogs.asked.clear();
  }

  // Unchecking the combined support before the bolt length exists changes no flag.
  if (w->files().workUnsaved()) dialogs.answer(mrNo);
  w->newProjectAction->trigger();
  project().combinedSupport = true;
  project().reducedStrengthDone = true;
  w->model().inputsReplaced();
  toggleCombined();
  EXPECT_TRUE(project().reducedStrengthDone);
  EXPECT_TRUE(get<QPushButton>("GrafRePe")->isEnabled());
}

TEST_F(InputArea, CreatedHistogramGoesIntoTheChosenSlot) {
  auto* send = get<QPushButton>("BitBtn1");
  auto* target = get<QComboBox>("CBDruhTab");

  target->setCurrentIndex(2);               // K
  QTest::mouseClick(send, Qt::LeftButton);  // nothing created yet
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].caption, msg(2));
  EXPECT_EQ(dialogs.asked[0].text, msg(141));
  dialogs.asked.clear();

  target->setCurrentIndex(1);  // a layer, but no row chosen
  QTest::mouseClick(send, Qt::LeftButton);
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].text, msg(140));
  dialogs.asked.clear();

  const Histogram h = histogram_fixture::make(1, 1, {0.5, 0.5});
  view().createdHistogram = h;
  view().histogramCreated = true;
  setAllDone();
  target->setCurrentIndex(2);
  dialogs.answer(mrYes);  // send it
  dialogs.answer(mrNo);   // do not save it
  QTest::mouseClick(send, Qt::LeftButton);
  ASSERT_EQ(dialogs.asked.size(), 2u);
  const std::string method = get<QComboBox>("CBTypOkna")->currentText().toStdString();
  EXPECT_EQ(method, msg(138));
  EXPECT_EQ(dialogs.asked[0].text,
            sendConfirmationText(method, target->currentText().toStdString(), 0, Language::Czech));
  EXPECT_EQ(dialogs.asked[1].text, msg(144) + "\r\n");
  EXPECT_EQ(dialogs.asked[1].kind, DlgKind::Error);
  const std::string name = "Vytvořen ( \"Parametrické rozdělení\" )";
  EXPECT_EQ(project().k.name, name);
  EXPECT_EQ(get<QTableWidget>("StringGridAlfa")->item(1, 1)->text().toStdString(), name);
  EXPECT_EQ(project().k.histogram, h);
  EXPECT_EQ(view().currentSource, kSrcK);
  EXPECT_FALSE(view().histogramCreated);
  EXPECT_TRUE(project().reducedStrengthDone);
  EXPECT_FALSE(project().boltLengthDone);
  EXPECT_FALSE(project().assessmentDone);
  EXPECT_FALSE(get<QPushButton>("GrafDeSv")->isEnabled());
  EXPECT_TRUE(get<QPushButton>("GrafRePe")->isEnabled());

  // Answering No to the confirmation sends nothing.
  dialogs.asked.clear();
  view().histogramCreated = true;
  target->setCurrentIndex(7);
  dialogs.answer(mrNo);
  QTest::mouseClick(send, Qt::LeftButton);
  EXPECT_EQ(dialogs.asked.size(), 1u);
  EXPECT_TRUE(project().sigmaR.empty());

  // Into layer row 1 once its rock type is set: the row counts as a layer.
  dialogs.asked.clear();
  project().rockTypes = {"Uhlí"};
  chooseRockType(1, 0);
  target->setCurrentIndex(1);
  view().histogramCreated = true;
  dialogs.answer(mrYes);
  dialogs.answer(mrNo);
  QTest::mouseClick(send, Qt::LeftButton);
  ASSERT_EQ(dialogs.asked.size(), 2u);
  EXPECT_EQ(dialogs.asked[0].text,
            sendConfirmationText(msg(138), target->currentText().toStdString(), 1, Language::Czech));
  EXPECT_EQ(project().layers[0].name, name);
  EXPECT_EQ(project().nextLayerRow, 2);
}

TEST_F(InputArea, NewProjectClearsInputsButKeepsSpacing) {
  project().rockTypes = {"Uhlí"};
  chooseRockType(1, 0);
  loadLayer(1, writeDis("P.dis", 10, 20, {1, 1}));
  EXPECT_TRUE(w->saveProjectAction->isEnabled());  // a project exists now
  w->saveResultsAction->setEnabled(true);
  typeAndLeave("EdH", u"300"_s);
  typeAndLeave("EdPS", u"22"_s);
  typeAndLeave("EdPSds", u"800"_s);
  toggleCombined();
  get<QComboBox>("CBDruhTab")->setCurrentIndex(4);
  dialogs.asked.clear();

  dialogs.answer(mrNo);  // unsaved work: asked once, dropped
  w->newProjectAction->trigger();
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].buttons, DlgButtons::YesNoCancel);
  EXPECT_EQ(project().nextLayerRow, 1);
  EXPECT_TRUE(get<QTableWidget>("StrGrHorn")->item(1, 1)->text().isEmpty());
  EXPECT_TRUE(get<QTableWidget>("StrGrHorn")->item(1, 2)->text().isEmpty());
  EXPECT_TRUE(get<QLineEdit>("EdH")->text().isEmpty());
  EXPECT_TRUE(get<QLineEdit>("EdPS")->text().isEmpty());
  EXPECT_EQ(get<QLineEdit>("EdPSV")->text(), u"0"_s);
  EXPECT_EQ(get<QLineEdit>("EdPSds")->text(), u"800"_s);
  EXPECT_FALSE(get<QCheckBox>("ChBKombVyzt")->isChecked());
  EXPECT_FALSE(get<QTableWidget>("StringGridOPV")->isEnabled());
  EXPECT_EQ(get<QComboBox>("CBDruhTab")->currentIndex(), 0);
  EXPECT_EQ(get<QLineEdit>("EdNazevVys")->text().toStdString(), msg(156));
  EXPECT_EQ(project().rockTypes.size(), 1u);
  EXPECT_FALSE(w->saveProjectAction->isEnabled());
  EXPECT_FALSE(w->saveResultsAction->isEnabled());
}

TEST_F(InputArea, ThicknessesAreCheckedWhenTheTableIsLeft) {
  project().nextLayerRow = 4;  // three layers
  project().layers[1].thickness = "2";
  w->model().inputsReplaced();
  auto* t = get<QTableWidget>("StrGrHorn");
  t->setFocus();
  t->setCurrentCell(3, 3);
  QTest::keyClick(t, Qt::Key_Return);  // Enter moves on to EdH
  QApplication::processEvents();
  EXPECT_TRUE(dialogs.anyTextContains(msg(150) + "       3 !\r\n"));
  ASSERT_FALSE(dialogs.asked.empty());
  EXPECT_EQ(dialogs.asked.back().caption, msg(4));
  EXPECT_TRUE(t->hasFocus());
  EXPECT_EQ(t->currentRow(), 3);
  EXPECT_EQ(t->currentColumn(), 3);
}

}  // namespace

namespace {

TEST_F(InputArea, FieldsFilterTheirKeysAndEnterMovesOn) {
  // Thickness cells: "," becomes ".", letters beep.
  project().nextLayerRow = 3;
  w->model().inputsReplaced();
  auto* t = get<QTableWidget>("StrGrHorn");
  t->setFocus();
  t->setCurrentCell(2, 3);
  QTest::keyClicks(t, u"2"_s);
  auto* editor = t->findChild<QLineEdit*>(u"StrGrHornEditor"_s);
  ASSERT_NE(editor, nullptr);
  QTest::keyClicks(editor, u",5x"_s);
  EXPECT_EQ(editor->text(), u"2.5"_s);
  EXPECT_EQ(dialogs.beeps, 1);
  QTest::keyClick(editor, Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_EQ(project().layers[1].thickness, "2.5");
  EXPECT_TRUE(get<QLineEdit>("EdH")->hasFocus());

  // Enter in EdH goes to the K table.
  QTest::keyClick(get<QLineEdit>("EdH"), Qt::Key_Return);
  EXPECT_TRUE(get<QTableWidget>("StringGridAlfa")->hasFocus());

  // The results name drops other characters silently.
  auto* name = get<QLineEdit>("EdNazevVys");
  name->setFocus();
  name->clear();
  for (QChar c : u"Důl/Žofie_1."_s) {  // QTest types ASCII only
    QKeyEvent press(QEvent::KeyPress, c.isLetterOrNumber() && c.unicode() < 128 ? c.toUpper().unicode() : 0,
                    Qt::NoModifier, QString(c));
    QApplication::sendEvent(name, &press);
  }
  EXPECT_EQ(name->text(), u"DůlŽofie_1"_s);
  EXPECT_EQ(project().resultsName, "DůlŽofie_1");
  EXPECT_EQ(dialogs.beeps, 1);
  EXPECT_TRUE(dialogs.asked.empty());
}

}  // namespace

namespace {

// The chart cell of a slot with a histogram is drawn as a button and opens the chart at one click; an
// empty slot's cell is plain and does nothing.
TEST_F(InputArea, ChartCellsLookLikeButtonsAndOpenTheChartAtOneClick) {
  ChartWindow chart(services);
  services.windows.chart = &chart;
  // The colours drawn in a cell: a plain cell has one, a button with its icon several.
  auto colours = [](QTableWidget* t, int row, int col) {
    const QImage im = t->viewport()->grab(t->visualItemRect(t->item(row, col))).toImage();
    QSet<QRgb> seen;
    for (int y = 0; y < im.height(); ++y)
      for (int x = 0; x < im.width(); ++x) seen.insert(im.pixel(x, y));
    return seen.size();
  };
  auto* grid = get<QTableWidget>("StringGridAlfa");
  const int plain = colours(grid, 1, 2);
  clickCell(grid, 1, 2);  // empty slot: nothing
  EXPECT_FALSE(get<QToolButton>("GrafHistAlfa")->isVisible());
  EXPECT_FALSE(chart.isVisible());

  loadSlot("StringGridAlfa", "OtevHistAlfa", writeDis("K.dis", 0, 1, {1, 3}));
  EXPECT_GT(colours(grid, 1, 2), plain + 3);
  clickCell(grid, 1, 2);
  EXPECT_TRUE(chart.isVisible());
  EXPECT_EQ(chart.source(), kSrcK);
  EXPECT_FALSE(get<QToolButton>("GrafHistAlfa")->isVisible());
  chart.hide();
  w->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));

  // A layer: its chart cell after the histogram is read, the chart of that row at one click.
  project().rockTypes = {"Uhlí"};
  chooseRockType(1, 0);
  auto* layers = get<QTableWidget>("StrGrHorn");
  EXPECT_LE(colours(layers, 1, 4), plain);
  loadLayer(1, writeDis("P.dis", 10, 20, {1, 1}));
  ASSERT_EQ(project().layers[0].name, "P.dis");
  EXPECT_GT(colours(layers, 1, 4), plain + 3);
  EXPECT_LE(colours(layers, 2, 4), plain);
  clickCell(layers, 1, 4);
  EXPECT_TRUE(chart.isVisible());
  EXPECT_EQ(chart.source(), kSrcLayer);
  services.windows.chart = nullptr;
}

}  // namespace

namespace {

// A histogram handed over by a creation window reaches its layer row while this window is disabled;
// once it is enabled again the open rows are drawn in the normal text colour, the closed ones grey.
TEST_F(InputArea, LayerRowsOpenedWhileDisabledAreNotLeftGrey) {
  ParametricWindow param(services);
  services.windows.parametric = &param;
  services.windows.main = w.get();
  project().rockTypes = {"Uhlí"};
  chooseRockType(1, 0);
  get<QComboBox>("CBDruhTab")->setCurrentIndex(1);  // a layer
  auto* method = get<QComboBox>("CBTypOkna");
  method->setCurrentIndex(1);
  QTest::keyClick(method, Qt::Key_Up);  // the parametric window, over the disabled main window
  ASSERT_FALSE(w->isEnabled());
  dialogs.answer(mrYes);  // send it into row 1
  dialogs.answer(mrNo);   // without a file
  param.close();
  ASSERT_TRUE(w->isEnabled());
  ASSERT_EQ(project().nextLayerRow, 2);
  auto* t = get<QTableWidget>("StrGrHorn");
  const QColor text = t->palette().color(QPalette::Active, QPalette::Text);
  auto shown = [t](int row, int col) {
    const QVariant f = t->item(row, col)->data(Qt::ForegroundRole);
    return f.isValid() ? f.value<QBrush>().color() : t->palette().color(QPalette::Active, QPalette::Text);
  };
  for (int row : {1, 2})
    for (int col = 1; col < 5; ++col) EXPECT_EQ(shown(row, col), text) << row << "," << col;
  EXPECT_NE(shown(3, 1), text);
  services.windows.parametric = nullptr;
  services.windows.main = nullptr;
}

TEST_F(InputArea, ChoosingACreationMethodForgetsTheLastCreatedHistogram) {
  ParametricWindow param(services);
  services.windows.parametric = &param;
  services.windows.main = w.get();
  view().histogramCreated = true;
  view().currentHistogramFile = "x.dis";
  auto* cb = get<QComboBox>("CBTypOkna");
  cb->setCurrentIndex(1);
  QTest::keyClick(cb, Qt::Key_Up);  // the user picks item 0
  EXPECT_EQ(cb->currentIndex(), 0);
  EXPECT_FALSE(view().histogramCreated);
  EXPECT_TRUE(view().currentHistogramFile.empty());
  EXPECT_TRUE(param.isVisible());
  EXPECT_FALSE(w->isEnabled());  // until the creation window closes
  dialogs.answer(mrNo);          // the shown histogram is handed over; not sent to the table
  param.close();
  EXPECT_TRUE(w->isEnabled());
  services.windows.parametric = nullptr;
  services.windows.main = nullptr;
}

// Other windows change the project through the model; the input area shows what they changed: the
// name a histogram saved from the chart window gives its slot, and the rock type window's new offer.
TEST_F(InputArea, ASlotNamedByTheChartWindowAndANewRockTypeOfferAreShown) {
  ChartWindow chart(services);
  RockTypesWindow rocks(services);
  services.windows.chart = &chart;
  services.windows.rockTypes = &rocks;
  services.windows.main = w.get();
  Refusal error;
  const auto h = ReadHistogramFile(writeDis("K.dis", 0, 1, {1, 3}), error);
  ASSERT_TRUE(h);
  chart.Fill(kSrcK, *h, "Vytvořen");
  dialogs.answerFile(dir.filePath(u"Nova.dis"_s).toStdString());
  chart.findChild<QPushButton*>(u"SaveGraf"_s)->click();
  EXPECT_EQ(project().k.name, "Nova.dis");
  EXPECT_EQ(get<QTableWidget>("StringGridAlfa")->item(1, 1)->text(), u"Nova.dis"_s);

  rocks.openFromMain();
  rocks.findChild<QPlainTextEdit*>(u"Memo1"_s)->setPlainText(u"Jílovec\nUhlí"_s);
  dialogs.answerFile(std::nullopt);  // the offer is taken without a file
  rocks.findChild<QPushButton*>(u"BBSaveNabidky"_s)->click();
  auto* list = get<QComboBox>("CBTypProm");
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->itemText(0), u"Jílovec"_s);
  EXPECT_EQ(list->itemText(1), u"Uhlí"_s);
  EXPECT_TRUE(dialogs.asked.empty());
  services.windows = {};
}

}  // namespace
