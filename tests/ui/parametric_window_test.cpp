#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>
#include <nlohmann/json.hpp>

#include "CliRun.h"
#include "ServicesFixture.h"
#include "histogram/HistogramCharacteristics.h"
#include "persistence/SettingsKeys.h"
#include "shell/Dialogs.h"
#include "shell/Messages.h"
#include "shell/NumberText.h"
#include "ui/DistributionFunctionWindow.h"
#include "ui/InputArea.h"
#include "ui/MainWindow.h"
#include "ui/ParametricWindow.h"
#include "ui/TextSets.h"

using namespace Qt::StringLiterals;

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }
std::string cs(int n) { return MessageText(n, Language::Czech); }
QColor bgr(std::uint32_t c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }

class ParametricWindowTest : public ServicesTest {
 protected:
  void SetUp() override {
    ServicesTest::SetUp();
    window = std::make_unique<ParametricWindow>(*services);
  }
  void TearDown() override { window.reset(); }

  template <class T>
  T* child(const char* name) {
    T* w = window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  QLineEdit* edit(const char* name) { return child<QLineEdit>(name); }
  QLineEdit* para(int i) { return edit(QStringLiteral("EdPara%1").arg(i).toLatin1().constData()); }
  // Types `text` into a field as the user would (the field is marked changed) and leaves it.
  void type(QLineEdit* e, const QString& text, int field) {
    e->selectAll();
    e->del();
    QTest::keyClicks(e, text);
    window->FieldExit(field);
  }
  void chooseType(int t) {
    child<QComboBox>("CBTypRozdeleni")->setCurrentIndex(t);
    window->CBTypRozdeleniChange();
  }
  std::string lastText() const { return dialogs.asked.empty() ? std::string() : dialogs.asked.back().text; }

  std::unique_ptr<ParametricWindow> window;
};

TEST_F(ParametricWindowTest, OpenShowsTheNormalHistogram) {
  window->Open();
  const ParametricResult& r = window->result();
  ASSERT_TRUE(window->chartShown());
  EXPECT_EQ(r.intervals, 128);
  EXPECT_NEAR(r.min, 4.32, 1e-9);
  EXPECT_NEAR(r.max, 15.68, 1e-9);
  EXPECT_TRUE(dialogs.asked.empty());
  EXPECT_EQ(child<QComboBox>("CBTypRozdeleni")->currentText(), qs(cs(91)));
  EXPECT_EQ(child<QComboBox>("CBTypRozdeleni")->count(), 24);
  EXPECT_EQ(child<QGroupBox>("GBParametry")->title(), qs("  " + cs(212) + " F (x | Mi,Sigma)  "));
  EXPECT_EQ(child<QLabel>("LabPara1")->text(), qs(cs(89)));
  EXPECT_EQ(child<QLabel>("LabPara2")->text(), qs(cs(90)));
  EXPECT_TRUE(child<QLabel>("LabPara3")->isHidden());
  auto* grid = child<QTableWidget>("StringGrid1");
  EXPECT_EQ(grid->item(0, 0)->text(), u"Xmin"_s);
  EXPECT_EQ(grid->item(0, 1)->text(), qs(formatNumber(r.min + r.step / 2)));
  EXPECT_EQ(grid->item(1, 1)->text(), qs(formatNumber(r.max - r.step / 2)));
  EXPECT_FALSE(grid->item(2, 1)->text().isEmpty());
  EXPECT_EQ(child<QTableWidget>("StringGrid2")->rowCount(), 2 * 128 + 2);
  EXPECT_EQ(window->titleLines()[1], cs(78) + " : " + cs(91) + "  F ( x |  Mi=10 , Sigma=1 )");
  EXPECT_TRUE(child<QWidget>("BChar")->isEnabled());
}

TEST_F(ParametricWindowTest, LanguageSwitchRetextsTheTypeListGroupAndTitle) {
  window->Open();
  services->setLanguage(Language::English);
  applyTexts(*window, 4, Language::English);
  auto en = [](int n) { return MessageText(n, Language::English); };
  EXPECT_EQ(child<QComboBox>("CBTypRozdeleni")->itemText(0), qs(en(91)));
  EXPECT_EQ(child<QComboBox>("CBTypRozdeleni")->itemText(kPtBetaGeneral), qs(en(95)));
  EXPECT_EQ(child<QGroupBox>("GBParametry")->title(), qs("  " + en(212) + " F (x | Mi,Sigma)  "));
  EXPECT_EQ(child<QLabel>("LabPara1")->text(), qs(en(89)));
  EXPECT_EQ(window->titleLines()[1], en(78) + " : " + en(91) + "  F ( x |  Mi=10 , Sigma=1 )");
  EXPECT_EQ(child<QLabel>("Label6")->text(), u"Eps for Min (x) "_s);
  services->setLanguage(Language::Czech);
}

TEST_F(ParametricWindowTest, IntervalCountOutsideThreeTo256IsRefused) {
  window->Open();
  auto* n = edit("EdPocetIntervalu");
  for (const char* bad : {"2", "257"}) {
    SCOPED_TRACE(bad);
    dialogs.asked.clear();
    type(n, QString::fromLatin1(bad), 0);
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].caption, cs(3));
    EXPECT_EQ(dialogs.asked[0].text, cs(88) + "256" + " !");
    EXPECT_EQ(n->text(), u"128"_s);
  }
  for (int good : {3, 256}) {
    dialogs.asked.clear();
    type(n, QString::number(good), 0);
    EXPECT_TRUE(dialogs.asked.empty());
    ASSERT_TRUE(window->chartShown());
    EXPECT_EQ(window->result().intervals, good);
  }
}

