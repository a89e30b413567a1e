#include "ui/BarChartParts.h"

#include <QAbstractSeries>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGraphicsSimpleTextItem>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPen>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <QTransform>
#include <QValueAxis>
#include <algorithm>
#include <functional>
#include <set>
#include <utility>

#include "histogram/Queries.h"
#include "shell/Messages.h"
#include "shell/NumberText.h"
#include "ui/NamedWidget.h"
#include "ui/QtText.h"

using namespace Qt::StringLiterals;

BarChart::BarChart(QObject* context, const QString& setName, double fallbackWidth,
                   std::function<Marks()> marks)
    : marks_(std::move(marks)), fallbackWidth_(fallbackWidth), outline_(70, 70, 70) {
  chart = new QChart;
  chart->legend()->hide();
  chart->setAnimationOptions(QChart::NoAnimation);
  chart->setBackgroundRoundness(0);
  series = new QBarSeries;
  series->setObjectName(u"Series1"_s);
  series->setBarWidth(0.86);
  set = new QBarSet(setName);
  series->append(set);
  chart->addSeries(series);
  axisX = new QCategoryAxis;
  axisX->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  axisX->setTruncateLabels(false);  // placeBarLabels keeps the shown labels apart
  axisX->setGridLineVisible(false);
  axisY = new QValueAxis;
  axisY->setLabelFormat(u"%g"_s);
  chart->addAxis(axisX, Qt::AlignBottom);
  chart->addAxis(axisY, Qt::AlignLeft);
  series->attachAxis(axisX);
  series->attachAxis(axisY);
  QFont titleFont = chart->titleFont();
  titleFont.setBold(true);
  chart->setTitleFont(titleFont);
  plotArea_ = QObject::connect(chart, &QChart::plotAreaChanged, context, [this] {
    placeLabels();
    placeMarks();
  });
}

// The chart outlives this object while its view is torn down.
BarChart::~BarChart() { QObject::disconnect(plotArea_); }

void BarChart::setBars(const QList<double>& values, std::vector<std::string> labels, double top) {
  const auto n = int(values.size());
  heights_.assign(values.begin(), values.end());
  labels_ = std::move(labels);
  labels_.resize(heights_.size());
  set->remove(0, set->count());
  set->append(values);
  // Thin outlines while the bars are wide enough to show them.
  set->setPen(n > 80 ? QPen(Qt::NoPen) : QPen(outline_, 0));
  series->setBarWidth(n > 80 ? 1.0 : 0.86);
  axisY->setRange(0, top);
  axisY->applyNiceNumbers();
  axisX->setRange(-0.5, std::max(0, n - 1) + 0.5);
  labelStep_ = 0;
  placeLabels();
  placeMarks();
}

void BarChart::setBars(std::span<const double> values, std::vector<std::string> labels, double top) {
  setBars(QList<double>(values.begin(), values.end()), std::move(labels), top);
}

void BarChart::setHistogramBars(std::span<const double> p, bool indexLabels,
                                const std::function<double(int)>& position, bool turnedMarks) {
  const double highest = p.empty() ? 0 : *std::max_element(p.begin(), p.end());
  setBars(p, barLabels(p, indexLabels, position), barChartTop(highest, turnedMarks));
}

std::vector<std::string> barLabels(std::span<const double> values, bool indexLabels,
                                   const std::function<double(int)>& position) {
  std::vector<std::string> labels;
  labels.reserve(values.size());
  for (size_t i = 0; i < values.size(); ++i)
    labels.push_back(indexLabels ? std::to_string(i) : formatBarLabel(values[i], position(int(i))));
  return labels;
}

void BarChart::clear() { setBars(QList<double>(), {}, 1); }

void BarChart::setColours(const QColor& fill, const QColor& outline) {
  set->setColor(fill);
  outline_ = outline;
  if (set->pen().style() != Qt::NoPen) set->setPen(QPen(outline_, 0));
}

void BarChart::placeLabels() {
  labelStep_ = placeBarLabels(axisX, chart, labels_, labelStep_, fallbackWidth_);
}

void BarChart::placeMarks() {
  const Marks m = marks_ ? marks_() : Marks{};
  placeBarMarks(chart, series, markItems_, m.visible && !heights_.empty(),
                static_cast<MarksStyle>(std::clamp(m.styleItem, 0, 4)), m.angle, labels_, heights_);
}

