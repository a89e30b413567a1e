// Window text sets: the mechanism, the keys of both languages and the main window's set.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QToolButton>
#include <set>
#include <tuple>

#include "ShellFixture.h"
#include "shell/Messages.h"
#include "ui/AboutWindow.h"
#include "ui/DistributionFunctionWindow.h"
#include "ui/FitTableWindow.h"
#include "ui/HelpInfoWindow.h"
#include "ui/ParametricWindow.h"
#include "ui/RawDataWindow.h"
#include "ui/Startup.h"
#include "ui/TextSets.h"
#include "ui/WindowTable.h"
#include "ui/WindowTexts.h"

namespace {

using Key = std::tuple<std::string, TextProp, int, int>;

std::vector<Key> keysOf(std::span<const TextRow> rows) {
  std::vector<Key> out;
  for (const TextRow& r : rows) out.emplace_back(std::string(r.control), r.prop, r.row, r.col);
  return out;
}

}  // namespace

TEST(TextSets, CzechAndEnglishHaveTheSameKeys) {
  const std::vector<int> sets = registeredTextSets();
  ASSERT_FALSE(sets.empty());
  for (int n : sets) {
    SCOPED_TRACE("window " + std::to_string(n));
    const auto cs = keysOf(textRows(n, Language::Czech));
    const auto en = keysOf(textRows(n, Language::English));
    EXPECT_EQ(cs, en);
    EXPECT_EQ(std::set<Key>(cs.begin(), cs.end()).size(), cs.size()) << "a key appears twice";
  }
  EXPECT_EQ(keysOf(kChartAssessmentTexts.czech), keysOf(kChartAssessmentTexts.english));
}

TEST(TextSets, WindowsWithSetsAtStartUp) {
  for (int n : {1, 2, 4, 5, 9, 11, 12, 13, 14}) EXPECT_NE(findTextSet(n), nullptr) << n;
  EXPECT_EQ(findTextSet(10), nullptr);  // the splash has none
}

TEST(TextSets, RowsReachTheirElements) {
  QWidget w;
  auto* label = new QLabel(&w);
  label->setObjectName(u"Lab"_s);
  auto* box = new QGroupBox(&w);
  box->setObjectName(u"Box"_s);
  auto* button = new QPushButton(&w);
  button->setObjectName(u"Btn"_s);
  auto* table = new QTableWidget(2, 3, &w);
  table->setObjectName(u"Grid"_s);
  auto* combo = new QComboBox(&w);
  combo->setObjectName(u"Combo"_s);
  combo->addItems({u"a"_s, u"b"_s, u"c"_s});
  combo->setCurrentIndex(1);
  QSignalSpy comboChanged(combo, &QComboBox::currentIndexChanged);

  const Language cs = Language::Czech;
  EXPECT_TRUE(applyTextRow(w, {"", TextProp::Caption, "  VELTRA :  okno"}, cs));
  EXPECT_TRUE(applyTextRow(w, {"Lab", TextProp::Text, "Název"}, cs));
  EXPECT_TRUE(applyTextRow(w, {"Box", TextProp::Text, "  Zadání 1 "}, cs));
  EXPECT_TRUE(applyTextRow(w, {"Btn", TextProp::Hint, "Krátká|Dlouhá nápověda"}, cs));
  EXPECT_TRUE(applyTextRow(w, {"Grid", TextProp::Cell, "Graf", 0, 2}, cs));
  EXPECT_TRUE(applyTextRow(w, {"Combo", TextProp::Items, "x\ny"}, cs));
  EXPECT_FALSE(applyTextRow(w, {"Missing", TextProp::Text, "x"}, cs));
  EXPECT_FALSE(applyTextRow(w, {"Grid", TextProp::Cell, "x", 5, 0}, cs));  // outside the grid
  EXPECT_FALSE(applyTextRow(w, {"Lab", TextProp::Items, "x"}, cs));        // a label has no items

  EXPECT_EQ(w.windowTitle(), u"  VELTRA :  okno"_s);
  EXPECT_EQ(label->text(), u"Název"_s);
  EXPECT_EQ(box->title(), u"  Zadání 1 "_s);
  EXPECT_EQ(button->toolTip(), u"Krátká"_s);
  EXPECT_EQ(button->statusTip(), u"Dlouhá nápověda"_s);
  ASSERT_NE(table->item(0, 2), nullptr);
  EXPECT_EQ(table->item(0, 2)->text(), u"Graf"_s);
  ASSERT_EQ(combo->count(), 2);
  EXPECT_EQ(combo->itemText(1), u"y"_s);
  EXPECT_EQ(combo->currentIndex(), 1);  // the choice survives re-texting
  EXPECT_EQ(comboChanged.count(), 0);   // and the window's handlers see no change
}