TEST_F(ParametricWindowTest, UniformLoadsItsDefaultsAndHidesEps) {
  window->Open();
  chooseType(kPtUniform);
  EXPECT_EQ(para(1)->text(), u"0"_s);
  EXPECT_EQ(para(2)->text(), u"20"_s);
  EXPECT_EQ(para(3)->text(), u"5"_s);
  EXPECT_TRUE(edit("EdEps")->isHidden());
  EXPECT_TRUE(child<QLabel>("Label6")->isHidden());
  ASSERT_TRUE(window->chartShown());
  EXPECT_EQ(window->result().min, 0);
  EXPECT_EQ(window->result().max, 20);
  chooseType(kPtGamma);
  EXPECT_EQ(para(1)->text(), u"10"_s);
  EXPECT_EQ(para(2)->text(), u"1"_s);
  EXPECT_EQ(para(3)->text(), u"1.1"_s);
  EXPECT_EQ(para(4)->text(), u"1.9"_s);
  EXPECT_FALSE(edit("EdEps")->isHidden());
}

TEST_F(ParametricWindowTest, EditingThenClosingHandsNothingOver) {
  window->Open();
  QSignalSpy spy(window.get(), &ParametricWindow::histogramCreated);
  para(1)->selectAll();
  QTest::keyClicks(para(1), u"12"_s);  // not left: no recompute, the chart is hidden
  EXPECT_FALSE(window->chartShown());
  window->close();
  EXPECT_EQ(spy.count(), 0);
}

TEST_F(ParametricWindowTest, ClosingHandsOverTheShownHistogram) {
  window->Open();
  type(edit("EdPocetIntervalu"), u"64"_s, 0);
  QSignalSpy spy(window.get(), &ParametricWindow::histogramCreated);
  window->close();
  ASSERT_EQ(spy.count(), 1);
  const Histogram h = spy[0][0].value<Histogram>();
  EXPECT_EQ(h.count, 64);
  EXPECT_NEAR(h.min, 4.32 + h.step / 2, 1e-9);
  EXPECT_NEAR(h.max, 15.68 - h.step / 2, 1e-9);
  EXPECT_DOUBLE_EQ(h.range, 64 * h.step);
  EXPECT_EQ(h.total, window->result().total);
  EXPECT_TRUE(child<QTableWidget>("StringGrid1")->item(2, 1)->text().isEmpty());
  // The settings of the window.
  EXPECT_EQ(settings::readText(*settings, settings::kParamIntervals), "64");
  EXPECT_EQ(settings::readText(*settings, settings::kParamEps), "1E-7");
}

