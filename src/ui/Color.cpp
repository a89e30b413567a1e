#include "ui/Color.h"

#include <QCloseEvent>

#include "ui/Services.h"
#include "ui/WindowPlace.h"

using namespace Qt::StringLiterals;

TForm8::TForm8(Services& services, QWidget* parent) : QWidget(parent), services_(services) {
  setObjectName(u"Form8"_s);
  setWindowFlag(Qt::Window);
  setWindowTitle(u"VELTRA"_s);
  restoreWindowPlace(*this, services_.settings, keys::kForm8);
}

std::optional<std::uint32_t> TForm8::ColorDialog1Execute(std::uint32_t initial) {
  return services_.dialogs.chooseColour(initial);
}

void TForm8::closeEvent(QCloseEvent* event) {
  storeWindowPlace(*this, services_.settings, keys::kForm8);
  QWidget::closeEvent(event);
}
