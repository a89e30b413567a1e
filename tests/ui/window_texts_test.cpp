// In English no window shows a Czech letter, proper names aside: neither the texts of the window sets
// nor the texts composed at run time (chart titles and series, questions, dialog buttons, the splash
// lines, the default results name).

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QTableWidget>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "ServicesFixture.h"
#include "creation/ParametricGenerator.h"
#include "histogram/HistogramFile.h"
#include "shell/FileTexts.h"
#include "shell/Messages.h"
#include "ui/ChartWindow.h"
#include "ui/DesignWindow.h"
#include "ui/ExportTexts.h"
#include "ui/FitTableWindow.h"
#include "ui/MainWindow.h"
#include "ui/ProjectFiles.h"
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

// Calls `visit` with every visible text of `window` and its children: the object, what the text is and
// the text.
void visitTexts(QWidget& window,
                const std::function<void(const QObject*, const char*, const QString&)>& visit) {
  QList<QWidget*> widgets = window.findChildren<QWidget*>();
  widgets.prepend(&window);
  for (QWidget* w : widgets) {
    visit(w, "windowTitle", w->windowTitle());
    visit(w, "toolTip", w->toolTip());
    visit(w, "statusTip", w->statusTip());
    if (auto* l = qobject_cast<QLabel*>(w)) visit(l, "text", l->text());
    if (auto* b = qobject_cast<QAbstractButton*>(w)) visit(b, "text", b->text());
    if (auto* g = qobject_cast<QGroupBox*>(w)) visit(g, "title", g->title());
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
      visit(e, "text", e->text());
      visit(e, "placeholder", e->placeholderText());
    }
    if (auto* m = qobject_cast<QMenu*>(w)) visit(m, "title", m->title());
    if (auto* c = qobject_cast<QComboBox*>(w))
      for (int i = 0; i < c->count(); ++i) visit(c, "item", c->itemText(i));
    if (auto* l = qobject_cast<QListWidget*>(w))
      for (int i = 0; i < l->count(); ++i) visit(l, "item", l->item(i)->text());
    if (auto* t = qobject_cast<QTableWidget*>(w)) {
      for (int c = 0; c < t->columnCount(); ++c)
        if (auto* h = t->horizontalHeaderItem(c)) visit(t, "header", h->text());
      for (int r = 0; r < t->rowCount(); ++r) {
        if (auto* h = t->verticalHeaderItem(r)) visit(t, "header", h->text());
        for (int c = 0; c < t->columnCount(); ++c)
          if (auto* i = t->item(r, c)) {
            visit(t, "cell", i->text());
            visit(t, "cellToolTip", i->toolTip());
          }
      }
    }
    if (auto* v = qobject_cast<QChartView*>(w); v && v->chart()) {
      visit(v, "chartTitle", v->chart()->title());
      for (const auto* axis : v->chart()->axes()) visit(v, "axisTitle", axis->titleText());
      for (const auto* series : v->chart()->series()) visit(v, "seriesName", series->name());
    }
    for (const QAction* a : w->actions()) {
      visit(a, "text", a->text());
      visit(a, "toolTip", a->toolTip());
      visit(a, "statusTip", a->statusTip());
      if (a->menu()) visit(a->menu(), "title", a->menu()->title());
    }
  }
}

// One line of a walk's finding: window/control.property: "text".
std::string finding(const QWidget& window, const QObject* o, const char* what, const QString& t) {
  return (window.objectName() + u'/' + o->objectName() + u'.' + QString::fromLatin1(what) + u": \""_s + t +
          u"\"\n"_s)
      .toStdString();
}

// Every visible text of `window` and its children that holds a Czech letter, one line each.
std::string czechTextsOf(QWidget& window, const QStringList& data = {}) {
  std::string out;
  visitTexts(window, [&](const QObject* o, const char* what, const QString& t) {
    if (!czechLetters(t, data).isEmpty()) out += finding(window, o, what, t);
  });
  return out;
}

// English words that have no place on a Czech screen (whole words, any letter case). Words Czech
// shares with English (histogram, data, index, interval, program, text, editor, panel) are not here.
const QSet<QString> kEnglishWords = {
    u"all"_s,   u"and"_s,       u"back"_s,       u"basic"_s,  u"cancel"_s,    u"chart"_s,     u"clear"_s,
    u"close"_s, u"closeness"_s, u"color"_s,      u"colors"_s, u"copy"_s,      u"custom"_s,    u"cut"_s,
    u"date"_s,  u"default"_s,   u"delete"_s,     u"detail"_s, u"directory"_s, u"discrete"_s,  u"exit"_s,
    u"file"_s,  u"files"_s,     u"folder"_s,     u"help"_s,   u"image"_s,     u"key"_s,       u"labels"_s,
    u"look"_s,  u"marks"_s,     u"name"_s,       u"new"_s,    u"open"_s,      u"paste"_s,     u"pick"_s,
    u"print"_s, u"redo"_s,      u"save"_s,       u"screen"_s, u"select"_s,    u"separator"_s, u"settings"_s,
    u"the"_s,   u"time"_s,      u"triangular"_s, u"type"_s,   u"undo"_s,      u"uniform"_s,   u"value"_s,
    u"view"_s,  u"window"_s,    u"yes"_s,        u"no"_s};

