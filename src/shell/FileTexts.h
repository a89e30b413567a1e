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
  // Reading: a path that is no regular file, or one beyond its kind's limit (%s: path ...).
  ReadIsFolder,  // %s: path
  ReadIsPipe,    // %s: path
  ReadIsDevice,  // %s: path
  ReadIsSocket,  // %s: path
  ReadIsOther,   // %s: path
  ReadNoAccess,  // %s: path
  ReadTooLarge,  // %s: path, its size, the limit
  ReadFailed,    // %s: path, the system's reason
  // Writing: why a file could not be written, appended after message 27 and the path.
  WriteNoAccess,
  WriteReadOnlyFile,
  WriteFolderReadOnly,  // %s: folder
  WriteIsFolder,
  WriteNotRegular,     // %s: what the target is (one of the words below)
  WriteFolderMissing,  // %s: folder
  WriteNotAFolder,     // %s: the path that should be a folder
  WriteNameTooLong,
  WriteDiskFull,
  WriteReadOnlyFileSystem,
  WriteLinkLoop,
  WriteFailed,  // %s: the system's reason
  KindPipe,
  KindDevice,
  KindSocket,
  KindOther,
  Count
};

/// The text `id` in `language` (UTF-8, line breaks as CR LF).
std::string FileTextOf(FileText id, Language language);
/// The text with "%s" placeholders filled in order.
std::string FileTextFormat(FileText id, Language language, std::initializer_list<std::string> args);
