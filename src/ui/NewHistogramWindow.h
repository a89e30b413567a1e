#pragma once

#include "ui/SimpleWindow.h"

/// The new histogram from frequencies window. Form "Form13", settings prefix "PopisHistogramu-Form13".
class NewHistogramWindow : public SimpleWindow {
  Q_OBJECT
 public:
  explicit NewHistogramWindow(Services& services, QWidget* parent = nullptr);
};
