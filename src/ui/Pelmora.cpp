#include "ui/Pelmora.h"

#include "ui/Services.h"

using namespace Qt::StringLiterals;

TForm1::TForm1(Services& services, QWidget* parent) : QMainWindow(parent), services_(services) {
  setObjectName(u"Form1"_s);
  setupInputArea();
}

TForm1::~TForm1() = default;
