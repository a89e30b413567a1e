#pragma once

#include <string>
#include <string_view>

#include "shell/Language.h"

/// Why a file was not written.
struct WriteRefusal {
  enum class Why {
    NoAccess,            // the system denied the write
    ReadOnlyFile,        // the file has no write permission
    FolderReadOnly,      // the folder cannot be written, so its file cannot be replaced
    IsFolder,            // the target is a folder
    NotRegular,          // the target is a pipe, a device, a socket
    FolderMissing,       // the folder does not exist
    NotAFolder,          // what should be the folder is a file
    NameTooLong,         // a name or the path is too long
    DiskFull,            // no space or quota left
    ReadOnlyFileSystem,  // the file system is mounted read-only
    LinkLoop,            // symbolic links that never end in a file
    Failed,              // anything else (`error` holds errno)
  };
  enum class Target { Pipe, Device, Socket, Other };
  Why why = Why::Failed;
  Target target = Target::Other;  // NotRegular: what the target is
  std::string folder;             // FolderReadOnly, FolderMissing, NotAFolder: the folder
  int error = 0;                  // errno, where the system gave one

  /// Why the write failed, one sentence in `language` (shown after message 27 and the path).
  std::string text(Language language) const;
};

/// Writes `bytes` to a temporary file in the folder of `path` and renames it over `path`, so a failed
/// write never leaves a damaged file. A symbolic link is followed and its target replaced (the link
/// stays); an existing file keeps its mode and, where permitted, its owner and group; a new file gets
/// 0666 less the umask. A file without write permission, a folder that cannot be written (for the
/// superuser too, when no write bit is set), and a target that is no regular file are refused. Returns
/// false (and fills `refusal` when given) on failure.
bool writeFileAtomically(const std::string& path, std::string_view bytes, WriteRefusal* refusal = nullptr);
