#pragma once

#include <QChartView>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>

#include "persistence/SettingsKeys.h"
#include "ui/BarChartParts.h"

class QAbstractButton;
class QWidget;
struct Services;

/// The chart part of a histogram window: the view of a `BarChart`, the marks controls, the zoom bar
/// and the toolbar (save chart, copy window, save image) with their handlers and settings. The
/// window lays the controls out and draws the bars; it keeps its own margins, colours, legend and
/// texts.
class HistogramChartPanel : public QChartView {
  Q_OBJECT
 public:
  struct Setup {
    QString name;        // object name of the view
    QString seriesName;  // the bar set's name (the legend text)
    double fallbackWidth = 400;
    QWidget* marksParent = nullptr;  // the marks controls' parent (none: the window)
    QStringList marksItems, axisItems;
    bool marksLater = false;    // the window creates the marks with createMarks (no marks until then)
    bool marksHandlers = true;  // the panel handles the marks controls, else the window does
    bool toolbar = true;        // save chart, copy window and save image buttons with the chart export
    bool pushButtons = false;   // save chart and copy as push buttons, else tool buttons with icons
    QString zoomName = QStringLiteral("Panel1");
    bool zoomOverChart =
        false;  // the zoom bar floats over the chart's top right, else the window lays it out
    bool zoomStretch = true;
    std::function<std::string()> folder;        // where the chart is saved
    std::function<std::string()> proposedName;  // the file name proposed
    std::function<bool()> chartShown;           // marks only while true (none: always)
  };

  /// Creates the view and its controls; `window` is the histogram window holding them.
  HistogramChartPanel(Services& services, Setup setup, QWidget* window);
  ~HistogramChartPanel() override;

  BarChart& bars() { return bars_; }
  const BarChart& bars() const { return bars_; }
  const MarksControls& marks() const { return marks_; }
  QWidget* zoomBar() const { return zoomBar_; }
  /// The toolbar buttons (null without `toolbar`).
  QAbstractButton* saveChartButton() const { return saveChart_; }
  QAbstractButton* copyButton() const { return copy_; }
  QAbstractButton* saveImageButton() const { return saveImage_; }

  /// Creates the marks controls on `parent` (a window setting `marksLater`).
  void createMarks(QWidget* parent, const QStringList& marksItems, const QStringList& axisItems);
  /// Reads the marks style (unless `marks` is null) and angle from the settings.
  void readSettings(const settings::Key* marks, const settings::Key& angle);
  void writeSettings(const settings::Key& marks, const settings::Key& angle) const;
  /// The preset marks: both values, angle 90 without running its handler.
  void presetMarks();
  /// Shows the zoom bar while the window spans the screen's width, the plot commander is on and
  /// `allowed`.
  void placeZoomBar(bool allowed = true);

  // Handlers, public so the window can be driven without a display.
  void marksSwitched();
  void marksStyleChosen();
  void angleChanged();
  void axisLabelsChosen();

 signals:
  /// The marks changed: the window draws its bars again.
  void redrawWanted();
  /// The axis-label choice changed (the main option already follows it).
  void axisLabelsChanged();

 private:
  Services& services_;
  BarChart bars_;
  MarksControls marks_;
  bool marksHandlers_ = true;
  QWidget* zoomBar_ = nullptr;
  bool zoomOverChart_ = false;
  QAbstractButton* saveChart_ = nullptr;
  QAbstractButton* copy_ = nullptr;
  QAbstractButton* saveImage_ = nullptr;
};
