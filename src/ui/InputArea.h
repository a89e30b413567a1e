#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "histogram/Histogram.h"
#include "project/ProjectState.h"

struct Services;
struct Refusal;
class ProjectModel;
class QCheckBox;
class QComboBox;
class QEvent;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QToolButton;

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

/// The input area of the main window (its central widget, "InputArea"): the layer table, the one-row
/// slot tables with their open and chart buttons, the typed inputs, the buttons of the chain steps with
/// their chart buttons and progress bars, and the panel that sends a created histogram into a slot.
///
/// The model's ProjectState is the truth; the controls mirror it and follow the model's signals
/// (projectStarted, inputsChanged, resultsChanged, patternChanged, slotRenamed, rockTypesChanged). The
/// chain controller and the project files find the controls they serve by object name; the input area
/// finds the save actions it enables (`SaveTabHorn1`, `SaveVysl1`) by name in its window.
/// Its handlers are private: tests click the controls or trigger the actions.
class InputArea : public QWidget {
  Q_OBJECT
 public:
  /// Builds the controls into `parent` (the main window) and shows the project of `model`.
  InputArea(Services& services, ProjectModel& model, QWidget* parent);

  /// The selection, the current slot and the created histogram (read and set by the project files
  /// and the creation windows).
  InputAreaView& view() { return view_; }

  /// A histogram handed over by a creation window: kept as the created histogram (source 15), then
  /// sent into the chosen table as the send button does, with its questions.
  void storeCreatedHistogram(const Histogram& h);
  /// Item of the histogram-creation selector `CBTypOkna`; selecting one opens no window.
  int creationMethod() const;
  void selectCreationMethod(int item);
  /// Gives the four bolt edits the edit colour of the display options.
  void applyEditColour();
  /// Closes the editors over the tables (the rock type list, the open and chart buttons).
  void closeFloatingControls();
  /// The results name still at its default takes the language in force; a name the user typed stays.
  void followLanguage();
  /// The two selectors (creation method, target table) start at their first item once the text set
  /// has given them their items.
  void selectFirstItems();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct SlotTable {
    Source source = kSrcNone;
    QTableWidget* grid = nullptr;
    QToolButton* open = nullptr;
    QToolButton* chart = nullptr;
  };

  // ---- building
  QGroupBox* buildRockMassBox();
  QTableWidget* buildLayerTable(QWidget* parent);
  QGroupBox* buildSendBox();
  QGroupBox* buildBoltingBox();
  QGridLayout* buildBoltFields(QWidget* parent);
  QTableWidget* makeSlotTable(Source source, const char* name, const char* openName, const char* chartName);
  void connectControls();

  // ---- state <-> controls
  /// Writes the whole project state into the input controls (on the model's inputsChanged).
  void showProject();
  /// Enables the result chart buttons after the done flags (on the model's resultsChanged).
  void showResultButtons();
  /// Shows the bolt pattern inputs (on the model's patternChanged).
  void showPattern();
  /// Shows the name of the slot of `source` (layer `layerRow`) in its table cell (also on the model's
  /// slotRenamed).
  void showSlotName(Source source, int layerRow);
  SlotTable* slotTable(Source source);
  void updateLayerFlags();
  void setLayerCell(int row, int col, const std::string& text);
  /// The rock type list CBTypProm offers ProjectState::rockTypes (also on the model's rockTypesChanged).
  void fillRockTypeList();
  void placeOverCell(QWidget* w, QTableWidget* t, int row, int col, bool rightEnd);

  // ---- the project
  /// A new project was started (the model's projectStarted): first layer row and first items of the
  /// two selectors.
  void projectStarted();
  /// Clears the done flags from `from` onwards and disables the chart buttons of those results.
  void invalidateResults(InvalidateFrom from);

  // ---- the tables and their slots
  /// Cell (row, col) of the layer table was selected: the rock type list, the open or the chart button
  /// goes over it.
  void layerCellSelected(int row, int col);
  /// Cell (row, col) of the one-row table of `source` was selected.
  void slotCellSelected(Source source, int row, int col);
  /// The rock type list over the layer table closed: its item goes into the cell.
  void rockTypeListClosed();
  /// The focus left the layer table: the thicknesses are checked.
  void layerTableLeft();
  /// A thickness cell of row `row` was typed into.
  void thicknessEdited(int row);
  /// Asks for a histogram file and reads it into the slot of `source` (the selected layer for source 1).
  void openSlotFile(Source source);
  /// Shows the slot of `source` (layer `layerRow`) in the chart window.
  void showSlotChart(Source source, int layerRow);
  /// Reads the histogram file `path` into the slot of `source` (layer `layerRow` for source 1)
  /// without touching its name; shows the reader's message and returns false when it fails.
  bool readSlotFile(Source source, int layerRow, const std::string& path);
  /// B* and 2B* from the width slot into the state and EdB_H / EdB_2H; message 33 and false when
  /// the width histogram gives none (the edits keep their text).
  bool computeBStar();

