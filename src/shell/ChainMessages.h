#pragma once

// What a command of the computation chain reports: the numbered messages it raised, in order,
// and whether it completed. The window shows them through the dialog service; the command line
// prints them.

#include <string>
#include <string_view>
#include <vector>

#include "shell/Dialogs.h"
#include "shell/Language.h"
#include "shell/Refusal.h"

/// One numbered message: the text of `number` with its "%s" placeholders filled from `args`,
/// followed by `suffix`. Number 0 is a text of our own: args[0] in Czech, args[1] in English. For a layer-row
/// message `layerRow` names the row whose label goes between the text and the suffix.
struct ChainMessage {
  int number = 0;
  DlgKind kind = DlgKind::Error;
  std::vector<std::string> args;
  std::string suffix;
  FocusField focus = FocusField::None;
  int layerRow = 0;

  friend bool operator==(const ChainMessage&, const ChainMessage&) = default;
};

/// Outcome of one command: `ok` when the result was computed; `messages` in the order raised.
struct ChainReport {
  bool ok = false;
  std::vector<ChainMessage> messages;

  /// Number of the first message, 0 when there is none.
  int firstNumber() const { return messages.empty() ? 0 : messages.front().number; }
};

/// Dialog title number for a message kind (3 error, 4 warning, 2 information, 1 confirmation).
int chainTitleNumber(DlgKind kind);

/// Full text of a message in `language`; `rowLabel` is the label of `layerRow` as the layer table shows it
/// (empty: the row number).
std::string chainMessageText(const ChainMessage& message, Language language, std::string_view rowLabel = {});

/// Reads a number with a decimal point as far as the text forms one ("2.5 m" gives 2.5); 0 when no
/// number starts the text. Leading blanks are skipped.
double leadingNumber(std::string_view text);
