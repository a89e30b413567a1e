#include "ui/ParamRozdel.h"

#include "ui/Services.h"

using namespace Qt::StringLiterals;

TForm4::TForm4(Services& services, QWidget* parent) : QWidget(parent), services_(services) {
  setObjectName(u"Form4"_s);
  setWindowFlag(Qt::Window);
}
