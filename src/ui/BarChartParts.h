#pragma once
// Pieces shared by the windows that draw a histogram as a bar chart.

#include <QColor>
#include <QList>
#include <QMetaObject>
#include <QString>
#include <array>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "persistence/SettingsKeys.h"
#include "shell/Language.h"

enum class MarksStyle;
struct ProbabilityRow;

class QAbstractSeries;
class QBarSeries;
class QBarSet;
class QCategoryAxis;
class QChart;
class QCheckBox;
class QComboBox;
class QGraphicsSimpleTextItem;
class QSpinBox;
class QObject;
class QPushButton;
class QTableWidget;
class QValueAxis;
class QWidget;

/// The bar chart of a histogram window: a chart with the bar series "Series1" of one bar set, kept for
/// the chart's life, a bottom category axis whose labels are thinned to fit, a left value axis and
/// marks over the bars. A fill replaces the bars in one step; labels and marks follow every change of
/// the plot area. The chart belongs to the view showing it.
class BarChart {
 public:
  /// The state of the window's marks controls when the marks are placed.
  struct Marks {
    bool visible = false;
    int styleItem = 0;  // item of the marks selector
    int angle = 0;
  };

  /// `context` owns the plot-area connection; `setName` names the bar set (the legend text);
  /// `fallbackWidth` stands for the plot width before the chart is laid out; `marks` reads the marks
  /// controls (none: no marks).
  BarChart(QObject* context, const QString& setName, double fallbackWidth, std::function<Marks()> marks = {});
  ~BarChart();
  BarChart(const BarChart&) = delete;
  BarChart& operator=(const BarChart&) = delete;

  /// Shows `values` as the bars labelled by `labels` (one each): outlines while the bars are wide
  /// enough, the value axis from 0 to `top` (rounded to nice numbers), labels and marks placed anew.
  void setBars(const QList<double>& values, std::vector<std::string> labels, double top);
  void setBars(std::span<const double> values, std::vector<std::string> labels, double top);
  /// Shows the probabilities `p` of a histogram as its bars: labelled by index or by `position(i)` of
  /// bar i (0-based), the value axis above the highest with room for turned marks.
  void setHistogramBars(std::span<const double> p, bool indexLabels,
                        const std::function<double(int)>& position, bool turnedMarks);
  /// No bars.
  void clear();
  /// The fill and the outline of the bars.
  void setColours(const QColor& fill, const QColor& outline);
  const std::vector<std::string>& labels() const { return labels_; }
  /// Places the axis labels and the marks again.
  void placeLabels();
  void placeMarks();
  /// Texts of the marks now shown, in bar order.
  std::vector<QString> shownMarks() const;

  QChart* chart = nullptr;
  QBarSeries* series = nullptr;
  QBarSet* set = nullptr;
  QCategoryAxis* axisX = nullptr;
  QValueAxis* axisY = nullptr;

 private:
  std::function<Marks()> marks_;
  double fallbackWidth_;
  QColor outline_;
  std::vector<double> heights_;
  std::vector<std::string> labels_;
  std::vector<QGraphicsSimpleTextItem*> markItems_;
  int labelStep_ = 0;
  QMetaObject::Connection plotArea_;
};

/// Labels "0" to "n - 1" of bars labelled by their index.
std::vector<std::string> indexLabels(int n);

/// The top of the value axis over bars up to `highest`, with room for turned marks.
double barChartTop(double highest, bool turnedMarks);
/// Axis labels of bars with heights `values`: the index (from 0) or the bar's height at `position(i)`.
std::vector<std::string> barLabels(std::span<const double> values, bool indexLabels,
                                   const std::function<double(int)>& position);
/// The top of the value axis over `values`: `headroom` times the highest, 1 over no positive bar.
double barChartTop(std::span<const double> values, double headroom);

/// The marks controls of a bar chart window: `CheckBox1` (marks shown), `CBMarks` (what they show),
/// `SpinEdAngle` (their angle) and `CBValInd` (axis labels by index or by value).
struct MarksControls {
  QCheckBox* CheckBox1 = nullptr;
  QComboBox* CBMarks = nullptr;
  QSpinBox* SpinEdAngle = nullptr;
  QComboBox* CBValInd = nullptr;

  /// The marks as the controls set them; hidden unless `chartShown`.
  BarChart::Marks state(bool chartShown = true) const;
  /// Marks shown and turned away from upright: they need room above the bars.
  bool turned() const;
  /// Sets `CBMarks` (unless `marks` is null) and `SpinEdAngle` from the settings without running
  /// the angle's handler.
  void readSettings(const SettingsFile& s, const settings::Key* marks, const settings::Key& angle) const;
  void writeSettings(SettingsFile& s, const settings::Key& marks, const settings::Key& angle) const;
};

/// Creates the marks controls on `parent` without texts: `CBMarks` with `marksItems`, `SpinEdAngle`
/// from 0 to 360 by 15, `CBValInd` with `axisItems`.
MarksControls makeMarksControls(QWidget* parent, const QStringList& marksItems, const QStringList& axisItems);

/// Shows every k-th bar label on the bottom axis, k chosen so that neighbouring labels keep a gap;
/// `fallbackWidth` stands for the plot width before the chart is laid out. Returns the step used;
/// the axis is left as it is when the step equals `lastStep` and the axis already holds labels.
int placeBarLabels(QCategoryAxis* axis, const QChart* chart, const std::vector<std::string>& labels,
                   int lastStep, double fallbackWidth);

/// Puts a mark over each bar (text by `style`, turned by `angle` degrees), creating the text items
/// on the chart as needed; hides them all when `visible` is false.
void placeBarMarks(QChart* chart, QAbstractSeries* series, std::vector<QGraphicsSimpleTextItem*>& marks,
                   bool visible, MarksStyle style, int angle, const std::vector<std::string>& labels,
                   std::span<const double> heights);

/// A read-only table without row headers, rows one text line high, no word wrap.
QTableWidget* makeReadOnlyGrid(QWidget* parent, const QString& name, int rows, int columns);

/// Sets the text of a cell, creating its item when the cell has none.
void setCell(QTableWidget* g, int row, int column, const QString& text);

/// The five texts of a probability-table row: interval, x, probability, frequency, distribution function.
std::array<QString, 5> probabilityRowTexts(const ProbabilityRow& row, Language language);

/// A push button named `name` that is never the default button.
QPushButton* makeButton(QWidget* parent, const QString& name);

/// Fixes the height of `g` to its rows and turns its scroll bars off.
void fitGridHeight(QTableWidget* g);

/// Lays out the zoom-in, zoom-out and 1:1 buttons of `chart` in `panel`, with a stretch after them on
/// request.
void addZoomButtons(QWidget* panel, QChart* chart, bool stretch);
