#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

/// The sectioned key-value settings file ("[section]" lines, "key=value" lines under them).
/// Sections and keys match without regard to case (Czech and other Windows-1250 letters
/// included); every write goes to disk at once, atomically. The file is written in
/// Windows-1250 with CR LF; a file that is valid UTF-8 is read as UTF-8. A missing file is no
/// error: every read returns its default and the first write creates the file. All texts in
/// the interface are UTF-8.
class SettingsFile {
 public:
  explicit SettingsFile(std::string path);
  /// Writes go to `path`; while it does not exist the entries are read from `seedPath` (a
  /// settings file that cannot be written where it stands), so the first write starts from them.
  SettingsFile(std::string path, std::string seedPath);

  const std::string& path() const { return path_; }

  /// The value as stored; `def` when the key is missing.
  std::string readString(std::string_view section, std::string_view key, std::string_view def) const;
  /// The value as a decimal integer (blanks around it allowed); `def` when missing or no integer.
  long long readInteger(std::string_view section, std::string_view key, long long def) const;
  /// True when the value reads as an integer other than 0; `def` when missing or no integer.
  bool readBool(std::string_view section, std::string_view key, bool def) const;
  /// The value as a real with a decimal point; `def` when missing or no number.
  double readFloat(std::string_view section, std::string_view key, double def) const;

  /// Each write creates the section, the key or the file as needed and rewrites the file at once.
  void writeString(std::string_view section, std::string_view key, std::string_view value);
  void writeInteger(std::string_view section, std::string_view key, long long value);
  /// Writes "1" for true and "0" for false.
  void writeBool(std::string_view section, std::string_view key, bool value);
  /// Writes the shortest text that reads back as the same double.
  void writeFloat(std::string_view section, std::string_view key, double value);

  /// True when the file exists on disk.
  bool exists() const;
  /// True while the file exists but could not be read; writes then stay in memory so the
  /// unreadable file is never replaced by a partial one.
  bool unreadable() const { return unreadable_; }
  /// False when the last write could not reach the disk; `lastError()` says why.
  bool lastWriteOk() const { return lastWriteOk_; }
  const std::string& lastError() const { return lastError_; }

  /// Asked before a text value that Windows-1250 cannot hold whole is written: true writes it
  /// (those letters become "?"), false keeps the value stored before. Without it such a value is
  /// not written and counts as a failed write.
  std::function<bool(const std::string& key, const std::string& value, const std::string& letters)>
      confirmUnencodable;
  /// Told of the first failed write of the run (with its reason); later failures are not told.
  std::function<void(const std::string& error)> writeFailed;

  /// Key names of `section` in file order (UTF-8), for listings and tests.
  std::vector<std::string> keyNames(std::string_view section) const;

 private:
  std::string path_;
  std::string seedPath_;
  mutable std::string loadedFrom_;  // the file whose entries are held; empty when none exists
  bool failureTold_ = false;
  struct Entry {
    std::string key, value;  // a line that is no entry keeps its text in `key` with `raw` set
    bool raw = false;
  };
  struct Section {
    std::string name;  // empty for lines before the first section
    std::vector<Entry> entries;
  };
  mutable std::vector<Section> sections_;
  mutable bool unreadable_ = false;
  mutable long long stampTime_ = -1;  // stamp (time, inode) and size of the file last loaded
  mutable long long stampSize_ = -1;
  bool lastWriteOk_ = true;
  std::string lastError_;

  void load() const;
  void refresh() const;
  void save();
  const Entry* find(std::string_view section, std::string_view key) const;
  void set(std::string_view section, std::string_view key, std::string value);
  void fail(std::string error);
};

/// Where the settings file of a program in `programFolder` lives: "Veltra.INI" there when that
/// folder (and the file, when it exists) can be written (`writable` decides for a path), else in
/// `configFolder`, read from the file beside the program until the first write.
struct SettingsLocation {
  std::string path;      // where writes go
  std::string seedPath;  // read while `path` does not exist; empty when there is none
};
SettingsLocation chooseSettingsLocation(const std::string& programFolder, const std::string& configFolder,
                                        const std::function<bool(const std::string&)>& writable);

/// Lower-cases ASCII letters and the letters of Windows-1250 (Czech among them) in a UTF-8 text.
std::string foldSettingsName(std::string_view utf8);
