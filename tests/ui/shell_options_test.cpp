// Display options of the settings menu, the language switch and the main window settings.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

#include "ShellFixture.h"
#include "persistence/SettingsKeys.h"
#include "shell/Language.h"
#include "shell/Messages.h"
#include "ui/AboutWindow.h"
#include "ui/ChartWindow.h"
#include "ui/ColourWindow.h"
#include "ui/DesignWindow.h"
#include "ui/DistributionFunctionWindow.h"
#include "ui/FitTableWindow.h"
#include "ui/HelpInfoWindow.h"
#include "ui/NewHistogramWindow.h"
#include "ui/ParametricWindow.h"
#include "ui/RawDataWindow.h"
#include "ui/RmrWindow.h"
#include "ui/RockTypesWindow.h"
#include "ui/SensitivityWindow.h"
#include "ui/SettingsListingWindow.h"
#include "ui/Startup.h"

using Options = ShellTest;

TEST_F(Options, DefaultsWithoutASettingsFile) {
  MainWindow& w = makeMain();
  for (const char* on : {"Cestina", "HTML1", "Ano1", "NonIndex", "PlotCom", "tecka1", "dvojtecka1"})
    EXPECT_TRUE(action(on)->isChecked()) << on;
  for (const char* off : {"Anglictina", "WIN1", "Ne1", "Index1", "VsechnyTesnosti", "PairUpperEdges",
                          "InputCentres", "minus1", "lomitko1", "tecka2"})
    EXPECT_FALSE(action(off)->isChecked()) << off;
  const DisplayOptions& o = services->options;
  EXPECT_EQ(o.language, Language::Czech);
  EXPECT_TRUE(o.helpHtml);
  EXPECT_TRUE(o.highlightRows);
  EXPECT_FALSE(o.axisIndex);
  EXPECT_TRUE(o.plotCommander);
  EXPECT_FALSE(o.pairUpperEdges);
  EXPECT_FALSE(o.inputCentres);
  EXPECT_EQ(w.chainReadingOption(), ChainReading{});
  EXPECT_EQ(w.chainReadingOption().inputs, InputReading::Uniform);
  EXPECT_EQ(o.dateSeparator, '.');
  EXPECT_EQ(o.timeSeparator, ':');
  EXPECT_EQ(w.pos(), QPoint(0, 0));
  EXPECT_EQ(w.size(), QSize(970, 650));
}

TEST_F(Options, RadioPairs) {
  MainWindow& w = makeMain();
  struct Pair {
    const char *first, *second;
    bool DisplayOptions::*flag;  // follows the first item
  };
  const Pair pairs[] = {{"HTML1", "WIN1", &DisplayOptions::helpHtml},
                        {"Ano1", "Ne1", &DisplayOptions::highlightRows},
                        {"Index1", "NonIndex", &DisplayOptions::axisIndex}};
  for (const Pair& p : pairs) {
    SCOPED_TRACE(p.first);
    QAction* first = action(p.first);
    QAction* second = action(p.second);
    for (QAction* clicked : {first, second, second, first, first}) {
      clicked->trigger();  // the checked one stays checked, the other one takes over
      QAction* partner = clicked == first ? second : first;
      EXPECT_TRUE(clicked->isChecked());
      EXPECT_FALSE(partner->isChecked());
      EXPECT_EQ(services->options.*p.flag, clicked == first);
    }
  }
  const bool plot = w.chartToolbarsItem->isChecked();
  w.chartToolbarsItem->trigger();
  EXPECT_NE(w.chartToolbarsItem->isChecked(), plot);
  EXPECT_EQ(services->options.plotCommander, !plot);
  const bool tesnosti = w.allClosenessItem->isChecked();
  w.allClosenessItem->trigger();
  EXPECT_EQ(w.allClosenessItem->isChecked(), tesnosti);
  w.pairUpperEdgesItem->trigger();
  EXPECT_TRUE(w.pairUpperEdgesItem->isChecked());
  EXPECT_EQ(w.chainReadingOption(), (ChainReading{PairValues::UpperEdges, InputReading::Uniform}));
  w.inputCentresItem->trigger();
  EXPECT_TRUE(w.inputCentresItem->isChecked());
  EXPECT_EQ(w.chainReadingOption(), (ChainReading{PairValues::UpperEdges, InputReading::Centres}));
  w.pairUpperEdgesItem->trigger();
  w.inputCentresItem->trigger();
  EXPECT_EQ(w.chainReadingOption(), ChainReading{});
}

