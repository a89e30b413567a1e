#pragma once

// A refusal (or a warning, or a note) the core raises about bad input: a numbered message with the
// values for its "%s" places, or a text of our own from the refusal text table, and what follows it.
// The windows show it through one helper, the command line prints it as JSON.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/Dialogs.h"
#include "shell/Encoding.h"
#include "shell/FileReasons.h"
#include "shell/Language.h"
#include "shell/RefusalTexts.h"

/// The input field of the main window that takes the focus after a refusal.
enum class FocusField { None, EdH, EdPS, EdPSV, EdPK, EdPSds, LayerTable };

struct Refusal {
  std::vector<Refusal> before;               // texts put before the message
  int message = 0;                           // numbered message; 0 for none
  std::vector<std::string> args;             // its "%s" values (or those of `own`)
  RefusalText own = RefusalText::None;       // the text where there is no numbered message
  std::string extra;                         // appended after the text
  std::vector<Refusal> then;                 // further texts appended in order
  std::string file;                          // the file refused, named after the text
  std::optional<FileRefusal> readReason;     // neither message nor own text: why a file was not read
  std::vector<UnencodableText> lostLetters;  // neither message nor own text: letters a file cannot hold
  std::optional<WriteRefusal> writeReason;   // why a file was not written, last
  DlgKind kind = DlgKind::Error;             // error, warning or information
  FocusField focus = FocusField::None;       // main window: the field to focus
  int layerRow = 0;                          // main window: the layer row, whose label follows the text
  std::string rowLabel;                      // how the layer row is named (empty: its number)
  int parameterField = 0;                    // parametric window: 1 .. 4 the parameter field to focus, 0 none
  bool restoreText = false;                  // parametric window: that field gets its last computed text back

  /// The whole text in `language`: the texts of `before`, the message (or own text) filled with `args`, the
  /// label of `layerRow` (the `rowLabel` given, else the member `rowLabel`, else its number), `extra`, the
  /// texts of `then`, the file's name and the write reason.
  std::string text(Language language, std::string_view rowLabel = {}) const;
  /// The dialog title message: 3 error, 4 warning, 2 information (1 confirmation).
  int titleMessage() const;

  friend bool operator==(const Refusal&, const Refusal&) = default;
};

/// Message `message` with `args` and `extra` after it.
Refusal numberedRefusal(int message, std::vector<std::string> args = {}, std::string extra = {});
/// Own text `id` with `args` and `extra` after it.
Refusal ownRefusal(RefusalText id, std::vector<std::string> args = {}, std::string extra = {});

/// `r` followed by the line of a typed or read list it refuses: "\r\n\r\n\t", message 228 with the
/// 1-based line number, "\r\n\t", message 229 with the line's text.
Refusal lineDetail(Refusal r, int line, std::string_view text);

/// A file that cannot be opened or read: message 34.
Refusal fileMissing();
/// A file that could not be read: message 34 when it is missing, else what it is or why not.
Refusal fileNotRead(const FileRefusal& refusal);
/// A file that cannot be written: message 27 followed by `name` (and why, when known).
Refusal fileNotWritten(const std::string& name, std::optional<WriteRefusal> why = std::nullopt);
/// A damaged file: FileDamaged followed by `what` (own text `id` with `args`).
Refusal fileDamaged(RefusalText id, std::vector<std::string> args);

/// Dialog title number for a kind (3 error, 4 warning, 2 information, 1 confirmation).
int titleNumberOf(DlgKind kind);
