#include "io/FileRead.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

#include "shell/FileTexts.h"

namespace {

constexpr std::uint64_t kMB = 1000 * 1000;

FileRefusal refusal(FileRefusal::Why why, const std::string& path, int error = 0) {
  FileRefusal r;
  r.why = why;
  r.path = path;
  r.error = error;
  return r;
}

FileRefusal fromErrno(int error, const std::string& path) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return refusal(FileRefusal::Why::Missing, path, error);
    case EACCES:
    case EPERM:
      return refusal(FileRefusal::Why::NoAccess, path, error);
    case EISDIR:
      return refusal(FileRefusal::Why::Folder, path, error);
    default:
      return refusal(FileRefusal::Why::Failed, path, error);
  }
}

// Refuses what is not a regular file, naming what it is.
std::optional<FileRefusal> notRegular(const struct stat& st, const std::string& path) {
  if (S_ISREG(st.st_mode)) return std::nullopt;
  if (S_ISDIR(st.st_mode)) return refusal(FileRefusal::Why::Folder, path);
  if (S_ISFIFO(st.st_mode)) return refusal(FileRefusal::Why::Pipe, path);
  if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode)) return refusal(FileRefusal::Why::Device, path);
  if (S_ISSOCK(st.st_mode)) return refusal(FileRefusal::Why::Socket, path);
  return refusal(FileRefusal::Why::NotRegular, path);
}

}  // namespace

std::uint64_t fileSizeLimit(FileKind kind) {
  switch (kind) {
    case FileKind::Histogram:
    case FileKind::RockTypes:
      return 1 * kMB;
    case FileKind::Settings:
      return 4 * kMB;
    case FileKind::Project:
    case FileKind::Results:
      return 8 * kMB;
    case FileKind::RawData:
      return 0;
  }
  return 0;
}

std::optional<InputFile> InputFile::open(const std::string& path, std::uint64_t limit, FileRefusal& out) {
  // The kind is looked at before opening: opening a named pipe would wait for a writer.
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    out = fromErrno(errno, path);
    return std::nullopt;
  }
  if (auto r = notRegular(st, path)) {
    out = *r;
    return std::nullopt;
  }
  // Non-blocking, in case the path was replaced by a pipe since.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    out = fromErrno(errno, path);
    return std::nullopt;
  }
  if (::fstat(fd, &st) != 0) {
    out = fromErrno(errno, path);
    ::close(fd);
    return std::nullopt;
  }
  if (auto r = notRegular(st, path)) {
    out = *r;
    ::close(fd);
    return std::nullopt;
  }
  const auto size = static_cast<std::uint64_t>(st.st_size);
  if (limit != 0 && size > limit) {
    out = refusal(FileRefusal::Why::TooLarge, path);
    out.size = size;
    out.limit = limit;
    ::close(fd);
    return std::nullopt;
  }
  return InputFile(fd, size, path);
}

InputFile::InputFile(InputFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), size_(other.size_), path_(std::move(other.path_)) {}

InputFile& InputFile::operator=(InputFile&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = std::exchange(other.fd_, -1);
    size_ = other.size_;
    path_ = std::move(other.path_);
  }
  return *this;
}

InputFile::~InputFile() {
  if (fd_ >= 0) ::close(fd_);
}

std::optional<std::size_t> InputFile::read(char* buffer, std::size_t n, FileRefusal& out) {
  for (;;) {
    const ssize_t got = ::read(fd_, buffer, n);
    if (got >= 0) return static_cast<std::size_t>(got);
    if (errno == EINTR) continue;
    out = fromErrno(errno, path_);
    return std::nullopt;
  }
}

std::optional<FileRefusal> readWholeFile(const std::string& path, std::uint64_t limit, std::string& bytes) {
  FileRefusal r;
  auto file = InputFile::open(path, limit, r);
  if (!file) return r;
  std::string out;
  // Room for the whole file and one byte more, so that the end is seen without growing.
  out.resize(static_cast<std::size_t>(file->size()) + 1);
  std::size_t at = 0;
  for (;;) {
    if (at == out.size()) {
      // The file grew while it was read.
      if (limit != 0 && out.size() > limit) {
        r = refusal(FileRefusal::Why::TooLarge, path);
        r.size = out.size();
        r.limit = limit;
        return r;
      }
      out.resize(out.size() + 65536);
    }
    const auto got = file->read(out.data() + at, out.size() - at, r);
    if (!got) return r;
    if (*got == 0) break;
    at += *got;
  }
  out.resize(at);
  bytes = std::move(out);
  return std::nullopt;
}

std::optional<FileRefusal> readWholeFile(const std::string& path, FileKind kind, std::string& bytes) {
  return readWholeFile(path, fileSizeLimit(kind), bytes);
}
