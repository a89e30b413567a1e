#include "ui/KrivkaTrvani.h"

#include "ui/Services.h"

using namespace Qt::StringLiterals;

TForm12::TForm12(Services& services, QWidget* parent) : QWidget(parent), services_(services) {
  setObjectName(u"Form12"_s);
  setWindowFlag(Qt::Window);
}
