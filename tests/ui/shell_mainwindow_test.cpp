// The main window frame: menus, toolbar, status bar and the general commands.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QStatusTipEvent>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <functional>
#include <vector>

#include "ShellFixture.h"
#include "shell/Dialogs.h"
#include "shell/Messages.h"
#include "ui/SplashScreen.h"

using MainWindowTest = ShellTest;

TEST_F(MainWindowTest, EveryCommandHasItsMenuItemShortcutAndButton) {
  MainWindow& w = makeMain();
  struct Command {
    const char *menu, *item, *button, *shortcut;
  };
  const Command commands[] = {
      {"Soubor1", "Novhist1", "Novhist", ""},
      {"Soubor1", "Novy1", "Novy", "Ctrl+N"},
      {"Soubor1", "Otevrit1", "Otevrit", "Ctrl+O"},
      {"Soubor1", "SaveTabHorn1", "SaveTabHorn", "Ctrl+S"},
      {"Soubor1", "Konec1", "Konec", "Alt+X"},
      {"Vysledky1", "OpenVysl1", "OpenVysl", ""},
      {"Vysledky1", "SaveVysl1", "SaveVysl", ""},
      {"Nastaveni1", "DefaultHodnoty1", "DefaultHodnoty", ""},
      {"Nastaveni1", "tabdruhhor1", "tabdruhhor", ""},
      {"Nastaveni1", "OtevriWord1", "OtevriWord", ""},
      {"Nastaveni1", "UlozOkno1", "UlozOkno", ""},
      {"Napoveda1", "OAdresach1", "OAdresach", "F3"},
      {"Napoveda1", "Overzi1", "OVerzi", "F2"},
      {"Napoveda1", "Oprogramu1", "OProgramu", "F1"},
  };
  for (const Command& c : commands) {
    SCOPED_TRACE(c.item);
    auto* menu = w.findChild<QMenu*>(QString::fromUtf8(c.menu));
    QAction* item = action(c.item);
    ASSERT_NE(menu, nullptr);
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(menu->actions().contains(item));
    EXPECT_EQ(item->shortcut(), QKeySequence(QString::fromUtf8(c.shortcut)));
    auto* button = w.findChild<QToolButton*>(QString::fromUtf8(c.button));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->defaultAction(), item);
    EXPECT_FALSE(button->icon().isNull());
  }
  for (const char* name :
       {"INIsoubor1", "Jazyk1",          "Cestina",  "Anglictina",     "BarZvy",       "Ano1",
        "Ne1",        "Help1",           "HTML1",    "WIN1",           "BottomAxis",   "Index1",
        "NonIndex",   "VsechnyTesnosti", "PlotCom",  "PairUpperEdges", "InputCentres", "DateSeparator1",
        "tecka1",     "minus1",          "lomitko1", "imeSeparator1",  "tecka2",       "dvojtecka1"})
    EXPECT_NE(w.findChild<QObject*>(QString::fromUtf8(name)), nullptr) << name;
}

TEST_F(MainWindowTest, ToolbarInFourGroups) {
  MainWindow& w = makeMain();
  QStringList order;
  for (QAction* a : w.findChild<QToolBar*>(u"ToolBar1"_s)->actions()) {
    if (a->isSeparator()) {
      order << u"|"_s;
    } else if (auto* b =
                   qobject_cast<QToolButton*>(w.findChild<QToolBar*>(u"ToolBar1"_s)->widgetForAction(a))) {
      order << b->objectName();
    }
  }
  EXPECT_EQ(order.join(u' '),
            u"Novhist Novy Otevrit SaveTabHorn Konec | OpenVysl SaveVysl ZpravaPDF | DefaultHodnoty "
            u"tabdruhhor OtevriWord UlozOkno | OAdresach OVerzi OProgramu"_s);
}

