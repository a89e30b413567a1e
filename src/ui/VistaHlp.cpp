#include "ui/VistaHlp.h"

#include "ui/Services.h"

using namespace Qt::StringLiterals;

TForm11::TForm11(Services& services, QWidget* parent) : QWidget(parent), services_(services) {
  setObjectName(u"Form11"_s);
  setWindowFlag(Qt::Window);
}
