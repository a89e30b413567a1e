#pragma once

#include "ui/SimpleWindow.h"

/// The distribution function chart window. Form "Form12", settings prefix "KrivkaTrvani-Form12".
class DistributionFunctionWindow : public SimpleWindow {
  Q_OBJECT
 public:
  explicit DistributionFunctionWindow(Services& services, QWidget* parent = nullptr);
};