TEST(TextSets, MessageTokensAndHints) {
  EXPECT_EQ(expandTextTokens("{m138}\nHistogram", Language::Czech),
            MessageText(138, Language::Czech) + "\nHistogram");
  EXPECT_EQ(expandTextTokens("{m138}", Language::English), MessageText(138, Language::English));
  EXPECT_EQ(expandTextTokens("{x} {m} {m12a} {", Language::Czech), "{x} {m} {m12a} {");
  EXPECT_EQ(splitHint("krátká|dlouhá|s čarou"),
            std::make_pair(std::string("krátká"), std::string("dlouhá|s čarou")));
  EXPECT_EQ(splitHint("jen jedna"), std::make_pair(std::string("jen jedna"), std::string("jen jedna")));
}

using MainWindowTexts = ShellTest;

TEST_F(MainWindowTexts, EveryRowFindsItsElement) {
  MainWindow& w = makeMain();
  for (Language lang : {Language::Czech, Language::English})
    for (const TextRow& row : textRows(1, lang)) EXPECT_TRUE(applyTextRow(w, row, lang)) << row.control;
}

// Every row of every set reaches an element of the window as start-up builds it, in both languages.
TEST(TextSets, EveryRowFindsItsElementInAFreshWindow) {
  ScriptedDialogs dialogs;
  QTemporaryDir tmp;
  SettingsFile settings((tmp.path() + u"/Veltra.INI"_s).toStdString());
  Services services{dialogs, settings, {}, "1.5.6.5", {}, {}};
  auto windows = createWindows(services);
  makeEveryWindow(services.windows);
  for (const WindowEntry& e : windowTable()) {
    if (!e.texts) continue;
    QWidget* window = e.find(services.windows);
    ASSERT_NE(window, nullptr) << "window " << e.number;
    for (Language lang : {Language::Czech, Language::English})
      for (const TextRow& row : textRows(e.number, lang))
        EXPECT_TRUE(applyTextRow(*window, row, lang)) << "window " << e.number << ": " << row.control;
  }
}

// The input area carries no texts of its own: switched to English, it shows no Czech letter.
TEST_F(MainWindowTexts, InputAreaTextsComeOnlyFromTheSet) {
  MainWindow& w = makeMain();
  for (const char* name : {"CBDruhTab", "CBTypOkna"})
    EXPECT_EQ(w.findChild<QComboBox*>(QString::fromLatin1(name))->currentIndex(), 0) << name;
  applyTexts(w, 1, Language::English);
  const QString czech = u"áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ"_s;
  auto hasCzech = [&](const QString& text) {
    for (QChar ch : text)
      if (czech.contains(ch)) return true;
    return false;
  };
  QWidget* area = w.findChild<QWidget*>(u"InputArea"_s);
  ASSERT_NE(area, nullptr);
  for (auto* l : area->findChildren<QLabel*>())
    EXPECT_FALSE(hasCzech(l->text())) << l->objectName().toStdString();
  for (auto* b : area->findChildren<QAbstractButton*>())
    EXPECT_FALSE(hasCzech(b->text())) << b->objectName().toStdString();
  for (auto* g : area->findChildren<QGroupBox*>())
    EXPECT_FALSE(hasCzech(g->title())) << g->objectName().toStdString();
  for (auto* t : area->findChildren<QTableWidget*>())
    for (int c = 0; c < t->columnCount(); ++c)
      if (t->item(0, c)) {
        EXPECT_FALSE(hasCzech(t->item(0, c)->text())) << t->objectName().toStdString();
      }
  for (const char* name : {"CBDruhTab", "CBTypOkna"}) {
    auto* combo = w.findChild<QComboBox*>(QString::fromLatin1(name));
    ASSERT_NE(combo, nullptr);
    for (int i = 0; i < combo->count(); ++i) EXPECT_FALSE(hasCzech(combo->itemText(i))) << name;
  }
  EXPECT_EQ(w.findChild<QLabel*>(u"LabelB_2H"_s)->text(), u"2B*  [ m ]"_s);
  EXPECT_EQ(w.findChild<QGroupBox*>(u"GroupBox2"_s)->title(), u"  Assignment 1 "_s);
}

