#include "ui/Graf_Hornin.h"

#include "ui/Services.h"

using namespace Qt::StringLiterals;

TForm3::TForm3(Services& services, QWidget* parent) : QWidget(parent), services_(services) {
  setObjectName(u"Form3"_s);
  setWindowFlag(Qt::Window);
}
