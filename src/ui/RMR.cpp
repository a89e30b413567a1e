#include "ui/RMR.h"

#include "ui/Services.h"

using namespace Qt::StringLiterals;

TForm9::TForm9(Services& services, QWidget* parent) : QWidget(parent), services_(services) {
  setObjectName(u"Form9"_s);
  setWindowFlag(Qt::Window);
}
