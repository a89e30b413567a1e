// The new-histogram window: the live recount, the Save checks, the file and hand-over routes, the
// pure-discrete type and the close rules.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>

#include "FilesFixture.h"
#include "ui/InputArea.h"
#include "ui/NewHistogramWindow.h"

namespace {

class NewHistogramTest : public FilesTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(FilesTest::SetUp());
    window = std::make_unique<NewHistogramWindow>(*services);
    services->windows.newHistogram = window.get();
  }
  void TearDown() override {
    services->windows.newHistogram = nullptr;
    window.reset();
    FilesTest::TearDown();
  }
  template <class T>
  T* in13(const char* name) const {
    auto* c = window->findChild<T*>(QString::fromUtf8(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
  }
  QString field(const char* name) const { return in13<QLineEdit>(name)->text(); }

  void enter(const QString& min, const QString& max, const QString& list) {
    in13<QLineEdit>("Edit1")->setText(min);
    in13<QLineEdit>("Edit2")->setText(max);
    in13<QPlainTextEdit>("Memo1")->setPlainText(list);
  }
  void save() { QTest::mouseClick(in13<QPushButton>("BNavrat"), Qt::LeftButton); }
  std::string histograms(const char* name) const { return services->folders.HistogramsFolder + "/" + name; }

  std::unique_ptr<NewHistogramWindow> window;
};

TEST_F(NewHistogramTest, OpenEmptiesTheEntryAndTheListIsCountedAsTyped) {
  main->newHistogramAction->trigger();
  ASSERT_TRUE(window->isVisible());
  EXPECT_FALSE(main->isEnabled());
  EXPECT_EQ(main->inputArea().view().currentSource, kSrcNewHistogram);
  EXPECT_EQ(field("Edit3"), u"0"_s);
  EXPECT_EQ(field("Edit5"), u"0"_s);
  EXPECT_EQ(in13<QComboBox>("ComboBox1")->currentText(), u"Discrete"_s);
  EXPECT_TRUE(in13<QLineEdit>("Edit2")->isVisible());

  enter(u"0"_s, u"10"_s, u"1\n2\n\n4\n2\n1\n"_s);  // the empty line counts as 0; the last break is no line
  EXPECT_EQ(field("Edit3"), u"6"_s);
  EXPECT_EQ(field("Edit5"), u"10"_s);

  // A line that is no whole number: the message names it, the fields keep their values.
  in13<QPlainTextEdit>("Memo1")->setPlainText(u"4\n2\n1.5\n7"_s);
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].caption, msg(3));
  EXPECT_EQ(dialogs.asked[0].text,
            msg(224) + "  ( integer )\r\n\r\n\t" + msg(228) + "3\r\n\t" + msg(229) + "1.5");
  EXPECT_EQ(field("Edit3"), u"6"_s);

  // Index: the line of the caret; editing the list clears it.
  auto* memo = in13<QPlainTextEdit>("Memo1");
  memo->setPlainText(u"1\n2\n3\n4\n5"_s);
  const QRect line4 = memo->cursorRect(QTextCursor(memo->document()->findBlockByNumber(3)));
  QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, line4.center());
  EXPECT_EQ(field("Edit6"), u"4"_s);
  memo->appendPlainText(u"6"_s);
  EXPECT_EQ(field("Edit6"), QString());
}

