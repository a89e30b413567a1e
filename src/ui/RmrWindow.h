#pragma once

#include <array>

#include "histogram/Histogram.h"
#include "ui/SimpleWindow.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QToolButton;
struct RmrTables;

/// The RMR classification window. Form "Form9", settings prefix "RMR Form9".
/// The user picks a description in each rating table; Create sums the ratings, shifts the
/// strength-rating histogram A (built from the reduced strength) into the RMR histogram, sends it
/// into the main window's RMR slot and highlights the rock mass class. Only Create changes the slot:
/// choices, Clear and closing the window leave the project as it is. The tables live in the main
/// window's RmrTables (stored in project and results files); the grids mirror them.
class RmrWindow : public SimpleWindow {
  Q_OBJECT
 public:
  explicit RmrWindow(Services& services, QWidget* parent = nullptr);

  /// Opening from the main window: message 151 when the reduced strength has not been computed;
  /// else the main window is disabled, R's and A's outer centres fill `StrGrPNH`, the class table
  /// takes the table colour and the window is shown. False when it did not open.
  bool Open();

  /// Create the RMR histogram (`BitBtn2`).
  void BitBtn2Click();
  /// Chart of the RMR histogram (`GrafHistRMR`), source 7.
  void GrafHistRMRClick();
  /// Empties the rating tables and the result labels (`ClearTabH`); the RMR slot stays until Create.
  void ClearTabH();
  /// Copies the window to the clipboard (`UlozOkno`).
  void UlozOknoClick();
  /// Closes the window (`ExitProgram`).
  void ExitProgramClick();

  /// The project's RMR tables were replaced (new project, project or results file): the grids and
  /// labels show them, no class is set and the chart button is disabled. Follows the model.
  void showTables();

  /// Class number 1 to 5, 0 while no RMR histogram exists.
  int rockClass() const { return rockClass_; }
  /// The strength-rating histogram A of the last opening.
  const Histogram& strengthRatingHistogram() const { return a_; }

  /// The class table takes the table colour.
  void applyTableColour() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct List {
    QComboBox* box = nullptr;
    int table = 0;  // index into RmrTables::tables
    int row = 1;
    int col = 1;         // description cell the list opens over
    int listIndex = -1;  // index into ratingLists(); -1 for the two F lists
  };

  using TableGroups = std::array<QGroupBox*, 7>;  // in the order of RmrTables::tables

  RmrTables& model();
  void buildControls();
  TableGroups buildRatingTables();
  QGroupBox* buildClassTable();
  void buildLists();
  void buildResultAndButtons();
  void layOut(const TableGroups& groups, QGroupBox* classGroup);
  void cellClicked(int table, int row, int col);
  void listChosen(List& list, int item);
  void listExit(List& list);
  /// Hides every open list (each hands its choice to its cell) and the strength chart button.
  void closeLists();
  void cellEdited(int table, int row, int col);
  void setCell(int table, int row, int col, const std::string& text);
  void writeOrientationRating();
  /// The window's result (sum, class, RMR text, chart button) is taken back; the project is untouched.
  void clearResult();
  void setLabels(const std::string& sum, const std::string& rockClass, const std::string& rmr);
  void highlightClass();
  void strengthChartClicked(int row);

  std::array<QTableWidget*, 7> tables_{};  // in the order of RmrTables::tables
  QTableWidget* classTable_ = nullptr;
  std::vector<List> lists_;
  QToolButton* strengthChartButton_ = nullptr;  // chart button over column 3 of StrGrPNH
  int chartRow_ = 0;
  QLabel* classCaption_ = nullptr;
  QLabel* sumCaption_ = nullptr;
  QLabel* sumLabel_ = nullptr;
  QLabel* rmrCaption_ = nullptr;
  QLabel* classLabel_ = nullptr;
  QLabel* rmrLabel_ = nullptr;
  QPushButton* createButton_ = nullptr;
  QPushButton* chartButton_ = nullptr;
  QPushButton* clearButton_ = nullptr;
  QPushButton* saveWindowButton_ = nullptr;
  QPushButton* exitButton_ = nullptr;
  Histogram a_;
  int rockClass_ = 0;
  bool filling_ = false;  // the grids are being written from the model
};
