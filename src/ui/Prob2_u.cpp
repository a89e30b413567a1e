#include "ui/Prob2_u.h"

#include "ui/Services.h"

using namespace Qt::StringLiterals;

TForm2::TForm2(Services& services, QWidget* parent) : QWidget(parent), services_(services) {
  setObjectName(u"Form2"_s);
  setWindowFlag(Qt::Window);
}
