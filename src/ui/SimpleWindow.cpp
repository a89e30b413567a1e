#include "ui/SimpleWindow.h"

#include <QCloseEvent>

#include "ui/Services.h"
#include "ui/TextSets.h"
#include "ui/WindowPlace.h"
#include "ui/WindowTable.h"

SimpleWindow::SimpleWindow(Services& services, int number, QWidget* parent)
    : QWidget(parent), services_(services), entry_(*findWindowEntry(number)) {
  setObjectName(QStringLiteral("Form%1").arg(number));
  setWindowFlag(Qt::Window);
  restoreWindowPlace(*this, services_.settings, *entry_.place);
}

void SimpleWindow::applyOwnTexts() { applyTexts(*this, entry_.number, services_.language()); }

void SimpleWindow::closeEvent(QCloseEvent* event) {
  storeWindowPlace(*this, services_.settings, *entry_.place);
  if (enablesMainOnClose_) services_.windows.setMainEnabled(true);
  event->accept();
}
