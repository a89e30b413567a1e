#include "ui/ColourWindow.h"

#include <QCloseEvent>

#include "ui/Services.h"
#include "ui/WindowPlace.h"

using namespace Qt::StringLiterals;

ColourWindow::ColourWindow(Services& services, QWidget* parent) : SimpleWindow(services, 8, parent) {
  setEnablesMainOnClose(false);
  applyOwnTexts();
}

std::optional<std::uint32_t> ColourWindow::ColorDialog1Execute(std::uint32_t initial) {
  return services_.dialogs.chooseColour(initial);
}
