#pragma once

#include <QWidget>

struct Services;

/// The new histogram from frequencies window.
class TForm13 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm13(Services& services, QWidget* parent = nullptr);

 protected:
  /// Stores the position and size and enables the main window again.
  void closeEvent(QCloseEvent* event) override;

 private:
  Services& services_;
};
