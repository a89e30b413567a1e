#include "ui/DistributionFunctionWindow.h"

DistributionFunctionWindow::DistributionFunctionWindow(Services& services, QWidget* parent) : SimpleWindow(services, 12, parent) { applyOwnTexts(); }
