#include "ui/DistributionFunctionWindow.h"

#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QGraphicsSimpleTextItem>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <set>

#include "histogram/HistogramFile.h"
#include "histogram/Queries.h"
#include "persistence/SettingsKeys.h"
#include "shell/Messages.h"
#include "shell/NumberText.h"
#include "ui/BarChartParts.h"
#include "ui/ChartExport.h"
#include "ui/CheckSheet.h"
#include "ui/HistogramChartPanel.h"
#include "ui/NamedWidget.h"
#include "ui/QtText.h"
#include "ui/Services.h"

using namespace Qt::StringLiterals;

namespace {

constexpr std::uint32_t kBarColour = 12639424;
constexpr std::uint32_t kCentreRowColour = 14609886;

// Striped centre rows draw their text again at the cell's top-left corner.
class TopLeftDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.data(Qt::UserRole).toBool()) option->displayAlignment = Qt::AlignLeft | Qt::AlignTop;
  }
};

}  // namespace

std::vector<DistributionFunctionRow> DistributionFunctionRows(const Histogram& h) {
  const int n = binCount(h);
  std::vector<DistributionFunctionRow> rows;
  rows.reserve(2 * n + 1);
  rows.push_back({0, h.min - h.step / 2, 0});
  double F = 0;
  for (int i = 1; i <= n; ++i) {
    const double p = h.p[i - 1];
    rows.push_back({i, h.min + (i - 1) * h.step, F + p / 2});
    F += p;
    rows.push_back({0, h.min + (i - 0.5) * h.step, F});
  }
  return rows;
}

std::string DistributionFunctionTitle(const std::string& name) { return withoutFileExtension(name, "dis"); }

DistributionFunctionWindow::DistributionFunctionWindow(Services& services, QWidget* parent)
    : SimpleWindow(services, 12, parent) {
  setWindowFlag(Qt::WindowStaysOnTopHint);
  setEnablesMainOnClose(false);
  buildControls();
  readSettings();
  applyOwnTexts();
  applyTableColour();
}

DistributionFunctionWindow::~DistributionFunctionWindow() = default;

void DistributionFunctionWindow::buildControls() {
  auto* root = new QVBoxLayout(this);
  root->setContentsMargins(6, 6, 6, 6);
  auto* top = new QHBoxLayout;
  root->addLayout(top);
  HistogramChartPanel::Setup setup;
  setup.name = u"Chart1L"_s;
  setup.marksItems = {u"P(x)"_s, u"x"_s, u"x & P(x)"_s, u"INT"_s, u"INT & P(x)"_s};
  setup.axisItems = {u"Index  x"_s, u"Value   x"_s};
  setup.zoomOverChart = true;
  setup.zoomStretch = false;
  setup.folder = [folder = services_.folders.ResultsFolder] { return folder; };
  setup.proposedName = [this] { return safeFileBase(title_); };
  chart_ = new HistogramChartPanel(services_, std::move(setup), this);
  wordButton_ = named<QToolButton>(this, u"OtevriWord"_s);
  wordButton_->setText(u"W"_s);
  exitButton_ = named<QPushButton>(this, u"ExitBtn"_s);
  exitButton_->setAutoDefault(false);
  const MarksControls& marks = chart_->marks();
  for (QWidget* w : std::initializer_list<QWidget*>{
           marks.CheckBox1, marks.CBMarks, marks.SpinEdAngle, marks.CBValInd, chart_->saveImageButton(),
           chart_->saveChartButton(), chart_->copyButton(), wordButton_})
    top->addWidget(w);
  top->addStretch();
  top->addWidget(exitButton_);

  auto* body = new QHBoxLayout;
  root->addLayout(body, 1);
  BarChart& bars = chart_->bars();
  bars.set->setColor(fromBgr(kBarColour));
  bars.axisY->setRange(0, 1.05);
  bars.chart->setTitleBrush(QBrush(Qt::black));
  chart_->setMinimumSize(300, 200);
  body->addWidget(chart_, 3);

  table_ = new QTableWidget(0, 3, this);
  table_->setObjectName(u"StringGrid2"_s);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionMode(QAbstractItemView::NoSelection);
  table_->verticalHeader()->setVisible(false);
  table_->setItemDelegate(new TopLeftDelegate(table_));
  table_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  body->addWidget(table_, 2);
  // The tab order the window has always had.
  setTabOrder(chart_->copyButton(), wordButton_);
  setTabOrder(exitButton_, chart_);

  connect(chart_, &HistogramChartPanel::redrawWanted, this, &DistributionFunctionWindow::fillAgain);
  connect(chart_, &HistogramChartPanel::axisLabelsChanged, this,
          &DistributionFunctionWindow::axisLabelsChanged);
  connect(exitButton_, &QPushButton::clicked, this, &QWidget::close);
  connect(wordButton_, &QToolButton::clicked, this, [this] { services_.windows.openWordDocument(); });
}

