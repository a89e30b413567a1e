#include "ui/TabChar.h"

#include <QCloseEvent>

#include "ui/Pelmora.h"
#include "ui/Services.h"
#include "ui/TextSets.h"
#include "ui/WindowPlace.h"

using namespace Qt::StringLiterals;

TForm14::TForm14(Services& services, QWidget* parent) : QWidget(parent), services_(services) {
  setObjectName(u"Form14"_s);
  setWindowFlag(Qt::Window);
  restoreWindowPlace(*this, services_.settings, keys::kForm14);
  applyTexts(*this, 14, services_.language());
}

void TForm14::closeEvent(QCloseEvent* event) {
  storeWindowPlace(*this, services_.settings, keys::kForm14);
  if (services_.windows.form1) services_.windows.form1->setEnabled(true);
  event->accept();
}
