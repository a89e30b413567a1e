#pragma once

// Reading files whole or as a stream: only regular files are opened (a folder, a named pipe, a
// device or a socket is refused at once, never waited on), and a file above the limit of its kind
// is refused before anything is read.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "shell/FileReasons.h"
#include "shell/Language.h"

/// What a file holds, for its size limit.
enum class FileKind { Histogram, Project, Results, Settings, RockTypes, RawData };

/// Largest file of `kind` the readers take, in bytes; 0 for raw data, whose limit is its line count.
std::uint64_t fileSizeLimit(FileKind kind);

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
