#pragma once

// Why a file was not read or not written: what the file layer found, kept as data so that a refusal
// can carry it and name it in either language.

#include <cstdint>
#include <string>

#include "shell/Language.h"

/// Why a file was not read.
struct FileRefusal {
  enum class Why {
    Missing,     // no such file (or a folder on its path is missing)
    NoAccess,    // permission denied
    Folder,      // a folder
    Pipe,        // a named pipe
    Device,      // a character or block device
    Socket,      // a socket
    NotRegular,  // any other kind of file
    TooLarge,    // above the limit of its kind
    Failed,      // the system refused for another reason (`error` holds errno)
  };
  Why why = Why::Missing;
  std::string path;
  std::uint64_t size = 0;   // TooLarge: the file's size
  std::uint64_t limit = 0;  // TooLarge: the limit
  int error = 0;            // errno, where the system gave one

  /// The whole text naming the file (no text for Missing: callers keep their own message).
  std::string text(Language language) const;

  friend bool operator==(const FileRefusal&, const FileRefusal&) = default;
};

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

  friend bool operator==(const WriteRefusal&, const WriteRefusal&) = default;
};

/// A size in bytes as people read it: "812 B", "1.5 kB", "3.2 GB" (powers of 1000).
std::string sizeText(std::uint64_t bytes);
