#pragma once

#include <QWidget>

struct Services;

/// The about window.
class TForm2 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm2(Services& services, QWidget* parent = nullptr);

 private:
  Services& services_;
};
