#include "ui/PrvotniData.h"

#include "ui/Services.h"

using namespace Qt::StringLiterals;

TForm5::TForm5(Services& services, QWidget* parent) : QWidget(parent), services_(services) {
  setObjectName(u"Form5"_s);
  setWindowFlag(Qt::Window);
}
