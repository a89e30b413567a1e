#pragma once

#include <QWidget>

struct Services;

/// The histogram chart window.
class TForm3 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm3(Services& services, QWidget* parent = nullptr);

 private:
  Services& services_;
};
