#pragma once

#include "ui/SimpleWindow.h"

/// The RMR classification window. Form "Form9", settings prefix "RMR Form9".
class RmrWindow : public SimpleWindow {
  Q_OBJECT
 public:
  explicit RmrWindow(Services& services, QWidget* parent = nullptr);
};
