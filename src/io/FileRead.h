#pragma once

// Reading files whole or as a stream: only regular files are opened (a folder, a named pipe, a
// device or a socket is refused at once, never waited on), and a file above the limit of its kind
// is refused before anything is read.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "shell/Language.h"

/// What a file holds, for its size limit.
enum class FileKind { Histogram, Project, Results, Settings, RockTypes, RawData };

/// Largest file of `kind` the readers take, in bytes; 0 for raw data, whose limit is its line count.
std::uint64_t fileSizeLimit(FileKind kind);

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
};

/// A size in bytes as people read it: "812 B", "1.5 kB", "3.2 GB" (powers of 1000).
std::string sizeText(std::uint64_t bytes);

/// An open regular file, read in order; closed with the object.
class InputFile {
 public:
  /// Opens `path` for reading without blocking; refuses anything that is not a regular file and a
  /// file above `limit` bytes (0: no limit).
  static std::optional<InputFile> open(const std::string& path, std::uint64_t limit, FileRefusal& refusal);

  InputFile(InputFile&& other) noexcept;
  InputFile& operator=(InputFile&& other) noexcept;
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;
  ~InputFile();

  /// Size when opened.
  std::uint64_t size() const { return size_; }
  /// Reads up to `n` bytes into `buffer`: the count read, 0 at the end, nullopt on a read error
  /// (`refusal` filled).
  std::optional<std::size_t> read(char* buffer, std::size_t n, FileRefusal& refusal);

 private:
  InputFile(int fd, std::uint64_t size, std::string path) : fd_(fd), size_(size), path_(std::move(path)) {}
  int fd_ = -1;
  std::uint64_t size_ = 0;
  std::string path_;
};

/// Reads the whole regular file at `path` into `bytes` when it holds at most `limit` bytes (0: no
/// limit); nullopt on success, else why not (`bytes` unchanged).
std::optional<FileRefusal> readWholeFile(const std::string& path, std::uint64_t limit, std::string& bytes);
/// The same with the limit of `kind`.
std::optional<FileRefusal> readWholeFile(const std::string& path, FileKind kind, std::string& bytes);
