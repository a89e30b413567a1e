// The language switch with every window open: no visible text may stay in the other language.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <set>
#include <string>
#include <vector>

#include "ServicesFixture.h"
#include "histogram/HistogramFile.h"
#include "shell/Messages.h"
#include "ui/ChartWindow.h"
#include "ui/ExportTexts.h"
#include "ui/MainWindow.h"
#include "ui/Startup.h"
#include "ui/TextSets.h"
#include "ui/VerificationTexts.h"
#include "ui/WindowTexts.h"

using namespace Qt::StringLiterals;

namespace {

// Every text the text sets, the messages and the export texts give in `lang`, split into its
// visible parts (hint halves, item lines, message lines).
std::set<QString> textsOf(Language lang) {
  std::set<QString> out;
  auto addLines = [&](const std::string& text) {
    for (const QString& line : QString::fromStdString(text).split(QRegularExpression(u"[\r\n|]+"_s))) {
      const QString t = line.trimmed();
      if (!t.isEmpty()) out.insert(t);
    }
    const QString whole = QString::fromStdString(text).trimmed();
    if (!whole.isEmpty()) out.insert(whole);
  };
  for (int n : registeredTextSets())
    for (const TextRow& r : textRows(n, lang)) addLines(expandTextTokens(r.text, lang));
  for (const TextSet* set : {&kChartAssessmentTexts, &kChartVerificationTexts})
    for (const TextRow& r : lang == Language::Czech ? set->czech : set->english)
      addLines(expandTextTokens(r.text, lang));
  for (int k = 0; k < static_cast<int>(VerificationText::Count); ++k)
    addLines(verificationText(static_cast<VerificationText>(k), lang));
  for (int m = 0; m < 1100; ++m)
    if (MessageExists(m)) addLines(MessageText(m, lang));
  for (int k = 0; k < static_cast<int>(ExportText::Count); ++k)
    addLines(exportText(static_cast<ExportText>(k), lang));
  // Names of the design standards and of the Lévy distribution read the same in both languages.
  out.insert(u"Lévy"_s);
  out.insert(u"ČSN EN 1990"_s);
  out.insert(u"ČSN (STN) 73 1401"_s);
  return out;
}

struct Found {
  QString where;
  QString text;
};

// The visible texts of a window and its children: captions, labels, button and box texts, tool tips,
// status tips, menu and action texts, combo box items, table headers and items, chart titles.
std::vector<Found> visibleTexts(QWidget& window) {
  std::vector<Found> out;
  auto add = [&](const QObject* o, const char* what, const QString& t) {
    if (!t.trimmed().isEmpty())
      out.push_back({window.objectName() + u'/' + o->objectName() + u'.' + QString::fromLatin1(what), t});
  };
  auto addAction = [&](const QAction* a) {
    add(a, "text", a->text());
    add(a, "toolTip", a->toolTip() == QString(a->text()).remove(u'&') ? QString() : a->toolTip());
    add(a, "statusTip", a->statusTip());
    if (a->menu()) add(a->menu(), "title", a->menu()->title());
  };
  QList<QWidget*> widgets = window.findChildren<QWidget*>();
  widgets.prepend(&window);
  for (QWidget* w : widgets) {
    if (w == &window) add(w, "windowTitle", w->windowTitle());
    add(w, "toolTip", w->toolTip());
    add(w, "statusTip", w->statusTip());
    if (auto* l = qobject_cast<QLabel*>(w)) add(l, "text", l->text());
    if (auto* b = qobject_cast<QAbstractButton*>(w)) add(b, "text", b->text());
    if (auto* g = qobject_cast<QGroupBox*>(w)) add(g, "title", g->title());
    if (auto* e = qobject_cast<QLineEdit*>(w)) add(e, "placeholder", e->placeholderText());
    if (auto* m = qobject_cast<QMenu*>(w)) add(m, "title", m->title());
    if (auto* c = qobject_cast<QComboBox*>(w))
      for (int i = 0; i < c->count(); ++i) add(c, "item", c->itemText(i));
    if (auto* t = qobject_cast<QTabWidget*>(w))
      for (int i = 0; i < t->count(); ++i) add(t, "tab", t->tabText(i));
    if (auto* t = qobject_cast<QTableWidget*>(w)) {
      for (int c = 0; c < t->columnCount(); ++c)
        if (auto* h = t->horizontalHeaderItem(c)) add(t, "header", h->text());
      for (int r = 0; r < t->rowCount(); ++r) {
        if (auto* h = t->verticalHeaderItem(r)) add(t, "header", h->text());
        for (int c = 0; c < t->columnCount(); ++c)
          if (auto* i = t->item(r, c)) {
            add(t, "item", i->text());
            add(t, "itemToolTip", i->toolTip());
          }
      }
    }
    if (auto* v = qobject_cast<QChartView*>(w); v && v->chart()) {
      add(v, "chartTitle", v->chart()->title());
      for (auto* axis : v->chart()->axes()) add(v, "axisTitle", axis->titleText());
    }
    for (const QAction* a : w->actions()) addAction(a);
  }
  return out;
}

bool hasCzechLetters(const QString& s) {
  static const QString czech = u"ěščřžýáíéůúňťďĚŠČŘŽÝÁÍÉŮÚŇŤĎ"_s;
  for (QChar c : s)
    if (czech.contains(c)) return true;
  return false;
}

// Texts of `w` that belong to `other` only, or that carry Czech letters in English and are no text of
// the English tables.
std::vector<Found> leftovers(const std::vector<QWidget*>& windows, Language now) {
  const Language other = now == Language::Czech ? Language::English : Language::Czech;
  const std::set<QString> mine = textsOf(now);
  std::set<QString> theirs;
  for (const QString& t : textsOf(other))
    if (!mine.contains(t) && t.size() >= 2) theirs.insert(t);
  std::vector<Found> bad;
  for (QWidget* w : windows)
    for (const Found& f : visibleTexts(*w)) {
      bool wrong = false;
      for (const QString& line : f.text.split(QRegularExpression(u"[\r\n|]+"_s))) {
        const QString t = line.trimmed();
        if (t.isEmpty() || mine.contains(t)) continue;
        if (theirs.contains(t)) wrong = true;
        if (now == Language::English && hasCzechLetters(t)) wrong = true;
      }
      if (wrong) bad.push_back(f);
    }
  return bad;
}

std::string report(const std::vector<Found>& bad) {
  std::string s;
  for (const Found& f : bad) s += "  " + f.where.toStdString() + ": \"" + f.text.toStdString() + "\"\n";
  return s;
}

class LanguageSwitch : public ServicesTest {};

TEST_F(LanguageSwitch, EveryOpenWindowLeavesNoTextOfTheOtherLanguage) {
  const std::unique_ptr<VeltraWindows> all = createWindows(*services);
  makeEveryWindow(services->windows);
  std::vector<QWidget*> windows;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName().startsWith(u"Form"_s) && w->objectName() != u"Form10"_s) windows.push_back(w);
  ASSERT_GE(windows.size(), 12u);
  for (QWidget* w : windows) w->show();
  // The chart window with a histogram, so its composed caption and tables are walked too.
  Refusal e;
  const auto h = ReadHistogramFile(EXAMPLES_DIR "/Veltra/Histograms/Jilovec_pevnost.dis", e);
  ASSERT_TRUE(h);
  all->chart->Fill(kSrcReducedStrength, *h);
  QApplication::processEvents();

