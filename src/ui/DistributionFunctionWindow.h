#pragma once

#include <array>
#include <string>
#include <vector>

#include "histogram/Histogram.h"
#include "shell/Language.h"
#include "ui/SimpleWindow.h"

class HistogramChartPanel;
class QPushButton;
class QTableWidget;
class QToolButton;

/// One row of the distribution function table: interval number (centre rows), x and F(x).
struct DistributionFunctionRow {
  int interval = 0;  // 1-based on centre rows, 0 on edge rows
  double x = 0;
  double F = 0;
};

/// The 2N + 1 data rows of the table (the header row aside): the lower edge with F = 0, then for each
/// bin its centre with F_(i-1) + P_i / 2 and its upper edge with F_i.
std::vector<DistributionFunctionRow> DistributionFunctionRows(const Histogram& h);

/// The title of a histogram name: the name without its extension ".dis"; other dots stay.
std::string DistributionFunctionTitle(const std::string& name);

/// The distribution function window: bars of F_i and the table of F at every bin edge and centre of
/// the histogram the chart window shows. Stays on top and closes when it loses activation.
/// Form "Form12", settings prefix "KrivkaTrvani-Form12".
class DistributionFunctionWindow : public SimpleWindow {
  Q_OBJECT
 public:
  explicit DistributionFunctionWindow(Services& services, QWidget* parent = nullptr);
  ~DistributionFunctionWindow() override;

  /// Builds chart and table from `h` named `name` and shows the window.
  void Fill(const Histogram& h, const std::string& name);

  /// The window lost activation: it closes.
  void Deactivated();

  const Histogram& histogram() const { return hist_; }
  const std::string& title() const { return title_; }
  const std::vector<std::string>& barLabels() const;

  /// Texts composed at run time in `language` (axis title, table header): a shown window fills again.
  void ApplyRuntimeTexts(Language language);

  void applyTableColour() override;
  void applyPresetValues() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void buildControls();
  void readSettings();
  void writeSettings();
  void fillAgain();
  void highlightTable();
  void axisLabelsChanged();

  HistogramChartPanel* chart_ = nullptr;
  QTableWidget* table_ = nullptr;
  QPushButton* exitButton_ = nullptr;
  QToolButton* wordButton_ = nullptr;

  Histogram hist_;
  std::string name_, title_;
  std::uint32_t background_ = 16777215;
  bool closing_ = false;
};