TEST_F(MainWindowTexts, CaptionCarriesDescriptionAndVersion) {
  services->programVersion = "1.5.6.5";
  MainWindow& w = makeMain();
  const std::string cs = "   V E L T R A  -  " + MessageText(8, Language::Czech) + "       ( " +
                         MessageText(132, Language::Czech) + " : 1.5.6.5 ) ";
  EXPECT_EQ(w.windowTitle().toStdString(), cs);
  EXPECT_EQ(
      w.windowTitle(),
      u"   V E L T R A  -  Program výpočtu spolehlivosti pelmora důlní výztuže       ( Verze : 1.5.6.5 ) "_s);
  EXPECT_EQ(mainWindowCaption(Language::English, "2.0"),
            "   V E L T R A  -  " + MessageText(8, Language::English) + "     ( " +
                MessageText(132, Language::English) + " : 2.0 )  ");
}

TEST_F(MainWindowTexts, MenuCaptionsInBothLanguages) {
  MainWindow& w = makeMain();
  EXPECT_EQ(w.findChild<QMenu*>(u"Soubor1"_s)->title(), u"&Projekt"_s);
  EXPECT_EQ(action("SaveTabHorn1")->text(), u"&Uložit ..."_s);
  EXPECT_EQ(action("Cestina")->text(), u"&Čeština"_s);
  EXPECT_EQ(action("dvojtecka1")->text(), u": (dvojtečka)"_s);
  EXPECT_EQ(action("PlotCom")->text(), u"Plotix&Commander - visible ?"_s);
  applyTexts(w, 1, Language::English);
  EXPECT_EQ(w.findChild<QMenu*>(u"Soubor1"_s)->title(), u"&Project"_s);
  EXPECT_EQ(w.findChild<QMenu*>(u"Nastaveni1"_s)->title(), u"&Set up"_s);
  EXPECT_EQ(action("SaveTabHorn1")->text(), u"&SaveAs ..."_s);
  EXPECT_EQ(action("UlozOkno1")->text(), u"&Save window"_s);
  EXPECT_EQ(action("PlotCom")->text(), u"Plotix&Commander - visible ?"_s);
}

TEST_F(MainWindowTexts, ToolbarButtonsShowTheHintsOfTheirMenuItems) {
  MainWindow& w = makeMain();
  for (const auto& [button, item] :
       {std::pair{"Novy", "Novy1"}, {"OVerzi", "Overzi1"}, {"SaveVysl", "SaveVysl1"}}) {
    auto* b = w.findChild<QToolButton*>(QString::fromUtf8(button));
    ASSERT_NE(b, nullptr) << button;
    EXPECT_FALSE(action(item)->toolTip().isEmpty());
    EXPECT_EQ(b->toolTip(), action(item)->toolTip());
    EXPECT_EQ(b->statusTip(), action(item)->statusTip());
    EXPECT_NE(b->toolTip(), b->statusTip()) << "short and long parts";
  }
}

TEST(FrameWindows, CaptionsFollowTheLanguage) {
  ScriptedDialogs dialogs;
  QTemporaryDir tmp;
  SettingsFile settings((tmp.path() + u"/Veltra.INI"_s).toStdString());
  Services services{dialogs, settings, {}, "1.5.6.5", {}, {}};
  auto windows = createWindows(services);
  EXPECT_EQ(services.windows.parametric->windowTitle(), u"  VELTRA :   Parametrické rozdělení"_s);
  EXPECT_EQ(services.windows.fitTable->windowTitle(),
            u"  VELTRA : Tabulka vhodných histogramů s parametrickým rozdělením pravděpodobnosti"_s);
  services.windows.openAbout();
  ASSERT_NE(services.windows.about, nullptr);
  EXPECT_EQ(services.windows.about->windowTitle(), u"VELTRA "_s);
  windows->main->englishItem->trigger();
  EXPECT_EQ(services.windows.rawData->windowTitle(), u"  Veltra : Raw data"_s);
  EXPECT_EQ(services.windows.distributionFunction->windowTitle(),
            u"  VELTRA : Distribution function chart "_s);
  ASSERT_TRUE(services.windows.showHelpInfo());  // made now, in the language in force
  EXPECT_EQ(services.windows.helpInfo->windowTitle(), u"  VELTRA :   Information "_s);
}