  auto* czech = all->main->findChild<QAction*>(u"Cestina"_s);
  auto* english = all->main->findChild<QAction*>(u"Anglictina"_s);
  ASSERT_TRUE(czech && english);
  EXPECT_EQ(report(leftovers(windows, Language::Czech)), "") << "Czech at start";

  english->trigger();
  QApplication::processEvents();
  ASSERT_EQ(services->language(), Language::English);
  EXPECT_EQ(report(leftovers(windows, Language::English)), "") << "after switching to English";
  // Pictures of every window in English, for a look by eye, when a folder is given.
  if (const QString dir = qEnvironmentVariable("VELTRA_SCREENSHOT_DIR"); !dir.isEmpty())
    for (QWidget* w : windows) w->grab().save(dir + u'/' + w->objectName() + u"_en.png"_s);
  {
    // The walk sees a text left behind.
    QLabel stray(u"Prvotní data"_s, all->main);
    stray.setObjectName(u"Stray"_s);
    EXPECT_EQ(report(leftovers({all->main}, Language::English)), "  Form1/Stray.text: \"Prvotní data\"\n");
  }

  // Clicking the checked language changes nothing.
  const QString title = all->main->windowTitle();
  english->trigger();
  EXPECT_TRUE(english->isChecked());
  EXPECT_EQ(all->main->windowTitle(), title);

  czech->trigger();
  QApplication::processEvents();
  ASSERT_EQ(services->language(), Language::Czech);
  EXPECT_EQ(report(leftovers(windows, Language::Czech)), "") << "after switching back to Czech";
  for (QWidget* w : windows) w->hide();
}

}  // namespace
