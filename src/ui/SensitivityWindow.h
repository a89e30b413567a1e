#pragma once

#include <optional>
#include <string>
#include <vector>

#include "shell/Language.h"
#include "ui/SimpleWindow.h"
#include "ui/VerificationTexts.h"
#include "verification/ChainCheck.h"

class QCategoryAxis;
class QChart;
class QChartView;
class QLabel;
class QLogValueAxis;
class QPushButton;
class QTableWidget;

/// The sensitivity window: a tornado of Pf on a log axis, one bar per random input from the smallest
/// to the largest of its three Pf with marks at the 5, 50 and 95 % quantiles and the Pf of the
/// assessment as a line, and the table of the figures. Opened from the assessment panel of the
/// chart window after a check. Form "Form15", settings prefix "Citlivost-Form15".
class SensitivityWindow : public SimpleWindow {
  Q_OBJECT
 public:
  explicit SensitivityWindow(Services& services, QWidget* parent = nullptr);
  ~SensitivityWindow() override;

  /// Shows the sensitivity of `check` and raises the window.
  void Fill(const verification::ChainCheck& check);
  /// Texts composed at run time (the tornado, the table's figures) in `language`.
  void ApplyRuntimeTexts(Language language);

  const std::vector<SensitivityLine>& rows() const { return rows_; }
  /// Bounds of the log axis of Pf.
  std::pair<double, double> axisRange() const;

 private:
  void buildControls();
  void fillAgain();
  void drawTornado();
  void fillTable();

  QChartView* Chart1_ = nullptr;
  QChart* chart_ = nullptr;
  QLogValueAxis* axisX_ = nullptr;  // Pf
  QCategoryAxis* axisY_ = nullptr;  // the inputs
  QTableWidget* StringGrid1_ = nullptr;
  QLabel* LabPf_ = nullptr;
  QPushButton* ExitProgram_ = nullptr;

  std::optional<verification::ChainCheck> check_;
  std::vector<SensitivityLine> rows_;
};
