#pragma once

#include <string>
#include <vector>

#include "shell/Language.h"

/// A refusal of a project, results or rock type file: a numbered message with the values for its
/// "%s" places and a text appended after it. Message 0 is a text of our own in both languages.
struct FileError {
  int message = 0;
  std::vector<std::string> args;
  std::string extra;
  std::string ownCs, ownEn;  // message 0 only

  /// The whole text to show, in `language`.
  std::string text(Language language) const;

  /// A file that cannot be opened or read: message 34.
  static FileError missing();
  /// A file that cannot be written: message 27 followed by `name`.
  static FileError notWritten(const std::string& name);
  /// A damaged file; `what` says what was wrong and where (both languages).
  static FileError damaged(const std::string& whatCs, const std::string& whatEn);
};
