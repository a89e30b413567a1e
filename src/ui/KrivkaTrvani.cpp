#include "ui/KrivkaTrvani.h"

#include <QCloseEvent>

#include "ui/Pelmora.h"
#include "ui/Services.h"
#include "ui/TextSets.h"
#include "ui/WindowPlace.h"

using namespace Qt::StringLiterals;

TForm12::TForm12(Services& services, QWidget* parent) : QWidget(parent), services_(services) {
  setObjectName(u"Form12"_s);
  setWindowFlag(Qt::Window);
  restoreWindowPlace(*this, services_.settings, keys::kForm12);
  applyTexts(*this, 12, services_.language());
}

void TForm12::closeEvent(QCloseEvent* event) {
  storeWindowPlace(*this, services_.settings, keys::kForm12);
  if (services_.windows.form1) services_.windows.form1->setEnabled(true);
  event->accept();
}
