#pragma once

#include <QWidget>

struct Services;

/// The RMR classification window.
class TForm9 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm9(Services& services, QWidget* parent = nullptr);

 private:
  Services& services_;
};
