#pragma once

#include <QWidget>

struct Services;

/// The parametric distribution window.
class TForm4 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm4(Services& services, QWidget* parent = nullptr);

 private:
  Services& services_;
};
