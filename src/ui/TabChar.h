#pragma once

#include <QWidget>

struct Services;

/// The table of suitable parametric histograms.
class TForm14 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm14(Services& services, QWidget* parent = nullptr);

 protected:
  /// Stores the position and size and enables the main window again.
  void closeEvent(QCloseEvent* event) override;

 private:
  Services& services_;
};
