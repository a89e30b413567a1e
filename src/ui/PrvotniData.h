#pragma once

#include <QWidget>

struct Services;

/// The raw data window.
class TForm5 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm5(Services& services, QWidget* parent = nullptr);

 protected:
  /// Stores the position and size and enables the main window again.
  void closeEvent(QCloseEvent* event) override;

 private:
  Services& services_;
};
