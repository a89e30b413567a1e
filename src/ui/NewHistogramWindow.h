#pragma once

#include "ui/SimpleWindow.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

/// The new histogram from frequencies window. Form "Form13", settings prefix "PopisHistogramu-Form13".
/// The user types Min, Max (type "Discrete") and one frequency per line; the count and the sum follow
/// the list as it is typed. Save hands the histogram to the main window's store action when the
/// creation selector shows "Histogram", else writes it to a histogram file.
class NewHistogramWindow : public SimpleWindow {
  Q_OBJECT
 public:
  explicit NewHistogramWindow(Services& services, QWidget* parent = nullptr);

  /// Opening from the main window (`Novhist`, `Novhist1`, the "Histogram" item of `CBTypOkna`):
  /// disables the main window, empties the entry and shows the window.
  void Open();

  /// Save (`BNavrat`): checks the entry and hands the histogram over or writes its file.
  void BNavratClick();
  /// Cancel (`BitBtn1`).
  void BitBtn1Click();
  /// Recount of the list: line count and sum, or the message of the first line that is no whole number.
  /// The line being typed that so far holds only a sign ("-") is checked once it is finished: when the
  /// caret leaves it, or by Save, which counts the list again.
  void Memo1Change();

  /// Min, Max and the type take the edit colour.
  void applyEditColour() override;

  /// Pure-discrete spacing (1 from each opening).
  double spacing() const { return spacing_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildControls();
  /// `typing`: run by a change of the list, so an unfinished line at the caret waits.
  void recount(bool typing);
  int caretLine() const;
  void typeChanged();
  bool discrete() const;
  bool numberKey(QLineEdit* edit, QKeyEvent* key);

  QLineEdit* Edit1_ = nullptr;  // Min
  QLineEdit* Edit2_ = nullptr;  // Max
  QLineEdit* Edit3_ = nullptr;  // count
  QLineEdit* Edit5_ = nullptr;  // sum
  QLineEdit* Edit6_ = nullptr;  // index
  QComboBox* ComboBox1_ = nullptr;
  QPlainTextEdit* Memo1_ = nullptr;
  QLabel* Label3_ = nullptr;  // "Max"
  QPushButton* BNavrat_ = nullptr;
  QPushButton* BitBtn1_ = nullptr;
  double spacing_ = 1;
  int unfinishedLine_ = 0;  // 1-based line left unchecked while it is typed; 0 for none
};
