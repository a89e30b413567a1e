#pragma once

#include <QWidget>

struct Services;

/// The colour window.
class TForm8 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm8(Services& services, QWidget* parent = nullptr);

 private:
  Services& services_;
};
