#pragma once

#include <QWidget>

struct Services;

/// The parametric distribution window.
class TForm4 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm4(Services& services, QWidget* parent = nullptr);

 protected:
  /// Stores the position and size and enables the main window again.
  void closeEvent(QCloseEvent* event) override;

 private:
  Services& services_;
};