// A negative frequency is typed sign first: the sign alone is no error while its line is typed; the
// line is checked when the caret leaves it.
TEST_F(NewHistogramTest, ASignBeingTypedIsCheckedWhenItsLineIsFinished) {
  main->newHistogramAction->trigger();
  auto* memo = in13<QPlainTextEdit>("Memo1");
  memo->setFocus();
  // Types `text`, a "|" standing for Enter.
  auto type = [memo](const QString& text) {
    const QStringList parts = text.split(u'|');
    for (qsizetype i = 0; i < parts.size(); ++i) {
      if (i > 0) QTest::keyClick(memo, Qt::Key_Return);
      QTest::keyClicks(memo, parts[i]);
    }
  };
  type(u"5|-"_s);
  EXPECT_TRUE(dialogs.asked.empty()) << dialogs.asked.front().text;
  EXPECT_EQ(field("Edit3"), u"1"_s);  // the unfinished line is not counted yet
  type(u"3|7"_s);
  EXPECT_TRUE(dialogs.asked.empty()) << dialogs.asked.front().text;
  EXPECT_EQ(field("Edit3"), u"3"_s);
  EXPECT_EQ(field("Edit5"), u"9"_s);

  // A sign left alone: reported as soon as the caret leaves its line.
  type(u"|-"_s);
  EXPECT_TRUE(dialogs.asked.empty());
  QTest::keyClick(memo, Qt::Key_Up);
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].text,
            msg(224) + "  ( integer )\r\n\r\n\t" + msg(228) + "4\r\n\t" + msg(229) + "-");
  EXPECT_EQ(field("Edit3"), u"3"_s);
  // Other texts are reported at once.
  QTest::keyClick(memo, Qt::Key_End);
  QTest::keyClicks(memo, u"x"_s);
  EXPECT_EQ(dialogs.asked.size(), 2u);
}

TEST_F(NewHistogramTest, FileRouteWritesTheExampleFile) {
  main->newHistogramAction->trigger();
  enter(u"0"_s, u"10"_s, u"1\n2\n4\n2\n1"_s);
  dialogs.answerFile(std::nullopt);  // cancelled: the window stays with its entry
  save();
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(field("Edit3"), u"5"_s);

  dialogs.answerFile(histograms("Example.dis"));
  save();
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(main->isEnabled());
  EXPECT_EQ(bytesOf(histograms("Example.dis")), bytesOf(TEST_DATA_DIR "/histograms/Example.dis"));
  EXPECT_EQ(main->inputArea().view().currentHistogramFile, "Example.dis");
  EXPECT_EQ(main->inputArea().view().currentSource, kSrcCreated);
  EXPECT_EQ(get<QComboBox>("CBTypOkna")->currentIndex(), 0);

  // A declined overwrite closes the window without writing.
  main->newHistogramAction->trigger();
  enter(u"0"_s, u"1"_s, u"3"_s);
  dialogs.answerFile(histograms("Example.dis"));
  dialogs.answer(mrNo);
  save();
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(bytesOf(histograms("Example.dis")), bytesOf(TEST_DATA_DIR "/histograms/Example.dis"));
}

TEST_F(NewHistogramTest, PureDiscreteHidesMaxAndCentresOnTheValues) {
  main->newHistogramAction->trigger();
  in13<QComboBox>("ComboBox1")->setEditText(u"Diskrétní"_s);
  EXPECT_FALSE(in13<QLineEdit>("Edit2")->isVisible());
  EXPECT_FALSE(in13<QLabel>("Label3")->isVisible());
  enter(u"3"_s, QString(), u"1\n1\n2\n1\n1"_s);
  dialogs.answerFile(histograms("Pure.dis"));
  save();
  const std::string text = bytesOf(histograms("Pure.dis"));
  EXPECT_NE(text.find("Min=2.50000\r\nMax=7.50000\r\nBins=5\r\nTotal=6\r\n"), std::string::npos) << text;
}

TEST_F(NewHistogramTest, HandOverRouteSendsTheCreatedHistogram) {
  auto* selector = get<QComboBox>("CBTypOkna");
  get<QComboBox>("CBDruhTab")->setCurrentIndex(2);  // K
  selector->setCurrentIndex(2);
  emit selector->activated(2);
  ASSERT_TRUE(window->isVisible());
  enter(u"0"_s, u"10"_s, u"1\n2\n4\n2\n1"_s);
  dialogs.answer(mrYes);  // send into the table K
  dialogs.answer(mrNo);   // do not save it to a file first
  save();
  EXPECT_FALSE(window->isVisible());
  const Histogram& h = main->inputArea().view().createdHistogram;
  EXPECT_EQ(h.count, 5);
  EXPECT_EQ(h.min, 1);
  EXPECT_EQ(h.max, 9);
  EXPECT_EQ(h.range, 10);
  EXPECT_EQ(h.step, 2);
  EXPECT_EQ(h.total, 10);
  const double p[] = {0.1, 0.2, 0.4, 0.2, 0.1};
  for (int i = 0; i < 5; ++i) EXPECT_DOUBLE_EQ(h.p[i], p[i]);
  EXPECT_EQ(main->project().k.histogram, h);
  EXPECT_EQ(selector->currentIndex(), 0);
}

