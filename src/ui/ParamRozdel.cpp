#include "ui/ParamRozdel.h"

#include <QCloseEvent>

#include "ui/Pelmora.h"
#include "ui/Services.h"
#include "ui/TextSets.h"
#include "ui/WindowPlace.h"

using namespace Qt::StringLiterals;

TForm4::TForm4(Services& services, QWidget* parent) : QWidget(parent), services_(services) {
  setObjectName(u"Form4"_s);
  setWindowFlag(Qt::Window);
  restoreWindowPlace(*this, services_.settings, keys::kForm4);
  applyTexts(*this, 4, services_.language());
}

void TForm4::closeEvent(QCloseEvent* event) {
  storeWindowPlace(*this, services_.settings, keys::kForm4);
  if (services_.windows.form1) services_.windows.form1->setEnabled(true);
  event->accept();
}
