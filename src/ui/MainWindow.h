#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "project/ProjectState.h"
#include "reliability/Assessment.h"
#include "reliability/PressureLoop.h"
#include "shell/ChainMessages.h"
#include "shell/Language.h"
#include "ui/ProjectModel.h"

struct Services;
class ChainController;
class InputArea;
class ProjectFiles;
class QEvent;
struct Refusal;
struct ProjectOpenReport;
class QAction;
class QLabel;
class QMenu;
class QTimer;
class QToolBar;
class QUrl;
class SplashScreen;

/// True when the desktop can show `url`: xdg-open is installed and, for a page, a browser it can start
/// (the default application for HTML with its program installed, $BROWSER or a browser of a usual name).
bool desktopCanOpen(const QUrl& url);

/// Caption of the main window: program description (message 8) and version in `language`.
std::string mainWindowCaption(Language language, const std::string& programVersion);

/// The main window: the menus, the toolbar, the status bar and the general commands around the input
/// area (`InputArea`, its central widget).
///
/// Commands shared by a menu item and a toolbar button are one QAction each (objectName = the menu
/// item's name, e.g. "Novy1"); the toolbar button showing it is a QToolButton named after the
/// button ("Novy"). Enabling or disabling the action does both at once. The parts of the window
/// (input area, chain, project files) connect their own handlers to these actions. Every handler is
/// private: tests trigger the actions or click the controls, as a user does.
/// Form "Form1", settings prefix "Pelmora-Form1".
class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(Services& services, QWidget* parent = nullptr);
  ~MainWindow() override;

  ProjectState& project() { return project_; }
  /// The project and the signals of what changed in it.
  ProjectModel& model() { return model_; }
  /// The input area, the central widget.
  InputArea& inputArea() { return *inputArea_; }
  Services& services() { return services_; }

  // ---- menus, toolbar, status bar, general commands

  // Commands (menu item + toolbar button). Connected here: Konec, OtevriWord, UlozOkno, OAdresach,
  // OVerzi, OProgramu, Novhist, DefaultHodnoty, tabdruhhor and INIsoubor (menu only); Novy by the
  // input area; the file and report commands by ProjectFiles; SpocitatVse by ChainController.
  // Object names in comments.
  QAction* newHistogramAction = nullptr;     // Novhist1
  QAction* newProjectAction = nullptr;       // Novy1
  QAction* openProjectAction = nullptr;      // Otevrit1
  QAction* saveProjectAction = nullptr;      // SaveTabHorn1
  QAction* exitAction = nullptr;             // Konec1
  QAction* openResultsAction = nullptr;      // OpenVysl1
  QAction* saveResultsAction = nullptr;      // SaveVysl1
  QAction* reportAction = nullptr;           // ZpravaPDF1: assessment report (menu and toolbar)
  QAction* computeAllAction = nullptr;       // SpocitatVse1: the whole chain (menu, F9; button SpocitatVse)
  QAction* designAction = nullptr;           // NavrhKotveni1: the design window of the bolt pattern (menu)
  QAction* presetValuesAction = nullptr;     // DefaultHodnoty1
  QAction* rockTypesAction = nullptr;        // tabdruhhor1
  QAction* wordProcessorAction = nullptr;    // OtevriWord1
  QAction* copyWindowAction = nullptr;       // UlozOkno1
  QAction* settingsListingAction = nullptr;  // INIsoubor1 (menu only)
  QAction* foldersAction = nullptr;          // OAdresach1
  QAction* aboutAction = nullptr;            // Overzi1
  QAction* helpAction = nullptr;             // Oprogramu1

  // Display options: check marks of the settings menu (object names in comments).
  QAction* czechItem = nullptr;           // Cestina
  QAction* englishItem = nullptr;         // Anglictina
  QAction* highlightRowsItem = nullptr;   // Ano1
  QAction* plainRowsItem = nullptr;       // Ne1
  QAction* htmlHelpItem = nullptr;        // HTML1
  QAction* winHelpItem = nullptr;         // WIN1
  QAction* axisIndexItem = nullptr;       // Index1
  QAction* axisValueItem = nullptr;       // NonIndex
  QAction* chartToolbarsItem = nullptr;   // PlotCom
  QAction* allClosenessItem = nullptr;    // VsechnyTesnosti
  QAction* pairUpperEdgesItem = nullptr;  // PairUpperEdges: pairs at upper bin edges (earlier versions)
  QAction* inputCentresItem = nullptr;    // InputCentres: inputs read at bin centres (earlier versions)
  QAction* dateDotItem = nullptr;         // tecka1: date "."
  QAction* dateDashItem = nullptr;        // minus1: date "-"
  QAction* dateSlashItem = nullptr;       // lomitko1: date "/"
  QAction* timeDotItem = nullptr;         // tecka2: time "."
  QAction* timeColonItem = nullptr;       // dvojtecka1: time ":"

  /// How the chain reads its inputs, as chosen in the settings menu.
  ChainReading chainReadingOption() const;

  /// The stored flag "the help viewer information may still be offered".
  bool helpViewerOffer() const { return helpViewerOffer_; }
  void setHelpViewerOffer(bool offer) { helpViewerOffer_ = offer; }
  /// The user says the legacy help viewer is there: no more information on it, and the help opens
  /// in it from the start folder.
  void helpViewerConfirmed();

  /// The splash window while it is up, else nullptr.
  SplashScreen* splash() const;

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

 public:
  // ---- computation chain (ChainController)
  /// The chain commands, their messages and the last assessment.
  ChainController& chain() { return *chain_; }
  /// The last assessment shown (valid while project().assessmentDone).
  const AssessmentResult& assessment() const;

  // ---- project and results files
  /// Open and save of project and results, the report and the unsaved work.
  ProjectFiles& files() { return *files_; }
  /// Full path of the project file last saved or opened; empty before.
  const std::string& currentProjectFile() const { return model_.projectFile(); }
  /// The results file last opened or saved since the project was opened or begun; empty when none.
  const std::string& currentResultsFile() const { return model_.resultsFile(); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Services& services_;
  ProjectModel model_;
  ProjectState& project_ = model_.state();

  // ---- frame members
  // General commands (menu item and toolbar button).
  /// Exit with confirmation (message 10); any answer but No closes the window.
  void exitProgram();
  /// Information dialog with the working folders (message 5).
  void showFolders();
  /// Shows the about window, which disables this one until it closes.
  void openAbout();
  /// Shows the new-histogram window.
  void openNewHistogram();
  /// Opens the help in the chosen format (HTML or WIN) from the start folder.
  void openHelp();
  /// Opens `fileName` (relative to the start folder) with the desktop's default application.
  void openHelpFile(const std::string& fileName);
  /// Starts the desktop word processor with a new document, or says that none is installed.
  void openWordProcessor();
  /// Copies the image of the active window to the clipboard.
  void copyActiveWindow();
  /// Preset values of every window (`DefaultHodnoty`).
  void presetValues();
  /// Settings file listing (`INIsoubor1`).
  void showSettingsListing();

  // Display options of the settings menu.
  /// What follows a changed option: the options only, the windows' display, the chart axis selectors,
  /// or the language and every text.
  enum class OptionEffect { Options, Display, Axis, Language };
  /// Radio pair: clicking the checked item does nothing, the other one takes the check mark.
  void pairItemClicked(QAction* clicked, QAction* partner, OptionEffect effect);
  /// Single check mark: the click turns it over.
  void toggleItemClicked(QAction* item, OptionEffect effect);
  void optionChanged(OptionEffect effect);
  void connectOptionItems();
  void dateSeparatorClicked(char sep);
  void timeSeparatorClicked(char sep);
  /// Puts the texts of every window of the window table into the language in force.
  void applyAllTexts();
  /// The results name still at its default and the splash lines take the language in force; a name
  /// the user typed stays.
  void defaultsFollowLanguage();
  /// After the language menu changed the language: every window's texts and the defaults follow it.
  void languageSwitched();
  /// Reads position, display options, colours, separators and rock types (at creation).
  void readMainSettings();
  /// Writes what readMainSettings reads (when the window closes).
  void writeMainSettings();

  /// Makes the project files part and connects the settings commands; called by the constructor.
  void setupFiles();
  /// Reads N and the rock types from the settings into the offer list (main window creation).
  void readRockTypeSettings();
  /// Writes N and the lines of the rock type window to the settings (main window closing).
  void writeRockTypeSettings();

  void createActions();
  void createMenus();
  void createToolBar();
  void createStatusBar();
  void syncOptionsFromMenu();
  void setAxisSelectors();
  void checkDateSeparator(char sep);
  void checkTimeSeparator(char sep);
  QPointer<SplashScreen> splash_;
  QToolBar* toolBar_ = nullptr;
  QLabel* clockPanel_ = nullptr;
  QLabel* hintPanel_ = nullptr;
  QTimer* clock_ = nullptr;
  bool helpViewerOffer_ = true;
  bool workAskedBeforeClose_ = false;  // the exit command asked about unsaved work before closing

  // ---- input area
  InputArea* inputArea_ = nullptr;

  // ---- chain members
  ChainController* chain_ = nullptr;

  // ---- file members
  ProjectFiles* files_ = nullptr;

 public:
  /// The state as it stands counts as saved (after every window has filled what it shows of it).
  void startClean();
};
