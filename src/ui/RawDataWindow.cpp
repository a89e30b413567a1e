#include "ui/RawDataWindow.h"

RawDataWindow::RawDataWindow(Services& services, QWidget* parent) : SimpleWindow(services, 5, parent) { applyOwnTexts(); }
