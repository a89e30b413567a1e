#pragma once

#include <string>

#include "ui/SimpleWindow.h"

class QTableWidget;

/// The settings file listing window: every line of the settings file as a key-value row.
/// Form "Form7", settings prefix "IniSoubor-Form7".
class SettingsListingWindow : public SimpleWindow {
  Q_OBJECT
 public:
  explicit SettingsListingWindow(Services& services, QWidget* parent = nullptr);

  /// Loads the lines of the file at `path` into the table (the text before the first "=" in the
  /// first column, the rest in the second; other lines whole in the first). False when the file
  /// cannot be read.
  bool loadFile(const std::string& path);

 private:
  QTableWidget* ValueListEditor1_ = nullptr;
};
