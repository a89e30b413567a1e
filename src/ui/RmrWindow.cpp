#include "ui/RmrWindow.h"

RmrWindow::RmrWindow(Services& services, QWidget* parent) : SimpleWindow(services, 9, parent) { applyOwnTexts(); }
