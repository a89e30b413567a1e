#pragma once
// Pieces shared by the windows that draw a histogram as a bar chart.

#include <QString>
#include <array>
#include <span>
#include <string>
#include <vector>

#include "shell/Language.h"

enum class MarksStyle;
struct ProbabilityRow;

class QAbstractSeries;
class QCategoryAxis;
class QChart;
class QGraphicsSimpleTextItem;
class QTableWidget;
class QWidget;

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

/// Lays out the zoom-in, zoom-out and 1:1 buttons of `chart` in `panel`, with a stretch after them on
/// request.
void addZoomButtons(QWidget* panel, QChart* chart, bool stretch);
