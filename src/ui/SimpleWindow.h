#pragma once

#include <QWidget>

struct Services;
struct WindowEntry;

/// Base of the windows opened from the main window. From its row of the window table it takes its
/// objectName "FormN", its stored place and its texts; on close it stores the place and, unless
/// told otherwise, enables the main window again.
class SimpleWindow : public QWidget {
  Q_OBJECT
 public:
  SimpleWindow(Services& services, int number, QWidget* parent = nullptr);
  Services& services() { return services_; }

  // Requests of the other windows (through Windows); a window with such controls overrides them.
  /// The edit colour in force on the window's own edit fields.
  virtual void applyEditColour() {}
  /// The table colour in force on the window's own tables and data boxes.
  virtual void applyTableColour() {}
  /// The preset values of the window's own controls (marks, precision, number of intervals).
  virtual void applyPresetValues() {}

 protected:
  /// Puts the window's text set in the current language on it; constructors call it once their
  /// controls exist.
  void applyOwnTexts();
  /// Whether closing enables the main window again (default true).
  void setEnablesMainOnClose(bool enables) { enablesMainOnClose_ = enables; }
  void closeEvent(QCloseEvent* event) override;

  Services& services_;

 private:
  const WindowEntry& entry_;
  bool enablesMainOnClose_ = true;
};