// Texts the Czech screens show as quoted for them, English words and all: menu items kept in both
// languages, the new-histogram and raw-data buttons, the histogram type, list texts of distribution
// types, the distribution function's marks box, the axis selectors, the histogram file keywords, the
// browser and the preset values of the messages, and the filters of the original's file dialogs.
const QStringList kQuotedTexts = {
    u"&Help"_s,
    u"D&ate Separator"_s,
    u"T&ime Separator"_s,
    u"&All closeness"_s,
    u"Plotix&Commander - visible ?"_s,
    u"&value f(z)"_s,
    u"Marks"_s,
    u"&Save"_s,
    u"&Save  "_s,
    u"Discrete"_s,
    u"Uniform"_s,
    u"Triangular"_s,
    u"Value x"_s,
    u"Value   x"_s,
    u"Chyba při spuštění programu Internet Explorer"_s,
    u"Není správný typ ( Discrete ) !\r\n\r\n\t( zadáno: Type= %s )"_s,
    u"Nebyl zadán některý z klíčových slov : Min | Max | Bins | Total "_s,
    u"Chcete opravdu přejít k default hodnotám objektů  ?"_s,
    u"Distributions Files (*.dis)|*.dis|All files (*.*)|*.*"_s,
    u"&Labels na základní ose grafu"_s,
    u"WinHlp32.exe je už nainstalován ?  ( při ANO se vyvolá Help a okno se již víckrát nezobrazí !)"_s,
    u"Adresář souboru Help nenalezen !\r\n\r\n%s"_s};

// The English words of `text`, unless the text is one of the quoted ones, the message of a composed text
// being one of them, or the words stand in double quotes (a name cited, such as a list item).
QStringList englishWords(QString text) {
  text.remove(u'&');  // accelerators; an item's tool tip is its text without them
  for (QString q : kQuotedTexts) {
    q.remove(u'&');
    if (text == q) return {};
    // A composed text: a quoted message followed by what the program puts after it (a path).
    const QString head = q.left(q.indexOf(u"%s"_s));
    if (q.contains(u"%s"_s) && text.startsWith(head)) return {};
  }
  QStringList found;
  QString word;
  bool cited = false;
  auto flush = [&] {
    if (!cited && kEnglishWords.contains(word.toLower()) && !found.contains(word)) found << word;
    word.clear();
  };
  for (QChar c : text) {
    if (c.isLetter()) {
      word += c;
      continue;
    }
    flush();
    if (c == u'"') cited = !cited;
  }
  flush();
  return found;
}

// Every visible text of `window` and its children holding an English word, one line each.
std::string englishTextsOf(QWidget& window) {
  std::string out;
  visitTexts(window, [&](const QObject* o, const char* what, const QString& t) {
    if (!englishWords(t).isEmpty()) out += finding(window, o, what, t);
  });
  return out;
}

class WindowTexts : public ServicesTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(ServicesTest::SetUp());
    copyExamples();
    all = createWindows(*services);
    makeEveryWindow(services->windows);
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
  Refusal error;
  const auto h = ReadHistogramFile(EXAMPLES_DIR "/Veltra/Histograms/Jilovec_pevnost.dis", error);
  ASSERT_TRUE(h);
  main->project().boltCount = "4";
  main->project().d1 = "22";
  main->project().d2 = "0";
  for (Source source : {kSrcReducedStrength, kSrcBearingCapacity, kSrcBoltLength, kSrcBoltLoad,
                        kSrcReliability, kSrcNewHistogram}) {
    all->chart->Fill(source, *h);
    QApplication::processEvents();
    EXPECT_EQ(czechTextsOf(*all->chart), "") << "source " << source;
  }
  // The last title composed, with the default results name of the language.
  auto* view = all->chart->findChild<QChartView*>();
  ASSERT_TRUE(view);
  EXPECT_TRUE(view->chart()->title().contains(u"Strength of intact rock"_s))
      << view->chart()->title().toStdString();
  all->chart->Fill(kSrcReliability, *h);
  EXPECT_TRUE(view->chart()->title().contains(u"Reliability assessment ( Results_Veltra )"_s))
      << view->chart()->title().toStdString();
  all->chart->Fill(kSrcBearingCapacity, *h);
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
  all->chart->Fill(kSrcBoltLoad, *h);
  EXPECT_TRUE(view->chart()->title().contains(u"Zatížení svorníků"_s))
      << view->chart()->title().toStdString();
  for (const WindowEntry& e : windowTable())
    if (QWidget* w = e.find(services->windows)) w->hide();
}

