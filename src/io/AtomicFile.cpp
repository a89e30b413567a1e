#include "io/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <utility>

#include "shell/FileTexts.h"

namespace {

WriteRefusal refusal(WriteRefusal::Why why, int error = 0, std::string folder = {}) {
  WriteRefusal r;
  r.why = why;
  r.error = error;
  r.folder = std::move(folder);
  return r;
}

WriteRefusal fromErrno(int error, const std::string& folder) {
  using Why = WriteRefusal::Why;
  switch (error) {
    case EACCES:
    case EPERM:
      return refusal(Why::NoAccess, error);
    case EISDIR:
      return refusal(Why::IsFolder, error);
    case ENOENT:
      return refusal(Why::FolderMissing, error, folder);
    case ENOTDIR:
      return refusal(Why::NotAFolder, error, folder);
    case ENAMETOOLONG:
      return refusal(Why::NameTooLong, error);
    case ENOSPC:
    case EDQUOT:
      return refusal(Why::DiskFull, error);
    case EROFS:
      return refusal(Why::ReadOnlyFileSystem, error);
    case ELOOP:
      return refusal(Why::LinkLoop, error);
    default:
      return refusal(Why::Failed, error);
  }
}

std::string folderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// The file a chain of symbolic links ends in (the path itself when it is no link or does not exist).
std::optional<std::string> followLinks(std::string path, WriteRefusal& out) {
  for (int hops = 0;; ++hops) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
      if (errno == ENOENT) return path;  // a new file (or a dangling link's target)
      out = fromErrno(errno, folderOf(path));
      return std::nullopt;
    }
    if (!S_ISLNK(st.st_mode)) return path;
    if (hops == 40) {
      out = refusal(WriteRefusal::Why::LinkLoop, ELOOP);
      return std::nullopt;
    }
    std::string link(4096, '\0');
    const ssize_t n = ::readlink(path.c_str(), link.data(), link.size());
    if (n < 0 || static_cast<size_t>(n) >= link.size()) {
      out = fromErrno(n < 0 ? errno : ENAMETOOLONG, folderOf(path));
      return std::nullopt;
    }
    link.resize(static_cast<size_t>(n));
    path = link.front() == '/' ? link : folderOf(path) + "/" + link;
  }
}

// True when the permission bits grant nobody a write: a protection kept even for the superuser,
// whom the system's own check lets through.
bool markedReadOnly(mode_t mode) { return (mode & 0222) == 0; }

// A short name not in use, so that a target name of legal length still leaves room for it.
std::string temporaryName(const std::string& folder) {
  static std::atomic<std::uint64_t> counter{0};
  timespec ts{};
  ::clock_gettime(CLOCK_REALTIME, &ts);
  std::uint64_t x = (static_cast<std::uint64_t>(ts.tv_nsec) << 20) ^ static_cast<std::uint64_t>(ts.tv_sec) ^
                    (static_cast<std::uint64_t>(::getpid()) << 40) ^ (++counter * 0x9E3779B97F4A7C15ull);
  x ^= x >> 31;
  x *= 0xBF58476D1CE4E5B9ull;
  x ^= x >> 29;
  static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::string name = folder + "/.vt";
  for (int i = 0; i < 6; ++i, x /= 36) name += kLetters[x % 36];
  return name;
}

bool writeAll(int fd, std::string_view bytes) {
  const char* p = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    left -= static_cast<size_t>(n);
  }
  return true;
}

// Gives the new file the old one's owner, group and mode as far as permitted; a group that cannot be
// kept gets no more than the others had.
void keepOwnerAndMode(int fd, const struct stat& old) {
  mode_t mode = old.st_mode & 07777;
  if (::fchown(fd, old.st_uid, old.st_gid) != 0 && ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
    const mode_t others = mode & 07;
    mode = (mode & ~static_cast<mode_t>(070)) | ((mode & 070) & (others << 3));
  }
  ::fchmod(fd, mode);
}

}  // namespace

bool writeFileAtomically(const std::string& path, std::string_view bytes, WriteRefusal* out) {
  WriteRefusal r;
  auto fail = [&](WriteRefusal why) {
    if (out) *out = std::move(why);
    return false;
  };
  const auto resolved = followLinks(path, r);
  if (!resolved) return fail(r);
  const std::string& target = *resolved;
  const std::string folder = folderOf(target);

  struct stat dir {};
  if (::stat(folder.c_str(), &dir) != 0) return fail(fromErrno(errno, folder));
  if (!S_ISDIR(dir.st_mode)) return fail(refusal(WriteRefusal::Why::NotAFolder, ENOTDIR, folder));

  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (!exists && errno != ENOENT) return fail(fromErrno(errno, folder));
  if (exists) {
    if (S_ISDIR(old.st_mode)) return fail(refusal(WriteRefusal::Why::IsFolder, EISDIR));
    if (!S_ISREG(old.st_mode)) {
      WriteRefusal n = refusal(WriteRefusal::Why::NotRegular);
      n.target = S_ISFIFO(old.st_mode)                          ? WriteRefusal::Target::Pipe
                 : S_ISCHR(old.st_mode) || S_ISBLK(old.st_mode) ? WriteRefusal::Target::Device
                 : S_ISSOCK(old.st_mode)                        ? WriteRefusal::Target::Socket
                                                                : WriteRefusal::Target::Other;
      return fail(n);
    }
    if (markedReadOnly(old.st_mode)) return fail(refusal(WriteRefusal::Why::ReadOnlyFile, EACCES));
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return fail(fromErrno(errno, folder));
  }
  // Replacing needs the folder: without its write permission the file's protection would be bypassed.
  if (markedReadOnly(dir.st_mode)) return fail(refusal(WriteRefusal::Why::FolderReadOnly, EACCES, folder));
  if (::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0)
    return fail(errno == EACCES ? refusal(WriteRefusal::Why::FolderReadOnly, EACCES, folder)
                                : fromErrno(errno, folder));

  std::string tmp;
  int fd = -1;
  for (int attempt = 0; fd < 0; ++attempt) {
    tmp = temporaryName(folder);
    fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0 && (errno != EEXIST || attempt == 100)) return fail(fromErrno(errno, folder));
  }
  auto abandon = [&](int err) {
    ::close(fd);
    ::unlink(tmp.c_str());
    return fail(fromErrno(err, folder));
  };
  if (!writeAll(fd, bytes)) return abandon(errno);
  if (exists) keepOwnerAndMode(fd, old);
  if (::fsync(fd) != 0) return abandon(errno);
  if (::close(fd) != 0) {
    const int err = errno;
    ::unlink(tmp.c_str());
    return fail(fromErrno(err, folder));
  }
  if (::rename(tmp.c_str(), target.c_str()) != 0) {
    const int err = errno;
    ::unlink(tmp.c_str());
    return fail(fromErrno(err, folder));
  }
  return true;
}
