#include "ui/SplashScreen.h"

#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>
#include <cmath>

#include "ui/NamedWidget.h"
#include "ui/RuntimeTexts.h"
#include "ui/WidgetHelpers.h"

using namespace Qt::StringLiterals;

namespace {

// Band of the text labels and the place of the small picture.
constexpr int kStripLeft = 207;
constexpr int kStripWidth = 304;
constexpr int kSmallPictureX = 343;
constexpr int kSmallPictureY = 186;

QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, int y, int pointSize, bool bold,
                 const QColor& colour) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  QFont f = l->font();
  f.setPointSize(pointSize);
  f.setBold(bold);
  l->setFont(f);
  QPalette p = l->palette();
  p.setColor(QPalette::WindowText, colour);
  l->setPalette(p);
  l->move(kStripLeft, y);
  return l;
}

// Cross-section of a bolted gallery: strata, the arched opening and the bolts around it.
void drawGallery(QPainter& p, const QRect& r) {
  const QColor strata[] = {QColor(0x6b, 0x5b, 0x4a), QColor(0x85, 0x74, 0x5f), QColor(0x5c, 0x55, 0x4f),
                           QColor(0x7a, 0x6a, 0x52), QColor(0x66, 0x5e, 0x57)};
  const int layer = r.height() / 5;
  for (int i = 0; i < 5; ++i) p.fillRect(r.left(), r.top() + i * layer, r.width(), layer + 1, strata[i]);

  const QRectF opening(r.left() + 38, r.top() + 120, 130, 150);
  QPainterPath gallery;
  gallery.moveTo(opening.left(), opening.bottom());
  gallery.lineTo(opening.left(), opening.top() + 65);
  gallery.arcTo(QRectF(opening.left(), opening.top(), opening.width(), 130), 180, -180);
  gallery.lineTo(opening.right(), opening.bottom());
  gallery.closeSubpath();

  // Bolts radiate from the arch into the rock.
  const QPointF centre(opening.center().x(), opening.top() + 65);
  p.setPen(QPen(QColor(0xd8, 0xd8, 0xd0), 3));
  for (int k = 0; k <= 8; ++k) {
    const double a = M_PI * (k / 8.0);
    const QPointF dir(-std::cos(a), -std::sin(a));
    const QPointF from = centre + dir * 65.0;
    const QPointF to = centre + dir * 105.0;
    p.drawLine(from, to);
    p.drawLine(to + QPointF(-dir.y(), dir.x()) * 5.0, to - QPointF(-dir.y(), dir.x()) * 5.0);
  }
  p.fillPath(gallery, QColor(0x1e, 0x1e, 0x24));
  p.setPen(QPen(QColor(0xe0, 0xb0, 0x40), 4));
  p.drawPath(gallery);
}

// A small histogram with its reliability function crossing zero.
void drawSmallPicture(QPainter& p, const QPoint& at) {
  const int heights[] = {4, 9, 16, 24, 28, 22, 14, 8, 3};
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 9; ++i) {
    p.setBrush(i < 2 ? QColor(0xc0, 0x30, 0x30) : QColor(0x30, 0x60, 0xc0));
    p.drawRect(at.x() + i * 7, at.y() + 30 - heights[i], 6, heights[i]);
  }
  p.setPen(QPen(Qt::black, 1));
  p.drawLine(at.x() - 2, at.y() + 30, at.x() + 64, at.y() + 30);
  p.drawLine(at.x() + 13, at.y(), at.x() + 13, at.y() + 32);
}

}  // namespace

SplashScreen::SplashScreen(Language language, QWidget* parent) : QWidget(parent) {
  setObjectName(u"Form10"_s);
  setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(540, 297);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(0xf4, 0xf1, 0xe8));
  setPalette(pal);

  const QColor ink(0x20, 0x2a, 0x44);
  addLabel(this, u"Label1"_s, u"VELTRA"_s, 18, 40, true, QColor(0x1c, 0x3c, 0x8c));
  addLabel(this, u"Label2"_s, {}, 96, 11, true, ink);
  addLabel(this, u"Label3"_s, {}, 118, 11, true, ink);
  addLabel(this, u"Label4"_s, {}, 152, 8, false, ink);
  addLabel(this, u"Label5"_s, {}, 232, 8, false, ink);
  addLabel(this, u"Label6"_s, {}, 256, 8, false, ink);
  showTexts(language);

  if (const QScreen* s = QGuiApplication::primaryScreen())
    move(s->geometry().center() - QPoint(width() / 2, height() / 2));

  Timer1_ = named<QTimer>(this, u"Timer1"_s);
  Timer1_->setSingleShot(true);
  Timer1_->setInterval(kLifetimeMs);
  connect(Timer1_, &QTimer::timeout, this, &QWidget::close);
  Timer1_->start();
}

void SplashScreen::showTexts(Language language) {
  for (int k = 0; k < 5; ++k)
    if (auto* l = findChild<QLabel*>(u"Label"_s + QString::number(k + 2), Qt::FindDirectChildrenOnly))
      l->setText(QString::fromStdString(runtimeText(RuntimeText::SplashLine1 + k, language)));
  for (QLabel* l : findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
    l->adjustSize();
    Centr(l, kStripLeft, kStripWidth);
  }
}

void SplashScreen::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  drawGallery(p, QRect(0, 0, kStripLeft - 8, height()));
  drawSmallPicture(p, QPoint(kSmallPictureX, kSmallPictureY));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0x1c, 0x3c, 0x8c), 2));
  p.drawRect(rect().adjusted(1, 1, -1, -1));
}
