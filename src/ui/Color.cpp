#include "ui/Color.h"

#include "ui/Services.h"

using namespace Qt::StringLiterals;

TForm8::TForm8(Services& services, QWidget* parent) : QWidget(parent), services_(services) {
  setObjectName(u"Form8"_s);
  setWindowFlag(Qt::Window);
}
