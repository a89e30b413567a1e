#include "ui/FitTableWindow.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <limits>

#include "shell/NumberText.h"
#include "ui/BarChartParts.h"
#include "ui/NamedWidget.h"
#include "ui/QtText.h"
#include "ui/RuntimeTexts.h"
#include "ui/Services.h"
#include "ui/WidgetHelpers.h"
#include "ui/WindowPlace.h"

using namespace Qt::StringLiterals;

namespace {

constexpr std::uint32_t kRawColour = 8388608;
constexpr std::uint32_t kBarColour = 15780518;
constexpr int kColumns = kFitFields + 1;  // row numbers and fields 1..19

QTableWidget* makeGrid(QWidget* parent, const QString& name, int rows, int columns) {
  auto* g = makeReadOnlyGrid(parent, name, rows, columns);
  g->horizontalHeader()->setVisible(false);
  return g;
}

// The fit measures stand together after the těsnost (the long parameter texts would push the
// Kolmogorov-Smirnov and Anderson-Darling columns off the window); the blank fields are not shown.
// The columns keep their field numbers.
void orderFitColumns(QTableWidget* g) {
  QHeaderView* h = g->horizontalHeader();
  for (int k = 0; k < 3; ++k) h->moveSection(h->visualIndex(kFieldKs + k), kFieldTesnost + 1 + k);
  for (int k = kFieldAd + 1; k <= kFitFields; ++k) g->setColumnHidden(k, true);
}

}  // namespace

// ------------------------------------------------------------------------------------------------
// P-P plot

void PPPlot::setPlot(std::vector<QPointF> points, QString xTitle, QString yTitle) {
  points_ = std::move(points);
  xTitle_ = std::move(xTitle);
  yTitle_ = std::move(yTitle);
  update();
}

void PPPlot::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  const QFontMetrics fm = fontMetrics();
  const int left = fm.horizontalAdvance(u"0.0"_s) + fm.height() + 10, bottom = 2 * fm.height() + 8;
  const QRect area(left, 8, std::max(10, width() - left - 12), std::max(10, height() - bottom - 8));
  const auto at = [&](double u, double v) {
    return QPointF(area.left() + u * area.width(), area.bottom() - v * area.height());
  };
  p.setPen(QColor(210, 210, 210));
  for (double g : {0.0, 0.5, 1.0}) {
    p.drawLine(at(g, 0), at(g, 1));
    p.drawLine(at(0, g), at(1, g));
  }
  p.setPen(Qt::black);
  for (double g : {0.0, 0.5, 1.0}) {
    const QString t = QString::number(g, 'f', 1);
    p.drawText(QRectF(at(g, 0).x() - 20, area.bottom() + 2, 40, fm.height()), Qt::AlignCenter, t);
    p.drawText(QRectF(area.left() - fm.horizontalAdvance(t) - 4, at(0, g).y() - fm.height() / 2.0,
                      fm.horizontalAdvance(t), fm.height()),
               Qt::AlignRight, t);
  }
  p.drawText(QRect(area.left(), area.bottom() + fm.height() + 4, area.width(), fm.height()), Qt::AlignCenter,
             xTitle_);
  p.save();
  p.translate(fm.height() / 2.0 + 2, area.center().y());
  p.rotate(-90);
  p.drawText(QRectF(-area.height() / 2.0, -fm.height() / 2.0, area.height(), fm.height()), Qt::AlignCenter,
             yTitle_);
  p.restore();
  p.setPen(QPen(Qt::gray, 1, Qt::DashLine));
  p.drawLine(at(0, 0), at(1, 1));
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(colourFromBgr(kRawColour));
  for (const QPointF& q : points_) p.drawEllipse(at(q.x(), std::clamp(q.y(), 0.0, 1.0)), 1.8, 1.8);
}

