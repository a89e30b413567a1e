#pragma once

#include <QPointF>
#include <QString>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "creation/Fitting.h"
#include "ui/BarChartParts.h"
#include "ui/SimpleWindow.h"

class QAreaSeries;
class QChart;
class QChartView;
class QCheckBox;
class QLineSeries;
class QValueAxis;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

/// Texts the table window composes at run time.

/// P-P plot: the raw empirical distribution function against the fitted one, with the diagonal.
class PPPlot : public QWidget {
  Q_OBJECT
 public:
  using QWidget::QWidget;
  /// Points (F raw, F fitted) in [0, 1]², and the axis titles.
  void setPlot(std::vector<QPointF> points, QString xTitle, QString yTitle);
  const std::vector<QPointF>& points() const { return points_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<QPointF> points_;
  QString xTitle_, yTitle_;
};

/// The table of suitable parametric histograms: the fit table with its sorting, the raw-data row and
/// moments, the removal of unsuitable rows, two overview charts and the P-P plot of the selected type.
/// Form "Form14", settings prefix "TabChar-Form14".
class FitTableWindow : public SimpleWindow {
  Q_OBJECT
 public:
  explicit FitTableWindow(Services& services, QWidget* parent = nullptr);

  /// Fills the tables from the raw data window's fitting results, sorts by těsnost and shows the window.
  void showFit();
  /// The raw-data histogram for the first overview chart.
  void showRawHistogram(const Histogram& h);
  /// The histogram shown in the raw data window for the second overview chart.
  void showTypeHistogram(const Histogram& h);

  void CBTypVyberuChange();
  void CBVyberChange();
  /// Row r (1-based) of SGChar selected.
  void SGCharSelectCell(int row);
  void ChBVymazRadkuTabClick();
  void BKonecClick();

  /// The fit table rows in their shown order (23 rows; blank ones unfilled).
  const std::vector<FitRow>& rows() const { return rows_; }
  /// Index of the first unsuitable row of the last fill, if any.
  std::optional<int> firstUnsuitable() const { return firstUnsuitable_; }
  void applyTableColour() override;
  /// Header cells and row numbers in `language`.
  void ApplyRuntimeTexts(Language language);

 protected:
  void closeEvent(QCloseEvent* event) override;
  /// Draws the overview charts kept back while the window was hidden.
  void showEvent(QShowEvent* event) override;

 private:
  void writeRows();
  void sortRows();
  void drawPP(int type);
  void drawOverviews();

  bool filled_ = false;  // the tables show fitting results
  std::vector<FitRow> rows_;
  std::optional<int> firstUnsuitable_;
  std::optional<Histogram> pendingRaw_, pendingType_;  // overviews to draw when shown
  int selectedType_ = -1;                              // type of the selected row, named in CBVyber

  QTableWidget *SGChar_ = nullptr, *SGCharPD_ = nullptr, *SGCharPDZ_ = nullptr;
  QComboBox *CBTypVyberu_ = nullptr, *CBVyber_ = nullptr;
  QCheckBox* ChBVymazRadkuTab_ = nullptr;
  QPushButton* BKonec_ = nullptr;
  QLabel *Label1_ = nullptr, *Label2_ = nullptr, *Label3_ = nullptr, *Label4_ = nullptr;
  /// An overview chart: a histogram as a filled step line over its bin edges, on an x axis of values.
  struct Overview {
    QChart* chart = nullptr;
    QLineSeries* steps = nullptr;
    QAreaSeries* area = nullptr;
    QValueAxis *x = nullptr, *y = nullptr;
    std::optional<Histogram> shown;
  };
  QChartView* makeOverview(const QString& name, Overview& o, std::uint32_t colour);
  /// Both overviews on the one x range that holds every histogram they show.
  void alignOverviews();
  Overview raw_, type_;
  QChartView *Chart1_ = nullptr, *Chart2_ = nullptr;
  PPPlot* ChartPP_ = nullptr;
};