std::vector<QString> BarChart::shownMarks() const {
  std::vector<QString> out;
  for (const QGraphicsSimpleTextItem* m : markItems_)
    if (m->isVisible()) out.push_back(m->text());
  return out;
}

std::vector<std::string> indexLabels(int n) {
  std::vector<std::string> l;
  l.reserve(static_cast<size_t>(std::max(0, n)));
  for (int i = 0; i < n; ++i) l.push_back(std::to_string(i));
  return l;
}

double barChartTop(double highest, bool turnedMarks) {
  return highest > 0 ? highest * (turnedMarks ? 1.3 : 1.08) : 1;
}

double barChartTop(std::span<const double> values, double headroom) {
  const double highest = values.empty() ? 0 : *std::max_element(values.begin(), values.end());
  return highest > 0 ? highest * headroom : 1;
}

BarChart::Marks MarksControls::state(bool chartShown) const {
  return {CheckBox1->isChecked() && chartShown, CBMarks->currentIndex(), SpinEdAngle->value()};
}

bool MarksControls::turned() const { return CheckBox1->isChecked() && SpinEdAngle->value() % 180 != 0; }

void MarksControls::readSettings(const SettingsFile& s, const settings::Key* marks,
                                 const settings::Key& angle) const {
  if (marks) CBMarks->setCurrentIndex(int(std::clamp<long long>(settings::readInteger(s, *marks, 2), 0, 4)));
  const QSignalBlocker quiet(SpinEdAngle);
  SpinEdAngle->setValue(int(std::clamp<long long>(settings::readInteger(s, angle, 90), 0, 360)));
}

void MarksControls::writeSettings(SettingsFile& s, const settings::Key& marks,
                                  const settings::Key& angle) const {
  settings::write(s, marks, CBMarks->currentIndex());
  settings::write(s, angle, SpinEdAngle->value());
}

MarksControls makeMarksControls(QWidget* parent, const QStringList& marksItems,
                                const QStringList& axisItems) {
  MarksControls m;
  m.CheckBox1 = new QCheckBox(parent);
  m.CheckBox1->setObjectName(u"CheckBox1"_s);
  m.CBMarks = new QComboBox(parent);
  m.CBMarks->setObjectName(u"CBMarks"_s);
  m.CBMarks->addItems(marksItems);
  m.SpinEdAngle = new QSpinBox(parent);
  m.SpinEdAngle->setObjectName(u"SpinEdAngle"_s);
  m.SpinEdAngle->setRange(0, 360);
  m.SpinEdAngle->setSingleStep(15);
  m.CBValInd = new QComboBox(parent);
  m.CBValInd->setObjectName(u"CBValInd"_s);
  m.CBValInd->addItems(axisItems);
  return m;
}

int placeBarLabels(QCategoryAxis* axis, const QChart* chart, const std::vector<std::string>& labels,
                   int lastStep, double fallbackWidth) {
  const int n = int(labels.size());
  const double width = chart->plotArea().width() > 10 ? chart->plotArea().width() : fallbackWidth;
  const QFontMetrics fm(axis->labelsFont());
  int widest = 1;
  for (const auto& l : labels) widest = std::max(widest, fm.horizontalAdvance(qs(l)));
  const double slot = widest + std::max(12, widest * 30 / 100);
  const int fit = std::max(1, int(width / slot));
  const int step = n > 0 ? std::max(1, (n + fit - 1) / fit) : 1;
  if (step == lastStep && axis->count() > 0) return step;
  for (const QString& l : axis->categoriesLabels()) axis->remove(l);
  axis->setStartValue(-0.5);
  std::set<QString> used;
  for (int i = 0; i < n; i += step) {
    QString label = qs(labels[i]);
    while (used.count(label)) label += u' ';  // category labels must be unique
    used.insert(label);
    axis->append(label, i);
  }
  return step;
}

