#include "ui/ZadaniHistogramu.h"

#include "ui/Services.h"

using namespace Qt::StringLiterals;

TForm13::TForm13(Services& services, QWidget* parent) : QWidget(parent), services_(services) {
  setObjectName(u"Form13"_s);
  setWindowFlag(Qt::Window);
}
