// In English no window shows a Czech letter, proper names aside: neither the texts of the window sets
// nor the texts composed at run time (chart titles and series, questions, dialog buttons, the splash
// lines, the default results name).

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "ServicesFixture.h"
#include "histogram/HistogramFile.h"
#include "shell/FileTexts.h"
#include "shell/Messages.h"
#include "ui/ChartWindow.h"
#include "ui/ExportTexts.h"
#include "ui/FitTableWindow.h"
#include "ui/MainWindow.h"
#include "ui/QtDialogs.h"
#include "ui/RawDataWindow.h"
#include "ui/RuntimeTexts.h"
#include "ui/SensitivityWindow.h"
#include "ui/SplashScreen.h"
#include "ui/Startup.h"
#include "ui/TextSets.h"
#include "ui/VerificationTexts.h"
#include "ui/WindowTable.h"
#include "ui/WindowTexts.h"

using namespace Qt::StringLiterals;

namespace {

// Proper names that keep their letters in every language.
const QString kProperNames[] = {u"ČSN EN 1990"_s, u"ČSN (STN) 73 1401"_s, u"Lévy"_s};

// The Czech letters of `text` once the proper names and the user's `data` are taken out; empty when
// there are none.
QString czechLetters(QString text, const QStringList& data = {}) {
  static const QString czech = u"áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ"_s;
  for (const QString& name : kProperNames) text.remove(name);
  for (const QString& name : data) text.remove(name);
  QString found;
  for (QChar c : text)
    if (czech.contains(c) && !found.contains(c)) found += c;
  return found;
}

// Every visible text of `window` and its children that holds a Czech letter, one line each:
// window/control.property: "text".
std::string czechTextsOf(QWidget& window, const QStringList& data = {}) {
  std::string out;
  auto check = [&](const QObject* o, const char* what, const QString& t) {
    if (czechLetters(t, data).isEmpty()) return;
    out += (window.objectName() + u'/' + o->objectName() + u'.' + QString::fromLatin1(what) + u": \""_s + t +
            u"\"\n"_s)
               .toStdString();
  };
  QList<QWidget*> widgets = window.findChildren<QWidget*>();
  widgets.prepend(&window);
  for (QWidget* w : widgets) {
    check(w, "windowTitle", w->windowTitle());
    check(w, "toolTip", w->toolTip());
    check(w, "statusTip", w->statusTip());
    if (auto* l = qobject_cast<QLabel*>(w)) check(l, "text", l->text());
    if (auto* b = qobject_cast<QAbstractButton*>(w)) check(b, "text", b->text());
    if (auto* g = qobject_cast<QGroupBox*>(w)) check(g, "title", g->title());
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
      check(e, "text", e->text());
      check(e, "placeholder", e->placeholderText());
    }
    if (auto* m = qobject_cast<QMenu*>(w)) check(m, "title", m->title());
    if (auto* c = qobject_cast<QComboBox*>(w))
      for (int i = 0; i < c->count(); ++i) check(c, "item", c->itemText(i));
    if (auto* l = qobject_cast<QListWidget*>(w))
      for (int i = 0; i < l->count(); ++i) check(l, "item", l->item(i)->text());
    if (auto* t = qobject_cast<QTableWidget*>(w)) {
      for (int c = 0; c < t->columnCount(); ++c)
        if (auto* h = t->horizontalHeaderItem(c)) check(t, "header", h->text());
      for (int r = 0; r < t->rowCount(); ++r) {
        if (auto* h = t->verticalHeaderItem(r)) check(t, "header", h->text());
        for (int c = 0; c < t->columnCount(); ++c)
          if (auto* i = t->item(r, c)) {
            check(t, "cell", i->text());
            check(t, "cellToolTip", i->toolTip());
          }
      }
    }
    if (auto* v = qobject_cast<QChartView*>(w); v && v->chart()) {
      check(v, "chartTitle", v->chart()->title());
      for (const auto* axis : v->chart()->axes()) check(v, "axisTitle", axis->titleText());
      for (const auto* series : v->chart()->series()) check(v, "seriesName", series->name());
    }
    for (const QAction* a : w->actions()) {
      check(a, "text", a->text());
      check(a, "toolTip", a->toolTip());
      check(a, "statusTip", a->statusTip());
      if (a->menu()) check(a->menu(), "title", a->menu()->title());
    }
  }
  return out;
}

