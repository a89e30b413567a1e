#pragma once

#include <QWidget>

struct Services;

/// The raw data window.
class TForm5 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm5(Services& services, QWidget* parent = nullptr);

 private:
  Services& services_;
};
