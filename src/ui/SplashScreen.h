#pragma once

#include <QWidget>

class QLabel;
class QTimer;

/// The splash window: borderless, on top, centred, 540 x 297; closes and frees itself after 7 s.
/// Created without a parent so that no window's texts reach its labels.
/// Form "Form10", no stored settings.
class SplashScreen : public QWidget {
  Q_OBJECT
 public:
  explicit SplashScreen(QWidget* parent = nullptr);

  /// Milliseconds the window stays up.
  static constexpr int kLifetimeMs = 7000;

  QTimer* timer() const { return Timer1_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QTimer* Timer1_ = nullptr;
};