TEST_F(ParametricWindowTest, KeysAndEpsChecks) {
  window->Open();
  dialogs.beeps = 0;
  para(1)->selectAll();
  QTest::keyClicks(para(1), u"1,5e1x"_s);
  EXPECT_EQ(para(1)->text(), u"1.5E1"_s);
  EXPECT_EQ(dialogs.beeps, 1);
  QTest::keyClicks(edit("EdPocetIntervalu"), u"."_s);
  EXPECT_EQ(dialogs.beeps, 2);
  QTest::keyClicks(para(4), u"-"_s);
  EXPECT_EQ(dialogs.beeps, 3);
  window->FieldExit(1);
  EXPECT_NEAR(window->result().min, 15 - 5.68, 1e-9);

  auto* eps = edit("EdEps");
  struct {
    const char* text;
    std::string message;
  } cases[] = {{"1E-", cs(99) + " Eps : 1E-"}, {"0", cs(97)}, {"2", cs(98)}, {"-1", cs(97)}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    dialogs.asked.clear();
    type(eps, QString::fromLatin1(c.text), 5);
    ASSERT_GE(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].text, c.message);
    EXPECT_EQ(dialogs.asked[0].caption, cs(3));
    EXPECT_EQ(eps->text(), u"1E-7"_s);
    EXPECT_TRUE(window->chartShown());
  }
}

TEST_F(ParametricWindowTest, ARefusedParameterShowsItsMessageAndNoChart) {
  window->Open();
  QSignalSpy spy(window.get(), &ParametricWindow::histogramCreated);
  type(para(2), u"0"_s, 2);
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].text, cs(503) + "\r\n\r\n     Sigma" + cs(504));
  EXPECT_FALSE(window->chartShown());
  window->close();
  EXPECT_EQ(spy.count(), 0);
}

TEST_F(ParametricWindowTest, ProbabilityTableStripesFollowTheHighlightOption) {
  window->Open();
  type(edit("EdPocetIntervalu"), u"5"_s, 0);
  auto* g = child<QTableWidget>("StringGrid2");
  ASSERT_EQ(g->rowCount(), 12);
  EXPECT_EQ(g->item(1, 0)->background().color(), bgr(16769505));
  EXPECT_EQ(g->item(2, 0)->background().color(), bgr(services->options.colours.table));
  EXPECT_EQ(g->item(11, 2)->background().color(), bgr(11783167));
  EXPECT_EQ(g->item(11, 0)->background().color(), bgr(services->options.colours.table));
  services->options.highlightRows = false;
  window->applyTableColour();
  EXPECT_EQ(g->item(1, 0)->background().color(), bgr(services->options.colours.table));
}

TEST_F(ParametricWindowTest, CharacteristicsOfTheShownHistogram) {
  window->Open();
  window->BCharClick();
  ASSERT_EQ(dialogs.asked.size(), 1u);
  const Histogram h = window->shownHistogram();
  EXPECT_EQ(dialogs.asked[0].caption, cs(79));
  EXPECT_EQ(dialogs.asked[0].text,
            CharacteristicsText(cs(80) + cs(91), std::span<const double>(h.p.data(), h.p.size()), 128, h.min,
                                h.max, h.total, Language::Czech));
  window->StringGrid1Click();
  EXPECT_EQ(dialogs.asked.back().text, cs(214));
  EXPECT_EQ(dialogs.asked.back().caption, cs(1));
}

TEST_F(ParametricWindowTest, TheMainWindowStoresTheHandedOverHistogramInTheChosenTable) {
  MainWindow main(*services);
  services->windows.main = &main;
  services->windows.parametric = window.get();
  main.show();
  auto* target = main.findChild<QComboBox*>(u"CBDruhTab"_s);
  target->setCurrentIndex(0);  // B, the width of the working
  auto* method = main.findChild<QComboBox*>(u"CBTypOkna"_s);
  method->setCurrentIndex(0);
  emit method->activated(0);  // "Parametrické rozdělení"
  ASSERT_TRUE(window->isVisible());
  EXPECT_FALSE(main.isEnabled());
  EXPECT_TRUE(window->chartShown());  // shown by the main window: the normal histogram at once
  type(edit("EdPocetIntervalu"), u"32"_s, 0);
  const Histogram shown = window->shownHistogram();

  dialogs.asked.clear();
  dialogs.answer(mrYes);  // send it to the table
  dialogs.answer(mrNo);   // without saving a file
  window->close();
  EXPECT_TRUE(main.isEnabled());
  const HistogramSlot* slot = main.project().slotForSource(kSrcWidth, 0);
  ASSERT_NE(slot, nullptr);
  EXPECT_EQ(slot->histogram, shown);
  EXPECT_EQ(binCount(slot->histogram), 32);
  EXPECT_FALSE(main.inputArea().view().histogramCreated);  // the store action took it
  services->windows = {};
}

