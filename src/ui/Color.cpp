#include "ui/Color.h"

#include <QCloseEvent>

#include "persistence/SettingsKeys.h"
#include "ui/Services.h"

using namespace Qt::StringLiterals;

TForm8::TForm8(Services& services, QWidget* parent) : QWidget(parent), services_(services) {
  setObjectName(u"Form8"_s);
  setWindowFlag(Qt::Window);
  setWindowTitle(u"VELTRA"_s);
  const auto g = settings::readGeometry(services_.settings, settings::kForm8Geometry);
  move(g.left, g.top);
  resize(g.width, g.height);
}

std::optional<std::uint32_t> TForm8::ColorDialog1Execute(std::uint32_t initial) {
  return services_.dialogs.chooseColour(initial);
}

void TForm8::closeEvent(QCloseEvent* event) {
  settings::writeGeometry(services_.settings, settings::kForm8Geometry, {x(), y(), width(), height()});
  QWidget::closeEvent(event);
}
