#include "ui/TabChar.h"

#include "ui/Services.h"

using namespace Qt::StringLiterals;

TForm14::TForm14(Services& services, QWidget* parent) : QWidget(parent), services_(services) {
  setObjectName(u"Form14"_s);
  setWindowFlag(Qt::Window);
}
