#include "ui/AboutWindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "ui/NamedWidget.h"
#include "ui/Services.h"
#include "ui/TextSets.h"
#include "ui/WidgetHelpers.h"
#include "ui/WindowPlace.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int kBandLeft = 5;
constexpr int kBandWidth = 330;

QLabel* addLabel(QWidget* parent, const QString& name, int y, int pointSize, bool bold) {
  auto* l = named<QLabel>(parent, name);
  QFont f = l->font();
  f.setPointSize(pointSize);
  f.setBold(bold);
  l->setFont(f);
  l->move(kBandLeft, y);
  return l;
}

}  // namespace

AboutWindow::AboutWindow(Services& services, QWidget* parent) : SimpleWindow(services, 2, parent) {
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(0xf4, 0xf1, 0xe8));
  setPalette(pal);

  addLabel(this, u"Label1"_s, 228, 30, true)->setText(u"VELTRA"_s);
  addLabel(this, u"Label2"_s, 286, 10, true);  // version line
  addLabel(this, u"Label15"_s, 330, 9, false);
  addLabel(this, u"Label17"_s, 352, 9, false);
  addLabel(this, u"Label14"_s, 392, 9, false);
  addLabel(this, u"Label3"_s, 440, 8, false)->setText(u"© VELTRA"_s);

  applyOwnTexts();
}

void AboutWindow::centreLabels() {
  for (QLabel* l : findChildren<QLabel*>()) {
    l->adjustSize();  // a new text needs a new width
    Centr(l, kBandLeft, kBandWidth);
  }
}

void AboutWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow()) close();
}

void AboutWindow::paintEvent(QPaintEvent*) {
  // The picture: a bolted gallery in layered rock.
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRect r(kBandLeft + 65, 20, 200, 190);
  const QColor strata[] = {QColor(0x6b, 0x5b, 0x4a), QColor(0x85, 0x74, 0x5f), QColor(0x5c, 0x55, 0x4f),
                           QColor(0x7a, 0x6a, 0x52)};
  for (int i = 0; i < 4; ++i)
    p.fillRect(r.left(), r.top() + i * r.height() / 4, r.width(), r.height() / 4 + 1, strata[i]);
  const QPointF centre(r.center().x(), r.top() + 110);
  p.setPen(QPen(QColor(0xd8, 0xd8, 0xd0), 3));
  for (int k = 0; k <= 6; ++k) {
    const double a = M_PI * k / 6.0;
    const QPointF dir(-std::cos(a), -std::sin(a));
    p.drawLine(centre + dir * 55.0, centre + dir * 88.0);
  }
  QPainterPath gallery;
  gallery.moveTo(centre.x() - 55, r.bottom());
  gallery.lineTo(centre.x() - 55, centre.y());
  gallery.arcTo(QRectF(centre.x() - 55, centre.y() - 55, 110, 110), 180, -180);
  gallery.lineTo(centre.x() + 55, r.bottom());
  gallery.closeSubpath();
  p.fillPath(gallery, QColor(0x1e, 0x1e, 0x24));
  p.setPen(QPen(QColor(0xe0, 0xb0, 0x40), 3));
  p.drawPath(gallery);
  p.setPen(QPen(QColor(0x1c, 0x3c, 0x8c), 2));
  p.drawRect(r);
}
