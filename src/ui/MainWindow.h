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
class ProjectFiles;
class QCheckBox;
class QEvent;
struct Refusal;
struct ProjectOpenReport;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QToolButton;
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

/// The main window: the project inputs, the computation chain and the general commands.
///
/// Commands shared by a menu item and a toolbar button are one QAction each (objectName = the menu
/// item's name, e.g. "Novy1"); the toolbar button showing it is a QToolButton named after the
/// button ("Novy"). Enabling or disabling the action does both at once. The parts of the window
/// (input area, chain, project files) connect their own handlers to these actions. Every handler is
/// private: tests trigger the actions or click the controls, as a user does.
/// What the input area shows of the project: selection, current slot and the created histogram.
struct InputAreaView {
  int selectedLayerRow = 0;
  int selectedColumn = 0;
  Source currentSource = kSrcNone;
  bool boltInputsEdited = false;
  std::string currentHistogramFile;
  Histogram createdHistogram;
  bool histogramCreated = false;
};

/// Form "Form1", settings prefix "Pelmora-Form1".
class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(Services& services, QWidget* parent = nullptr);
  ~MainWindow() override;

  ProjectState& project() { return project_; }
  /// The project and the signals of what changed in it.
  ProjectModel& model() { return model_; }
  InputAreaView& view() { return view_; }
  Services& services() { return services_; }

  // ---- menus, toolbar, status bar, general commands

  // Commands (menu item + toolbar button). Connected here: Konec, OtevriWord, UlozOkno, OAdresach,
  // OVerzi, OProgramu, Novhist, DefaultHodnoty, tabdruhhor and INIsoubor (menu only); Novy by the
  // input area; the file and report commands by ProjectFiles; SpocitatVse by ChainController.
  QAction* actNovhist = nullptr;
  QAction* actNovy = nullptr;
  QAction* actOtevrit = nullptr;
  QAction* actSaveTabHorn = nullptr;
  QAction* actKonec = nullptr;
  QAction* actOpenVysl = nullptr;
  QAction* actSaveVysl = nullptr;
  QAction* actZpravaPDF = nullptr;     // assessment report (menu and toolbar)
  QAction* actSpocitatVse = nullptr;   // the whole chain at once (menu, F9; the button SpocitatVse)
  QAction* actNavrhKotveni = nullptr;  // the design window of the bolt pattern (menu)
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
  QAction* actAno = nullptr;    // Ano1
  QAction* actNe = nullptr;     // Ne1
  QAction* actHTML = nullptr;   // HTML1
  QAction* actWIN = nullptr;    // WIN1
  QAction* actIndex = nullptr;  // Index1
  QAction* actNonIndex = nullptr;
  QAction* actPlotCom = nullptr;
  QAction* actVsechnyTesnosti = nullptr;
  QAction* actPairUpperEdges = nullptr;  // the pressure loop at upper bin edges (earlier versions)
  QAction* actInputCentres = nullptr;    // input bins read as points at their centres (earlier versions)
  QAction* actTecka1 = nullptr;          // date "."
  QAction* actMinus1 = nullptr;          // date "-"
  QAction* actLomitko1 = nullptr;        // date "/"
  QAction* actTecka2 = nullptr;          // time "."
  QAction* actDvojtecka1 = nullptr;      // time ":"

  /// How the chain reads its inputs, as chosen in the settings menu.
  ChainReading chainReadingOption() const;

  /// Gives the four bolt edits the edit colour.
  void applyEditColour();

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

  // ---- project inputs
 public:
  // The model's ProjectState is the truth; the controls mirror it and follow the model's signals.

  /// Builds the input area of the window (MainWindowInputs.cpp); called by the constructor.
  void setupInputArea();
  QGroupBox* buildAssignment1(QWidget* parent);
  QTableWidget* buildLayerTable(QWidget* parent);
  QGroupBox* buildSendBox(QWidget* parent);
  QGroupBox* buildAssignment2(QWidget* parent);
  QGridLayout* buildBoltFields(QWidget* parent);
  void connectInputArea(QObject* filter);
  /// The rock type offer list of the layer table (ProjectState::rockTypes and the list CBTypProm).
  void setRockTypes(std::vector<std::string> rockTypes);
  /// Shows the name of the slot of `source` (layer `layerRow`) in its table cell.
  void showSlotName(Source source, int layerRow);

  /// Empties the layers, the slot names, H, Beta, d1, n, sets d2 to "0", clears all results and
  /// disables saving of project and results.
  void ClearProject();
  /// New project: ClearProject, default selections, no combined support, default results name,
  /// cleared RMR tables.
  void NovyClick();
  /// Clears the done flags from `from` onwards and disables the chart buttons of those results.
  void InvalidateResults(InvalidateFrom from);

  /// Reads the histogram file `path` into the slot of `source` (layer `layerRow` for source 1)
  /// without touching its name; shows the reader's message and returns false when it fails.
  bool readSlotFile(Source source, int layerRow, const std::string& path);
  /// B* and 2B* from the width slot into the state and EdB_H / EdB_2H; message 33 and false when
  /// the width histogram gives none (the edits keep their text).
  bool computeBStar();

  // Handlers of the input area.
  void StrGrHornSelectCell(int row, int col);
  void StrGrHornExit();
  void CBTypPromExit();
  void OtevHistClick();
  void OtevHistDDClick();
  void OtevHistAlfaClick();
  void OtevHistKnClick();
  void OtevHistOPVClick();
  void OtevHistGKKClick();
  void OtevHistOHHClick();
  void OtevHistPSClick();
  void GrafHistClick();
  void GrafHistDDClick();
  void GrafHistAlfaClick();
  void GrafHistKnClick();
  void GrafHistOPVClick();
  void GrafHistGKKClick();
  void GrafHistOHHClick();
  void GrafHistPSClick();
  /// Cell (row, col) of the one-row table of `source` was clicked.
  void StringGridSelectCell(Source source, int row, int col);
  void EdHExit();
  void EdPSExit();
  void EdPSVExit();
  void EdPKExit();
  void EdPSdsExit();
  void ChBKombVyztClick();
  void CBTypOknaChange();
  void BitBtn1Click();
  /// A histogram handed over by a creation window: kept as the created histogram (source 15), then
  /// the store action above runs.
  void StoreCreatedHistogram(const Histogram& h);
  void BitBtn2Click();
  /// Item of the histogram-creation selector `CBTypOkna`; selecting one opens no window.
  int creationWindowItem() const;
  void selectCreationWindowItem(int item);

  // ---- computation chain (ChainController)
  /// The chain commands, their messages and the last assessment.
  ChainController& chain() { return *chain_; }
  /// The last assessment shown (valid while project().assessmentDone).
  const AssessmentResult& assessment() const;

  // ---- project and results files
  /// Open and save of project and results, the report and the unsaved work.
  ProjectFiles& files() { return *files_; }
  /// The rock type count N kept with the offer list.
  int& rockTypeCount() { return rockTypeCount_; }
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
  InputAreaView view_;

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

  // ---- input members
  friend class InputAreaFilter;
  int comboRow_ = 0;  // layer row the rock type list was opened for
  bool comboOpen_ = false;
  struct SlotTable {
    Source source = kSrcNone;
    QTableWidget* grid = nullptr;
    QToolButton* open = nullptr;
    QToolButton* chart = nullptr;
  };
  SlotTable* slotTable(Source source);
  void openSlotFile(Source source);
  void showSlotChart(Source source, int layerRow);
  bool saveCreatedHistogram();
  // Histograms to the chart window (through Windows) and to a file.
  void showInChart(Source source, const Histogram& h, const std::string& name, int layerRow);
  std::optional<std::string> saveHistogramToFile(const Histogram& h);
  void updateLayerFlags();
  void setLayerCell(int row, int col, const std::string& text);
  void hideFloatingControls();
  void fillRockTypeList();
  void placeOverCell(QWidget* w, QTableWidget* t, int row, int col, bool rightEnd);
  void setSaveEnabled(const char* action, bool enabled);
  void showProblems(const std::vector<Refusal>& problems, QWidget* focusBack);
  void onFocusChanged(QWidget* old, QWidget* now);
  /// Writes the whole project state into the input controls (on the model's inputsChanged).
  void refreshInputArea();
  /// Enables the result chart buttons after the done flags (on the model's resultsChanged).
  void updateResultButtons();
  /// Shows the bolt pattern inputs (on the model's patternChanged).
  void showPattern();
  void thicknessEdited(int row);
  bool inputFilter(QObject* watched, QEvent* event);
  QTableWidget* makeSlotTable(Source source, const char* name, const char* openName, const char* chartName);

  QGroupBox* GroupBox1_ = nullptr;
  QGroupBox* GroupBox2_ = nullptr;
  QGroupBox* GroupBox3_ = nullptr;
  QTableWidget* StrGrHorn_ = nullptr;
  QComboBox* CBTypProm_ = nullptr;
  QToolButton* OtevHist_ = nullptr;
  QToolButton* GrafHist_ = nullptr;
  std::array<SlotTable, 7> slotTables_{};
  QLineEdit* EdNazevVys_ = nullptr;
  QLineEdit* EdH_ = nullptr;
  QLineEdit* EdBeta_ = nullptr;
  QLineEdit* EdB_H_ = nullptr;
  QLineEdit* EdB_2H_ = nullptr;
  QLineEdit* EdPS_ = nullptr;
  QLineEdit* EdPSV_ = nullptr;
  QLineEdit* EdPK_ = nullptr;
  QLineEdit* EdPSds_ = nullptr;
  QPushButton* ButBeta_ = nullptr;
  QPushButton* BBRedPev_ = nullptr;
  QPushButton* BitBtn2_ = nullptr;  // opens the RMR window
  QPushButton* BBDelSvor_ = nullptr;
  QPushButton* BBZatSv_ = nullptr;
  QPushButton* BBFunSpoj_ = nullptr;
  QPushButton* SpocitatVse_ = nullptr;  // runs the whole chain
  QPushButton* BitBtn1_ = nullptr;      // sends the created histogram
  QPushButton* GrafRePe_ = nullptr;
  QPushButton* GrafDeSv_ = nullptr;
  QPushButton* GrafZaSv_ = nullptr;
  QPushButton* GrafUnSv_ = nullptr;
  QPushButton* GrafFS_ = nullptr;
  QProgressBar* ProgressBar1_ = nullptr;
  QProgressBar* ProgressBar2_ = nullptr;
  QComboBox* CBTypOkna_ = nullptr;
  QComboBox* CBDruhTab_ = nullptr;
  QCheckBox* ChBKombVyzt_ = nullptr;
  bool refreshing_ = false;      // controls are being written from the state
  bool checkingLayers_ = false;  // the thickness check is showing its dialog
  std::string depthWarned_;      // the EdH text last warned about

  // ---- chain members
  ChainController* chain_ = nullptr;

  // ---- file members
  int rockTypeCount_ = 0;
  ProjectFiles* files_ = nullptr;

 public:
  /// The state as it stands counts as saved (after every window has filled what it shows of it).
  void startClean();
};