TEST_F(MainWindowTest, ButtonAndMenuItemRunTheSameActionAndShareTheirState) {
  MainWindow& w = makeMain();
  int runs = 0;
  QObject::connect(w.saveProjectAction, &QAction::triggered, [&runs] { ++runs; });
  auto* button = w.findChild<QToolButton*>(u"SaveTabHorn"_s);
  EXPECT_FALSE(button->isEnabled());  // no project yet
  w.saveProjectAction->setEnabled(true);
  EXPECT_TRUE(button->isEnabled());
  EXPECT_TRUE(action("SaveTabHorn1")->isEnabled());
  button->click();
  action("SaveTabHorn1")->trigger();
  EXPECT_EQ(runs, 2);
  w.saveResultsAction->setEnabled(false);
  EXPECT_FALSE(w.findChild<QToolButton*>(u"SaveVysl"_s)->isEnabled());
}

TEST_F(MainWindowTest, EnablingTheButtonItselfAlsoEnablesTheMenuItem) {
  MainWindow& w = makeMain();
  auto* button = w.findChild<QAbstractButton*>(u"SaveVysl"_s);
  button->setEnabled(true);
  EXPECT_TRUE(action("SaveVysl1")->isEnabled());
  int runs = 0;
  QObject::connect(w.saveResultsAction, &QAction::triggered, [&runs] { ++runs; });
  dialogs.answerFile(std::nullopt);  // the save command's file dialog, cancelled
  button->click();
  EXPECT_EQ(runs, 1);
  // A window disabled while another one is open leaves the commands' own state alone.
  w.setEnabled(false);
  w.setEnabled(true);
  EXPECT_TRUE(action("SaveVysl1")->isEnabled());
  EXPECT_TRUE(button->isEnabled());
  button->setEnabled(false);
  EXPECT_FALSE(action("SaveVysl1")->isEnabled());
}

TEST_F(MainWindowTest, ExitAsksAndNoKeepsRunning) {
  MainWindow& w = makeMain();
  int ended = 0;
  w.endProgram = [&ended] { ++ended; };
  w.show();
  dialogs.answer(mrNo);
  w.findChild<QToolButton*>(u"Konec"_s)->click();
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].caption, MessageText(1, Language::Czech));
  EXPECT_EQ(dialogs.asked[0].text, MessageText(10, Language::Czech));
  EXPECT_EQ(dialogs.asked[0].defaultButton, mrYes);
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(ended, 0);

  dialogs.answer(mrYes);
  w.exitAction->trigger();
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(ended, 1);
}

TEST_F(MainWindowTest, CloseBoxExitsWithoutAsking) {
  MainWindow& w = makeMain();
  int ended = 0;
  w.endProgram = [&ended] { ++ended; };
  w.show();
  w.close();
  EXPECT_TRUE(dialogs.asked.empty());
  EXPECT_EQ(ended, 1);
}

TEST_F(MainWindowTest, FolderListing) {
  services->folders = deriveAppFolders("/home/ing/Dokumenty", "/opt/veltra");
  MainWindow& w = makeMain();
  w.findChild<QToolButton*>(u"OAdresach"_s)->click();
  ASSERT_EQ(dialogs.asked.size(), 1u);
  const auto& a = dialogs.asked[0];
  EXPECT_EQ(a.caption, MessageText(2, Language::Czech));
  EXPECT_EQ(a.kind, DlgKind::Information);
  EXPECT_EQ(a.text,
            "\t" + MessageFormat(5, Language::Czech,
                                 {"/home/ing/Dokumenty/Veltra", "/home/ing/Dokumenty/Veltra/Histograms",
                                  "/home/ing/Dokumenty/Veltra/Projects", "/home/ing/Dokumenty/Veltra/Results",
                                  "/home/ing/Dokumenty/Veltra/RawData"}));
  EXPECT_NE(
      a.text.find("\tA  d  r  e  s  á  ř  e  :\r\n\r\n\r\nVELTRA\t\t:   /home/ing/Dokumenty/Veltra\r\n"),
      std::string::npos);
}

