#pragma once

#include "ui/SimpleWindow.h"

/// The about window: picture, product name, version and credit lines; closes when it loses the focus.
/// Form "Form2", settings prefix "Prob2_u Form2".
class AboutWindow : public SimpleWindow {
  Q_OBJECT
 public:
  explicit AboutWindow(Services& services, QWidget* parent = nullptr);

  /// Centres every label in the band x = 5, 330 pixels wide.
  void centreLabels();

 protected:
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};