  // ---- typed inputs, checked when the focus leaves them
  void depthHLeft();
  void d1Left();
  void d2Left();
  void boltCountLeft();
  void rowSpacingLeft();
  void boltFieldLeft(QLineEdit* edit, std::string* stored,
                     const std::function<std::vector<Refusal>(std::string&)>& check);
  void showProblems(const std::vector<Refusal>& problems, QWidget* focusBack);
  void focusChanged(QWidget* old, QWidget* now);

  // ---- combined support, created histograms, RMR
  void combinedSupportToggled();
  /// The creation selector chose a method: its window opens.
  void creationMethodChosen();
  /// Sends the created histogram into the table chosen by `CBDruhTab` (`BitBtn1`).
  void sendCreatedHistogram();
  bool saveCreatedHistogram();
  /// Opens the RMR window (`BitBtn2`).
  void openRmrWindow();

  Services& services_;
  ProjectModel& model_;
  ProjectState& project_;
  InputAreaView view_;

  int rockTypeRow_ = 0;  // layer row the rock type list was opened for
  bool rockTypeListOpen_ = false;
  bool refreshing_ = false;      // controls are being written from the state
  bool checkingLayers_ = false;  // the thickness check is showing its dialog
  std::string depthWarned_;      // the EdH text last warned about

  QTableWidget* layerTable_ = nullptr;            // StrGrHorn
  QComboBox* rockTypeList_ = nullptr;             // CBTypProm
  QToolButton* layerOpenButton_ = nullptr;        // OtevHist
  QToolButton* layerChartButton_ = nullptr;       // GrafHist
  std::array<SlotTable, 7> slotTables_{};         // StringGridDD ... StringGridPS
  QLineEdit* resultsNameEdit_ = nullptr;          // EdNazevVys
  QLineEdit* depthHEdit_ = nullptr;               // EdH
  QLineEdit* betaEdit_ = nullptr;                 // EdBeta
  QLineEdit* bStarEdit_ = nullptr;                // EdB_H
  QLineEdit* twoBStarEdit_ = nullptr;             // EdB_2H
  QLineEdit* d1Edit_ = nullptr;                   // EdPS, outer diameter
  QLineEdit* d2Edit_ = nullptr;                   // EdPSV, inner diameter
  QLineEdit* boltCountEdit_ = nullptr;            // EdPK
  QLineEdit* rowSpacingEdit_ = nullptr;           // EdPSds
  QPushButton* betaButton_ = nullptr;             // ButBeta
  QPushButton* reducedStrengthButton_ = nullptr;  // BBRedPev
  QPushButton* rmrButton_ = nullptr;              // BitBtn2
  QPushButton* boltLengthButton_ = nullptr;       // BBDelSvor
  QPushButton* boltLoadButton_ = nullptr;         // BBZatSv
  QPushButton* assessmentButton_ = nullptr;       // BBFunSpoj
  QPushButton* computeAllButton_ = nullptr;       // SpocitatVse
  QPushButton* sendButton_ = nullptr;             // BitBtn1
  QPushButton* reducedStrengthChart_ = nullptr;   // GrafRePe
  QPushButton* boltLengthChart_ = nullptr;        // GrafDeSv
  QPushButton* boltLoadChart_ = nullptr;          // GrafZaSv
  QPushButton* bearingCapacityChart_ = nullptr;   // GrafUnSv
  QPushButton* reliabilityChart_ = nullptr;       // GrafFS
  QProgressBar* boltLoadProgress_ = nullptr;      // ProgressBar1
  QProgressBar* boltLengthProgress_ = nullptr;    // ProgressBar2
  QComboBox* creationSelector_ = nullptr;         // CBTypOkna
  QComboBox* targetSelector_ = nullptr;           // CBDruhTab
  QCheckBox* combinedSupportBox_ = nullptr;       // ChBKombVyzt
};
