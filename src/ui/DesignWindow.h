#pragma once

#include <QFutureWatcher>
#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "design/PatternDesign.h"
#include "shell/Language.h"
#include "ui/SimpleWindow.h"

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QLogValueAxis;
class QPushButton;
class QTableWidget;
class QToolButton;
class QValueAxis;
class ChartExport;

/// A finished design of the project's bolt load: what the window shows and the report prints.
struct DesignOutcome {
  design::DesignResult result;  // ok: the factor, the patterns (lightest first), the lightest
  DesignStandard standard = DesignStandard::En1990;
  std::optional<design::PatternRow> current;  // the project's own pattern, when its fields read
  std::optional<double> margin;               // current k / kRequired
};

/// Texts the design window composes at run time (and the report's design section).
enum class DesignText {
  Computing,       // "computing"
  KRequired,       // %1 k, %2 Pf there
  KAlwaysReached,  // every k reaches the target
  KNeverReached,   // no k reaches it
  Margin,          // %1
  MarginNone,      //
  Current,         // %1 n, %2 d1, %3 ds, %4 k, %5 Pf, %6 class
  CurrentNone,     // the project's pattern does not read
  Lightest,        // %1 n, %2 d1, %3 ds, %4 steel, %5 Pf, %6 class
  BestReachable,   // %1 n, %2 d1, %3 ds, %4 steel, %5 Pf, %6 class
  PatternCount,    // %1 shown, %2 in all
  CurveName,       // %1 n, %2 d1
  PdLine,          // %1 class label, %2 Pd
  AxisSpacing,     //
  AxisPf,          //
  ClassNone,       // no class reached
  TableFilter,     // save dialog filter
  TableTitle,      // save dialog title
  ReportSection,   // heading of the report's design section
  ReportTarget,    // %1 class label, %2 Pd
  ReportLength,    // %1 Lq [m]
  ReportColumns,   // tab-separated column heads of the report's table
  ReportBest,      // heading of the report's table
};
std::string designText(DesignText id, Language language);
/// The text with %1, %2, ... replaced by `args`.
std::string designTextFormat(DesignText id, Language language, const std::vector<std::string>& args);

/// A figure of the design window in the decimals of `language` (a comma in Czech).
std::string designNumber(double x, Language language);
/// A probability as the program shows it (six significant digits), in the decimals of `language`.
std::string pfText(double x, Language language);

/// The bolt-pattern design window: the target class, the ranges of n, d1 and ds, the chart of Pf
/// against ds (one line per chosen (n, d1), log axis, the three Pd of the standard), the pattern
/// table (sortable, the lightest row marked), the required factor, the margin of the project's own
/// pattern, and "use this pattern", which hands n, d1 and ds to the main window as an input change.
/// The design runs off the user-interface thread; a newer design supersedes a running one.
/// Form "Form16", settings prefix "NavrhKotveni-Form16".
class DesignWindow : public SimpleWindow {
  Q_OBJECT
 public:
  explicit DesignWindow(Services& services, QWidget* parent = nullptr);
  ~DesignWindow() override;

  /// Shows and raises the window and designs for the project as it is now.
  void Open();
  /// Designs with the window's target and ranges; ranges that do not read are refused through the
  /// dialogs. A design of the same inputs as the last one is not run again unless `force`.
  void BBSpocitatClick() { designAgain(true, true); }
  /// Hands the selected pattern (the lightest without a selection) to the main window.
  void BBPouzitClick();
  /// Saves the pattern table as CSV (save dialog, overwrite question, atomic write).
  void BBUlozTabulkuClick();
  /// The project's bolt load, its inputs or its pattern may have changed: a window that is shown or
  /// holds a design designs again (once per turn of the event loop).
  void projectChanged();
  /// Texts composed at run time in `language`.
  void ApplyRuntimeTexts(Language language);

  bool computing() const { return running_ != nullptr; }
  /// The last finished design; null while none belongs to the project as it is.
  const DesignOutcome* outcome() const { return outcome_ ? &*outcome_ : nullptr; }
  /// The (n, d1) whose curves the chart shows.
  std::vector<std::pair<int, double>> shownCurves() const;
  /// Bounds of the log axis of Pf.
  std::pair<double, double> pfAxisRange() const;

 signals:
  /// A design finished and is shown (or was refused; then outcome() is null).
  void designFinished();

 private:
  struct Inputs;
  struct Run;
  void buildControls();
  /// Starts a design when the inputs differ from the last one's (or `force`); `askOnBadRanges` shows
  /// the refusal of a range through the dialogs (else it is only shown in the window).
  void designAgain(bool force, bool askOnBadRanges);
  void finished(const std::shared_ptr<Run>& run);
  void showOutcome();
  void showStatus(const QString& text);
  void fillTable();
  void fillCurveList();
  void drawChart();
  std::optional<design::PatternRow> chosenPattern() const;

  QComboBox* CBTrida_ = nullptr;
  QLineEdit* EdNavrhPK_ = nullptr;
  QLineEdit* EdNavrhPS_ = nullptr;
  QLineEdit* EdNavrhDs_ = nullptr;
  QPushButton* BBSpocitat_ = nullptr;
  QListWidget* LBKrivky_ = nullptr;
  QChartView* Chart1_ = nullptr;
  QChart* chart_ = nullptr;
  QValueAxis* axisX_ = nullptr;
  QLogValueAxis* axisY_ = nullptr;
  QToolButton* UlozGraf_ = nullptr;
  ChartExport* chartExport_ = nullptr;
  QTableWidget* StringGrid1_ = nullptr;
  QLabel* LabStav_ = nullptr;
  QLabel* LabKPotreb_ = nullptr;
  QLabel* LabRezerva_ = nullptr;
  QLabel* LabSoucasny_ = nullptr;
  QLabel* LabNejlehci_ = nullptr;
  QLabel* LabPocet_ = nullptr;
  QPushButton* BBPouzit_ = nullptr;
  QPushButton* BBUlozTabulku_ = nullptr;
  QPushButton* ExitProgram_ = nullptr;

  std::unique_ptr<Inputs> lastInputs_;  // of the design shown or running
  std::shared_ptr<Run> running_;        // the newest design still running
  std::optional<DesignOutcome> outcome_;
  std::optional<Refusal> refusal_;  // why there is no design
  std::vector<std::pair<int, double>> shown_;
  bool pending_ = false;
};