TEST_F(WindowTexts, AfterTheWholeChainASwitchToEnglishLeavesNoCzechButTheProjectsOwnNames) {
  // The rock types of the project's layers are its own names.
  const QStringList data = {u"Jílovec"_s, u"Pískovec"_s};
  dialogs.answerFile(services->folders.ProjectsFolder + "/Chodba_K12.hor");
  main->openProjectAction->trigger();
  ASSERT_GT(main->project().nextLayerRow, 1);
  main->findChild<QAbstractButton*>(u"BBRedPev"_s)->click();
  main->findChild<QAbstractButton*>(u"BBDelSvor"_s)->click();
  main->findChild<QAbstractButton*>(u"BBZatSv"_s)->click();
  main->findChild<QAbstractButton*>(u"BBFunSpoj"_s)->click();
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
  // The design of the bolt pattern with its figures, table and chart.
  all->chart->findChild<QPushButton*>(u"BBNavrh"_s)->click();
  QTRY_VERIFY_WITH_TIMEOUT(all->design->outcome() && !all->design->computing(), 60000);
  EXPECT_NE(czechTextsOf(*all->design, data), "") << "the design is shown in Czech";

  switchTo(Language::English);
  EXPECT_EQ(czechTextsOfAllWindows(data), "");
  // Computed again in English; the design follows the new results.
  main->findChild<QAbstractButton*>(u"BBFunSpoj"_s)->click();
  QApplication::processEvents();
  QTRY_VERIFY_WITH_TIMEOUT(all->design->outcome() && !all->design->computing(), 60000);
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
  // Type names spelt the Czech way without a Czech letter are English too: "Gama" is "Gamma".
  const QComboBox* types = raw->findChild<QComboBox*>(u"CBTypPara"_s);
  QStringList names;
  for (int i = 0; i < types->count(); ++i) names << types->itemText(i);
  EXPECT_TRUE(names.contains(u"Gamma"_s)) << names.join(u' ').toStdString();
  for (const QString& czech : {u"Gama"_s, u"Gumbelovo_I"_s, u"Gumbelovo_II"_s, u"Snedecorovo"_s})
    EXPECT_FALSE(names.contains(czech)) << czech.toStdString();
  fits->findChild<QPushButton*>(u"BKonec"_s)->click();
}

// Czech screens show no English word but the texts quoted for them: every window after the whole
// chain and a fit, and Qt's own file and colour dialogs (Qt's translations).
TEST_F(WindowTexts, CzechScreensShowNoEnglishWordsButTheQuotedTexts) {
  dialogs.answerFile(services->folders.ProjectsFolder + "/Chodba_K12.hor");
  main->openProjectAction->trigger();
  main->findChild<QAbstractButton*>(u"SpocitatVse"_s)->click();
  ASSERT_TRUE(main->project().assessmentDone);
  RawDataWindow* raw = services->windows.rawData;
  dialogs.answerFile(std::string(TEST_DATA_DIR) + "/rawdata/normal_mu50_sigma5.txt");
  raw->OpenDataClick();
  raw->findChild<QPushButton*>(u"BuParam"_s)->click();
  for (const WindowEntry& e : windowTable())
    if (QWidget* w = e.find(services->windows)) w->show();
  QApplication::processEvents();
  ASSERT_TRUE(dialogs.asked.empty()) << dialogs.asked.front().text;
  std::string out;
  for (const WindowEntry& e : windowTable())
    if (QWidget* w = e.find(services->windows)) out += englishTextsOf(*w);
  QFileDialog files;
  files.setOption(QFileDialog::DontUseNativeDialog);
  files.setAcceptMode(QFileDialog::AcceptSave);
  files.setObjectName(u"QFileDialog"_s);
  out += englishTextsOf(files);
  QColorDialog colours;
  colours.setOption(QColorDialog::DontUseNativeDialog);
  colours.setObjectName(u"QColorDialog"_s);
  out += englishTextsOf(colours);
  EXPECT_EQ(out, "");
  for (const WindowEntry& e : windowTable())
    if (QWidget* w = e.find(services->windows)) w->hide();
}

