#pragma once

#include <QMainWindow>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "reliability/ProjectState.h"

struct Services;
class QCheckBox;
class QEvent;
struct InputProblem;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QToolButton;

/// The main window: the project inputs, the computation chain and the general commands.
class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  explicit TForm1(Services& services, QWidget* parent = nullptr);
  ~TForm1() override;

  ProjectState& project() { return project_; }
  Services& services() { return services_; }

  // ---- shell: menus, toolbar, status bar, general commands

  // ---- project inputs
  // ProjectState is the truth; the controls mirror it. Code that changes project() directly (files,
  // chain) calls refreshInputArea() (or updateResultButtons() for the done flags) afterwards.

  /// Builds the input area of the window (Pelmora_inputs.cpp); called by the constructor.
  void setupInputArea();
  /// Writes the whole project state into the input controls.
  void refreshInputArea();
  /// Enables the result chart buttons after the done flags.
  void updateResultButtons();

  /// Empties the layers, the slot names, H, Beta, d1, n, sets d2 to "0", clears all results and
  /// disables saving of project and results.
  void ClearProject();
  /// New project: ClearProject, default selections, no combined support, default results name.
  void NovyClick();
  /// Clears the done flags from `from` onwards and disables the chart buttons of those results.
  void InvalidateResults(InvalidateFrom from);

  /// Reads the histogram file `path` into the slot of `source` (layer `layerRow` for source 1)
  /// without touching its name; shows the reader's message and returns false when it fails.
  bool readSlotFile(int source, int layerRow, const std::string& path);
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
  void StringGridSelectCell(int source, int row, int col);
  void EdHExit();
  void EdPSExit();
  void EdPSVExit();
  void EdPKExit();
  void EdPSdsExit();
  void ChBKombVyztClick();
  void CBTypOknaChange();
  void BitBtn1Click();
  void BitBtn2Click();

  // ---- computation chain

  // ---- project and results files

 private:
  Services& services_;
  ProjectState project_;

  // ---- shell members

  // ---- input members
  friend class InputAreaFilter;
  int comboRow_ = 0;          // layer row the rock type list was opened for
  bool comboOpen_ = false;
  struct SlotTable {
    int source = 0;
    QTableWidget* grid = nullptr;
    QToolButton* open = nullptr;
    QToolButton* chart = nullptr;
  };
  SlotTable* slotTable(int source);
  void openSlotFile(int source);
  void showSlotChart(int source, int layerRow);
  void loadSlotFromFile(int source);
  bool saveCreatedHistogram();
  // The two calls into the chart window.
  void showInChart(int source, const Histogram& h, const std::string& name, int layerRow);
  std::optional<std::string> saveHistogramToFile(const Histogram& h);
  void openCreationWindow(int item);
  void showSlotName(int source, int layerRow);
  void updateLayerFlags();
  void setLayerCell(int row, int col, const std::string& text);
  void hideFloatingControls();
  void placeOverCell(QWidget* w, QTableWidget* t, int row, int col, bool rightEnd);
  void setSaveEnabled(const char* action, bool enabled);
  void showProblems(const std::vector<InputProblem>& problems, QWidget* focusBack);
  void onFocusChanged(QWidget* old, QWidget* now);
  void thicknessEdited(int row);
  bool inputFilter(QObject* watched, QEvent* event);
  QTableWidget* makeSlotTable(int source, const char* name, const char* openName, const char* chartName,
                              const char* header);

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
  QPushButton* BitBtn1_ = nullptr;  // sends the created histogram
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

  // ---- chain members

  // ---- file members
};
