#pragma once

#include <QWidget>

struct Services;

/// The about window: picture, product name, version and credit lines; closes when it loses the focus.
class TForm2 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm2(Services& services, QWidget* parent = nullptr);

  Services& services() { return services_; }

  /// Centres every label in the band x = 5, 330 pixels wide.
  void centreLabels();

 protected:
  void changeEvent(QEvent* event) override;
  /// Stores the position and size and enables the main window again.
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  Services& services_;
};
