#pragma once

#include <QWidget>

struct Services;

/// The distribution function chart window.
class TForm12 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm12(Services& services, QWidget* parent = nullptr);

 protected:
  /// Stores the position and size and enables the main window again.
  void closeEvent(QCloseEvent* event) override;

 private:
  Services& services_;
};
