#pragma once

#include <QWidget>

#include "shell/Language.h"

class QLabel;
class QTimer;

/// The splash window: borderless, on top, centred, 540 x 297; closes and frees itself after 7 s.
/// Created without a parent so that no window's texts reach its labels.
/// Form "Form10", no stored settings.
class SplashScreen : public QWidget {
  Q_OBJECT
 public:
  explicit SplashScreen(Language language = Language::Czech, QWidget* parent = nullptr);

  /// Shows the credit lines in `language`, each centred in the text strip again.
  void showTexts(Language language);

  /// Milliseconds the window stays up.
  static constexpr int kLifetimeMs = 7000;

  QTimer* timer() const { return Timer1_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QTimer* Timer1_ = nullptr;
};
