#include "ui/SensitivityWindow.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPushButton>
#include <QScatterSeries>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "shell/NumberText.h"
#include "ui/NamedWidget.h"
#include "ui/QtText.h"
#include "ui/Services.h"
#include "ui/VerificationTexts.h"

using namespace Qt::StringLiterals;

namespace {

QString pfCell(const std::optional<double>& pf) { return pf ? qs(formatNumberShort(*pf)) : u"-"_s; }

// The positive figures of the rows and the assessment's Pf.
std::vector<double> positiveFigures(const std::vector<SensitivityLine>& rows, double chainPf) {
  std::vector<double> v;
  for (const SensitivityLine& r : rows)
    for (const auto& pf : {r.pf05, r.pf50, r.pf95})
      if (pf && *pf > 0) v.push_back(*pf);
  if (chainPf > 0) v.push_back(chainPf);
  return v;
}

}  // namespace

SensitivityWindow::SensitivityWindow(Services& services, QWidget* parent)
    : SimpleWindow(services, 15, parent) {
  setEnablesMainOnClose(false);  // opened from the chart window, over an enabled main window
  buildControls();
  applyOwnTexts();
}

SensitivityWindow::~SensitivityWindow() = default;

void SensitivityWindow::buildControls() {
  auto* root = new QVBoxLayout(this);
  root->setContentsMargins(6, 6, 6, 6);
  chart_ = new QChart;
  chart_->setAnimationOptions(QChart::NoAnimation);
  chart_->legend()->setAlignment(Qt::AlignBottom);
  chart_->setMargins(QMargins(4, 4, 12, 4));
  axisX_ = new QLogValueAxis;
  axisX_->setBase(10);
  axisX_->setLabelFormat(u"%.0E"_s);
  axisX_->setMinorTickCount(-1);
  axisY_ = new QCategoryAxis;
  axisY_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionCenter);
  axisY_->setGridLineVisible(false);
  axisY_->setStartValue(0);
  chart_->addAxis(axisX_, Qt::AlignBottom);
  chart_->addAxis(axisY_, Qt::AlignLeft);
  Chart1_ = new QChartView(chart_, this);
  Chart1_->setObjectName(u"Chart1"_s);
  Chart1_->setRenderHint(QPainter::Antialiasing);
  Chart1_->setMinimumSize(400, 260);
  root->addWidget(Chart1_, 3);

  LabPf_ = named<QLabel>(this, u"LabPf"_s);
  root->addWidget(LabPf_);

  StringGrid1_ = new QTableWidget(0, 5, this);
  StringGrid1_->setObjectName(u"StringGrid1"_s);
  StringGrid1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StringGrid1_->setSelectionMode(QAbstractItemView::NoSelection);
  StringGrid1_->verticalHeader()->setVisible(false);
  StringGrid1_->verticalHeader()->setDefaultSectionSize(StringGrid1_->fontMetrics().height() + 6);
  StringGrid1_->horizontalHeader()->setStretchLastSection(true);
  StringGrid1_->setColumnWidth(0, 260);
  StringGrid1_->setColumnWidth(1, 200);
  StringGrid1_->setColumnWidth(2, 120);
  StringGrid1_->setColumnWidth(3, 120);
  root->addWidget(StringGrid1_, 2);

  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  ExitProgram_ = named<QPushButton>(this, u"ExitProgram"_s);
  ExitProgram_->setAutoDefault(false);
  bottom->addWidget(ExitProgram_);
  root->addLayout(bottom);
  connect(ExitProgram_, &QPushButton::clicked, this, &QWidget::close);
}

void SensitivityWindow::Fill(const verification::ChainCheck& check) {
  check_ = check;
  fillAgain();
  show();
  raise();
  activateWindow();
}

void SensitivityWindow::ApplyRuntimeTexts(Language) {
  if (check_) fillAgain();
}

void SensitivityWindow::fillAgain() {
  rows_ = sensitivityLines(*check_, services_.language());
  LabPf_->setText(qs(verificationTextFormat(VerificationText::AssessmentPf, services_.language(),
                                            {formatNumberShort(check_->chainPf)})));
  drawTornado();
  fillTable();
}

std::pair<double, double> SensitivityWindow::axisRange() const {
  const std::vector<double> v = positiveFigures(rows_, check_ ? check_->chainPf : 0);
  if (v.empty()) return {1e-20, 1};
  const auto [lo, hi] = std::minmax_element(v.begin(), v.end());
  // Whole decades, one below the smallest figure so that Pf = 0 has its own place on the left edge.
  return {std::pow(10.0, std::floor(std::log10(*lo)) - 1), std::pow(10.0, std::ceil(std::log10(*hi)))};
}

