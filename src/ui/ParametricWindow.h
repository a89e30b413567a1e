#pragma once

#include "ui/SimpleWindow.h"

/// The parametric distribution window. Form "Form4", settings prefix "ParamRozdel Form4".
class ParametricWindow : public SimpleWindow {
  Q_OBJECT
 public:
  explicit ParametricWindow(Services& services, QWidget* parent = nullptr);
};
