#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTextEdit>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

#include "persistence/SettingsKeys.h"
#include "shell/Dialogs.h"
#include "shell/Messages.h"
#include "ui/ChainController.h"
#include "ui/InputArea.h"
#include "ui/LostLetters.h"
#include "ui/NamedWidget.h"
#include "ui/ProgramData.h"
#include "ui/ProjectFiles.h"
#include "ui/QtText.h"
#include "ui/RuntimeTexts.h"
#include "ui/Services.h"
#include "ui/SplashScreen.h"
#include "ui/TextSets.h"
#include "ui/WindowPlace.h"

using namespace Qt::StringLiterals;

namespace {

// Toolbar pictures, drawn so that they look the same on every desktop: the shapes they share ...
struct IconPainter {
  QPainter& p;
  const QColor ink{0x30, 0x30, 0x30}, blue{0x2a, 0x5d, 0xb0}, yellow{0xf0, 0xc0, 0x40}, red{0xc0, 0x30, 0x30},
      green{0x30, 0x90, 0x40}, paper{0xfc, 0xfc, 0xf8};

  void page(QColor fill) {
    QPainterPath path;
    path.moveTo(5, 2);
    path.lineTo(15, 2);
    path.lineTo(20, 7);
    path.lineTo(20, 22);
    path.lineTo(5, 22);
    path.closeSubpath();
    p.setPen(QPen(ink, 1));
    p.setBrush(fill);
    p.drawPath(path);
    p.drawLine(15, 2, 15, 7);
    p.drawLine(15, 7, 20, 7);
  }
  void folder(QColor fill) {
    p.setPen(QPen(ink, 1));
    p.setBrush(fill.darker(115));
    p.drawRect(2, 5, 8, 4);
    p.setBrush(fill);
    p.drawRect(2, 8, 19, 13);
  }
  void disk(QColor fill) {
    p.setPen(QPen(ink, 1));
    p.setBrush(fill);
    p.drawRoundedRect(3, 3, 18, 18, 2, 2);
    p.setBrush(paper);
    p.drawRect(7, 3, 10, 7);
    p.setBrush(QColor(0xd0, 0xd0, 0xd0));
    p.drawRect(7, 14, 10, 7);
  }
  void bars(int x, int y, int scale, QColor fill) {
    const int h[] = {3, 6, 9, 6, 3};
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    for (int i = 0; i < 5; ++i) p.drawRect(x + i * scale, y - h[i] * scale / 3, scale - 1, h[i] * scale / 3);
  }
  void letter(const QString& text, QColor colour, int size) {
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(size);
    p.setFont(f);
    p.setPen(colour);
    p.drawText(QRect(0, 0, 24, 24), Qt::AlignCenter, text);
  }
  void disc(QColor fill) {
    p.setPen(QPen(fill.darker(130), 1));
    p.setBrush(fill);
    p.drawEllipse(2, 2, 20, 20);
  }
};

// ... and the picture of each command.
using IconDrawing = void (*)(IconPainter&);
const std::pair<const char16_t*, IconDrawing> kIconDrawings[] = {
    {u"Novhist",
     [](IconPainter& d) {
       d.bars(2, 21, 4, d.blue);
       d.p.setPen(QPen(d.green, 2));
       d.p.drawLine(17, 3, 17, 11);
       d.p.drawLine(13, 7, 21, 7);
     }},
    {u"Novy", [](IconPainter& d) { d.page(d.paper); }},
    {u"Otevrit", [](IconPainter& d) { d.folder(d.yellow); }},
    {u"SaveTabHorn", [](IconPainter& d) { d.disk(d.blue); }},
    {u"Konec",
     [](IconPainter& d) {
       d.p.setPen(QPen(d.ink, 1));
       d.p.setBrush(QColor(0x8a, 0x5a, 0x30));
       d.p.drawRect(5, 2, 12, 20);
       d.p.setPen(QPen(d.red, 3));
       d.p.drawLine(13, 9, 22, 18);
       d.p.drawLine(22, 9, 13, 18);
     }},
    {u"OpenVysl",
     [](IconPainter& d) {
       d.folder(d.yellow);
       d.bars(6, 19, 3, d.red);
     }},
    {u"SaveVysl", [](IconPainter& d) { d.disk(d.green); }},
    {u"ZpravaPDF",
     [](IconPainter& d) {
       d.page(d.paper);
       d.letter(u"PDF"_s, d.red, 7);
     }},
    {u"DefaultHodnoty",
     [](IconPainter& d) {
       d.p.setPen(QPen(d.blue, 3));
       d.p.setBrush(Qt::NoBrush);
       d.p.drawArc(4, 4, 16, 16, 60 * 16, 290 * 16);
       d.p.setPen(Qt::NoPen);
       d.p.setBrush(d.blue);
       d.p.drawPolygon(QPolygon({QPoint(13, 1), QPoint(20, 5), QPoint(13, 9)}));
     }},
    {u"tabdruhhor",
     [](IconPainter& d) {
       d.p.setPen(QPen(d.ink, 1));
       d.p.setBrush(d.paper);
       d.p.drawRect(2, 3, 20, 18);
       d.p.fillRect(3, 4, 19, 4, QColor(0xb0, 0xc8, 0xe8));
       for (int y = 8; y < 21; y += 4) d.p.drawLine(2, y, 22, y);
       d.p.drawLine(9, 3, 9, 21);
     }},
    {u"OtevriWord",
     [](IconPainter& d) {
       d.page(d.paper);
       d.letter(u"W"_s, d.blue, 12);
     }},
    {u"UlozOkno",
     [](IconPainter& d) {
       d.p.setPen(QPen(d.ink, 1));
       d.p.setBrush(d.paper);
       d.p.drawRect(2, 3, 16, 13);
       d.p.fillRect(3, 4, 15, 3, d.blue);
       d.p.setBrush(QColor(0xc8, 0xa0, 0x60));
       d.p.drawRect(11, 10, 11, 12);
       d.p.fillRect(13, 13, 7, 1, d.ink);
       d.p.fillRect(13, 16, 7, 1, d.ink);
     }},
    {u"OAdresach",
     [](IconPainter& d) {
       d.folder(d.yellow);
       d.p.setPen(QPen(d.ink, 1));
       d.p.drawLine(6, 12, 6, 18);
       d.p.drawLine(6, 15, 12, 15);
       d.p.drawLine(6, 18, 12, 18);
     }},
    {u"OVerzi",
     [](IconPainter& d) {
       d.disc(d.blue);
       d.letter(u"i"_s, Qt::white, 15);
     }},
    {u"OProgramu",
     [](IconPainter& d) {
       d.disc(d.green);
       d.letter(u"?"_s, Qt::white, 15);
     }},
};

QIcon drawIcon(const QString& name) {
  QPixmap pm(24, 24);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  IconPainter painter{p};
  for (const auto& [command, draw] : kIconDrawings)
    if (name == QStringView(command)) draw(painter);
  return QIcon(pm);
}

// A checkable menu item whose check mark is changed by its handler only: the click's own toggle is
// undone before the handler runs, so the handler sees the state the user clicked on.
QAction* optionAction(MainWindow* form, QMenu* menu, const QString& name) {
  auto* a = named<QAction>(form, name);
  a->setCheckable(true);
  menu->addAction(a);
  return a;
}

// Connects an option item to its handler, with the click's own toggle undone first.
void onOptionClicked(MainWindow* form, QAction* a, std::function<void()> handler) {
  QObject::connect(a, &QAction::triggered, form, [a, handler = std::move(handler)](bool checked) {
    a->setChecked(!checked);
    handler();
  });
}

QAction* commandAction(MainWindow* form, const QString& name, const QKeySequence& shortcut = {}) {
  auto* a = named<QAction>(form, name);
  if (!shortcut.isEmpty()) a->setShortcut(shortcut);
  return a;
}

// Keeps a toolbar button's action in step when code enables or disables the button itself, so the
// menu item always follows. Only an explicit change counts: a disabled window disables its buttons
// without touching their actions.
class ButtonActionSync final : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::EnabledChange) {
      auto* b = static_cast<QToolButton*>(watched);
      const bool enabled = !b->testAttribute(Qt::WA_ForceDisabled);
      if (QAction* a = b->defaultAction(); a && a->isEnabled() != enabled) a->setEnabled(enabled);
    }
    return false;
  }
};

