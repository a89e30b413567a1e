#pragma once

#include <QWidget>

struct Services;

/// The help viewer information window.
class TForm11 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm11(Services& services, QWidget* parent = nullptr);

 private:
  Services& services_;
};
