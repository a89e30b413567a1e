#include "io/FolderCopy.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

bool present(const fs::path& p) {
  std::error_code ec;
  return fs::symlink_status(p, ec).type() != fs::file_type::not_found && !ec;
}

// A new empty folder beside `to`, named after it.
bool makeTemporaryFolder(const fs::path& to, fs::path& temp) {
  std::string name = to.string() + ".part-XXXXXX";
  std::vector<char> buffer(name.begin(), name.end());
  buffer.push_back('\0');
  if (!::mkdtemp(buffer.data())) return false;
  temp = fs::path(buffer.data());
  return true;
}

void copyTree(const fs::path& from, const fs::path& to, std::error_code& ec) {
  constexpr auto kOwnerWrites = fs::perms::owner_read | fs::perms::owner_write;
  for (fs::recursive_directory_iterator it(from, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path target = to / fs::relative(it->path(), from, ec);
    if (ec) return;
    const fs::file_status st = it->status(ec);  // follows links: a linked file is copied as a file
    if (ec) return;
    if (fs::is_directory(st)) {
      fs::create_directory(target, ec);
      if (!ec) fs::permissions(target, kOwnerWrites | fs::perms::owner_exec, fs::perm_options::add, ec);
    } else if (fs::is_regular_file(st)) {
      fs::copy_file(it->path(), target, ec);
      if (!ec) fs::permissions(target, kOwnerWrites, fs::perm_options::add, ec);
    }
    if (ec) return;
  }
}

}  // namespace

FolderCopy copyFolderIfMissing(const std::string& fromText, const std::string& toText, std::string* error) {
  const fs::path from(fromText), to(toText);
  if (present(to)) return FolderCopy::AlreadyThere;
  std::error_code ec;
  if (!fs::is_directory(from, ec)) return FolderCopy::NoSource;

  auto fail = [&](const fs::path& temp, const std::error_code& why) {
    if (error) *error = why.message();
    std::error_code ignored;
    if (!temp.empty()) fs::remove_all(temp, ignored);
    return FolderCopy::Failed;
  };
  if (to.has_parent_path()) fs::create_directories(to.parent_path(), ec);
  if (ec) return fail({}, ec);
  fs::path temp;
  if (!makeTemporaryFolder(to, temp)) return fail({}, std::error_code(errno, std::generic_category()));
  copyTree(from, temp, ec);
  if (ec) return fail(temp, ec);
  // The temporary folder is private; the copy gets the mode a new folder gets.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  fs::permissions(temp, static_cast<fs::perms>(0777 & ~mask), ec);
  if (ec) return fail(temp, ec);
  // Another start may have put the folder there meanwhile: it stays as it is.
  if (present(to)) {
    fs::remove_all(temp, ec);
    return FolderCopy::AlreadyThere;
  }
  fs::rename(temp, to, ec);
  if (ec) return fail(temp, ec);
  return FolderCopy::Copied;
}
