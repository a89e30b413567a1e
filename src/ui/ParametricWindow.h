#pragma once

#include <array>
#include <string>
#include <vector>

#include "creation/ParametricGenerator.h"
#include "histogram/Histogram.h"
#include "ui/SimpleWindow.h"

class HistogramChartPanel;
class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QToolButton;
class QVBoxLayout;

/// The parametric distribution window: a histogram from one of 24 distribution types, recomputed at
/// every change of type, parameter, Eps or number of intervals. Form "Form4", settings prefix
/// "ParamRozdel Form4". Closing it with a histogram shown hands the histogram over (histogramCreated).
class ParametricWindow : public SimpleWindow {
  Q_OBJECT
 public:
  explicit ParametricWindow(Services& services, QWidget* parent = nullptr);
  ~ParametricWindow() override;

  /// Opens the window for a new histogram (also when the main window shows it): type 0 with its
  /// default parameters, computed at once.
  void Open();

  // Handlers, public so the window can be driven without a display.
  /// Recomputes and redraws (VypocetParaRozClick).
  void VypocetParaRozClick();
  void CBTypRozdeleniChange();
  /// Leaving a parameter field (1 .. 4), the interval field (0) or the Eps field (5).
  void FieldExit(int field);
  void StringGrid1Click();
  void BCharClick();

  /// The last generator result and whether its chart is shown (a valid histogram on screen).
  const ParametricResult& result() const { return result_; }
  bool chartShown() const { return chartShown_; }
  /// The histogram the window would hand over now.
  Histogram shownHistogram() const { return result_.histogram(); }
  /// The two lines of the chart title.
  const std::array<std::string, 2>& titleLines() const { return titleLines_; }
  /// Bar labels in order.
  const std::vector<std::string>& barLabels() const;

  /// Texts composed at run time in `language`: type list, parameter group, chart and table headers.
  void ApplyRuntimeTexts(Language language);

  void applyTableColour() override;
  void applyEditColour() override;
  void applyPresetValues() override;

 signals:
  /// Closing with a histogram shown: `h` has count N, min/max the first/last centre, range N x step.
  void histogramCreated(const Histogram& h);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildControls();
  void buildTypeGroup(QVBoxLayout* left);
  void buildParameters(QVBoxLayout* left);
  void buildCentresTable(QVBoxLayout* left);
  void buildMarksAndChart(QVBoxLayout* left);
  void buildButtons(QVBoxLayout* left);
  void buildChartArea(QHBoxLayout* root);
  void connectHandlers();
  void readSettings();
  void writeSettings();
  void draw();
  void rebuildSeries();
  void fillTables();
  void highlightTable();
  void hideChart();
  void applyPresentation(const ParametricPresentation& p);
  bool checkEps();
  bool fieldKey(QLineEdit* edit, int field, QKeyEvent* key);
  QLineEdit* fieldEdit(int field) const;

  QComboBox* CBTypRozdeleni_ = nullptr;
  QLineEdit* EdPocetIntervalu_ = nullptr;
  QLineEdit* EdEps_ = nullptr;
  QLabel* Label6_ = nullptr;
  QGroupBox* GBParametry_ = nullptr;
  std::array<QLabel*, 4> LabPara_{};
  std::array<QLineEdit*, 4> EdPara_{};
  QTableWidget* StringGrid1_ = nullptr;
  QTableWidget* probabilityTable_ = nullptr;
  HistogramChartPanel* chart_ = nullptr;
  QPushButton* BChar_ = nullptr;
  QPushButton* BitBtn1_ = nullptr;

  ParametricResult result_;
  bool chartShown_ = false;
  bool changed_ = false;
  bool reset_ = false;
  bool computing_ = false;
  std::string restoreIntervals_ = "128";
  std::array<std::string, 4> restoreParams_{"10", "1", "1.1", "1.9"};
  std::string rememberedEps_ = "1E-7";
  std::string minText_, maxText_;
  std::array<std::string, 2> titleLines_;
};
