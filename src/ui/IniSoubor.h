#pragma once

#include <QWidget>

#include <string>

class QTableWidget;
struct Services;

/// The settings file listing window: every line of the settings file as a key-value row.
class TForm7 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm7(Services& services, QWidget* parent = nullptr);

  /// Loads the lines of the file at `path` into the table (the text before the first "=" in the
  /// first column, the rest in the second; other lines whole in the first). False when the file
  /// cannot be read.
  bool loadFile(const std::string& path);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  Services& services_;
  QTableWidget* ValueListEditor1_ = nullptr;
};