// Radio pair: false (and no change) when the clicked item was already checked.
bool takeCheck(QAction* clicked, QAction* partner) {
  if (clicked->isChecked()) return false;
  clicked->setChecked(true);
  partner->setChecked(false);
  return true;
}

}  // namespace

// True when `program` (a path or a name looked up on the PATH) can be started.
static bool programInstalled(const QString& program) {
  if (program.isEmpty()) return false;
  if (program.contains(u'/')) return QFileInfo(program).isExecutable();
  return !QStandardPaths::findExecutable(program).isEmpty();
}

// The program a desktop entry starts: its TryExec, else the first word of its Exec after any "env"
// assignments; empty when the entry names none.
static QString desktopEntryProgram(const QString& file) {
  QFile f(file);
  if (!f.open(QIODevice::ReadOnly)) return {};
  QString tryExec, exec;
  bool inEntry = false;
  while (!f.atEnd()) {
    const QString line = QString::fromUtf8(f.readLine()).trimmed();
    if (line.startsWith(u'[')) inEntry = line == u"[Desktop Entry]"_s;
    if (!inEntry) continue;
    if (line.startsWith(u"TryExec="_s)) tryExec = line.mid(8).trimmed();
    if (line.startsWith(u"Exec="_s)) exec = line.mid(5).trimmed();
  }
  if (!tryExec.isEmpty()) return tryExec;
  QStringList words = exec.split(u' ', Qt::SkipEmptyParts);
  if (!words.isEmpty() && words.front() == u"env"_s) {
    words.removeFirst();
    while (!words.isEmpty() && words.front().contains(u'=')) words.removeFirst();
  }
  if (words.isEmpty()) return {};
  QString program = words.front();
  if (program.size() > 1 && program.startsWith(u'"') && program.endsWith(u'"'))
    program = program.mid(1, program.size() - 2);
  return program;
}