void placeBarMarks(QChart* chart, QAbstractSeries* series, std::vector<QGraphicsSimpleTextItem*>& marks,
                   bool visible, MarksStyle style, int angle, const std::vector<std::string>& labels,
                   std::span<const double> heights) {
  if (!visible) {
    for (auto* m : marks) m->hide();
    return;
  }
  const int n = int(labels.size());
  while (int(marks.size()) < n) {
    auto* m = new QGraphicsSimpleTextItem(chart);
    QFont f = m->font();
    f.setPointSizeF(f.pointSizeF() * 0.85);
    m->setFont(f);
    m->setZValue(20);
    marks.push_back(m);
  }
  for (int i = 0; i < int(marks.size()); ++i) {
    QGraphicsSimpleTextItem* m = marks[i];
    if (i >= n) {
      m->hide();
      continue;
    }
    m->setText(qs(markText(style, labels[i], i, heights[i])));
    const QPointF top = chart->mapToPosition(QPointF(i, heights[i]), series);
    const QRectF r = m->boundingRect();
    QTransform t;
    t.translate(top.x(), top.y());
    t.rotate(-angle);
    // Upright text sits centred above the bar; turned text starts at the bar top.
    if (angle % 180 == 0)
      t.translate(-r.width() / 2, -r.height() - 2);
    else
      t.translate(3, -r.height() / 2);
    m->setTransform(t);
    m->setPos(0, 0);
    m->show();
  }
}

QPushButton* makeButton(QWidget* parent, const QString& name) {
  auto* b = named<QPushButton>(parent, name);
  b->setAutoDefault(false);
  return b;
}

// Height showing all rows of a small grid without a scroll bar.
void fitGridHeight(QTableWidget* g) {
  int h = 2 * g->frameWidth();
  if (!g->horizontalHeader()->isHidden()) h += g->horizontalHeader()->sizeHint().height();
  for (int r = 0; r < g->rowCount(); ++r) h += g->rowHeight(r);
  g->setFixedHeight(h);
  g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

QTableWidget* makeReadOnlyGrid(QWidget* parent, const QString& name, int rows, int columns) {
  auto* g = new QTableWidget(rows, columns, parent);
  g->setObjectName(name);
  g->setEditTriggers(QAbstractItemView::NoEditTriggers);
  g->verticalHeader()->setVisible(false);
  g->verticalHeader()->setDefaultSectionSize(g->fontMetrics().height() + 6);
  g->setWordWrap(false);
  return g;
}

void setCell(QTableWidget* g, int row, int column, const QString& text) {
  QTableWidgetItem* it = g->item(row, column);
  if (!it) {
    it = new QTableWidgetItem;
    g->setItem(row, column, it);
  }
  it->setText(text);
}

std::array<QString, 5> probabilityRowTexts(const ProbabilityRow& row, Language language) {
  std::array<QString, 5> c;
  switch (row.kind) {
    case ProbabilityRow::LowerEdge:
    case ProbabilityRow::Edge:
      c[1] = qs(formatNumber(row.x));
      c[4] = u"   "_s + qs(formatNumber(row.cdf));
      break;
    case ProbabilityRow::Interval:
      c[0] = qs(formatNumberAligned(5, row.interval));
      c[1] = qs(formatNumber(row.x));
      c[2] = u" "_s + qs(formatNumber(row.p));
      c[3] = qs(formatNumberAligned(12, row.frequency));
      c[4] = u"   "_s + qs(formatNumber(row.cdf));
      break;
    case ProbabilityRow::Total:
      c[1] = qs(MessageText(127, language));
      c[2] = u" "_s + qs(formatNumber(row.p));
      c[3] = qs(formatNumberAligned(12, row.frequency));
      break;
  }
  return c;
}

void addZoomButtons(QWidget* panel, QChart* chart, bool stretch) {
  auto* tb = new QHBoxLayout(panel);
  tb->setContentsMargins(0, 0, 0, 0);
  const std::pair<QString, std::function<void()>> tools[] = {
      {u"+"_s, [chart] { chart->zoom(1.25); }},
      {u"\u2212"_s, [chart] { chart->zoom(0.8); }},
      {u"1:1"_s, [chart] { chart->zoomReset(); }},
  };
  for (const auto& [text, action] : tools) {
    auto* b = new QToolButton(panel);
    b->setText(text);
    b->setAutoRaise(true);
    QObject::connect(b, &QToolButton::clicked, panel, action);
    tb->addWidget(b);
  }
  if (stretch) tb->addStretch();
}
