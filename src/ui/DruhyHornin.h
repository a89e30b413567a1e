#pragma once

#include <QWidget>

struct Services;

/// The rock type list window.
class TForm6 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm6(Services& services, QWidget* parent = nullptr);

 private:
  Services& services_;
};
