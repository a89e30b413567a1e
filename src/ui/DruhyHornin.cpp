#include "ui/DruhyHornin.h"

#include "ui/Services.h"

using namespace Qt::StringLiterals;

TForm6::TForm6(Services& services, QWidget* parent) : QWidget(parent), services_(services) {
  setObjectName(u"Form6"_s);
  setWindowFlag(Qt::Window);
}
