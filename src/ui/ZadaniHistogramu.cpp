#include "ui/ZadaniHistogramu.h"

#include <QCloseEvent>

#include "ui/Pelmora.h"
#include "ui/Services.h"
#include "ui/TextSets.h"
#include "ui/WindowPlace.h"

using namespace Qt::StringLiterals;

TForm13::TForm13(Services& services, QWidget* parent) : QWidget(parent), services_(services) {
  setObjectName(u"Form13"_s);
  setWindowFlag(Qt::Window);
  restoreWindowPlace(*this, services_.settings, keys::kForm13);
  applyTexts(*this, 13, services_.language());
}

void TForm13::closeEvent(QCloseEvent* event) {
  storeWindowPlace(*this, services_.settings, keys::kForm13);
  if (services_.windows.form1) services_.windows.form1->setEnabled(true);
  event->accept();
}
