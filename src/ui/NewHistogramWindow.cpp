#include "ui/NewHistogramWindow.h"

NewHistogramWindow::NewHistogramWindow(Services& services, QWidget* parent) : SimpleWindow(services, 13, parent) { applyOwnTexts(); }
