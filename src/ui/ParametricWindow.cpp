#include "ui/ParametricWindow.h"

ParametricWindow::ParametricWindow(Services& services, QWidget* parent) : SimpleWindow(services, 4, parent) { applyOwnTexts(); }
