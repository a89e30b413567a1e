#pragma once

#include <QWidget>

struct Services;

/// The new histogram from frequencies window.
class TForm13 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm13(Services& services, QWidget* parent = nullptr);

 private:
  Services& services_;
};
