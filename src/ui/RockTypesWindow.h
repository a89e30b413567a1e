#pragma once

#include <string>
#include <vector>

#include "ui/SimpleWindow.h"

class QPlainTextEdit;
class QPushButton;

/// The rock type list window: the edit list of rock types, its file and the offer list of the
/// layer table.
/// Form "Form6", settings prefix "DruhyHornin-Form6".
class RockTypesWindow : public SimpleWindow {
  Q_OBJECT
 public:
  explicit RockTypesWindow(Services& services, QWidget* parent = nullptr);

  /// Opens the window from the main window: disables the main window and the offer button,
  /// clears the loaded-from-file mark and shows the window.
  void openFromMain();

  /// Lines of the edit list, as the settings and the rock type file store them.
  std::vector<std::string> editLines() const;
  /// Replaces the edit list by `lines` (no reaction of the change handler).
  void setEditLines(const std::vector<std::string>& lines);

  // Handlers.
  void Memo1Change();
  void BBSaveNabidkyClick();
  void OpenTabHornClick();
  void SaveTabHornClick();

  bool loadedFromFile() const { return loadedFromFile_; }

 private:
  QPlainTextEdit* Memo1_ = nullptr;
  QPushButton* OpenTabHorn_ = nullptr;
  QPushButton* SaveTabHorn_ = nullptr;
  QPushButton* BBSaveNabidky_ = nullptr;
  bool loadedFromFile_ = false;
  bool filling_ = false;

  const std::vector<std::string>* offerList() const;
  int& rockTypeCount() const;
  void setOffer(std::vector<std::string> offer);
};
