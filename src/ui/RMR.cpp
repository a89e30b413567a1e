#include "ui/RMR.h"

#include <QCloseEvent>

#include "ui/Pelmora.h"
#include "ui/Services.h"
#include "ui/TextSets.h"
#include "ui/WindowPlace.h"

using namespace Qt::StringLiterals;

TForm9::TForm9(Services& services, QWidget* parent) : QWidget(parent), services_(services) {
  setObjectName(u"Form9"_s);
  setWindowFlag(Qt::Window);
  restoreWindowPlace(*this, services_.settings, keys::kForm9);
  applyTexts(*this, 9, services_.language());
}

void TForm9::closeEvent(QCloseEvent* event) {
  storeWindowPlace(*this, services_.settings, keys::kForm9);
  if (services_.windows.form1) services_.windows.form1->setEnabled(true);
  event->accept();
}