bool desktopCanOpen(const QUrl& url) {
  if (QStandardPaths::findExecutable(u"xdg-open"_s).isEmpty()) return false;
  const bool page = !url.isLocalFile() || url.toLocalFile().endsWith(u".htm"_s, Qt::CaseInsensitive) ||
                    url.toLocalFile().endsWith(u".html"_s, Qt::CaseInsensitive);
  if (!page) return true;  // other files: the helper is all there is to ask
  // The default application for pages, when its desktop entry is there and its program is installed.
  QProcess query;
  query.start(u"xdg-mime"_s, {u"query"_s, u"default"_s, u"text/html"_s});
  if (query.waitForFinished(3000) && query.exitCode() == 0) {
    const QString entry = QString::fromUtf8(query.readAllStandardOutput()).trimmed();
    if (!entry.isEmpty())
      for (const QString& dir : QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation))
        if (const QString file = dir + u'/' + entry; QFileInfo::exists(file))
          if (programInstalled(desktopEntryProgram(file))) return true;
  }
  // Without a default, xdg-open tries $BROWSER and the usual browsers. ("sensible-browser" is only a
  // wrapper that Debian always installs: it says nothing about a browser being there.)
  for (const QString& b : qEnvironmentVariable("BROWSER").split(u':', Qt::SkipEmptyParts))
    if (programInstalled(b.split(u' ', Qt::SkipEmptyParts).value(0))) return true;
  for (const char* browser : {"x-www-browser", "firefox", "firefox-esr", "iceweasel", "seamonkey", "epiphany",
                              "konqueror", "falkon", "chromium", "chromium-browser", "google-chrome"})
    if (programInstalled(QString::fromLatin1(browser))) return true;
  return false;
}

MainWindow::MainWindow(Services& services, QWidget* parent) : QMainWindow(parent), services_(services) {
  setObjectName(u"Form1"_s);
  watchSettingsWrites(services_);

  // Not a child: the main window's texts must not reach the splash labels.
  splash_ = new SplashScreen(services_.language());
  splash_->show();
  splash_->repaint();

  connect(this, &MainWindow::displayOptionsChanged, this,
          [this] { services_.windows.displayOptionsChanged(); });
  urlOpener = [](const QUrl& url) { return desktopCanOpen(url) && QDesktopServices::openUrl(url); };
  programStarter = [](const QString& program, const QStringList& args) {
    return QProcess::startDetached(program, args);
  };

  createActions();
  createMenus();
  createToolBar();
  createStatusBar();

  inputArea_ = new InputArea(services_, model_, this);
  setCentralWidget(inputArea_);
  chain_ = new ChainController(services_, model_, this);
  // Other parts of the window connect their handlers to the actions here.
  setupFiles();

  readMainSettings();
  applyTexts(*this, 1, services_.language());
  defaultsFollowLanguage();
  inputArea_->selectFirstItems();
  files_->markWorkSaved(true, true);
}

MainWindow::~MainWindow() { delete splash_.data(); }

SplashScreen* MainWindow::splash() const { return splash_.data(); }

// ---------------------------------------------------------------- frame

