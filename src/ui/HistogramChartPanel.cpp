#include "ui/HistogramChartPanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <utility>

#include "ui/ChartExport.h"
#include "ui/NamedWidget.h"
#include "ui/Services.h"

using namespace Qt::StringLiterals;

HistogramChartPanel::HistogramChartPanel(Services& services, Setup setup, QWidget* window)
    : QChartView(window),
      services_(services),
      bars_(window, setup.seriesName, setup.fallbackWidth,
            [this, shown = std::move(setup.chartShown)] {
              return marks_.CheckBox1 ? marks_.state(!shown || shown()) : BarChart::Marks{};
            }),
      marksHandlers_(setup.marksHandlers),
      zoomOverChart_(setup.zoomOverChart) {
  setObjectName(setup.name);
  // The marks are read at every change of the plot area, the first one when the chart is set.
  if (!setup.marksLater)
    createMarks(setup.marksParent ? setup.marksParent : window, setup.marksItems, setup.axisItems);
  QChart* placeholder = chart();  // the view's own empty chart, released by setChart
  setChart(bars_.chart);
  delete placeholder;

  if (setup.toolbar) {
    if (setup.pushButtons) {
      saveChart_ = makeButton(window, u"UlozGraf"_s);
      copy_ = makeButton(window, u"SpeedButton1"_s);
    } else {
      saveChart_ = named<QToolButton>(window, u"UlozGraf"_s);
      saveChart_->setIcon(window->style()->standardIcon(QStyle::SP_DialogSaveButton));
      copy_ = named<QToolButton>(window, u"SpeedButton1"_s);
      copy_->setIcon(window->style()->standardIcon(QStyle::SP_FileDialogContentsView));
    }
    saveImage_ = makeButton(window, u"UlozObrazek"_s);
  }

  zoomBar_ = named<QWidget>(setup.zoomOverChart ? static_cast<QWidget*>(this) : window, setup.zoomName);
  addZoomButtons(zoomBar_, bars_.chart, setup.zoomStretch);
  zoomBar_->hide();

  if (setup.toolbar) {
    auto* exporter = new ChartExport(saveChart_, this, std::move(setup.folder),
                                     [&services] { return services.language(); });
    exporter->proposedName = std::move(setup.proposedName);
    connect(saveImage_, &QAbstractButton::clicked, exporter, &ChartExport::SaveImageClick);
    connect(copy_, &QAbstractButton::clicked, this, [this] {
      if (QClipboard* cb = QApplication::clipboard()) cb->setPixmap(this->window()->grab());
    });
  }
}

void HistogramChartPanel::createMarks(QWidget* parent, const QStringList& marksItems,
                                      const QStringList& axisItems) {
  marks_ = makeMarksControls(parent, marksItems, axisItems);
  if (!marksHandlers_) return;
  connect(marks_.CheckBox1, &QCheckBox::clicked, this, &HistogramChartPanel::marksSwitched);
  connect(marks_.CBMarks, &QComboBox::activated, this, &HistogramChartPanel::marksStyleChosen);
  connect(marks_.SpinEdAngle, &QSpinBox::valueChanged, this, &HistogramChartPanel::angleChanged);
  connect(marks_.SpinEdAngle, &QSpinBox::editingFinished, this, [this] { bars_.placeMarks(); });
  connect(marks_.CBValInd, &QComboBox::activated, this, &HistogramChartPanel::axisLabelsChosen);
}

HistogramChartPanel::~HistogramChartPanel() = default;

void HistogramChartPanel::readSettings(const settings::Key* marks, const settings::Key& angle) {
  marks_.readSettings(services_.settings, marks, angle);
}

void HistogramChartPanel::writeSettings(const settings::Key& marks, const settings::Key& angle) const {
  marks_.writeSettings(services_.settings, marks, angle);
}

void HistogramChartPanel::presetMarks() {
  marks_.CBMarks->setCurrentIndex(2);
  const QSignalBlocker quiet(marks_.SpinEdAngle);
  marks_.SpinEdAngle->setValue(90);
}

void HistogramChartPanel::placeZoomBar(bool allowed) {
  const QScreen* screen = window()->screen();
  const bool wide = screen && window()->width() >= screen->geometry().width();
  zoomBar_->setVisible(wide && services_.options.plotCommander && allowed);
  if (zoomOverChart_) zoomBar_->move(width() - 298, 33);
}

void HistogramChartPanel::marksSwitched() { emit redrawWanted(); }

void HistogramChartPanel::marksStyleChosen() {
  if (marks_.CheckBox1->isChecked()) emit redrawWanted();
}

void HistogramChartPanel::angleChanged() {
  marks_.CheckBox1->setChecked(false);
  emit redrawWanted();
}

void HistogramChartPanel::axisLabelsChosen() {
  const bool index = marks_.CBValInd->currentIndex() != 1;
  services_.windows.setAxisLabels(index);
  services_.options.axisIndex = index;
  emit axisLabelsChanged();
}
