#pragma once

#include <QDialog>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>

#include "shell/Dialogs.h"

class QPushButton;

/// Plain text drawn with tab stops every eight average character widths and no wrapping, so texts
/// laid out in columns with tabs keep their columns.
class MessageTextView final : public QWidget {
 public:
  explicit MessageTextView(const QString& text, QWidget* parent = nullptr);
  const QString& text() const { return text_; }
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int tabStop() const;
  QString text_;
};

/// The message box of the service: icon of the kind, the text as laid out, OK or Yes/No (Czech "Ano",
/// "Ne" while the library language is Czech) with the default button focused; Escape answers No.
class MessageDialog final : public QDialog {
  Q_OBJECT
 public:
  MessageDialog(const QString& caption, const QString& text, DlgKind kind, DlgButtons buttons,
                int defaultButton, Language language, QWidget* parent);
  /// mrOk, mrYes or mrNo once closed.
  int answer() const { return answer_; }
  DlgKind kind() const { return kind_; }
  QString text() const { return textView_->text(); }
  QList<QPushButton*> buttons() const { return buttons_; }
  QPushButton* defaultButton() const { return default_; }

 private:
  DlgKind kind_;
  MessageTextView* textView_;
  QList<QPushButton*> buttons_;
  QPushButton* default_ = nullptr;
  int answer_;
};

/// The desktop dialog service: message boxes, file and colour choices and the beep, all modal to the
/// parent widget (the active window when none is set).
class QtDialogs final : public Dialogs {
 public:
  /// `language` answers the program's language (the buttons' texts); Czech when none is given.
  explicit QtDialogs(std::function<Language()> language = {}, QWidget* parent = nullptr)
      : language_(std::move(language)), parent_(parent) {}

  QWidget* parentWidget() const;

  int message(std::string_view caption, std::string_view text, DlgKind kind, DlgButtons buttons,
              int defaultButton) override;
  void plainMessage(std::string_view text) override;
  std::optional<std::string> openFileName(const FileDialogOptions& options) override;
  std::optional<std::string> saveFileName(const FileDialogOptions& options) override;
  std::optional<std::string> saveFileNameFiltered(const FileDialogOptions& options,
                                                  int& chosenFilter) override;
  std::optional<std::uint32_t> chooseColour(std::uint32_t initial) override;
  void beep() override;

 private:
  std::optional<std::string> fileName(const FileDialogOptions& options, bool save,
                                      int* chosenFilter = nullptr);
  std::function<Language()> language_;
  QPointer<QWidget> parent_;
};

/// Qt name filters from the "Text (*.ext)|*.ext|All files (*.*)|*.*" form: one entry per pair, written
/// "Description (patterns)", patterns separated by blanks, "*.*" as "*".
QStringList qtFileFilters(std::string_view filter);

/// Message text for a Qt label: CR LF and lone CR become line feeds.
QString qtMessageText(std::string_view text);