void DistributionFunctionWindow::readSettings() {
  const SettingsFile& s = services_.settings;
  background_ = std::uint32_t(settings::readInteger(s, settings::kDistBackground, 16777215));
  chart_->bars().chart->setBackgroundBrush(fromBgr(background_));
  chart_->readSettings(&settings::kDistMarks, settings::kDistAngle);
  chart_->marks().CBValInd->setCurrentIndex(services_.options.axisIndex ? 0 : 1);
}

void DistributionFunctionWindow::writeSettings() {
  chart_->writeSettings(settings::kDistMarks, settings::kDistAngle);
  settings::write(services_.settings, settings::kDistBackground, background_);
}

void DistributionFunctionWindow::ApplyRuntimeTexts(Language) {
  if (isVisible()) fillAgain();
}

void DistributionFunctionWindow::applyTableColour() {
  QPalette pal = table_->palette();
  pal.setColor(QPalette::Base, fromBgr(services_.options.colours.table));
  table_->setPalette(pal);
  highlightTable();
}

void DistributionFunctionWindow::applyPresetValues() { chart_->presetMarks(); }

const std::vector<std::string>& DistributionFunctionWindow::barLabels() const {
  return chart_->bars().labels();
}

// ------------------------------------------------------------------------------------------------
// Fill

void DistributionFunctionWindow::Fill(const Histogram& h, const std::string& name) {
  hist_ = h;
  name_ = name;
  fillAgain();
  show();
  raise();
  activateWindow();
}

void DistributionFunctionWindow::fillAgain() {
  const Language lang = services_.language();
  applyTableColour();
  title_ = DistributionFunctionTitle(name_);
  BarChart& bars = chart_->bars();
  bars.chart->setTitle(qs(title_));

  const int n = binCount(hist_);
  const bool index = services_.options.axisIndex;
  chart_->marks().CBValInd->setCurrentIndex(index ? 0 : 1);
  bars.axisX->setTitleText(index ? u"Index x"_s : qs(MessageText(218, lang)));
  std::vector<double> F(size_t(std::max(n, 0)));
  double sum = 0;
  for (int i = 0; i < n; ++i) F[i] = sum += hist_.p[i];
  bars.setBars(
      F,
      ::barLabels(F, index, [this, n](int i) { return i + 1 < n ? hist_.min + i * hist_.step : hist_.max; }),
      chart_->marks().turned() ? 1.3 : 1.0);

  // Table.
  const std::vector<DistributionFunctionRow> rows = DistributionFunctionRows(hist_);
  table_->setUpdatesEnabled(false);
  table_->clearContents();
  table_->setRowCount(int(rows.size()));
  table_->setHorizontalHeaderLabels({u" INT"_s, u"     x"_s, u"     F(x)"_s});
  for (int r = 0; r < int(rows.size()); ++r) {
    const DistributionFunctionRow& row = rows[r];
    const QString c0 = row.interval > 0 ? qs(formatNumberAligned(4, row.interval)) : QString();
    const QString cells[3] = {c0, qs(formatNumber(row.x)), qs(formatNumber(row.F))};
    for (int c = 0; c < 3; ++c) table_->setItem(r, c, new QTableWidgetItem(cells[c]));
  }
  highlightTable();
  table_->resizeColumnsToContents();
  table_->setUpdatesEnabled(true);
  table_->show();
  chart_->placeZoomBar();
}

void DistributionFunctionWindow::highlightTable() {
  const bool on = services_.options.highlightRows;
  const QColor table = fromBgr(services_.options.colours.table);
  for (int r = 0; r < table_->rowCount(); ++r) {
    const bool centre = r % 2 == 1;  // grid rows 2, 4, ..., 2N under the header
    for (int c = 0; c < 3; ++c)
      if (QTableWidgetItem* it = table_->item(r, c)) {
        it->setBackground(on && centre ? fromBgr(kCentreRowColour) : table);
        it->setData(Qt::UserRole, on && centre);
      }
  }
}

// ------------------------------------------------------------------------------------------------
// Handlers

void DistributionFunctionWindow::axisLabelsChanged() {
  fillAgain();
  services_.windows.redrawChart();
}

void DistributionFunctionWindow::Deactivated() {
  if (isVisible() && !closing_) close();
}

void DistributionFunctionWindow::changeEvent(QEvent* event) {
  SimpleWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && !isActiveWindow() && QApplication::activeWindow() &&
      QApplication::activeWindow() != this)
    Deactivated();
}

void DistributionFunctionWindow::resizeEvent(QResizeEvent* event) {
  SimpleWindow::resizeEvent(event);
  chart_->placeZoomBar();
}

void DistributionFunctionWindow::closeEvent(QCloseEvent* event) {
  closing_ = true;
  writeSettings();
  chart_->marks().CheckBox1->setChecked(false);
  services_.windows.focusChartValueField();
  SimpleWindow::closeEvent(event);
  closing_ = false;
}