TEST_F(WindowTexts, QuestionsButtonsAndDefaultsFollowTheLanguage) {
  auto* name = main->findChild<QLineEdit*>(u"EdNazevVys"_s);
  ASSERT_TRUE(name);
  EXPECT_EQ(name->text().toStdString(), MessageText(156, Language::Czech));

  main->newProjectAction->trigger();
  EXPECT_TRUE(dialogs.asked.empty()) << "at start";
  // The default results name follows the language and leaves the work saved: New asks nothing.
  switchTo(Language::English);
  EXPECT_EQ(name->text(), u"Results_Veltra"_s);
  EXPECT_EQ(main->project().resultsName, "Results_Veltra");
  main->newProjectAction->trigger();
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
  dialogs.answer(mrCancel);
  main->newProjectAction->trigger();
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].text, runtimeText(RuntimeText::UnsavedWork, Language::English));
  EXPECT_EQ(dialogs.asked[0].caption, MessageText(1, Language::English));

  // Saving a project whose width histogram was made in memory names the slot in English.
  dialogs.asked.clear();
  dialogs.answer(mrNo);  // the work is not saved first
  dialogs.answerFile(services->folders.ProjectsFolder + "/Chodba_K12.hor");
  main->openProjectAction->trigger();
  ASSERT_GT(main->project().nextLayerRow, 1);
  main->project().width.name = "B";
  dialogs.asked.clear();
  dialogs.answerFile(services->folders.ProjectsFolder + "/Copy.hor");
  dialogs.answer(mrNo);  // leave the width histogram out of the project
  main->files().saveProject();
  ASSERT_FALSE(dialogs.asked.empty());
  const std::string& question = dialogs.asked[0].text;
  EXPECT_NE(question.find("B : Width of the mine working"), std::string::npos) << question;
  EXPECT_TRUE(czechLetters(QString::fromStdString(question)).isEmpty()) << question;

  // The message box buttons speak the program's language.
  for (Language lang : {Language::English, Language::Czech}) {
    services->setLanguage(lang);
    MessageDialog box(u"?"_s, u"?"_s, DlgKind::Confirmation, DlgButtons::YesNoCancel, mrYes,
                      services->language(), nullptr);
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

// Every Czech row of the text sets and tables is free of English words, the quoted texts aside (rows a
// walk through the windows may never reach).
TEST(TextTables, CzechRowsHoldNoEnglishWordsButTheQuotedTexts) {
  std::string bad;
  auto check = [&](const std::string& where, const std::string& text) {
    const QStringList words = englishWords(QString::fromStdString(text));
    if (!words.isEmpty()) bad += where + " [" + words.join(u',').toStdString() + "]: " + text + "\n";
  };
  for (int k = 0; k < static_cast<int>(RuntimeText::Count); ++k)
    check("RuntimeText " + std::to_string(k), runtimeText(static_cast<RuntimeText>(k), Language::Czech));
  for (int k = 0; k < static_cast<int>(ExportText::Count); ++k)
    check("ExportText " + std::to_string(k), exportText(static_cast<ExportText>(k), Language::Czech));
  for (int k = 0; k < static_cast<int>(FileText::Count); ++k)
    check("FileText " + std::to_string(k), FileTextOf(static_cast<FileText>(k), Language::Czech));
  for (int n : registeredTextSets())
    for (const TextRow& r : textRows(n, Language::Czech)) {
      const std::string text = expandTextTokens(r.text, Language::Czech);
      const std::string where = "text set " + std::to_string(n) + " " + std::string(r.control);
      if (r.prop == TextProp::Items)
        for (const QString& item : QString::fromStdString(text).split(u'\n'))
          check(where, item.toStdString());
      else if (r.prop == TextProp::Hint)
        for (const std::string& part : {splitHint(text).first, splitHint(text).second}) check(where, part);
      else
        check(where, text);
    }
  for (int m = 0; m < 1100; ++m)
    if (MessageExists(m)) check("message " + std::to_string(m), MessageText(m, Language::Czech));
  for (int t = 0; t < kParametricTypeCount; ++t)
    check("type " + std::to_string(t), ParametricTypeName(t, Language::Czech));
  EXPECT_EQ(bad, "");
  // Distribution types: the Czech list texts as quoted, English ones of our own.
  struct Name {
    int type;
    const char *czech, *english;
  };
  for (const Name& n :
       {Name{2, "Gumbelovo_I", "Gumbel_I"}, Name{3, "Gumbelovo_II", "Gumbel_II"}, Name{15, "Gama", "Gamma"},
        Name{16, "Snedecorovo", "Snedecor"}, Name{18, "Uniform", "Uniform"}}) {
    EXPECT_EQ(ParametricTypeName(n.type, Language::Czech), n.czech);
    EXPECT_EQ(ParametricTypeName(n.type, Language::English), n.english);
  }
  // Cauchy's scale parameter in English.
  EXPECT_EQ(ParametricPresentationOf(5, Language::English).labels[1], "Gamma");
  EXPECT_EQ(ParametricPresentationOf(5, Language::Czech).labels[1], "Gama");
  // The walk names an English word, and a quoted text passes.
  EXPECT_EQ(englishWords(u"Uložit graf do souboru (Save)"_s), QStringList{u"Save"_s});
  EXPECT_TRUE(englishWords(u"D&ate Separator"_s).isEmpty());
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
