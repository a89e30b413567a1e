#include "ui/Pelmora.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStandardPaths>
#include <QTextEdit>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

#include "ralvex/Ralvex.h"
#include "shell/TextyCeskoAngl.h"
#include "ui/DruhyHornin.h"
#include "ui/Graf_Hornin.h"
#include "ui/Color.h"
#include "ui/IniSoubor.h"
#include "ui/KrivkaTrvani.h"
#include "ui/ParamRozdel.h"
#include "ui/Prob2_u.h"
#include "ui/PrvotniData.h"
#include "ui/RMR.h"
#include "ui/Services.h"
#include "ui/LostLetters.h"
#include "ui/SettingsKeys.h"
#include "ui/TabChar.h"
#include "ui/TextSets.h"
#include "ui/Unit10.h"
#include "ui/VistaHlp.h"
#include "ui/WindowPlace.h"
#include "ui/ZadaniHistogramu.h"

using namespace Qt::StringLiterals;

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

// Toolbar pictures, drawn so that they look the same on every desktop.
QIcon drawIcon(const QString& name) {
  QPixmap pm(24, 24);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor ink(0x30, 0x30, 0x30), blue(0x2a, 0x5d, 0xb0), yellow(0xf0, 0xc0, 0x40), red(0xc0, 0x30, 0x30),
      green(0x30, 0x90, 0x40), paper(0xfc, 0xfc, 0xf8);
  const auto page = [&](QColor fill) {
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
  };
  const auto folder = [&](QColor fill) {
    p.setPen(QPen(ink, 1));
    p.setBrush(fill.darker(115));
    p.drawRect(2, 5, 8, 4);
    p.setBrush(fill);
    p.drawRect(2, 8, 19, 13);
  };
  const auto disk = [&](QColor fill) {
    p.setPen(QPen(ink, 1));
    p.setBrush(fill);
    p.drawRoundedRect(3, 3, 18, 18, 2, 2);
    p.setBrush(paper);
    p.drawRect(7, 3, 10, 7);
    p.setBrush(QColor(0xd0, 0xd0, 0xd0));
    p.drawRect(7, 14, 10, 7);
  };
  const auto bars = [&](int x, int y, int scale, QColor fill) {
    const int h[] = {3, 6, 9, 6, 3};
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    for (int i = 0; i < 5; ++i) p.drawRect(x + i * scale, y - h[i] * scale / 3, scale - 1, h[i] * scale / 3);
  };
  const auto letter = [&](const QString& text, QColor colour, int size) {
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(size);
    p.setFont(f);
    p.setPen(colour);
    p.drawText(QRect(0, 0, 24, 24), Qt::AlignCenter, text);
  };
  const auto disc = [&](QColor fill) {
    p.setPen(QPen(fill.darker(130), 1));
    p.setBrush(fill);
    p.drawEllipse(2, 2, 20, 20);
  };

  if (name == u"Novhist") {
    bars(2, 21, 4, blue);
    p.setPen(QPen(green, 2));
    p.drawLine(17, 3, 17, 11);
    p.drawLine(13, 7, 21, 7);
  } else if (name == u"Novy") {
    page(paper);
  } else if (name == u"Otevrit") {
    folder(yellow);
  } else if (name == u"SaveTabHorn") {
    disk(blue);
  } else if (name == u"Konec") {
    p.setPen(QPen(ink, 1));
    p.setBrush(QColor(0x8a, 0x5a, 0x30));
    p.drawRect(5, 2, 12, 20);
    p.setPen(QPen(red, 3));
    p.drawLine(13, 9, 22, 18);
    p.drawLine(22, 9, 13, 18);
  } else if (name == u"OpenVysl") {
    folder(yellow);
    bars(6, 19, 3, red);
  } else if (name == u"SaveVysl") {
    disk(green);
  } else if (name == u"DefaultHodnoty") {
    p.setPen(QPen(blue, 3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(4, 4, 16, 16, 60 * 16, 290 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(blue);
    p.drawPolygon(QPolygon({QPoint(13, 1), QPoint(20, 5), QPoint(13, 9)}));
  } else if (name == u"tabdruhhor") {
    p.setPen(QPen(ink, 1));
    p.setBrush(paper);
    p.drawRect(2, 3, 20, 18);
    p.fillRect(3, 4, 19, 4, QColor(0xb0, 0xc8, 0xe8));
    for (int y = 8; y < 21; y += 4) p.drawLine(2, y, 22, y);
    p.drawLine(9, 3, 9, 21);
  } else if (name == u"OtevriWord") {
    page(paper);
    letter(u"W"_s, blue, 12);
  } else if (name == u"UlozOkno") {
    p.setPen(QPen(ink, 1));
    p.setBrush(paper);
    p.drawRect(2, 3, 16, 13);
    p.fillRect(3, 4, 15, 3, blue);
    p.setBrush(QColor(0xc8, 0xa0, 0x60));
    p.drawRect(11, 10, 11, 12);
    p.fillRect(13, 13, 7, 1, ink);
    p.fillRect(13, 16, 7, 1, ink);
  } else if (name == u"OAdresach") {
    folder(yellow);
    p.setPen(QPen(ink, 1));
    p.drawLine(6, 12, 6, 18);
    p.drawLine(6, 15, 12, 15);
    p.drawLine(6, 18, 12, 18);
  } else if (name == u"OVerzi") {
    disc(blue);
    letter(u"i"_s, Qt::white, 15);
  } else if (name == u"OProgramu") {
    disc(green);
    letter(u"?"_s, Qt::white, 15);
  }
  return QIcon(pm);
}

// A checkable menu item whose check mark is changed by its handler only: the click's own toggle is
// undone before the handler runs, so the handler sees the state the user clicked on.
QAction* optionAction(TForm1* form, QMenu* menu, const QString& name, void (TForm1::*handler)()) {
  auto* a = new QAction(form);
  a->setObjectName(name);
  a->setCheckable(true);
  menu->addAction(a);
  QObject::connect(a, &QAction::triggered, form, [form, a, handler](bool checked) {
    a->setChecked(!checked);
    (form->*handler)();
  });
  return a;
}

QAction* commandAction(TForm1* form, const QString& name, const QKeySequence& shortcut = {}) {
  auto* a = new QAction(form);
  a->setObjectName(name);
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

// The desktop hands pages and files to a helper that fails silently when nothing can show them:
// look for something that can before asking it.
static bool desktopCanOpen(const QUrl& url) {
  const QString mime = url.isLocalFile() && !url.toLocalFile().endsWith(u".htm"_s, Qt::CaseInsensitive) &&
                               !url.toLocalFile().endsWith(u".html"_s, Qt::CaseInsensitive)
                           ? QString()
                           : u"text/html"_s;
  if (QStandardPaths::findExecutable(u"xdg-open"_s).isEmpty()) return false;
  if (mime.isEmpty()) return true;  // other files: the helper is all there is to ask
  QProcess query;
  query.start(u"xdg-mime"_s, {u"query"_s, u"default"_s, mime});
  if (query.waitForFinished(3000) && query.exitCode() == 0 && !query.readAllStandardOutput().trimmed().isEmpty())
    return true;
  for (const char* browser : {"x-www-browser", "sensible-browser", "firefox", "firefox-esr", "chromium", "google-chrome"})
    if (!QStandardPaths::findExecutable(QString::fromLatin1(browser)).isEmpty()) return true;
  return false;
}

TForm1::TForm1(Services& services, QWidget* parent) : QMainWindow(parent), services_(services) {
  setObjectName(u"Form1"_s);
  watchSettingsWrites(services_);

  // Not a child: the main window's texts must not reach the splash labels.
  splash_ = new TForm10();
  splash_->show();
  splash_->repaint();

  urlOpener = [](const QUrl& url) { return desktopCanOpen(url) && QDesktopServices::openUrl(url); };
  programStarter = [](const QString& program, const QStringList& args) {
    return QProcess::startDetached(program, args);
  };

  createActions();
  createMenus();
  createToolBar();
  createStatusBar();

  setupInputArea();
  setupChain();
  // Other parts of the window connect their handlers to the actions here.
  setupFiles();

  readMainSettings();
  applyTexts(*this, 1, services_.language());
  ralvex::DodejDoMessage(services_.language() == Language::Czech);
  markWorkSaved(true, true);
}

TForm1::~TForm1() { delete splash_.data(); }

TForm10* TForm1::splash() const { return splash_.data(); }

// ---------------------------------------------------------------- frame

void TForm1::createActions() {
  actNovhist = commandAction(this, u"Novhist1"_s);
  actNovy = commandAction(this, u"Novy1"_s, QKeySequence(u"Ctrl+N"_s));
  actOtevrit = commandAction(this, u"Otevrit1"_s, QKeySequence(u"Ctrl+O"_s));
  actSaveTabHorn = commandAction(this, u"SaveTabHorn1"_s, QKeySequence(u"Ctrl+S"_s));
  actKonec = commandAction(this, u"Konec1"_s, QKeySequence(u"Alt+X"_s));
  actOpenVysl = commandAction(this, u"OpenVysl1"_s);
  actSaveVysl = commandAction(this, u"SaveVysl1"_s);
  actDefaultHodnoty = commandAction(this, u"DefaultHodnoty1"_s);
  actTabdruhhor = commandAction(this, u"tabdruhhor1"_s);
  actOtevriWord = commandAction(this, u"OtevriWord1"_s);
  actUlozOkno = commandAction(this, u"UlozOkno1"_s);
  actINIsoubor = commandAction(this, u"INIsoubor1"_s);
  actOAdresach = commandAction(this, u"OAdresach1"_s, QKeySequence(u"F3"_s));
  actOVerzi = commandAction(this, u"Overzi1"_s, QKeySequence(u"F2"_s));
  actOProgramu = commandAction(this, u"Oprogramu1"_s, QKeySequence(u"F1"_s));

  connect(actNovhist, &QAction::triggered, this, &TForm1::NovhistClick);
  connect(actNovy, &QAction::triggered, this, &TForm1::NovyClick);
  connect(actKonec, &QAction::triggered, this, &TForm1::KonecClick);
  connect(actOtevriWord, &QAction::triggered, this, &TForm1::OtevriWordClick);
  connect(actUlozOkno, &QAction::triggered, this, &TForm1::UlozOknoClick);
  connect(actOAdresach, &QAction::triggered, this, &TForm1::OAdresachClick);
  connect(actOVerzi, &QAction::triggered, this, &TForm1::OVerziClick);
  connect(actOProgramu, &QAction::triggered, this, &TForm1::OProgramuClick);

  // Disabled until a project or an assessment exists; their parts enable them.
  actSaveTabHorn->setEnabled(false);
  actSaveVysl->setEnabled(false);
}

void TForm1::createMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(u"MainMenu1"_s);
  const auto menu = [this](QWidget* parent, const QString& name) {
    auto* m = new QMenu(parent);
    m->setObjectName(name);
    return m;
  };

  QMenu* soubor = menu(bar, u"Soubor1"_s);
  soubor->addActions({actNovhist, actNovy, actOtevrit, actSaveTabHorn});
  soubor->addSeparator();
  soubor->addAction(actKonec);
  bar->addMenu(soubor);

  QMenu* vysledky = menu(bar, u"Vysledky1"_s);
  vysledky->addActions({actOpenVysl, actSaveVysl});
  bar->addMenu(vysledky);

  QMenu* nastaveni = menu(bar, u"Nastaveni1"_s);
  nastaveni->addActions({actDefaultHodnoty, actTabdruhhor, actOtevriWord, actUlozOkno});
  nastaveni->addSeparator();
  QMenu* jazyk = menu(nastaveni, u"Jazyk1"_s);
  actCestina = optionAction(this, jazyk, u"Cestina"_s, &TForm1::CestinaClick);
  actAnglictina = optionAction(this, jazyk, u"Anglictina"_s, &TForm1::AnglictinaClick);
  nastaveni->addMenu(jazyk);
  QMenu* barZvy = menu(nastaveni, u"BarZvy"_s);
  actAno = optionAction(this, barZvy, u"Ano1"_s, &TForm1::Ano1Click);
  actNe = optionAction(this, barZvy, u"Ne1"_s, &TForm1::Ne1Click);
  nastaveni->addMenu(barZvy);
  QMenu* help = menu(nastaveni, u"Help1"_s);
  actHTML = optionAction(this, help, u"HTML1"_s, &TForm1::HTML1Click);
  actWIN = optionAction(this, help, u"WIN1"_s, &TForm1::WIN1Click);
  nastaveni->addMenu(help);
  QMenu* axis = menu(nastaveni, u"BottomAxis"_s);
  actIndex = optionAction(this, axis, u"Index1"_s, &TForm1::Index1Click);
  actNonIndex = optionAction(this, axis, u"NonIndex"_s, &TForm1::NonIndexClick);
  nastaveni->addMenu(axis);
  nastaveni->addSeparator();
  nastaveni->addAction(actINIsoubor);
  actVsechnyTesnosti = optionAction(this, nastaveni, u"VsechnyTesnosti"_s, &TForm1::VsechnyTesnostiClick);
  actPlotCom = optionAction(this, nastaveni, u"PlotCom"_s, &TForm1::PlotComClick);
  nastaveni->addSeparator();
  QMenu* dateSep = menu(nastaveni, u"DateSeparator1"_s);
  actTecka1 = optionAction(this, dateSep, u"tecka1"_s, &TForm1::tecka1Click);
  actMinus1 = optionAction(this, dateSep, u"minus1"_s, &TForm1::minus1Click);
  actLomitko1 = optionAction(this, dateSep, u"lomitko1"_s, &TForm1::lomitko1Click);
  nastaveni->addMenu(dateSep);
  QMenu* timeSep = menu(nastaveni, u"imeSeparator1"_s);
  actTecka2 = optionAction(this, timeSep, u"tecka2"_s, &TForm1::tecka2Click);
  actDvojtecka1 = optionAction(this, timeSep, u"dvojtecka1"_s, &TForm1::dvojtecka1Click);
  nastaveni->addMenu(timeSep);
  bar->addMenu(nastaveni);

  QMenu* napoveda = menu(bar, u"Napoveda1"_s);
  napoveda->addActions({actOAdresach, actOVerzi, actOProgramu});
  bar->addMenu(napoveda);

  // Defaults of a run without a settings file; readMainSettings replaces them.
  actCestina->setChecked(true);
  actAno->setChecked(true);
  actHTML->setChecked(true);
  actNonIndex->setChecked(true);
  actPlotCom->setChecked(true);
  actTecka1->setChecked(true);
  actDvojtecka1->setChecked(true);
}

void TForm1::createToolBar() {
  toolBar_ = addToolBar(QString());
  toolBar_->setObjectName(u"ToolBar1"_s);
  toolBar_->setMovable(false);
  toolBar_->setIconSize(QSize(24, 24));
  auto* sync = new ButtonActionSync(toolBar_);
  const auto button = [this, sync](QAction* action, const QString& name) {
    action->setIcon(drawIcon(name));
    auto* b = new QToolButton(toolBar_);
    b->setObjectName(name);
    b->setDefaultAction(action);
    b->setAutoRaise(true);
    b->setIconSize(QSize(24, 24));
    b->installEventFilter(sync);
    toolBar_->addWidget(b);
  };
  button(actNovhist, u"Novhist"_s);
  button(actNovy, u"Novy"_s);
  button(actOtevrit, u"Otevrit"_s);
  button(actSaveTabHorn, u"SaveTabHorn"_s);
  button(actKonec, u"Konec"_s);
  toolBar_->addSeparator();
  button(actOpenVysl, u"OpenVysl"_s);
  button(actSaveVysl, u"SaveVysl"_s);
  toolBar_->addSeparator();
  button(actDefaultHodnoty, u"DefaultHodnoty"_s);
  button(actTabdruhhor, u"tabdruhhor"_s);
  button(actOtevriWord, u"OtevriWord"_s);
  button(actUlozOkno, u"UlozOkno"_s);
  toolBar_->addSeparator();
  button(actOAdresach, u"OAdresach"_s);
  button(actOVerzi, u"OVerzi"_s);
  button(actOProgramu, u"OProgramu"_s);
}

void TForm1::createStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName(u"StatusBar1"_s);
  clockPanel_ = new QLabel(bar);
  clockPanel_->setObjectName(u"StatusPanel0"_s);
  clockPanel_->setFixedWidth(60);
  clockPanel_->setAlignment(Qt::AlignCenter);
  hintPanel_ = new QLabel(bar);
  hintPanel_->setObjectName(u"StatusPanel1"_s);
  bar->addWidget(clockPanel_);
  bar->addWidget(hintPanel_, 1);
  bar->show();

  clock_ = new QTimer(this);
  clock_->setObjectName(u"Timer1"_s);
  clock_->setInterval(1000);
  connect(clock_, &QTimer::timeout, this, [this] { clockPanel_->setText(clockText()); });
  clock_->start();
  clockPanel_->setText(clockText());

  // Hints of every window go to this status bar.
  qApp->installEventFilter(this);
}

QString TForm1::clockText() const {
  const QTime t = QTime::currentTime();
  return qs(formatShortTime(t.hour(), t.minute(), t.second(), services_.options.timeSeparator));
}

QString TForm1::hintText() const { return hintPanel_->text(); }

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::StatusTip) {
    hintPanel_->setText(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void TForm1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // The splash stays in front of the main window that appears behind it.
  if (splash_) splash_->raise();
}

void TForm1::closeEvent(QCloseEvent* event) {
  writeMainSettings();
  event->accept();
  if (endProgram) endProgram();
}

// ---------------------------------------------------------------- general commands

void TForm1::KonecClick() {
  if (!askToSaveWork()) return;
  const Language lang = services_.language();
  const int answer = ralvex::DefMessageDlg(MessageText(1, lang), MessageText(10, lang),
                                           ralvex::DlgKind::Confirmation, ralvex::DlgButtons::YesNo, ralvex::mrYes);
  if (answer != ralvex::mrNo) close();
}

void TForm1::OAdresachClick() {
  const Language lang = services_.language();
  const AppFolders& f = services_.folders;
  const std::string text =
      "\t" + MessageFormat(5, lang,
                           {f.VeltraFolder, f.HistogramsFolder, f.ProjectsFolder, f.ResultsFolder, f.RawDataFolder});
  ralvex::DefMessageDlg(MessageText(2, lang), text, ralvex::DlgKind::Information, ralvex::DlgButtons::Ok,
                        ralvex::mrOk);
}

void TForm1::OVerziClick() {
  TForm2* about = services_.windows.form2;
  if (!about) return;
  setEnabled(false);
  about->show();
  about->raise();
  about->activateWindow();
}

void TForm1::NovhistClick() {
  TForm13* w = services_.windows.form13;
  if (!w) return;
  setEnabled(false);
  w->show();
  w->raise();
  w->activateWindow();
}

void TForm1::OProgramuClick() {
  const Language lang = services_.language();
  if (services_.options.helpHtml) {
    openHelpFile("Veltra.htm");
    return;
  }
  const std::string path = services_.folders.StartFolder + "/Veltra.HLP";
  if (!QFileInfo::exists(qs(path))) {
    ralvex::DefMessageDlg(MessageText(4, lang), MessageFormat(128, lang, {path}), ralvex::DlgKind::Warning,
                          ralvex::DlgButtons::Ok, ralvex::mrOk);
    return;
  }
  // The legacy viewer is not part of current desktops: explain it once, until the user says it is there.
  if (helpViewerOffer_ && services_.windows.form11) {
    TForm11* info = services_.windows.form11;
    setEnabled(false);
    info->show();
    info->raise();
    return;
  }
  openHelpFile("Veltra.HLP");
}

void TForm1::openHelpFile(const std::string& fileName) {
  const Language lang = services_.language();
  QString path = qs(services_.folders.StartFolder + "/" + fileName);
  // Started from elsewhere, the program still finds the help it ships beside itself.
  if (!QFileInfo::exists(path)) {
    const QString beside = QCoreApplication::applicationDirPath() + u'/' + qs(fileName);
    if (QFileInfo::exists(beside)) path = beside;
  }
  if (!QFileInfo::exists(path)) {
    ralvex::DefMessageDlg(MessageText(4, lang), MessageFormat(128, lang, {path.toStdString()}),
                          ralvex::DlgKind::Warning, ralvex::DlgButtons::Ok, ralvex::mrOk);
    return;
  }
  QDir::setCurrent(qs(services_.folders.StartFolder));
  QApplication::setOverrideCursor(Qt::BusyCursor);
  QTimer::singleShot(1500, qApp, [] { QApplication::restoreOverrideCursor(); });
  const QString full = QFileInfo(path).absoluteFilePath();
  if (!urlOpener(QUrl::fromLocalFile(full)))
    ralvex::DefMessageDlg(MessageText(3, lang), MessageText(7, lang) + "\r\n\r\n" + full.toStdString(),
                          ralvex::DlgKind::Error, ralvex::DlgButtons::Ok, ralvex::mrOk);
}

void TForm1::OtevriWordClick() {
  const Language lang = services_.language();
  struct Candidate {
    const char16_t* program;
    QStringList args;
  };
  const Candidate candidates[] = {{u"libreoffice", {u"--writer"_s}},
                                  {u"soffice", {u"--writer"_s}},
                                  {u"lowriter", {}},
                                  {u"abiword", {}}};
  for (const Candidate& c : candidates) {
    const QString exe = QStandardPaths::findExecutable(QString::fromUtf16(c.program));
    if (exe.isEmpty()) continue;
    if (programStarter(exe, c.args)) return;
    const std::string text = lang == Language::Czech ? "Textový editor se nepodařilo spustit :\r\n\r\n"
                                                     : "The word processor could not be started :\r\n\r\n";
    ralvex::DefMessageDlg(MessageText(3, lang), text + exe.toStdString(), ralvex::DlgKind::Error,
                          ralvex::DlgButtons::Ok, ralvex::mrOk);
    return;
  }
  const std::string text =
      lang == Language::Czech
          ? "Na tomto počítači není nainstalován textový editor.\r\n\r\n"
            "Nainstalujte LibreOffice Writer nebo AbiWord."
          : "No word processor is installed on this computer.\r\n\r\nInstall LibreOffice Writer or AbiWord.";
  ralvex::DefMessageDlg(MessageText(2, lang), text, ralvex::DlgKind::Information, ralvex::DlgButtons::Ok,
                        ralvex::mrOk);
}

void TForm1::UlozOknoClick() {
  QWidget* w = QApplication::activeWindow();
  if (!w) w = this;
  QGuiApplication::clipboard()->setPixmap(w->grab());
}

// ---------------------------------------------------------------- display options

void TForm1::syncOptionsFromMenu() {
  DisplayOptions& o = services_.options;
  // The language follows Cestina; the other pairs follow their first item.
  o.language = actCestina->isChecked() ? Language::Czech : Language::English;
  o.helpHtml = actHTML->isChecked() || !actWIN->isChecked();
  o.highlightRows = actAno->isChecked();
  o.axisIndex = actIndex->isChecked();
  o.plotCommander = actPlotCom->isChecked();
  o.allCloseness = actVsechnyTesnosti->isChecked();
}

void TForm1::applyAllTexts() {
  const Language lang = services_.language();
  const Windows& w = services_.windows;
  const auto apply = [lang](QWidget* window, int number) {
    if (window) applyTexts(*window, number, lang);
  };
  apply(this, 1);
  apply(w.form2, 2);
  apply(w.form3, 3);
  apply(w.form4, 4);
  apply(w.form5, 5);
  apply(w.form6, 6);
  apply(w.form7, 7);
  apply(w.form8, 8);
  apply(w.form9, 9);
  apply(w.form11, 11);
  apply(w.form12, 12);
  apply(w.form13, 13);
  apply(w.form14, 14);
}

void TForm1::CestinaClick() {
  if (!takeCheck(actCestina, actAnglictina)) return;
  syncOptionsFromMenu();
  ralvex::DodejDoMessage(true);
  applyAllTexts();
}

void TForm1::AnglictinaClick() {
  if (!takeCheck(actAnglictina, actCestina)) return;
  syncOptionsFromMenu();
  ralvex::DodejDoMessage(false);
  applyAllTexts();
}

void TForm1::HTML1Click() {
  if (!takeCheck(actHTML, actWIN)) return;
  syncOptionsFromMenu();
}

void TForm1::WIN1Click() {
  if (!takeCheck(actWIN, actHTML)) return;
  syncOptionsFromMenu();
}

void TForm1::Ano1Click() {
  if (!takeCheck(actAno, actNe)) return;
  syncOptionsFromMenu();
  emit displayOptionsChanged();
}

void TForm1::Ne1Click() {
  if (!takeCheck(actNe, actAno)) return;
  syncOptionsFromMenu();
  emit displayOptionsChanged();
}

void TForm1::setAxisSelectors() {
  // Item 0 of the chart windows' selector is the index, item 1 the value.
  const int item = services_.options.axisIndex ? 0 : 1;
  QWidget* charts[] = {services_.windows.form3, services_.windows.form4, services_.windows.form5};
  for (QWidget* w : charts) {
    if (!w) continue;
    if (auto* cb = w->findChild<QComboBox*>(u"CBValInd"_s); cb && item < cb->count()) {
      const QSignalBlocker block(cb);
      cb->setCurrentIndex(item);
    }
  }
}

void TForm1::Index1Click() {
  if (!takeCheck(actIndex, actNonIndex)) return;
  syncOptionsFromMenu();
  setAxisSelectors();
  emit displayOptionsChanged();
}

void TForm1::NonIndexClick() {
  if (!takeCheck(actNonIndex, actIndex)) return;
  syncOptionsFromMenu();
  setAxisSelectors();
  emit displayOptionsChanged();
}

void TForm1::PlotComClick() {
  actPlotCom->setChecked(!actPlotCom->isChecked());
  syncOptionsFromMenu();
  emit displayOptionsChanged();
}

// A stored check mark only: clicking the item leaves it as it is.
void TForm1::VsechnyTesnostiClick() {}

void TForm1::checkDateSeparator(char sep) {
  QAction* items[] = {actTecka1, actMinus1, actLomitko1};
  const char seps[] = {'.', '-', '/'};
  bool known = false;
  for (int i = 0; i < 3; ++i) known = known || seps[i] == sep;
  if (!known) return;  // an unknown stored separator changes nothing
  for (int i = 0; i < 3; ++i) items[i]->setChecked(seps[i] == sep);
  services_.options.dateSeparator = sep;
}

void TForm1::checkTimeSeparator(char sep) {
  if (sep != '.' && sep != ':') return;
  actTecka2->setChecked(sep == '.');
  actDvojtecka1->setChecked(sep == ':');
  services_.options.timeSeparator = sep;
  clockPanel_->setText(clockText());
}

void TForm1::tecka1Click() {
  checkDateSeparator('.');
  emit displayOptionsChanged();
}
void TForm1::minus1Click() {
  checkDateSeparator('-');
  emit displayOptionsChanged();
}
void TForm1::lomitko1Click() {
  checkDateSeparator('/');
  emit displayOptionsChanged();
}
void TForm1::tecka2Click() {
  checkTimeSeparator('.');
  emit displayOptionsChanged();
}
void TForm1::dvojtecka1Click() {
  checkTimeSeparator(':');
  emit displayOptionsChanged();
}

// ---------------------------------------------------------------- settings

void TForm1::applyEditColour() {
  for (const auto& name : {u"EdPS"_s, u"EdPSV"_s, u"EdPK"_s, u"EdPSds"_s})
    if (auto* e = findChild<QLineEdit*>(name)) setBaseColour(*e, services_.options.colours.edit);
}

void TForm1::readMainSettings() {
  const SettingsFile& s = services_.settings;
  DisplayOptions& o = services_.options;
  using namespace keys;

  restoreWindowPlace(*this, s, kForm1);

  helpViewerOffer_ = s.readBool(kSetting, kHelpViewerOffer, true);
  actVsechnyTesnosti->setChecked(s.readBool(kSetting, kAllCloseness, false));
  actCestina->setChecked(s.readBool(kNastaveni, kCzech, true));
  actAnglictina->setChecked(s.readBool(kNastaveni, kEnglish, false));
  actHTML->setChecked(s.readBool(kNastaveni, kHelpHtml, true));
  actWIN->setChecked(s.readBool(kNastaveni, kHelpWin, false));
  actIndex->setChecked(s.readBool(kComponent, kIndexYes, false));
  actNonIndex->setChecked(s.readBool(kComponent, kIndexNo, true));
  actPlotCom->setChecked(s.readBool(kNastaveni, kPlotCom, true));

  const auto colour = [&s](const char* key, std::uint32_t def) {
    const long long v = s.readInteger(kSetting, key, def);
    return v >= 0 && v <= 0xFFFFFF ? std::uint32_t(v) : def;
  };
  const DisplayColours defaults;
  o.colours.histogram = colour(kColorChart, defaults.histogram);
  o.colours.value = colour(kColorFce, defaults.value);
  o.colours.quantile = colour(kColorKvantil, defaults.quantile);
  o.colours.assessment = colour(kColorFS, defaults.assessment);
  o.colours.table = colour(kColorTab, defaults.table);
  o.colours.edit = colour(kColorEdit, defaults.edit);
  actAno->setChecked(s.readBool(kSetting, kHighlightYes, true));
  actNe->setChecked(s.readBool(kSetting, kHighlightNo, false));

  const long long dateSep = s.readInteger(kSetting, kDateSeparator, '.');
  const long long timeSep = s.readInteger(kSetting, kTimeSeparator, ':');
  if (dateSep > 0 && dateSep < 128) checkDateSeparator(char(dateSep));
  if (timeSep > 0 && timeSep < 128) checkTimeSeparator(char(timeSep));

  applyEditColour();

  readRockTypeSettings();
  syncOptionsFromMenu();
}

void TForm1::writeMainSettings() {
  SettingsFile& s = services_.settings;
  const DisplayOptions& o = services_.options;
  using namespace keys;

  storeWindowPlace(*this, s, kForm1);
  s.writeInteger(kSetting, kColorChart, o.colours.histogram);
  s.writeInteger(kSetting, kColorFce, o.colours.value);
  s.writeInteger(kSetting, kColorKvantil, o.colours.quantile);
  s.writeInteger(kSetting, kColorFS, o.colours.assessment);
  s.writeInteger(kSetting, kColorTab, o.colours.table);
  s.writeInteger(kSetting, kColorEdit, o.colours.edit);
  s.writeBool(kSetting, kHelpViewerOffer, helpViewerOffer_);
  s.writeBool(kSetting, kAllCloseness, actVsechnyTesnosti->isChecked());
  s.writeBool(kNastaveni, kCzech, actCestina->isChecked());
  s.writeBool(kNastaveni, kEnglish, actAnglictina->isChecked());
  s.writeBool(kNastaveni, kHelpHtml, actHTML->isChecked());
  s.writeBool(kNastaveni, kHelpWin, actWIN->isChecked());
  s.writeBool(kComponent, kIndexYes, actIndex->isChecked());
  s.writeBool(kComponent, kIndexNo, actNonIndex->isChecked());
  s.writeBool(kNastaveni, kPlotCom, actPlotCom->isChecked());
  s.writeInteger(kSetting, kDateSeparator, static_cast<unsigned char>(o.dateSeparator));
  s.writeInteger(kSetting, kTimeSeparator, static_cast<unsigned char>(o.timeSeparator));
  s.writeBool(kSetting, kHighlightYes, actAno->isChecked());
  s.writeBool(kSetting, kHighlightNo, actNe->isChecked());

  writeRockTypeSettings();
}