TEST_F(MainWindowTest, WinHelpWithoutTheFileNamesTheMissingPath) {
  MainWindow& w = makeMain();
  action("WIN1")->trigger();
  w.helpAction->trigger();
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].caption, MessageText(4, Language::Czech));
  EXPECT_EQ(dialogs.asked[0].kind, DlgKind::Warning);
  const std::string missing = services->folders.StartFolder + "/Veltra.HLP";
  EXPECT_EQ(dialogs.asked[0].text, MessageFormat(128, Language::Czech, {missing}));
  EXPECT_NE(dialogs.asked[0].text.find(missing), std::string::npos);
  EXPECT_TRUE(opened.empty());
}

TEST_F(MainWindowTest, HtmlHelpOpensFromTheStartFolder) {
  QFile help(QString::fromStdString(path("Veltra.htm")));
  ASSERT_TRUE(help.open(QIODevice::WriteOnly));
  help.write("<html></html>");
  help.close();
  MainWindow& w = makeMain();
  w.findChild<QToolButton*>(u"OProgramu"_s)->click();
  EXPECT_TRUE(dialogs.asked.empty());
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].toLocalFile().toStdString(), path("Veltra.htm"));

  openResult = false;  // the desktop cannot open it
  w.helpAction->trigger();
  ASSERT_EQ(dialogs.asked.size(), 1u);
  // The failure says so and names what could not be shown.
  EXPECT_EQ(dialogs.asked[0].text, MessageText(7, Language::Czech) + "\r\n\r\n" + path("Veltra.htm"));
}

TEST_F(MainWindowTest, WordProcessorStartsWhenInstalledElseSaysSo) {
  const QByteArray savedPath = qgetenv("PATH");
  qputenv("PATH", QByteArray(tmp.path().toUtf8()));
  MainWindow& w = makeMain();
  w.wordProcessorAction->trigger();
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].kind, DlgKind::Information);
  EXPECT_NE(dialogs.asked[0].text.find("LibreOffice"), std::string::npos);
  EXPECT_TRUE(started.empty());

  QFile fake(QString::fromStdString(path("soffice")));
  ASSERT_TRUE(fake.open(QIODevice::WriteOnly));
  fake.write("#!/bin/sh\n");
  fake.close();
  fake.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  w.wordProcessorAction->trigger();
  qputenv("PATH", savedPath);
  ASSERT_EQ(started.size(), 1u);
  EXPECT_EQ(started[0], QString::fromStdString(path("soffice")) + u" --writer"_s);
  EXPECT_EQ(dialogs.asked.size(), 1u);
}

// The help page is handed to the desktop only when a browser it can start is there; "sensible-browser"
// alone (always installed on Debian) or a default entry whose program is gone is no browser, and F1
// then says so with message 7 as the other commands do.
TEST_F(MainWindowTest, HelpPageNeedsABrowserTheDesktopCanStart) {
  const char* vars[] = {"PATH", "XDG_DATA_DIRS", "XDG_DATA_HOME", "BROWSER"};
  std::vector<QByteArray> saved;
  for (const char* v : vars) saved.push_back(qgetenv(v));
  const QString bin = tmp.path() + u"/bin"_s, data = tmp.path() + u"/share"_s;
  ASSERT_TRUE(QDir().mkpath(bin) && QDir().mkpath(data + u"/applications"_s));
  qputenv("PATH", bin.toUtf8());
  qputenv("XDG_DATA_DIRS", data.toUtf8());
  qputenv("XDG_DATA_HOME", (tmp.path() + u"/home"_s).toUtf8());
  qunsetenv("BROWSER");
  auto write = [](const QString& file, const QByteArray& text, bool program) {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
    f.close();
    if (program) f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  };
  auto script = [&](const char* name, const QByteArray& body = {}) {
    write(bin + u'/' + QString::fromLatin1(name), "#!/bin/sh\n" + body, true);
  };
  const QUrl page = QUrl::fromLocalFile(QString::fromStdString(path("Veltra.htm")));
  write(page.toLocalFile(), "<html></html>", false);

  struct Step {
    const char* what;
    std::function<void()> change;
    bool canOpen;
  };
  const Step steps[] = {
      {"nothing installed", [] {}, false},
      {"the helper and the browser wrapper only",
       [&] {
         script("xdg-open");
         script("xdg-mime");
         script("sensible-browser");
       },
       false},
      {"a default entry whose program is gone",
       [&] {
         script("xdg-mime", "echo ghost.desktop\n");
         write(data + u"/applications/ghost.desktop"_s, "[Desktop Entry]\nType=Application\nExec=ghost %u\n",
               false);
       },
       false},
      {"the default entry and its program", [&] { script("ghost"); }, true},
      {"no default, a browser of a usual name",
       [&] {
         QFile::remove(bin + u"/ghost"_s);
         script("firefox");
       },
       true},
  };
  for (const Step& s : steps) {
    s.change();
    EXPECT_EQ(desktopCanOpen(page), s.canOpen) << s.what;
  }
  // Other files need only the helper.
  EXPECT_TRUE(desktopCanOpen(QUrl::fromLocalFile(QString::fromStdString(path("a.pdf")))));

  // F1 with the desktop's own opener and no browser: message 7 with the page.
  QFile::remove(bin + u"/firefox"_s);
  MainWindow w(*services);
  w.show();
  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  QTest::keyClick(&w, Qt::Key_F1);
  for (size_t i = 0; i < saved.size(); ++i)
    saved[i].isNull() ? qunsetenv(vars[i]) : qputenv(vars[i], saved[i]);
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].caption, MessageText(3, Language::Czech));
  EXPECT_EQ(dialogs.asked[0].text, MessageText(7, Language::Czech) + "\r\n\r\n" + path("Veltra.htm"));
}

