#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/Language.h"

/// Dialog kinds, numbered as the original numbered them.
enum class DlgKind { Warning = 0, Error = 1, Information = 2, Confirmation = 3 };
enum class DlgButtons { Ok, YesNo, YesNoCancel };
/// Results of a message dialog.
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;
inline constexpr int mrYes = 6;
inline constexpr int mrNo = 7;

/// Options of an open or save file dialog. Filter in the "Text (*.ext)|*.ext|..." form.
struct FileDialogOptions {
  std::string title;
  std::string initialFolder;
  std::string fileName;
  std::string defaultExtension;  // without the dot
  std::string filter;
  int filterIndex = 1;  // 1-based
};

/// Every question, notice and file or colour choice goes through this service, so tests can answer it.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  /// Shows a message box; returns mrOk, mrYes, mrNo or mrCancel (Escape or closing a Yes/No/Cancel box).
  virtual int message(std::string_view caption, std::string_view text, DlgKind kind, DlgButtons buttons,
                      int defaultButton) = 0;
  /// A plain message box without icon or numbered title.
  virtual void plainMessage(std::string_view text) = 0;
  /// Chosen full path, or nullopt on cancel.
  virtual std::optional<std::string> openFileName(const FileDialogOptions& options) = 0;
  virtual std::optional<std::string> saveFileName(const FileDialogOptions& options) = 0;
  /// A save dialog that also tells the filter (1-based) the name was chosen under; a service that
  /// cannot tell answers the options' own filter.
  virtual std::optional<std::string> saveFileNameFiltered(const FileDialogOptions& options,
                                                          int& chosenFilter) {
    chosenFilter = options.filterIndex;
    return saveFileName(options);
  }
  /// Chosen colour as 0xBBGGRR, or nullopt on cancel.
  virtual std::optional<std::uint32_t> chooseColour(std::uint32_t initial) = 0;
  /// The error beep for a refused key.
  virtual void beep() = 0;
};

/// Shows a message dialog through the service in force; returns mrOk, mrYes or mrNo.
/// kind: 0 warning, 1 error, 2 information, 3 confirmation; buttons Ok (default 1) or YesNo (default 6).
int messageDialog(std::string_view caption, std::string_view text, DlgKind kind, DlgButtons buttons,
                  int defaultButton, int help = 0);

/// Dialogs titled with messages 1 to 4 in `language`.
/// Confirm: Yes/No question, true only for Yes (a No or a closed box cancels).
bool confirmDialog(Language language, std::string_view text, int defaultButton = mrYes);
void infoDialog(Language language, std::string_view text);     // OK, title message 2
void errorDialog(Language language, std::string_view text);    // OK, title message 3
void warningDialog(Language language, std::string_view text);  // OK, title message 4

/// The service in force; a silent one that answers the default button until one is installed.
Dialogs& dialogs();
/// Installs `d` (not owned) as the service in force; nullptr restores the silent one.
void setDialogs(Dialogs* d);
