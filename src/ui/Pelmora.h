#pragma once

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <string>

#include "reliability/ProjectState.h"
#include "shell/Language.h"

struct Services;
class QAction;
class QLabel;
class QMenu;
class QTimer;
class QToolBar;
class QUrl;
class TForm10;

/// Caption of the main window: program description (message 8) and version in `language`.
std::string mainWindowCaption(Language language, const std::string& programVersion);

/// The main window: the project inputs, the computation chain and the general commands.
///
/// Commands shared by a menu item and a toolbar button are one QAction each (objectName = the menu
/// item's name, e.g. "Novy1"); the toolbar button showing it is a QToolButton named after the
/// button ("Novy"). Enabling or disabling the action does both at once. Parts of the window built
/// in other files connect their handlers to these actions in their own setup functions, e.g.
///   connect(actOtevrit, &QAction::triggered, this, &TForm1::OtevritClick);
/// Handlers are plain members; tests call them directly or trigger the actions.
class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  explicit TForm1(Services& services, QWidget* parent = nullptr);
  ~TForm1() override;

  ProjectState& project() { return project_; }
  Services& services() { return services_; }

  // ---- shell: menus, toolbar, status bar, general commands

  // Commands (menu item + toolbar button). Connected here: Konec, OtevriWord, UlozOkno, OAdresach,
  // OVerzi, OProgramu, Novhist (shows the new-histogram window). The others are left to their parts:
  // actNovy (NovyClick), actOtevrit, actSaveTabHorn, actOpenVysl, actSaveVysl, actDefaultHodnoty,
  // actTabdruhhor, actINIsoubor (menu only).
  QAction* actNovhist = nullptr;
  QAction* actNovy = nullptr;
  QAction* actOtevrit = nullptr;
  QAction* actSaveTabHorn = nullptr;
  QAction* actKonec = nullptr;
  QAction* actOpenVysl = nullptr;
  QAction* actSaveVysl = nullptr;
  QAction* actDefaultHodnoty = nullptr;
  QAction* actTabdruhhor = nullptr;
  QAction* actOtevriWord = nullptr;
  QAction* actUlozOkno = nullptr;
  QAction* actINIsoubor = nullptr;
  QAction* actOAdresach = nullptr;
  QAction* actOVerzi = nullptr;
  QAction* actOProgramu = nullptr;

  // Display options: check marks of the settings menu.
  QAction* actCestina = nullptr;
  QAction* actAnglictina = nullptr;
  QAction* actAno = nullptr;   // Ano1
  QAction* actNe = nullptr;    // Ne1
  QAction* actHTML = nullptr;  // HTML1
  QAction* actWIN = nullptr;   // WIN1
  QAction* actIndex = nullptr; // Index1
  QAction* actNonIndex = nullptr;
  QAction* actPlotCom = nullptr;
  QAction* actVsechnyTesnosti = nullptr;
  QAction* actTecka1 = nullptr;      // date "."
  QAction* actMinus1 = nullptr;      // date "-"
  QAction* actLomitko1 = nullptr;    // date "/"
  QAction* actTecka2 = nullptr;      // time "."
  QAction* actDvojtecka1 = nullptr;  // time ":"

  /// Exit with confirmation (message 10); any answer but No closes the window.
  void KonecClick();
  /// Information dialog with the working folders (message 5).
  void OAdresachClick();
  /// Shows the about window and disables this one until it closes.
  void OVerziClick();
  /// Opens the help in the chosen format (HTML or WIN) from the start folder.
  void OProgramuClick();
  /// Starts the desktop word processor with a new document, or says that none is installed.
  void OtevriWordClick();
  /// Copies the image of the active window to the clipboard.
  void UlozOknoClick();
  /// Shows the new-histogram window.
  void NovhistClick();

  // Radio pairs: clicking the checked item does nothing, the other one takes the check mark.
  void CestinaClick();
  void AnglictinaClick();
  void HTML1Click();
  void WIN1Click();
  void Ano1Click();
  void Ne1Click();
  void Index1Click();
  void NonIndexClick();
  void PlotComClick();
  void VsechnyTesnostiClick();
  void tecka1Click();
  void minus1Click();
  void lomitko1Click();
  void tecka2Click();
  void dvojtecka1Click();

  /// Puts the texts of windows 1 to 14 into the language in force.
  void applyAllTexts();
  /// Reads position, display options, colours, separators and rock types (at creation).
  void readMainSettings();
  /// Writes what readMainSettings reads (when the window closes).
  void writeMainSettings();
  /// Gives the four bolt edits the edit colour.
  void applyEditColour();

  /// The stored flag "the help viewer information may still be offered".
  bool helpViewerOffer() const { return helpViewerOffer_; }
  void setHelpViewerOffer(bool offer) { helpViewerOffer_ = offer; }
  /// Opens `fileName` (relative to the start folder) with the desktop's default application.
  void openHelpFile(const std::string& fileName);

  /// The splash window while it is up, else nullptr.
  TForm10* splash() const;

  /// Current time in the time format in force (the status bar clock).
  QString clockText() const;
  /// The long hint shown in the status bar.
  QString hintText() const;

  /// Opens a file or page with the desktop's default application; replaceable for tests.
  std::function<bool(const QUrl&)> urlOpener;
  /// Run when the window has closed and written its settings: the start-up ends the program here,
  /// closing the other windows without their own close handling. Empty in tests.
  std::function<void()> endProgram;
  /// Starts a detached program; replaceable for tests.
  std::function<bool(const QString& program, const QStringList& args)> programStarter;

 signals:
  /// A display option (highlighting, axis labels, chart toolbars, separators) has changed.
  void displayOptionsChanged();

  // ---- project inputs
 public:
  /// Builds the input area of the window (Pelmora_inputs.cpp); called by the constructor.
  void setupInputArea();

  // ---- computation chain

  // ---- project and results files

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Services& services_;
  ProjectState project_;

  // ---- shell members
  void createActions();
  void createMenus();
  void createToolBar();
  void createStatusBar();
  void syncOptionsFromMenu();
  void setAxisSelectors();
  void checkDateSeparator(char sep);
  void checkTimeSeparator(char sep);
  QPointer<TForm10> splash_;
  QToolBar* toolBar_ = nullptr;
  QLabel* clockPanel_ = nullptr;
  QLabel* hintPanel_ = nullptr;
  QTimer* clock_ = nullptr;
  bool helpViewerOffer_ = true;

  // ---- input members

  // ---- chain members

  // ---- file members
};
