#include "io/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
  std::string tmp = path + ".tmpXXXXXX";
  const int fd = mkstemp(tmp.data());
  auto fail = [&](int err) {
    if (error) *error = std::strerror(err);
    return false;
  };
  if (fd < 0) return fail(errno);
  const char* p = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int err = errno;
      ::close(fd);
      ::unlink(tmp.c_str());
      return fail(err);
    }
    p += n;
    left -= static_cast<size_t>(n);
  }
  fchmod(fd, 0644);
  if (::fsync(fd) != 0 || ::close(fd) != 0) {
    const int err = errno;
    ::unlink(tmp.c_str());
    return fail(err);
  }
  if (std::rename(tmp.c_str(), path.c_str()) != 0) {
    const int err = errno;
    ::unlink(tmp.c_str());
    return fail(err);
  }
  return true;
}

bool readWholeFile(const std::string& path, std::string& bytes) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  std::string out;
  // A regular file is read into a buffer of its size at once; anything else (a pipe) grows as it comes.
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0)
    out.reserve(static_cast<size_t>(st.st_size) + 1);
  char chunk[65536];
  for (;;) {
    const size_t room = out.capacity() - out.size();
    if (room > sizeof chunk) {
      // Straight into the string's own storage.
      const size_t at = out.size();
      out.resize(out.capacity());
      const ssize_t n = ::read(fd, out.data() + at, room);
      if (n < 0 && errno == EINTR) {
        out.resize(at);
        continue;
      }
      if (n < 0) {
        ::close(fd);
        return false;
      }
      out.resize(at + static_cast<size_t>(n));
      if (n == 0) break;
      continue;
    }
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      ::close(fd);
      return false;
    }
    if (n == 0) break;
    out.append(chunk, static_cast<size_t>(n));
  }
  ::close(fd);
  bytes = std::move(out);
  return true;
}
