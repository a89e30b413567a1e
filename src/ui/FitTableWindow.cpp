#include "ui/FitTableWindow.h"

FitTableWindow::FitTableWindow(Services& services, QWidget* parent) : SimpleWindow(services, 14, parent) { applyOwnTexts(); }
