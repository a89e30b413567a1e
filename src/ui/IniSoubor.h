#pragma once

#include <QWidget>

struct Services;

/// The settings file listing window.
class TForm7 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm7(Services& services, QWidget* parent = nullptr);

 private:
  Services& services_;
};