void MainWindow::createActions() {
  newHistogramAction = commandAction(this, u"Novhist1"_s);
  newProjectAction = commandAction(this, u"Novy1"_s, QKeySequence(u"Ctrl+N"_s));
  openProjectAction = commandAction(this, u"Otevrit1"_s, QKeySequence(u"Ctrl+O"_s));
  saveProjectAction = commandAction(this, u"SaveTabHorn1"_s, QKeySequence(u"Ctrl+S"_s));
  exitAction = commandAction(this, u"Konec1"_s, QKeySequence(u"Alt+X"_s));
  openResultsAction = commandAction(this, u"OpenVysl1"_s);
  saveResultsAction = commandAction(this, u"SaveVysl1"_s);
  reportAction = commandAction(this, u"ZpravaPDF1"_s);
  computeAllAction = commandAction(this, u"SpocitatVse1"_s, QKeySequence(Qt::Key_F9));
  designAction = commandAction(this, u"NavrhKotveni1"_s);
  presetValuesAction = commandAction(this, u"DefaultHodnoty1"_s);
  rockTypesAction = commandAction(this, u"tabdruhhor1"_s);
  wordProcessorAction = commandAction(this, u"OtevriWord1"_s);
  copyWindowAction = commandAction(this, u"UlozOkno1"_s);
  settingsListingAction = commandAction(this, u"INIsoubor1"_s);
  foldersAction = commandAction(this, u"OAdresach1"_s, QKeySequence(u"F3"_s));
  aboutAction = commandAction(this, u"Overzi1"_s, QKeySequence(u"F2"_s));
  helpAction = commandAction(this, u"Oprogramu1"_s, QKeySequence(u"F1"_s));

  connect(newHistogramAction, &QAction::triggered, this, &MainWindow::openNewHistogram);
  connect(exitAction, &QAction::triggered, this, &MainWindow::exitProgram);
  connect(wordProcessorAction, &QAction::triggered, this, &MainWindow::openWordProcessor);
  connect(copyWindowAction, &QAction::triggered, this, &MainWindow::copyActiveWindow);
  connect(foldersAction, &QAction::triggered, this, &MainWindow::showFolders);
  connect(aboutAction, &QAction::triggered, this, &MainWindow::openAbout);
  connect(helpAction, &QAction::triggered, this, &MainWindow::openHelp);
  connect(designAction, &QAction::triggered, this, [this] { services_.windows.openDesign(); });

  // Disabled until a project or an assessment exists; their parts enable them.
  saveProjectAction->setEnabled(false);
  saveResultsAction->setEnabled(false);
  // The report exists exactly when the results can be saved: after an assessment.
  reportAction->setEnabled(false);
  connect(saveResultsAction, &QAction::enabledChanged, reportAction, &QAction::setEnabled);
}

void MainWindow::createMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(u"MainMenu1"_s);

  QMenu* soubor = named<QMenu>(bar, u"Soubor1"_s);
  soubor->addActions({newHistogramAction, newProjectAction, openProjectAction, saveProjectAction});
  soubor->addSeparator();
  soubor->addAction(exitAction);
  bar->addMenu(soubor);

  QMenu* vysledky = named<QMenu>(bar, u"Vysledky1"_s);
  vysledky->addAction(computeAllAction);
  vysledky->addAction(designAction);
  vysledky->addSeparator();
  vysledky->addActions({openResultsAction, saveResultsAction});
  vysledky->addSeparator();
  vysledky->addAction(reportAction);
  bar->addMenu(vysledky);

  QMenu* nastaveni = named<QMenu>(bar, u"Nastaveni1"_s);
  nastaveni->addActions({presetValuesAction, rockTypesAction, wordProcessorAction, copyWindowAction});
  nastaveni->addSeparator();
  QMenu* jazyk = named<QMenu>(nastaveni, u"Jazyk1"_s);
  czechItem = optionAction(this, jazyk, u"Cestina"_s);
  englishItem = optionAction(this, jazyk, u"Anglictina"_s);
  nastaveni->addMenu(jazyk);
  QMenu* barZvy = named<QMenu>(nastaveni, u"BarZvy"_s);
  highlightRowsItem = optionAction(this, barZvy, u"Ano1"_s);
  plainRowsItem = optionAction(this, barZvy, u"Ne1"_s);
  nastaveni->addMenu(barZvy);
  QMenu* help = named<QMenu>(nastaveni, u"Help1"_s);
  htmlHelpItem = optionAction(this, help, u"HTML1"_s);
  winHelpItem = optionAction(this, help, u"WIN1"_s);
  nastaveni->addMenu(help);
  QMenu* axis = named<QMenu>(nastaveni, u"BottomAxis"_s);
  axisIndexItem = optionAction(this, axis, u"Index1"_s);
  axisValueItem = optionAction(this, axis, u"NonIndex"_s);
  nastaveni->addMenu(axis);
  nastaveni->addSeparator();
  nastaveni->addAction(settingsListingAction);
  allClosenessItem = optionAction(this, nastaveni, u"VsechnyTesnosti"_s);
  chartToolbarsItem = optionAction(this, nastaveni, u"PlotCom"_s);
  pairUpperEdgesItem = optionAction(this, nastaveni, u"PairUpperEdges"_s);
  inputCentresItem = optionAction(this, nastaveni, u"InputCentres"_s);
  nastaveni->addSeparator();
  QMenu* dateSep = named<QMenu>(nastaveni, u"DateSeparator1"_s);
  dateDotItem = optionAction(this, dateSep, u"tecka1"_s);
  dateDashItem = optionAction(this, dateSep, u"minus1"_s);
  dateSlashItem = optionAction(this, dateSep, u"lomitko1"_s);
  nastaveni->addMenu(dateSep);
  QMenu* timeSep = named<QMenu>(nastaveni, u"imeSeparator1"_s);
  timeDotItem = optionAction(this, timeSep, u"tecka2"_s);
  timeColonItem = optionAction(this, timeSep, u"dvojtecka1"_s);
  nastaveni->addMenu(timeSep);
  connectOptionItems();
  bar->addMenu(nastaveni);

  QMenu* napoveda = named<QMenu>(bar, u"Napoveda1"_s);
  napoveda->addActions({foldersAction, aboutAction, helpAction});
  bar->addMenu(napoveda);

  // Defaults of a run without a settings file; readMainSettings replaces them.
  czechItem->setChecked(true);
  highlightRowsItem->setChecked(true);
  htmlHelpItem->setChecked(true);
  axisValueItem->setChecked(true);
  chartToolbarsItem->setChecked(true);
  dateDotItem->setChecked(true);
  timeColonItem->setChecked(true);
}