class WindowTexts : public ServicesTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(ServicesTest::SetUp());
    copyExamples();
    all = createWindows(*services);
    main = all->main;
    ASSERT_TRUE(main && all->chart);
  }

  void switchTo(Language lang) {
    auto* a = main->findChild<QAction*>(lang == Language::English ? u"Anglictina"_s : u"Cestina"_s);
    ASSERT_TRUE(a);
    a->trigger();
    QApplication::processEvents();
    ASSERT_EQ(services->language(), lang);
  }

  // The Czech texts of every window of the window table and of the splash, the user's `data` aside.
  std::string czechTextsOfAllWindows(const QStringList& data = {}) {
    std::string out;
    for (const WindowEntry& e : windowTable()) {
      QWidget* w = e.find(services->windows);
      if (!w) {
        out += "window " + std::to_string(e.number) + " missing\n";
        continue;
      }
      out += czechTextsOf(*w, data);
    }
    if (SplashScreen* s = main->splash()) out += czechTextsOf(*s);
    return out;
  }

  std::unique_ptr<VeltraWindows> all;
  MainWindow* main = nullptr;
};

TEST_F(WindowTexts, NoWindowShowsCzechInEnglishNorAfterComposingItsTexts) {
  ASSERT_NE(main->splash(), nullptr);
  for (const WindowEntry& e : windowTable())
    if (QWidget* w = e.find(services->windows)) w->show();
  EXPECT_NE(czechTextsOfAllWindows(), "") << "the walk sees the Czech texts";
  switchTo(Language::English);
  EXPECT_EQ(czechTextsOfAllWindows(), "");

  // The chart window composes its title, caption and series name for the computed histograms.
  HistogramFileError error;
  const auto h = ReadHistogramFile(EXAMPLES_DIR "/Veltra/Histograms/Jilovec_pevnost.dis", error);
  ASSERT_TRUE(h);
  main->project().boltCount = "4";
  main->project().d1 = "22";
  main->project().d2 = "0";
  for (int source : {5, 10, 11, 12, 13, 14}) {
    all->chart->Fill(source, *h);
    QApplication::processEvents();
    EXPECT_EQ(czechTextsOf(*all->chart), "") << "source " << source;
  }
  // The last title composed, with the default results name of the language.
  auto* view = all->chart->findChild<QChartView*>();
  ASSERT_TRUE(view);
  EXPECT_TRUE(view->chart()->title().contains(u"Strength of intact rock"_s))
      << view->chart()->title().toStdString();
  all->chart->Fill(13, *h);
  EXPECT_TRUE(view->chart()->title().contains(u"Reliability assessment ( Results_Veltra )"_s))
      << view->chart()->title().toStdString();
  all->chart->Fill(10, *h);
  EXPECT_TRUE(
      view->chart()->title().contains(u"Bearing capacity of 4 bolts ( diameters : d1 = 22mm, d2 = 0mm )"_s))
      << view->chart()->title().toStdString();

  // The walk names a text left behind, and the proper names pass.
  QLabel stray(u"Prvotní data"_s, main);
  stray.setObjectName(u"Stray"_s);
  QLabel standard(u"ČSN EN 1990"_s, main);
  EXPECT_EQ(czechTextsOf(*main), "Form1/Stray.text: \"Prvotní data\"\n");

  // Back in Czech the composed texts are Czech again.
  switchTo(Language::Czech);
  all->chart->Fill(12, *h);
  EXPECT_TRUE(view->chart()->title().contains(u"Zatížení svorníků"_s))
      << view->chart()->title().toStdString();
  for (const WindowEntry& e : windowTable())
    if (QWidget* w = e.find(services->windows)) w->hide();
}

TEST_F(WindowTexts, AfterTheWholeChainASwitchToEnglishLeavesNoCzechButTheProjectsOwnNames) {
  // The rock types of the project's layers are its own names.
  const QStringList data = {u"Jílovec"_s, u"Pískovec"_s};
  dialogs.answerFile(services->folders.ProjectsFolder + "/Chodba_K12.hor");
  main->OtevritClick();
  ASSERT_GT(main->project().nextLayerRow, 1);
  main->BBRedPevClick();
  main->BBDelSvorClick();
  main->BBZatSvorClick();
  main->BBFunSpojClick();
  ASSERT_TRUE(main->project().assessmentDone);
  QApplication::processEvents();
  EXPECT_TRUE(dialogs.asked.empty()) << dialogs.asked.front().text;
  EXPECT_NE(czechTextsOf(*all->chart, data), "") << "the assessment is shown in Czech";
  // The check of Pf with its figures and the sensitivity window.
  all->chart->verificationOptions.maxSamples = 1 << 20;
  all->chart->findChild<QPushButton*>(u"BBOvereni"_s)->click();
  QTRY_VERIFY_WITH_TIMEOUT(!all->chart->verificationRunning(), 60000);
  ASSERT_NE(all->chart->currentCheck(), nullptr);
  all->chart->findChild<QPushButton*>(u"BBCitlivost"_s)->click();
  ASSERT_TRUE(all->sensitivity->isVisible());
  EXPECT_NE(czechTextsOf(*all->sensitivity, data), "") << "the sensitivity is shown in Czech";

  switchTo(Language::English);
  EXPECT_EQ(czechTextsOfAllWindows(data), "");
  // Computed again in English.
  main->BBFunSpojClick();
  QApplication::processEvents();
  EXPECT_EQ(czechTextsOfAllWindows(data), "") << "computed in English";
}

