#pragma once

#include "ui/SimpleWindow.h"

/// The raw data window. Form "Form5", settings prefix "PrvotniData Form5".
class RawDataWindow : public SimpleWindow {
  Q_OBJECT
 public:
  explicit RawDataWindow(Services& services, QWidget* parent = nullptr);
};