void MainWindow::createToolBar() {
  toolBar_ = addToolBar(QString());
  toolBar_->setObjectName(u"ToolBar1"_s);
  toolBar_->setMovable(false);
  toolBar_->setIconSize(QSize(24, 24));
  auto* sync = new ButtonActionSync(toolBar_);
  const auto button = [this, sync](QAction* action, const QString& name) {
    action->setIcon(drawIcon(name));
    auto* b = named<QToolButton>(toolBar_, name);
    b->setDefaultAction(action);
    b->setAutoRaise(true);
    b->setIconSize(QSize(24, 24));
    b->installEventFilter(sync);
    toolBar_->addWidget(b);
  };
  button(newHistogramAction, u"Novhist"_s);
  button(newProjectAction, u"Novy"_s);
  button(openProjectAction, u"Otevrit"_s);
  button(saveProjectAction, u"SaveTabHorn"_s);
  button(exitAction, u"Konec"_s);
  toolBar_->addSeparator();
  button(openResultsAction, u"OpenVysl"_s);
  button(saveResultsAction, u"SaveVysl"_s);
  button(reportAction, u"ZpravaPDF"_s);
  toolBar_->addSeparator();
  button(presetValuesAction, u"DefaultHodnoty"_s);
  button(rockTypesAction, u"tabdruhhor"_s);
  button(wordProcessorAction, u"OtevriWord"_s);
  button(copyWindowAction, u"UlozOkno"_s);
  toolBar_->addSeparator();
  button(foldersAction, u"OAdresach"_s);
  button(aboutAction, u"OVerzi"_s);
  button(helpAction, u"OProgramu"_s);
}

void MainWindow::createStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName(u"StatusBar1"_s);
  clockPanel_ = named<QLabel>(bar, u"StatusPanel0"_s);
  clockPanel_->setFixedWidth(60);
  clockPanel_->setAlignment(Qt::AlignCenter);
  hintPanel_ = named<QLabel>(bar, u"StatusPanel1"_s);
  bar->addWidget(clockPanel_);
  bar->addWidget(hintPanel_, 1);
  bar->show();

  clock_ = named<QTimer>(this, u"Timer1"_s);
  clock_->setInterval(1000);
  connect(clock_, &QTimer::timeout, this, [this] { clockPanel_->setText(clockText()); });
  clock_->start();
  clockPanel_->setText(clockText());

  // Hints of every window go to this status bar.
  qApp->installEventFilter(this);
}

QString MainWindow::clockText() const {
  const QTime t = QTime::currentTime();
  return qs(formatShortTime(t.hour(), t.minute(), t.second(), services_.options.timeSeparator));
}