FitTableWindow::FitTableWindow(Services& services, QWidget* parent) : SimpleWindow(services, 14, parent) {
  setWindowFlag(Qt::WindowStaysOnTopHint);
  setEnablesMainOnClose(false);  // the raw data window keeps the main window disabled
  auto* root = new QVBoxLayout(this);

  auto* top = new QHBoxLayout;
  Label1_ = named<QLabel>(this, u"Label1"_s);
  CBTypVyberu_ = named<QComboBox>(this, u"CBTypVyberu"_s);
  Label2_ = named<QLabel>(this, u"Label2"_s);
  CBVyber_ = named<QComboBox>(this, u"CBVyber"_s);
  ChBVymazRadkuTab_ = named<QCheckBox>(this, u"ChBVymazRadkuTab"_s);
  BKonec_ = named<QPushButton>(this, u"BKonec"_s);
  BKonec_->setAutoDefault(false);
  top->addWidget(Label1_);
  top->addWidget(CBTypVyberu_);
  top->addWidget(Label2_);
  top->addWidget(CBVyber_);
  top->addWidget(ChBVymazRadkuTab_);
  top->addStretch();
  top->addWidget(BKonec_);
  root->addLayout(top);

  SGChar_ = makeGrid(this, u"SGChar"_s, kFitTableRows + 1, kColumns);
  SGChar_->setSelectionBehavior(QAbstractItemView::SelectRows);
  SGChar_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  orderFitColumns(SGChar_);
  root->addWidget(SGChar_, 3);

  Label3_ = named<QLabel>(this, u"Label3"_s);
  root->addWidget(Label3_);
  SGCharPD_ = makeGrid(this, u"SGCharPD"_s, 2, kColumns);
  SGCharPD_->setSelectionMode(QAbstractItemView::NoSelection);
  orderFitColumns(SGCharPD_);
  SGCharPD_->setFixedHeight(2 * SGCharPD_->verticalHeader()->defaultSectionSize() +
                            2 * SGCharPD_->frameWidth() + 18);
  root->addWidget(SGCharPD_);

  auto* bottom = new QHBoxLayout;
  auto* moments = new QVBoxLayout;
  Label4_ = named<QLabel>(this, u"Label4"_s);
  SGCharPDZ_ = makeGrid(this, u"SGCharPDZ"_s, 2, 3);
  SGCharPDZ_->setSelectionMode(QAbstractItemView::NoSelection);
  SGCharPDZ_->setFixedHeight(2 * SGCharPDZ_->verticalHeader()->defaultSectionSize() +
                             2 * SGCharPDZ_->frameWidth() + 4);
  SGCharPDZ_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  moments->addWidget(Label4_);
  moments->addWidget(SGCharPDZ_);
  moments->addStretch();
  bottom->addLayout(moments, 1);
  Chart1_ = makeOverview(u"Chart1"_s, raw_, kRawColour);
  Chart2_ = makeOverview(u"Chart2"_s, type_, kBarColour);
  ChartPP_ = named<PPPlot>(this, u"ChartPP"_s);
  ChartPP_->setMinimumSize(220, 150);
  bottom->addWidget(Chart1_, 1);
  bottom->addWidget(Chart2_, 1);
  bottom->addWidget(ChartPP_, 1);
  root->addLayout(bottom, 2);

  connect(CBTypVyberu_, &QComboBox::activated, this, &FitTableWindow::CBTypVyberuChange);
  connect(CBVyber_, &QComboBox::activated, this, &FitTableWindow::CBVyberChange);
  connect(ChBVymazRadkuTab_, &QCheckBox::clicked, this, &FitTableWindow::ChBVymazRadkuTabClick);
  connect(BKonec_, &QPushButton::clicked, this, &FitTableWindow::BKonecClick);
  connect(SGChar_, &QTableWidget::cellClicked, this, [this](int row, int) { SGCharSelectCell(row); });

  rows_.assign(kFitTableRows, FitRow{});
  applyOwnTexts();
  ApplyRuntimeTexts(services_.language());
  applyTableColour();
  ChBVymazRadkuTab_->hide();
  CBVyber_->hide();
  Chart2_->hide();
}

void FitTableWindow::applyTableColour() {
  for (QTableWidget* g : {SGChar_, SGCharPD_, SGCharPDZ_}) setBaseColour(*g, services_.options.colours.table);
}

void FitTableWindow::ApplyRuntimeTexts(Language language) {
  for (int r = 1; r <= kFitTableRows; ++r)
    setCell(SGChar_, r, 0, r <= 9 ? u"  "_s + QString::number(r) : QString::number(r));
  if (selectedType_ >= 0) CBVyber_->setPlaceholderText(qs(DistributionTypeName(selectedType_, language)));
  if (filled_) writeRows();
}

// ------------------------------------------------------------------------------------------------
// Filling and sorting

