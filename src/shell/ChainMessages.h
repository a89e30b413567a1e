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

/// Outcome of one command: `ok` when the result was computed; `messages` in the order raised.
struct ChainReport {
  bool ok = false;
  std::vector<Refusal> messages;

  /// Number of the first message, 0 when there is none.
  int firstNumber() const { return messages.empty() ? 0 : messages.front().message; }
};

/// Reads a number with a decimal point as far as the text forms one ("2.5 m" gives 2.5); 0 when no
/// number starts the text. Leading blanks are skipped.
double leadingNumber(std::string_view text);