QString MainWindow::hintText() const { return hintPanel_->text(); }

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::StatusTip) {
    hintPanel_->setText(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // The splash stays in front of the main window that appears behind it.
  if (splash_) splash_->raise();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The close box asks about unsaved work as the exit command does (which asked already); Cancel keeps
  // the program running.
  if (!workAskedBeforeClose_ && !files_->askToSaveWork()) {
    event->ignore();
    return;
  }
  workAskedBeforeClose_ = false;
  writeMainSettings();
  event->accept();
  if (endProgram) endProgram();
}

// ---------------------------------------------------------------- general commands

void MainWindow::exitProgram() {
  if (!files_->askToSaveWork()) return;
  const Language lang = services_.language();
  const int answer = messageDialog(MessageText(1, lang), MessageText(10, lang), DlgKind::Confirmation,
                                   DlgButtons::YesNo, mrYes);
  if (answer == mrNo) return;
  workAskedBeforeClose_ = true;
  close();
}

void MainWindow::showFolders() {
  const Language lang = services_.language();
  const AppFolders& f = services_.folders;
  const std::string text = "\t" + MessageFormat(5, lang,
                                                {f.VeltraFolder, f.HistogramsFolder, f.ProjectsFolder,
                                                 f.ResultsFolder, f.RawDataFolder});
  infoDialog(lang, text);
}

void MainWindow::openAbout() { services_.windows.openAbout(); }

void MainWindow::openNewHistogram() {
  services_.windows.openNewHistogramWindow();  // it disables this window until it closes
}

void MainWindow::openHelp() {
  const Language lang = services_.language();
  if (services_.options.helpHtml) {
    openHelpFile("Veltra.htm");
    return;
  }
  const std::string path = services_.folders.StartFolder + "/Veltra.HLP";
  if (!QFileInfo::exists(qs(path))) {
    warningDialog(lang, MessageFormat(128, lang, {path}));
    return;
  }
  // The legacy viewer is not part of current desktops: explain it once, until the user says it is there.
  if (helpViewerOffer_ && services_.windows.showHelpInfo()) return;
  openHelpFile("Veltra.HLP");
}

void MainWindow::helpViewerConfirmed() {
  setHelpViewerOffer(false);
  QDir::setCurrent(qs(services_.folders.StartFolder));
  openHelpFile("Veltra.HLP");
}

void MainWindow::openHelpFile(const std::string& fileName) {
  const Language lang = services_.language();
  QString path = qs(services_.folders.StartFolder + "/" + fileName);
  // Started from elsewhere, the program still finds the help it ships with.
  if (!QFileInfo::exists(path)) {
    const QString beside = qs(programDataFolder() + "/" + fileName);
    if (QFileInfo::exists(beside)) path = beside;
  }
  if (!QFileInfo::exists(path)) {
    warningDialog(lang, MessageFormat(128, lang, {path.toStdString()}));
    return;
  }
  QDir::setCurrent(qs(services_.folders.StartFolder));
  QApplication::setOverrideCursor(Qt::BusyCursor);
  QTimer::singleShot(1500, qApp, [] { QApplication::restoreOverrideCursor(); });
  const QString full = QFileInfo(path).absoluteFilePath();
  if (!urlOpener(QUrl::fromLocalFile(full)))
    errorDialog(lang, MessageText(7, lang) + "\r\n\r\n" + full.toStdString());
}

void MainWindow::openWordProcessor() {
  const Language lang = services_.language();
  struct Candidate {
    const char16_t* program;
    QStringList args;
  };
  const Candidate candidates[] = {
      {u"libreoffice", {u"--writer"_s}}, {u"soffice", {u"--writer"_s}}, {u"lowriter", {}}, {u"abiword", {}}};
  for (const Candidate& c : candidates) {
    const QString exe = QStandardPaths::findExecutable(QString::fromUtf16(c.program));
    if (exe.isEmpty()) continue;
    if (programStarter(exe, c.args)) return;
    errorDialog(lang, runtimeTextFormat(RuntimeText::WordProcessorFailed, lang, {exe.toStdString()}));
    return;
  }
  infoDialog(lang, runtimeText(RuntimeText::NoWordProcessor, lang));
}

void MainWindow::copyActiveWindow() {
  QWidget* w = QApplication::activeWindow();
  if (!w) w = this;
  QGuiApplication::clipboard()->setPixmap(w->grab());
}

// ---------------------------------------------------------------- display options

void MainWindow::syncOptionsFromMenu() {
  DisplayOptions& o = services_.options;
  // The language follows Cestina; the other pairs follow their first item.
  services_.setLanguage(czechItem->isChecked() ? Language::Czech : Language::English);
  o.helpHtml = htmlHelpItem->isChecked() || !winHelpItem->isChecked();
  o.highlightRows = highlightRowsItem->isChecked();
  o.axisIndex = axisIndexItem->isChecked();
  o.plotCommander = chartToolbarsItem->isChecked();
  o.allCloseness = allClosenessItem->isChecked();
  o.pairUpperEdges = pairUpperEdgesItem->isChecked();
  o.inputCentres = inputCentresItem->isChecked();
}

void MainWindow::applyAllTexts() {
  const Language lang = services_.language();
  applyTexts(*this, 1, lang);
  services_.windows.applyTexts(lang);
}

void MainWindow::defaultsFollowLanguage() {
  inputArea_->followLanguage();
  if (splash_) splash_->showTexts(services_.language());
}

void MainWindow::languageSwitched() {
  // The stored texts of the RMR tables and the default results name change with the language; that
  // is no work of the user's, so what was saved stays saved.
  const bool inputsSaved = files_->inputsSaved();
  const bool resultsSaved = files_->resultsSaved();
  syncOptionsFromMenu();
  applyAllTexts();
  hintPanel_->clear();  // the hint shown was in the other language; the next one comes in the new
  defaultsFollowLanguage();
  files_->markWorkSaved(inputsSaved, resultsSaved);
}

void MainWindow::connectOptionItems() {
  using E = OptionEffect;
  const auto pair = [this](QAction* first, QAction* second, E effect) {
    onOptionClicked(this, first, [=, this] { pairItemClicked(first, second, effect); });
    onOptionClicked(this, second, [=, this] { pairItemClicked(second, first, effect); });
  };
  pair(czechItem, englishItem, E::Language);
  pair(highlightRowsItem, plainRowsItem, E::Display);
  pair(htmlHelpItem, winHelpItem, E::Options);
  pair(axisIndexItem, axisValueItem, E::Axis);
  // A stored check mark only: clicking the item leaves it as it is.
  onOptionClicked(this, allClosenessItem, [] {});
  onOptionClicked(this, chartToolbarsItem, [this] { toggleItemClicked(chartToolbarsItem, E::Display); });
  // The reading options take effect at the next step of the chain; results made already stay.
  onOptionClicked(this, pairUpperEdgesItem, [this] { toggleItemClicked(pairUpperEdgesItem, E::Options); });
  onOptionClicked(this, inputCentresItem, [this] { toggleItemClicked(inputCentresItem, E::Options); });
  for (auto [item, sep] : {std::pair{dateDotItem, '.'}, {dateDashItem, '-'}, {dateSlashItem, '/'}})
    onOptionClicked(this, item, [this, sep] { dateSeparatorClicked(sep); });
  for (auto [item, sep] : {std::pair{timeDotItem, '.'}, {timeColonItem, ':'}})
    onOptionClicked(this, item, [this, sep] { timeSeparatorClicked(sep); });
}

void MainWindow::pairItemClicked(QAction* clicked, QAction* partner, OptionEffect effect) {
  if (!takeCheck(clicked, partner)) return;
  optionChanged(effect);
}

void MainWindow::toggleItemClicked(QAction* item, OptionEffect effect) {
  item->setChecked(!item->isChecked());
  optionChanged(effect);
}

void MainWindow::optionChanged(OptionEffect effect) {
  if (effect == OptionEffect::Language) {
    languageSwitched();
    return;
  }
  syncOptionsFromMenu();
  if (effect == OptionEffect::Axis) setAxisSelectors();
  if (effect != OptionEffect::Options) emit displayOptionsChanged();
}

void MainWindow::setAxisSelectors() { services_.windows.selectAxis(services_.options.axisIndex); }

void MainWindow::checkDateSeparator(char sep) {
  QAction* items[] = {dateDotItem, dateDashItem, dateSlashItem};
  const char seps[] = {'.', '-', '/'};
  bool known = false;
  for (int i = 0; i < 3; ++i) known = known || seps[i] == sep;
  if (!known) return;  // an unknown stored separator changes nothing
  for (int i = 0; i < 3; ++i) items[i]->setChecked(seps[i] == sep);
  services_.options.dateSeparator = sep;
}

void MainWindow::checkTimeSeparator(char sep) {
  if (sep != '.' && sep != ':') return;
  timeDotItem->setChecked(sep == '.');
  timeColonItem->setChecked(sep == ':');
  services_.options.timeSeparator = sep;
  clockPanel_->setText(clockText());
}

void MainWindow::dateSeparatorClicked(char sep) {
  checkDateSeparator(sep);
  emit displayOptionsChanged();
}

void MainWindow::timeSeparatorClicked(char sep) {
  checkTimeSeparator(sep);
  emit displayOptionsChanged();
}

// ---------------------------------------------------------------- settings

namespace {

// The menu items stored as Bool keys, in the order they are read and written.
std::array<std::pair<QAction*, const settings::Key*>, 8> storedMenuItems(const MainWindow& w) {
  return {{{w.allClosenessItem, &settings::kAllCloseness},
           {w.czechItem, &settings::kLanguageCzech},
           {w.englishItem, &settings::kLanguageEnglish},
           {w.htmlHelpItem, &settings::kHelpHtml},
           {w.winHelpItem, &settings::kHelpWin},
           {w.axisIndexItem, &settings::kIndexYes},
           {w.axisValueItem, &settings::kIndexNo},
           {w.chartToolbarsItem, &settings::kPlotCom}}};
}

// The menu items of the chain's reading, stored as text keys: the item, its key and the names stored
// with the item checked and unchecked.
struct ReadingMenuItem {
  QAction* action;
  const settings::Key* key;
  std::string_view checked, unchecked;
};

std::array<ReadingMenuItem, 2> readingMenuItems(const MainWindow& w) {
  return {{{w.pairUpperEdgesItem, &settings::kPairValues, pairValuesName(PairValues::UpperEdges),
            pairValuesName(PairValues::Centres)},
           {w.inputCentresItem, &settings::kInputReading, inputReadingName(InputReading::Centres),
            inputReadingName(InputReading::Uniform)}}};
}

// The display colours and their keys.
constexpr std::pair<std::uint32_t DisplayColours::*, const settings::Key*> kStoredColours[] = {
    {&DisplayColours::histogram, &settings::kColorChart},  {&DisplayColours::value, &settings::kColorFce},
    {&DisplayColours::quantile, &settings::kColorKvantil}, {&DisplayColours::assessment, &settings::kColorFS},
    {&DisplayColours::table, &settings::kColorTab},        {&DisplayColours::edit, &settings::kColorEdit}};

}  // namespace

void MainWindow::readMainSettings() {
  const SettingsFile& s = services_.settings;
  DisplayOptions& o = services_.options;
  using namespace settings;

  restoreWindowPlace(*this, s, kForm1Geometry);

  helpViewerOffer_ = settings::readBool(s, kWinHlpOffer);
  for (const auto& [action, key] : storedMenuItems(*this)) action->setChecked(settings::readBool(s, *key));
  for (const ReadingMenuItem& item : readingMenuItems(*this))
    item.action->setChecked(settings::readText(s, *item.key) == item.checked);

  const auto colour = [&s](const Key& key, std::uint32_t def) {
    const long long v = s.readInteger(key.section, key.key, def);
    return v >= 0 && v <= 0xFFFFFF ? std::uint32_t(v) : def;
  };
  const DisplayColours defaults;
  for (const auto& [member, key] : kStoredColours) o.colours.*member = colour(*key, defaults.*member);
  highlightRowsItem->setChecked(settings::readBool(s, kHighlightYes));
  plainRowsItem->setChecked(settings::readBool(s, kHighlightNo));

  const long long dateSep = settings::readInteger(s, kDateSeparator, kDateSeparator.intDefault);
  const long long timeSep = settings::readInteger(s, kTimeSeparator, kTimeSeparator.intDefault);
  if (dateSep > 0 && dateSep < 128) checkDateSeparator(char(dateSep));
  if (timeSep > 0 && timeSep < 128) checkTimeSeparator(char(timeSep));

  inputArea_->applyEditColour();

  readRockTypeSettings();
  syncOptionsFromMenu();
}

void MainWindow::writeMainSettings() {
  SettingsFile& s = services_.settings;
  const DisplayOptions& o = services_.options;
  using namespace settings;

  storeWindowPlace(*this, s, kForm1Geometry);
  for (const auto& [member, key] : kStoredColours) settings::write(s, *key, o.colours.*member);
  settings::writeBool(s, kWinHlpOffer, helpViewerOffer_);
  for (const auto& [action, key] : storedMenuItems(*this)) settings::writeBool(s, *key, action->isChecked());
  for (const ReadingMenuItem& item : readingMenuItems(*this))
    settings::writeText(s, *item.key, item.action->isChecked() ? item.checked : item.unchecked);
  settings::write(s, kDateSeparator, static_cast<unsigned char>(o.dateSeparator));
  settings::write(s, kTimeSeparator, static_cast<unsigned char>(o.timeSeparator));
  settings::writeBool(s, kHighlightYes, highlightRowsItem->isChecked());
  settings::writeBool(s, kHighlightNo, plainRowsItem->isChecked());

  writeRockTypeSettings();
}

ChainReading MainWindow::chainReadingOption() const { return chain_->readingOption(); }

const AssessmentResult& MainWindow::assessment() const { return chain_->assessment(); }

void MainWindow::startClean() { files_->markWorkSaved(true, true); }
