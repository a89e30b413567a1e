#pragma once

#include <QWidget>

struct Services;

/// The distribution function chart window.
class TForm12 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm12(Services& services, QWidget* parent = nullptr);

 private:
  Services& services_;
};
