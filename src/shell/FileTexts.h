#pragma once

// Texts about files that the core composes and that are no numbered message, in Czech and English.

#include <initializer_list>
#include <string>

#include "shell/Language.h"

enum class FileText : int {
  LostLettersIntro = 0,   // heads the list of texts Windows-1250 cannot hold
  LostLettersMore,        // %s: how many texts are not listed
  LostLettersAsk,         // the question after the list
  LostLettersNotWritten,  // the refusal after the list
  FileNamed,              // %s: path, appended to a file's error
  Count
};

/// The text `id` in `language` (UTF-8, line breaks as CR LF).
std::string FileTextOf(FileText id, Language language);
/// The text with "%s" placeholders filled in order.
std::string FileTextFormat(FileText id, Language language, std::initializer_list<std::string> args);
