#include "io/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

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
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream ss;
  ss << in.rdbuf();
  if (in.bad()) return false;
  bytes = ss.str();
  return true;
}