TEST_F(MainWindowTest, CopyWindowPutsAnImageOnTheClipboard) {
  MainWindow& w = makeMain();
  QGuiApplication::clipboard()->clear();
  w.copyWindowAction->trigger();
  EXPECT_FALSE(QGuiApplication::clipboard()->pixmap().isNull());
}

TEST_F(MainWindowTest, StatusBarShowsClockAndLongHint) {
  MainWindow& w = makeMain();
  auto* clock = w.findChild<QLabel*>(u"StatusPanel0"_s);
  ASSERT_NE(clock, nullptr);
  EXPECT_EQ(clock->width(), 60);
  EXPECT_EQ(clock->text().size(), 8);
  EXPECT_EQ(clock->text()[2], u':');

  auto* button = w.findChild<QToolButton*>(u"Konec"_s);
  QStatusTipEvent tip(button->statusTip());
  QApplication::sendEvent(button, &tip);
  EXPECT_EQ(w.hintText(), action("Konec1")->statusTip());
  EXPECT_EQ(w.hintText(), u"Ukončí program VELTRA"_s);
}

TEST_F(MainWindowTest, AboutWindowDisablesTheMainWindowUntilItCloses) {
  MainWindow& w = makeMain();
  w.aboutAction->trigger();  // no about window in this test: nothing happens
  EXPECT_TRUE(w.isEnabled());
}

TEST_F(MainWindowTest, SplashIsCentredAndTimed) {
  MainWindow& w = makeMain();
  SplashScreen* splash = w.splash();
  ASSERT_NE(splash, nullptr);
  EXPECT_EQ(splash->size(), QSize(540, 297));
  EXPECT_TRUE(splash->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(splash->timer()->interval(), 7000);
  EXPECT_TRUE(splash->timer()->isActive());
  const QList<QLabel*> labels = splash->findChildren<QLabel*>();
  ASSERT_EQ(labels.size(), 6);
  for (QLabel* l : labels) {
    EXPECT_LE(std::abs((l->x() - 207) - (207 + 304 - (l->x() + l->width()))), 1)
        << l->objectName().toStdString();
  }
  EXPECT_EQ(splash->findChild<QLabel*>(u"Label1"_s)->text(), u"VELTRA"_s);
  // The main window's texts do not reach the splash labels.
  EXPECT_EQ(splash->findChild<QLabel*>(u"Label3"_s)->text(), u"pelmora důlní výztuže"_s);
  splash->timer()->stop();
  emit splash->timer()->timeout({});
}
