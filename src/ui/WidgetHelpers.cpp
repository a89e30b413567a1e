#include "ui/WidgetHelpers.h"

void Centr(QWidget* control, int left, int width) {
  if (!control) return;
  if (!control->testAttribute(Qt::WA_Resized)) control->adjustSize();
  control->move(left + (width - control->width()) / 2, control->y());
}

QColor colourFromBgr(std::uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

std::uint32_t bgrFromColour(const QColor& colour) {
  const QColor rgb = colour.toRgb();
  return static_cast<std::uint32_t>(rgb.red()) | static_cast<std::uint32_t>(rgb.green()) << 8 |
         static_cast<std::uint32_t>(rgb.blue()) << 16;
}