void FitTableWindow::showFit() {
  filled_ = true;
  const FitResult* fit = services_.windows.fitResult();
  CBVyber_->hide();
  CBVyber_->setCurrentIndex(0);
  selectedType_ = -1;
  CBVyber_->setPlaceholderText({});
  rows_.assign(kFitTableRows, FitRow{});
  if (fit) {
    for (size_t i = 0; i < fit->rows.size() && i < rows_.size(); ++i) rows_[i] = fit->rows[i];
    // The raw-data moments.
    setCell(SGCharPDZ_, 1, 0, qs(formatNumber(fit->rawMoments.mean)));
    setCell(SGCharPDZ_, 1, 1, qs(formatNumber(fit->rawMoments.standardDeviation)));
    setCell(SGCharPDZ_, 1, 2, qs(formatNumber(fit->rawMoments.skewness)));
  }
  CBTypVyberu_->setCurrentIndex(1);
  sortRows();
  ChBVymazRadkuTab_->setChecked(false);
  ChBVymazRadkuTab_->hide();
  firstUnsuitable_.reset();
  if (fit) {
    firstUnsuitable_ = FirstUnsuitableRow(rows_, fit->rawMoments.standardDeviation);
    if (firstUnsuitable_ && !rows_[static_cast<size_t>(*firstUnsuitable_)].field[kFieldTesnost].empty()) {
      ChBVymazRadkuTab_->show();
      SGChar_->clearSelection();
      const auto filled =
          std::count_if(rows_.begin(), rows_.end(), [](const FitRow& r) { return r.filled(); });
      SGChar_->setRangeSelected(
          QTableWidgetSelectionRange(*firstUnsuitable_ + 1, 0, static_cast<int>(filled), kColumns - 1), true);
    }
  }
  show();
  raise();
}

void FitTableWindow::writeRows() {
  const Language language = services_.language();
  SGChar_->setUpdatesEnabled(false);
  for (int r = 0; r < kFitTableRows; ++r)
    for (int k = 1; k <= kFitFields; ++k)
      setCell(SGChar_, r + 1, k, qs(FitFieldText(rows_[static_cast<size_t>(r)], k, language)));
  if (const FitResult* fit = services_.windows.fitResult())
    for (int k = 1; k <= kFitFields; ++k)
      setCell(SGCharPD_, 1, k, qs(FitFieldText(fit->rawRow, k, language)));
  SGChar_->resizeColumnsToContents();
  SGCharPD_->resizeColumnsToContents();
  for (int c = 0; c < kColumns; ++c) SGCharPD_->setColumnWidth(c, SGChar_->columnWidth(c));
  SGChar_->setUpdatesEnabled(true);
}

void FitTableWindow::sortRows() {
  const SortReference ref =
      CBVyber_->currentIndex() == 1 ? SortReference::RawHistogram : SortReference::RawData;
  if (const FitResult* fit = services_.windows.fitResult())
    SortFitRows(rows_, CBTypVyberu_->currentIndex(), ref, fit->rawRow, fit->rawMoments);
  writeRows();
  SGChar_->clearSelection();
}

void FitTableWindow::CBTypVyberuChange() {
  CBVyber_->setVisible(SortUsesReference(CBTypVyberu_->currentIndex()));
  sortRows();
}

void FitTableWindow::CBVyberChange() { sortRows(); }

void FitTableWindow::SGCharSelectCell(int row) {
  const FitResult* fit = services_.windows.fitResult();
  if (!fit) return;
  const auto& offered = fit->offered;
  const int r = row - 1;
  const int type = r >= 0 && r < kFitTableRows ? rows_[static_cast<size_t>(r)].type : -1;
  // The row's own type, wherever the sort has put it.
  const auto pos = std::find(offered.begin(), offered.end(), type);
  if (type >= 0 && pos != offered.end()) {
    services_.windows.selectFittedType(static_cast<int>(pos - offered.begin()));
    Chart2_->show();
    alignOverviews();
    drawPP(type);
    // The combo box shows the row's type in place of an item.
    selectedType_ = type;
    CBVyber_->setPlaceholderText(qs(DistributionTypeName(type, services_.language())));
    CBVyber_->setCurrentIndex(-1);
  } else {
    Chart2_->hide();
    services_.windows.selectFittedType(0);
    alignOverviews();
  }
}

void FitTableWindow::ChBVymazRadkuTabClick() {
  if (!ChBVymazRadkuTab_->isChecked() || !firstUnsuitable_) return;
  ChBVymazRadkuTab_->hide();
  const int from = *firstUnsuitable_;
  for (int r = from; r < kFitTableRows; ++r) rows_[static_cast<size_t>(r)] = FitRow{};
  services_.windows.removeFittedTypes(from);
  writeRows();
  SGChar_->clearSelection();
}

