#include "ui/Centr.h"

#include <QWidget>

void Centr(QWidget& control, int left, int width) {
  control.adjustSize();
  control.move(left + (width - control.width()) / 2, control.y());
}