void SensitivityWindow::drawTornado() {
  // The axes stay (their items would otherwise linger until the event loop deletes them); the series
  // and the categories are made again.
  chart_->removeAllSeries();
  const Language l = services_.language();
  const auto [lo, hi] = axisRange();
  auto at = [lo](const std::optional<double>& pf) { return *pf > 0 ? *pf : lo; };  // 0 on the left edge

  axisX_->setRange(lo, hi);
  axisX_->setTitleText(qs(verificationText(VerificationText::TornadoAxis, l)));
  for (const QString& label : axisY_->categoriesLabels()) axisY_->remove(label);
  const int n = static_cast<int>(rows_.size());
  axisY_->setRange(0, n);
  QLogValueAxis* axisX = axisX_;
  QCategoryAxis* axisY = axisY_;

  auto attach = [&](QAbstractSeries* s) {
    chart_->addSeries(s);
    s->attachAxis(axisX);
    s->attachAxis(axisY);
  };
  // The first row (largest spread) on top.
  const QColor barColour(0x40, 0x80, 0xC0);
  QScatterSeries* marks[3];
  const VerificationText markNames[3] = {VerificationText::TornadoAt05, VerificationText::TornadoAt50,
                                         VerificationText::TornadoAt95};
  const QColor markColours[3] = {QColor(0x20, 0x90, 0x20), QColor(0x10, 0x10, 0x10),
                                 QColor(0xD0, 0x30, 0x30)};
  for (int k = 0; k < 3; ++k) {
    marks[k] = new QScatterSeries;
    marks[k]->setName(qs(verificationText(markNames[k], l)));
    marks[k]->setMarkerSize(9);
    marks[k]->setColor(markColours[k]);
    marks[k]->setBorderColor(markColours[k].darker(150));
  }
  marks[1]->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
  for (int i = 0; i < n; ++i) {
    const SensitivityLine& r = rows_[static_cast<size_t>(i)];
    const double y = n - i - 0.5;
    std::vector<double> xs;
    for (const auto& pf : {r.pf05, r.pf50, r.pf95})
      if (pf) xs.push_back(at(pf));
    if (xs.empty()) continue;
    const auto [x0, x1] = std::minmax_element(xs.begin(), xs.end());
    auto* bar = new QLineSeries;
    bar->setPen(QPen(barColour, 10, Qt::SolidLine, Qt::FlatCap));
    bar->append(*x0, y);
    bar->append(*x1 > *x0 ? *x1 : *x0 * 1.02, y);
    attach(bar);
    for (const QLegendMarker* m : chart_->legend()->markers(bar))
      const_cast<QLegendMarker*>(m)->setVisible(false);
    const std::optional<double> pfs[3] = {r.pf05, r.pf50, r.pf95};
    for (int k = 0; k < 3; ++k)
      if (pfs[k]) marks[k]->append(at(pfs[k]), y);
  }
  // Row i spans n - i - 1 .. n - i; the categories go in from the bottom.
  for (int i = n - 1; i >= 0; --i) {
    const SensitivityLine& r = rows_[static_cast<size_t>(i)];
    QString label = qs(r.input);
    if (r.noEffect) label += u"  ("_s + qs(verificationText(VerificationText::NoEffect, l)) + u')';
    axisY->append(label, n - i);
  }
  for (int k = 0; k < 3; ++k) attach(marks[k]);
  if (check_->chainPf > 0) {
    auto* chain = new QLineSeries;
    chain->setName(
        qs(verificationTextFormat(VerificationText::AssessmentPf, l, {formatNumberShort(check_->chainPf)})));
    chain->setPen(QPen(QColor(0xC0, 0x60, 0x00), 2, Qt::DashLine));
    chain->append(check_->chainPf, 0);
    chain->append(check_->chainPf, n);
    attach(chain);
  }
}

void SensitivityWindow::fillTable() {
  const Language l = services_.language();
  StringGrid1_->clearSpans();
  StringGrid1_->setRowCount(static_cast<int>(rows_.size()));
  auto set = [this](int row, int col, const QString& text) {
    auto* it = new QTableWidgetItem(text);
    if (col >= 2) it->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    StringGrid1_->setItem(row, col, it);
  };
  for (int i = 0; i < static_cast<int>(rows_.size()); ++i) {
    const SensitivityLine& r = rows_[static_cast<size_t>(i)];
    set(i, 0, qs(r.input));
    set(i, 1, qs(r.file));
    if (r.noEffect) {
      auto* it = new QTableWidgetItem(qs(verificationText(VerificationText::NoEffect, l)));
      it->setTextAlignment(Qt::AlignCenter);
      StringGrid1_->setItem(i, 2, it);
      StringGrid1_->setSpan(i, 2, 1, 3);
      continue;
    }
    set(i, 2, pfCell(r.pf05));
    set(i, 3, pfCell(r.pf50));
    set(i, 4, pfCell(r.pf95));
  }
}
