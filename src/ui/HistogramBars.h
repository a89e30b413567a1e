#pragma once
// One histogram as a bar chart: a bar series kept for the chart's life over a category axis whose
// labels are thinned to fit the plot, with marks over the bars on request.

#include <QObject>
#include <QString>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

enum class MarksStyle;
class QBarSeries;
class QBarSet;
class QCategoryAxis;
class QChart;
class QGraphicsSimpleTextItem;
class QValueAxis;

/// Labels "0" to "n - 1" of bars labelled by their index.
std::vector<std::string> indexLabels(int n);

class HistogramBars : public QObject {
  Q_OBJECT
 public:
  /// Sets up `chart` (no legend, no animation) with one bar series and its axes; `fallbackWidth` stands
  /// for the plot width before the chart is laid out.
  HistogramBars(QChart* chart, double fallbackWidth);

  /// Bars of heights `p` labelled by `labels` (one each) in `colour` (0xBBGGRR); the value axis reaches
  /// `headroom` times the highest bar. The bar set is replaced in one step.
  void setBars(std::span<const double> p, std::vector<std::string> labels, std::uint32_t colour,
               double headroom = 1.08);
  /// No bars.
  void clear();
  /// Marks over the bars (text by `style`, turned by `angle` degrees), kept in place as the plot changes.
  void setMarks(bool visible, MarksStyle style, int angle);

  QChart* chart() const { return chart_; }
  QBarSeries* series() const { return series_; }
  QCategoryAxis* axisX() const { return axisX_; }
  QValueAxis* axisY() const { return axisY_; }
  const std::vector<std::string>& labels() const { return labels_; }
  /// Texts of the marks now shown, in bar order.
  std::vector<QString> shownMarks() const;

 private:
  void relayout();

  QChart* chart_;
  double fallbackWidth_;
  QBarSeries* series_ = nullptr;
  QBarSet* set_ = nullptr;
  QCategoryAxis* axisX_ = nullptr;
  QValueAxis* axisY_ = nullptr;
  std::vector<double> heights_;
  std::vector<std::string> labels_;
  int labelStep_ = 0;
  bool marksVisible_ = false;
  MarksStyle marksStyle_{};
  int marksAngle_ = 90;
  std::vector<QGraphicsSimpleTextItem*> marks_;
};
