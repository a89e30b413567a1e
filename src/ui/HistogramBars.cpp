#include "ui/HistogramBars.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QGraphicsSimpleTextItem>
#include <QPen>
#include <QValueAxis>
#include <algorithm>

#include "histogram/Queries.h"
#include "ui/BarChartParts.h"
#include "ui/RalvexQt.h"

using namespace Qt::StringLiterals;

std::vector<std::string> indexLabels(int n) {
  std::vector<std::string> l;
  l.reserve(static_cast<size_t>(std::max(0, n)));
  for (int i = 0; i < n; ++i) l.push_back(std::to_string(i));
  return l;
}

HistogramBars::HistogramBars(QChart* chart, double fallbackWidth)
    : QObject(chart), chart_(chart), fallbackWidth_(fallbackWidth) {
  chart_->legend()->hide();
  chart_->setAnimationOptions(QChart::NoAnimation);
  chart_->setBackgroundRoundness(0);
  series_ = new QBarSeries;
  set_ = new QBarSet(QString());
  series_->append(set_);
  chart_->addSeries(series_);
  axisX_ = new QCategoryAxis;
  axisX_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  axisX_->setGridLineVisible(false);
  axisY_ = new QValueAxis;
  axisY_->setLabelFormat(u"%g"_s);
  chart_->addAxis(axisX_, Qt::AlignBottom);
  chart_->addAxis(axisY_, Qt::AlignLeft);
  series_->attachAxis(axisX_);
  series_->attachAxis(axisY_);
  connect(chart_, &QChart::plotAreaChanged, this, &HistogramBars::relayout);
}

void HistogramBars::setBars(std::span<const double> p, std::vector<std::string> labels, std::uint32_t colour,
                            double headroom) {
  const int n = static_cast<int>(p.size());
  heights_.assign(p.begin(), p.end());
  labels_ = std::move(labels);
  labels_.resize(p.size());
  QList<qreal> values(p.begin(), p.end());
  const double top = p.empty() ? 0 : *std::max_element(p.begin(), p.end());
  set_->remove(0, set_->count());
  set_->append(values);
  const QColor c = colourFromBgr(colour);
  set_->setColor(c);
  // Outlines only while the bars are wide enough to show them.
  set_->setPen(n > 80 ? QPen(Qt::NoPen) : QPen(c.darker(140), 0));
  series_->setBarWidth(n > 80 ? 1.0 : 0.86);
  axisY_->setRange(0, top > 0 ? top * headroom : 1);
  axisY_->applyNiceNumbers();
  axisX_->setRange(-0.5, std::max(0, n - 1) + 0.5);
  labelStep_ = 0;
  relayout();
}

void HistogramBars::clear() { setBars({}, {}, 0); }

void HistogramBars::setMarks(bool visible, MarksStyle style, int angle) {
  marksVisible_ = visible;
  marksStyle_ = style;
  marksAngle_ = angle;
  placeBarMarks(chart_, series_, marks_, marksVisible_ && !heights_.empty(), marksStyle_, marksAngle_,
                labels_, heights_);
}

void HistogramBars::relayout() {
  labelStep_ = placeBarLabels(axisX_, chart_, labels_, labelStep_, fallbackWidth_);
  placeBarMarks(chart_, series_, marks_, marksVisible_ && !heights_.empty(), marksStyle_, marksAngle_,
                labels_, heights_);
}

std::vector<QString> HistogramBars::shownMarks() const {
  std::vector<QString> out;
  for (const QGraphicsSimpleTextItem* m : marks_)
    if (m->isVisible()) out.push_back(m->text());
  return out;
}
