#pragma once

#include "ui/SimpleWindow.h"

/// The table of suitable parametric histograms. Form "Form14", settings prefix "TabChar-Form14".
class FitTableWindow : public SimpleWindow {
  Q_OBJECT
 public:
  explicit FitTableWindow(Services& services, QWidget* parent = nullptr);
};
