#include "ui/IniSoubor.h"

#include "ui/Services.h"

using namespace Qt::StringLiterals;

TForm7::TForm7(Services& services, QWidget* parent) : QWidget(parent), services_(services) {
  setObjectName(u"Form7"_s);
  setWindowFlag(Qt::Window);
}
