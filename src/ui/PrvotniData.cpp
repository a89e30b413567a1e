#include "ui/PrvotniData.h"

#include <QCloseEvent>

#include "ui/Pelmora.h"
#include "ui/Services.h"
#include "ui/TextSets.h"
#include "ui/WindowPlace.h"

using namespace Qt::StringLiterals;

TForm5::TForm5(Services& services, QWidget* parent) : QWidget(parent), services_(services) {
  setObjectName(u"Form5"_s);
  setWindowFlag(Qt::Window);
  restoreWindowPlace(*this, services_.settings, keys::kForm5);
  applyTexts(*this, 5, services_.language());
}

void TForm5::closeEvent(QCloseEvent* event) {
  storeWindowPlace(*this, services_.settings, keys::kForm5);
  if (services_.windows.form1) services_.windows.form1->setEnabled(true);
  event->accept();
}
