#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

/// The sectioned key-value settings file. Sections and keys match without regard to case
/// (Czech letters included); every write goes to disk at once. A missing file is no error:
/// every read returns its default.
class SettingsFile {
 public:
  explicit SettingsFile(std::string path);

  const std::string& path() const { return path_; }

  std::string readString(std::string_view section, std::string_view key, std::string_view def) const;
  long long readInteger(std::string_view section, std::string_view key, long long def) const;
  bool readBool(std::string_view section, std::string_view key, bool def) const;
  double readFloat(std::string_view section, std::string_view key, double def) const;

  void writeString(std::string_view section, std::string_view key, std::string_view value);
  void writeInteger(std::string_view section, std::string_view key, long long value);
  void writeBool(std::string_view section, std::string_view key, bool value);
  void writeFloat(std::string_view section, std::string_view key, double value);

  bool exists() const;

 private:
  std::string path_;
  // Implementation details are free to change (cache, encoding, atomic writes).
  struct Entry { std::string key, value; };
  struct Section { std::string name; std::vector<Entry> entries; };
  std::vector<Section> sections_;
  void load();
  void save() const;
};