TEST(GenerateCommandLine, PrintsTheHistogramOrTheRefusal) {
  const CliRun normal = runCli({u"generate"_s, u"0"_s, u"10"_s, u"1"_s, u"--intervals"_s, u"128"_s});
  ASSERT_EQ(normal.status, 0);
  EXPECT_EQ(normal.out["valid"], true);
  EXPECT_EQ(normal.out["count"], 128);
  EXPECT_NEAR(normal.out["min"].get<double>(), 4.364375, 1e-9);
  EXPECT_EQ(normal.out["p"].size(), 128u);

  const CliRun gamma = runCli({u"generate"_s, u"15"_s, u"0.5"_s, u"1"_s});
  EXPECT_EQ(gamma.status, 1);
  EXPECT_EQ(gamma.out["error"]["message"], 509);
  EXPECT_EQ(gamma.out["error"]["text"], cs(509) + "(k-1).theta >= 0   !");

  EXPECT_EQ(runCli({u"generate"_s, u"0"_s, u"10"_s, u"--intervals"_s, u"257"_s}).out["error"]["message"], 88);
  EXPECT_EQ(runCli({u"generate"_s, u"0"_s, u"10"_s, u"--eps"_s, u"2"_s}).out["error"]["message"], 98);
  EXPECT_EQ(runCli({u"generate"_s, u"24"_s, u"10"_s}).status, 1);
  // Every bin underflows: no histogram, and the refusal says why.
  const CliRun under = runCli({u"generate"_s, u"13"_s, u"1000"_s, u"1000"_s});
  EXPECT_EQ(under.status, 1);
  EXPECT_NE(under.out["error"]["text"].get<std::string>().find("nevznikl žádný histogram"),
            std::string::npos);
}

}  // namespace

namespace {

// Images of both windows in both languages for a look by eye: VELTRA_SCREENSHOTS=DIR xvfb-run
// ui_parametric_window_test.
TEST(Screenshots, ParametricAndDistributionFunctionWindows) {
  const char* dir = std::getenv("VELTRA_SCREENSHOTS");
  if (!dir) GTEST_SKIP();
  for (Language lang : {Language::Czech, Language::English}) {
    QTemporaryDir tmp;
    ScriptedDialogs dialogs;
    SettingsFile settings((tmp.path() + u"/Veltra.INI"_s).toStdString());
    Services services{dialogs, settings, {}, "1.5.6.5", {}, {}};
    services.setLanguage(lang);
    const char* suffix = lang == Language::Czech ? "cs" : "en";
    {
      ParametricWindow w(services);
      w.resize(1100, 700);
      w.Open();
      auto* n = w.findChild<QLineEdit*>(u"EdPocetIntervalu"_s);
      n->setText(u"32"_s);
      emit n->textEdited(n->text());
      w.FieldExit(0);
      QTest::qWait(300);
      w.grab().save(QString::fromLatin1(dir) + u"/parametric_"_s + QString::fromLatin1(suffix) + u".png"_s);
      w.findChild<QComboBox*>(u"CBTypRozdeleni"_s)->setCurrentIndex(kPtBetaGeneral);
      w.CBTypRozdeleniChange();
      w.findChild<QLineEdit*>(u"EdPara1"_s)->setText(u"2"_s);
      w.findChild<QLineEdit*>(u"EdPara2"_s)->setText(u"5"_s);
      w.FieldExit(3);
      QTest::qWait(300);
      w.grab().save(QString::fromLatin1(dir) + u"/parametric_beta_"_s + QString::fromLatin1(suffix) +
                    u".png"_s);
      const Histogram h = w.shownHistogram();
      DistributionFunctionWindow d(services);
      d.Fill(h, "Beta.dis");
      QTest::qWait(300);
      d.grab().save(QString::fromLatin1(dir) + u"/distribution_"_s + QString::fromLatin1(suffix) + u".png"_s);
      d.hide();
      w.hide();
    }
  }
}

}  // namespace