void FitTableWindow::BKonecClick() { close(); }

void FitTableWindow::closeEvent(QCloseEvent* event) {
  SimpleWindow::closeEvent(event);
  services_.windows.fitTableClosed();
}

// ------------------------------------------------------------------------------------------------
// Charts

void FitTableWindow::showRawHistogram(const Histogram& h) {
  pendingRaw_ = h;
  type_.shown.reset();  // a fitted type of other data no longer belongs beside it
  if (isVisible()) drawOverviews();
}

void FitTableWindow::showTypeHistogram(const Histogram& h) {
  pendingType_ = h;
  if (isVisible()) drawOverviews();
}

QChartView* FitTableWindow::makeOverview(const QString& name, Overview& o, std::uint32_t colour) {
  o.chart = new QChart;
  o.chart->legend()->hide();
  o.chart->setMargins(QMargins(2, 2, 4, 2));
  o.chart->setAnimationOptions(QChart::NoAnimation);
  o.steps = new QLineSeries(o.chart);
  o.area = new QAreaSeries(o.steps);
  const QColor c = colourFromBgr(colour);
  o.area->setColor(c);
  o.area->setBorderColor(c.darker(140));
  o.chart->addSeries(o.area);
  o.x = new QValueAxis;
  o.y = new QValueAxis;
  o.x->setLabelFormat(u"%.4g"_s);
  o.y->setLabelFormat(u"%.3g"_s);
  o.x->setTickCount(5);
  o.y->setTickCount(4);
  o.chart->addAxis(o.x, Qt::AlignBottom);
  o.chart->addAxis(o.y, Qt::AlignLeft);
  o.area->attachAxis(o.x);
  o.area->attachAxis(o.y);
  auto* v = new QChartView(o.chart, this);
  v->setObjectName(name);
  v->setMinimumSize(220, 150);
  return v;
}

void FitTableWindow::drawOverviews() {
  // Each histogram over its own bin edges: the raw data and a fitted type of another range stand
  // where their values lie, not bin by bin.
  const auto draw = [](Overview& o, std::optional<Histogram>& pending) {
    if (!pending) return;
    const Histogram& h = *pending;
    const int n = binCount(h);
    QList<QPointF> points;
    double top = 0;
    for (int i = 0; i < n; ++i) {
      const double a = h.min + (i - 0.5) * h.step;
      points << QPointF(a, h.p[i]) << QPointF(a + h.step, h.p[i]);
      top = std::max(top, h.p[i]);
    }
    o.steps->replace(points);
    o.y->setRange(0, top > 0 ? top * 1.05 : 1);
    o.shown = h;
    pending.reset();
  };
  draw(raw_, pendingRaw_);
  draw(type_, pendingType_);
  alignOverviews();
}

void FitTableWindow::alignOverviews() {
  double lo = std::numeric_limits<double>::infinity(), hi = -lo;
  for (const Overview* o : {&raw_, &type_})
    if (o->shown && binCount(*o->shown) > 0 && !(o == &type_ && Chart2_->isHidden())) {
      lo = std::min(lo, o->shown->min - o->shown->step / 2);
      hi = std::max(hi, o->shown->max + o->shown->step / 2);
    }
  if (!(lo < hi)) return;
  for (Overview* o : {&raw_, &type_}) o->x->setRange(lo, hi);
}

void FitTableWindow::showEvent(QShowEvent* event) {
  SimpleWindow::showEvent(event);
  drawOverviews();
}

void FitTableWindow::drawPP(int type) {
  std::vector<QPointF> points;
  QString title;
  if (const FitResult* fit = services_.windows.fitResult()) {
    const auto& h = fit->display[static_cast<size_t>(type)];
    const std::span<const double> x = services_.windows.rawValues();
    if (h && !x.empty()) {
      const size_t n = x.size();
      const size_t stride = std::max<size_t>(1, n / 400);
      for (size_t i = 0; i < n; i += stride) points.emplace_back((i + 0.5) / n, HistogramCdf(*h, x[i]));
      title = qs(DistributionTypeName(type, services_.language()));
    }
  }
  ChartPP_->setPlot(std::move(points), qs(runtimeText(RuntimeText::PPRawAxis, services_.language())), title);
}