TEST_F(WindowTexts, RawDataAndFittedTypesSwitchToEnglishAndAreFittedInEnglish) {
  RawDataWindow* raw = services->windows.rawData;
  FitTableWindow* fits = services->windows.fitTable;
  ASSERT_TRUE(raw && fits);
  raw->show();
  auto fit = [&] {
    dialogs.answerFile(std::string(TEST_DATA_DIR) + "/rawdata/normal_mu50_sigma5.txt");
    raw->OpenDataClick();
    raw->findChild<QPushButton*>(u"BuParam"_s)->click();
    QApplication::processEvents();
    ASSERT_TRUE(dialogs.asked.empty()) << dialogs.asked.front().text;
    ASSERT_GT(raw->findChild<QComboBox*>(u"CBTypPara"_s)->count(), 2);
  };
  ASSERT_NO_FATAL_FAILURE(fit());
  EXPECT_NE(czechTextsOf(*fits), "") << "the fitted table is shown in Czech";
  switchTo(Language::English);
  EXPECT_EQ(czechTextsOf(*raw) + czechTextsOf(*fits), "");
  fits->findChild<QPushButton*>(u"BKonec"_s)->click();
  ASSERT_NO_FATAL_FAILURE(fit());
  fits->SGCharSelectCell(2);
  QApplication::processEvents();
  EXPECT_EQ(czechTextsOf(*raw) + czechTextsOf(*fits), "") << "fitted in English";
  fits->findChild<QPushButton*>(u"BKonec"_s)->click();
}

TEST_F(WindowTexts, QuestionsButtonsAndDefaultsFollowTheLanguage) {
  auto* name = main->findChild<QLineEdit*>(u"EdNazevVys"_s);
  ASSERT_TRUE(name);
  EXPECT_EQ(name->text().toStdString(), MessageText(156, Language::Czech));

  main->NovyClick();
  EXPECT_TRUE(dialogs.asked.empty()) << "at start";
  // The default results name follows the language and leaves the work saved: New asks nothing.
  switchTo(Language::English);
  EXPECT_EQ(name->text(), u"Results_Veltra"_s);
  EXPECT_EQ(main->project().resultsName, "Results_Veltra");
  main->NovyClick();
  EXPECT_TRUE(dialogs.asked.empty());
  switchTo(Language::Czech);
  EXPECT_EQ(name->text().toStdString(), MessageText(156, Language::Czech));

  // A name the user typed stays.
  name->clear();
  QTest::keyClicks(name, u"Chodba 12"_s);
  ASSERT_EQ(main->project().resultsName, "Chodba 12");
  switchTo(Language::English);
  EXPECT_EQ(name->text(), u"Chodba 12"_s);

  // The unsaved-work question in English.
  dialogs.answer(ralvex::mrCancel);
  main->NovyClick();
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].text, runtimeText(RuntimeText::UnsavedWork, Language::English));
  EXPECT_EQ(dialogs.asked[0].caption, MessageText(1, Language::English));

  // Saving a project whose width histogram was made in memory names the slot in English.
  dialogs.asked.clear();
  dialogs.answer(ralvex::mrNo);  // the work is not saved first
  dialogs.answerFile(services->folders.ProjectsFolder + "/Chodba_K12.hor");
  main->OtevritClick();
  ASSERT_GT(main->project().nextLayerRow, 1);
  main->project().width.name = "B";
  dialogs.asked.clear();
  dialogs.answerFile(services->folders.ProjectsFolder + "/Copy.hor");
  dialogs.answer(ralvex::mrNo);  // leave the width histogram out of the project
  main->SaveTabHornClick();
  ASSERT_FALSE(dialogs.asked.empty());
  const std::string& question = dialogs.asked[0].text;
  EXPECT_NE(question.find("B : Width of the mine working"), std::string::npos) << question;
  EXPECT_TRUE(czechLetters(QString::fromStdString(question)).isEmpty()) << question;

  // The message box buttons speak the library language.
  for (Language lang : {Language::English, Language::Czech}) {
    services->setLanguage(lang);
    MessageDialog box(u"?"_s, u"?"_s, ralvex::DlgKind::Confirmation, ralvex::DlgButtons::YesNoCancel,
                      ralvex::mrYes, nullptr);
    QStringList captions;
    for (QPushButton* b : box.buttons()) captions << b->text();
    EXPECT_EQ(captions.join(u' '), lang == Language::English ? u"&Yes &No &Cancel"_s : u"&Ano &Ne &Storno"_s);
  }

  // The splash lines in either language.
  SplashScreen splash(Language::English);
  EXPECT_EQ(czechTextsOf(splash), "");
  EXPECT_EQ(splash.findChild<QLabel*>(u"Label4"_s)->text(),
            u"Probabilistic assessment of rock-bolt support"_s);
  splash.showTexts(Language::Czech);
  EXPECT_EQ(splash.findChild<QLabel*>(u"Label4"_s)->text(),
            u"Pravděpodobnostní posouzení svorníkové výztuže"_s);
}

