#pragma once

#include <optional>
#include <string>
#include <vector>

#include "io/AtomicFile.h"
#include "io/FileRead.h"
#include "shell/Language.h"

/// A refusal of a project, results or rock type file: a numbered message with the values for its
/// "%s" places and a text appended after it. Message 0 is a text of our own in both languages.
struct FileError {
  int message = 0;
  std::vector<std::string> args;
  std::string extra;
  std::string ownCs, ownEn;                  // message 0 only
  std::optional<WriteRefusal> writeRefusal;  // why a file was not written, after the text

  /// The whole text to show, in `language`.
  std::string text(Language language) const;

  /// A file that cannot be opened or read: message 34.
  static FileError missing();
  /// A file that could not be read: message 34 when it is missing, else what it is or why not.
  static FileError notRead(const FileRefusal& refusal);
  /// A file that cannot be written: message 27 followed by `name` (and why, when known).
  static FileError notWritten(const std::string& name, std::optional<WriteRefusal> why = std::nullopt);
  /// A damaged file; `what` says what was wrong and where (both languages).
  static FileError damaged(const std::string& whatCs, const std::string& whatEn);
};