TEST_F(Options, SeparatorsAndTheirFormats) {
  MainWindow& w = makeMain();
  struct Case {
    const char* item;
    char date, time;
    const char* dateText;
  };
  const Case cases[] = {{"lomitko1", '/', ':', "7/3/2024"},
                        {"minus1", '-', ':', "7-3-2024"},
                        {"tecka1", '.', ':', "7.3.2024"},
                        {"tecka2", '.', '.', "7.3.2024"},
                        {"dvojtecka1", '.', ':', "7.3.2024"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    action(c.item)->trigger();
    EXPECT_EQ(services->options.dateSeparator, c.date);
    EXPECT_EQ(services->options.timeSeparator, c.time);
    EXPECT_EQ(formatShortDate(7, 3, 2024, services->options.dateSeparator), c.dateText);
    EXPECT_EQ(action("tecka1")->isChecked(), c.date == '.');
    EXPECT_EQ(action("minus1")->isChecked(), c.date == '-');
    EXPECT_EQ(action("lomitko1")->isChecked(), c.date == '/');
    EXPECT_EQ(action("tecka2")->isChecked(), c.time == '.');
    EXPECT_EQ(action("dvojtecka1")->isChecked(), c.time == ':');
    EXPECT_EQ(w.clockText()[2], QChar(c.time));
  }
  EXPECT_EQ(shortDateFormat('/'), "d/m/yyyy");
  EXPECT_EQ(shortTimeFormat('.'), "hh.mm.ss");
  EXPECT_EQ(formatShortTime(9, 5, 0, ':'), "09:05:00");
}

TEST_F(Options, LanguageItemsSwitchTheLanguageAndEveryText) {
  MainWindow& w = makeMain();
  auto* project = w.findChild<QMenu*>(u"Soubor1"_s);
  EXPECT_EQ(project->title(), u"&Projekt"_s);
  project->setTitle(u"sentinel"_s);
  w.czechItem->trigger();  // already Czech: nothing happens
  EXPECT_EQ(project->title(), u"sentinel"_s);
  EXPECT_TRUE(w.czechItem->isChecked());

  w.englishItem->trigger();
  EXPECT_EQ(project->title(), u"&Project"_s);
  EXPECT_TRUE(w.englishItem->isChecked());
  EXPECT_FALSE(w.czechItem->isChecked());
  EXPECT_EQ(services->language(), Language::English);
  EXPECT_EQ(w.windowTitle().toStdString(), mainWindowCaption(Language::English, "1.5.6.5"));

  w.czechItem->trigger();
  EXPECT_EQ(project->title(), u"&Projekt"_s);
  EXPECT_EQ(services->language(), Language::Czech);
}

TEST_F(Options, AxisLabelsSetTheChartSelectors) {
  MainWindow& w = makeMain();
  QWidget chart;
  auto* selector = new QComboBox(&chart);
  selector->setObjectName(u"CBValInd"_s);
  selector->addItems({u"Index x"_s, u"Value x"_s});
  selector->setCurrentIndex(1);
  services->windows.chart = reinterpret_cast<ChartWindow*>(&chart);  // only its children are looked at
  int changes = 0;
  QObject::connect(&w, &MainWindow::displayOptionsChanged, [&changes] { ++changes; });
  w.axisIndexItem->trigger();
  EXPECT_EQ(selector->currentIndex(), 0);
  w.axisValueItem->trigger();
  EXPECT_EQ(selector->currentIndex(), 1);
  EXPECT_EQ(changes, 2);
  services->windows.chart = nullptr;
}

TEST_F(Options, WrittenOnCloseAndReadAtTheNextStart) {
  {
    MainWindow& w = makeMain();
    w.englishItem->trigger();
    w.winHelpItem->trigger();
    w.plainRowsItem->trigger();
    w.axisIndexItem->trigger();
    w.chartToolbarsItem->trigger();
    w.pairUpperEdgesItem->trigger();
    w.inputCentresItem->trigger();
    w.dateSlashItem->trigger();
    w.timeDotItem->trigger();
    w.setHelpViewerOffer(false);
    services->options.colours.edit = 0x00FFEE;
    w.move(40, 30);
    w.resize(800, 555);
    w.close();
  }
  MainWindow& w = restart();
  EXPECT_TRUE(w.englishItem->isChecked());
  EXPECT_FALSE(w.czechItem->isChecked());
  EXPECT_TRUE(w.winHelpItem->isChecked());
  EXPECT_TRUE(w.plainRowsItem->isChecked());
  EXPECT_TRUE(w.axisIndexItem->isChecked());
  EXPECT_FALSE(w.chartToolbarsItem->isChecked());
  EXPECT_TRUE(w.pairUpperEdgesItem->isChecked());
  EXPECT_TRUE(w.inputCentresItem->isChecked());
  EXPECT_EQ(w.chainReadingOption(), (ChainReading{PairValues::UpperEdges, InputReading::Centres}));
  EXPECT_EQ(settings->readString(settings::kNastaveni, settings::kPairValues.key, ""), "upper-edges");
  EXPECT_EQ(settings->readString(settings::kNastaveni, settings::kInputReading.key, ""), "centres");
  EXPECT_TRUE(w.dateSlashItem->isChecked());
  EXPECT_TRUE(w.timeDotItem->isChecked());
  EXPECT_FALSE(w.helpViewerOffer());
  EXPECT_EQ(services->options.language, Language::English);
  EXPECT_EQ(services->options.dateSeparator, '/');
  EXPECT_EQ(services->options.timeSeparator, '.');
  EXPECT_EQ(services->options.colours.edit, 0x00FFEEu);
  EXPECT_EQ(w.size(), QSize(800, 555));
  EXPECT_EQ(w.findChild<QMenu*>(u"Soubor1"_s)->title(), u"&Project"_s);
  EXPECT_EQ(settings->readInteger(settings::kSetting, settings::kDateSeparator.key, 0), 47);
}

TEST_F(Options, StoredFileCanCheckBothItemsOfAPair) {
  settings->writeBool(settings::kNastaveni, settings::kLanguageCzech.key, true);
  settings->writeBool(settings::kNastaveni, settings::kLanguageEnglish.key, true);
  settings->writeInteger(settings::kSetting, settings::kDateSeparator.key, 47);
  settings->writeInteger(settings::kSetting, settings::kTimeSeparator.key, 65);  // no such item: ignored
  MainWindow& w = restart();
  EXPECT_TRUE(w.czechItem->isChecked());
  EXPECT_TRUE(w.englishItem->isChecked());
  EXPECT_EQ(services->language(), Language::Czech);
  EXPECT_TRUE(w.dateSlashItem->isChecked());
  EXPECT_FALSE(w.dateDotItem->isChecked());
  EXPECT_TRUE(w.timeColonItem->isChecked());
  EXPECT_EQ(services->options.timeSeparator, ':');
}

TEST(StartUp, MakesCommonWindowsAtOnceAndRareOnesWhenFirstOpened) {
  ScriptedDialogs dialogs;
  QTemporaryDir tmp;
  SettingsFile settings((tmp.path() + u"/Veltra.INI"_s).toStdString());
  Services services{dialogs, settings, {}, "1.5.6.5", {}, {}};
  auto windows = createWindows(services);
  const Windows& w = services.windows;
  const QObject* all[] = {
      w.main,         w.chart,    w.parametric,  w.rawData, w.rockTypes, w.rmr, w.distributionFunction,
      w.newHistogram, w.fitTable, w.sensitivity, w.design};
  const char* names[] = {"Form1",  "Form3",  "Form4",  "Form5",  "Form6", "Form9",
                         "Form12", "Form13", "Form14", "Form15", "Form16"};
  for (int i = 0; i < 11; ++i) {
    ASSERT_NE(all[i], nullptr) << names[i];
    EXPECT_EQ(all[i]->objectName().toStdString(), names[i]);
  }
  // The rarely used windows are made when first opened (the colour window, never opened, by the
  // preset places).
  EXPECT_EQ(w.about, nullptr);
  EXPECT_EQ(w.helpInfo, nullptr);
  EXPECT_EQ(w.settingsListing, nullptr);
  EXPECT_EQ(w.colour, nullptr);
  w.openAbout();
  ASSERT_NE(w.about, nullptr);
  EXPECT_EQ(w.about->objectName(), u"Form2"_s);
  EXPECT_TRUE(w.about->isVisible());
  EXPECT_EQ(w.about->size(), QSize(340, 526));
  ASSERT_TRUE(w.showHelpInfo());
  EXPECT_EQ(w.helpInfo->objectName(), u"Form11"_s);
  EXPECT_EQ(w.helpInfo->size(), QSize(605, 205));
  w.presetPlaces();
  ASSERT_NE(w.colour, nullptr);
  ASSERT_NE(w.settingsListing, nullptr);
  EXPECT_EQ(w.colour->objectName(), u"Form8"_s);
  EXPECT_EQ(w.settingsListing->objectName(), u"Form7"_s);
}

TEST(StartUp, SettingsFileBesideTheProgramWhenWritable) {
  const std::string path = settingsFileLocation().path;
  EXPECT_TRUE(QString::fromStdString(path).endsWith(u"/Veltra.INI"_s));
  EXPECT_EQ(QFileInfo(QString::fromStdString(path)).absolutePath(), QCoreApplication::applicationDirPath());
}

TEST(AboutWindow, VersionLineAndClosing) {
  ScriptedDialogs dialogs;
  QTemporaryDir tmp;
  SettingsFile settings((tmp.path() + u"/Veltra.INI"_s).toStdString());
  Services services{dialogs, settings, {}, "1.5.6.5", {}, {}};
  auto windows = createWindows(services);
  ASSERT_EQ(services.windows.about, nullptr);  // made when first opened
  windows->main->aboutAction->trigger();
  ASSERT_NE(services.windows.about, nullptr);
  AboutWindow& about = *services.windows.about;
  auto* version = about.findChild<QLabel*>(u"Label2"_s);
  ASSERT_NE(version, nullptr);
  EXPECT_EQ(version->text().toStdString(), MessageText(62, Language::Czech) + " :  1.5.6.5");
  for (QLabel* l : about.findChildren<QLabel*>())
    EXPECT_LE(std::abs((l->x() - 5) - (335 - (l->x() + l->width()))), 1) << l->objectName().toStdString();

  EXPECT_FALSE(windows->main->isEnabled());
  EXPECT_TRUE(about.isVisible());
  about.close();
  EXPECT_TRUE(windows->main->isEnabled());
}

TEST(HelpViewerInformation, LinkFailureAndInstalledViewer) {
  ScriptedDialogs dialogs;
  QTemporaryDir tmp;
  SettingsFile settings((tmp.path() + u"/Veltra.INI"_s).toStdString());
  Services services{dialogs, settings, {}, "1.5.6.5", {}, {}};
  services.folders = deriveAppFolders(tmp.path().toStdString(), tmp.path().toStdString());
  auto windows = createWindows(services);
  MainWindow& main = *windows->main;
  std::vector<QUrl> opened;
  bool result = false;
  main.urlOpener = [&](const QUrl& u) {
    opened.push_back(u);
    return result;
  };
  QFile hlp(tmp.path() + u"/Veltra.HLP"_s);
  ASSERT_TRUE(hlp.open(QIODevice::WriteOnly));
  hlp.close();

  main.winHelpItem->trigger();
  main.helpAction->trigger();  // the viewer may be missing: the information window comes first
  HelpInfoWindow& info = *windows->helpInfo;
  EXPECT_TRUE(info.isVisible());
  EXPECT_FALSE(main.isEnabled());
  EXPECT_TRUE(opened.empty());

  info.Label2Click();
  ASSERT_EQ(dialogs.plain.size(), 1u);
  EXPECT_EQ(dialogs.plain[0], MessageText(7, Language::Czech) + "\r\n\r\n" + HelpInfoWindow::kSupportPage);
  EXPECT_FALSE(info.isVisible());
  EXPECT_TRUE(main.isEnabled());

  result = true;
  main.helpAction->trigger();
  info.findChild<QCheckBox*>(u"CheckBox1"_s)->click();
  EXPECT_FALSE(main.helpViewerOffer());
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_TRUE(opened[1].toLocalFile().endsWith(u"/Veltra.HLP"_s));
  main.helpAction->trigger();  // not offered again: the help opens at once
  EXPECT_EQ(opened.size(), 3u);
}