TEST_F(NewHistogramTest, SaveChecksKeepTheWindowOpen) {
  main->newHistogramAction->trigger();
  struct Case {
    QString min, max, list;
    std::string text;
  };
  QString many;
  for (int i = 0; i < 257; ++i) many += u"1\n"_s;
  const Case cases[] = {
      {u"0"_s, u"1"_s, QString(), msg(226)},
      {u"0"_s, u"1"_s, many, MessageFormat(227, Language::Czech, {"256"}) + "257"},
      {QString(), u"1"_s, u"1"_s, "Min - " + msg(224)},
      {u"0"_s, QString(), u"1"_s, "Max - " + msg(224)},
      {u"5"_s, u"5"_s, u"1"_s, msg(225)},
      {u"6"_s, u"5"_s, u"1"_s, msg(225)},
      {u"0"_s, u"1"_s, u"1\n-1"_s,
       "Četnost nesmí být záporná !\r\n\r\n\t" + msg(228) + "2\r\n\t" + msg(229) + "-1"},
      {u"0"_s, u"1"_s, u"0\n0"_s, "Součet četností je 0 !"},
  };
  for (const Case& c : cases) {
    enter(c.min, c.max, c.list);
    dialogs.asked.clear();
    save();
    ASSERT_EQ(dialogs.asked.size(), 1u) << c.text;
    EXPECT_EQ(dialogs.asked[0].text.substr(0, c.text.size()), c.text);
    EXPECT_TRUE(window->isVisible());
  }
  QString full;
  for (int i = 0; i < 256; ++i) full += u"1\n"_s;
  enter(u"0"_s, u"256"_s, full);
  EXPECT_EQ(field("Edit3"), u"256"_s);
}

TEST_F(NewHistogramTest, KeysOfTheMinAndMaxFields) {
  main->newHistogramAction->trigger();
  auto* min = in13<QLineEdit>("Edit1");
  min->setFocus();
  QTest::keyClicks(min, u"-1,5e3a"_s);
  EXPECT_EQ(min->text(), u"-1.5E3"_s);
  EXPECT_EQ(dialogs.beeps, 1);
  QTest::keyClick(min, Qt::Key_Return);
  EXPECT_EQ(min->text(), u"-1.5E3"_s);
}

TEST_F(NewHistogramTest, CloseStoresThePlaceAndResetsTheSelector) {
  main->newHistogramAction->trigger();
  window->resize(300, 480);
  QTest::mouseClick(in13<QPushButton>("BitBtn1"), Qt::LeftButton);
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(main->isEnabled());
  EXPECT_EQ(main->inputArea().view().currentSource, kSrcCreated);
  EXPECT_EQ(settings->readInteger("--  Position  --", "PopisHistogramu-Form13.height", 0), 480);
}

}  // namespace

namespace {

// Pictures of the window in both languages for a look by eye: written only when
// VELTRA_SCREENSHOTS names a folder.
TEST_F(NewHistogramTest, ScreenshotsInBothLanguages) {
  const char* folder = std::getenv("VELTRA_SCREENSHOTS");
  if (!folder) GTEST_SKIP() << "VELTRA_SCREENSHOTS not set";
  main->newHistogramAction->trigger();
  enter(u"0"_s, u"10"_s, u"1\n2\n4\n2\n1"_s);
  window->resize(296, 479);
  QApplication::processEvents();
  EXPECT_TRUE(window->grab().save(QString::fromUtf8(folder) + u"/new_histogram_cs.png"_s));
  main->englishItem->trigger();
  QApplication::processEvents();
  EXPECT_EQ(window->windowTitle(), u"  VELTRA :  Definition of new histogram"_s);
  EXPECT_TRUE(window->grab().save(QString::fromUtf8(folder) + u"/new_histogram_en.png"_s));
}

}  // namespace