// Every row of the runtime, export and file tables: both languages given, the same placeholders, and
// English free of Czech letters (rows a walk through the windows may never reach).
TEST(TextTables, EveryRowHasBothLanguagesWithTheSamePlaceholders) {
  auto placeholders = [](const std::string& t) {
    int n = 0;
    for (size_t at = t.find("%s"); at != std::string::npos; at = t.find("%s", at + 2)) ++n;
    return n;
  };
  std::string bad;
  auto check = [&](const std::string& name, int k, const std::string& cs, const std::string& en) {
    const std::string row = name + " " + std::to_string(k);
    if (cs.empty() || en.empty()) bad += row + ": empty\n";
    if (placeholders(cs) != placeholders(en)) bad += row + ": placeholders differ\n";
    if (!czechLetters(QString::fromStdString(en)).isEmpty()) bad += row + ": Czech in English: " + en + "\n";
  };
  for (int k = 0; k < static_cast<int>(RuntimeText::Count); ++k) {
    const auto id = static_cast<RuntimeText>(k);
    check("RuntimeText", k, runtimeText(id, Language::Czech), runtimeText(id, Language::English));
  }
  for (int k = 0; k < static_cast<int>(ExportText::Count); ++k) {
    const auto id = static_cast<ExportText>(k);
    check("ExportText", k, exportText(id, Language::Czech), exportText(id, Language::English));
  }
  for (int k = 0; k < static_cast<int>(VerificationText::Count); ++k) {
    const auto id = static_cast<VerificationText>(k);
    check("VerificationText", k, verificationText(id, Language::Czech),
          verificationText(id, Language::English));
  }
  for (int k = 0; k < static_cast<int>(FileText::Count); ++k) {
    const auto id = static_cast<FileText>(k);
    check("FileText", k, FileTextOf(id, Language::Czech), FileTextOf(id, Language::English));
  }
  for (int n : registeredTextSets())
    for (const TextRow& r : textRows(n, Language::English))
      if (const std::string t = expandTextTokens(r.text, Language::English);
          !czechLetters(QString::fromStdString(t)).isEmpty())
        bad += "text set " + std::to_string(n) + " " + std::string(r.control) + ": " + t + "\n";
  for (int m = 0; m < 1100; ++m)
    if (MessageExists(m) &&
        !czechLetters(QString::fromStdString(MessageText(m, Language::English))).isEmpty())
      bad += "message " + std::to_string(m) + ": " + MessageText(m, Language::English) + "\n";
  EXPECT_EQ(bad, "");
  // A placeholder inside an argument stays as it is.
  EXPECT_EQ(runtimeTextFormat(RuntimeText::ChartTitleAssessment, Language::English, {"100 %s"}),
            "Reliability assessment ( 100 %s ) ");
  EXPECT_EQ(FileTextFormat(FileText::FileNamed, Language::Czech, {"a.dis"}), "\r\n\r\nSoubor :  a.dis");
}

// Pictures of the splash in both languages for a look by eye: written only when VELTRA_SCREENSHOTS
// names a folder.
TEST(SplashTexts, ScreenshotsInBothLanguages) {
  const char* folder = std::getenv("VELTRA_SCREENSHOTS");
  if (!folder) GTEST_SKIP() << "VELTRA_SCREENSHOTS not set";
  SplashScreen splash(Language::Czech);
  EXPECT_TRUE(splash.grab().save(QString::fromUtf8(folder) + u"/splash_cs.png"_s));
  splash.showTexts(Language::English);
  EXPECT_TRUE(splash.grab().save(QString::fromUtf8(folder) + u"/splash_en.png"_s));
}

}  // namespace
