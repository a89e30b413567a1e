#include "persistence/SettingsFile.h"

#include <sys/stat.h>

#include <charconv>
#include <optional>

#include "io/AtomicFile.h"
#include "io/FileRead.h"
#include "shell/Encoding.h"
#include "shell/NumberText.h"

namespace {

std::string_view trimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// Lower-case form of one code point; covers ASCII, Latin-1 and Latin Extended-A, which hold
// every letter of Windows-1250.
char32_t foldCodePoint(char32_t c) {
  if (c >= U'A' && c <= U'Z') return c + 32;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
  if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) return c | 1;
  if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c & 1) ? c + 1 : c;
  return c;
}

std::optional<long long> parseInteger(std::string_view s) {
  s = trimBlanks(s);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  if (s.empty() || s.front() == '+') return std::nullopt;
  long long v = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return v;
}

// A stored real is read as every stored number: the whole text, a decimal comma as the point.
std::optional<double> parseReal(std::string_view s) {
  double v = 0;
  if (!parseDouble(s, v)) return std::nullopt;
  return v;
}

// Modification time mixed with the inode: every atomic write makes a new inode, so a change
// within one clock tick is still seen.
long long fileStamp(const struct stat& st) {
  return (static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec) ^
         (static_cast<long long>(st.st_ino) << 20);
}

bool hasHighByte(std::string_view s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  return false;
}

}  // namespace

std::string foldSettingsName(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t at = i;
    const char32_t c = nextCodePoint(s, i);
    const std::size_t len = i - at;
    // One- and two-byte sequences hold every letter that folds; anything else, broken bytes
    // included, is copied unchanged.
    if (len <= 2 && !(len == 1 && static_cast<unsigned char>(s[at]) >= 0x80))
      appendUtf8(out, foldCodePoint(c));
    else
      out.append(s.substr(at, len));
  }
  return out;
}

SettingsFile::SettingsFile(std::string path) : path_(std::move(path)) { load(); }

SettingsFile::SettingsFile(std::string path, std::string seedPath)
    : path_(std::move(path)), seedPath_(std::move(seedPath)) {
  load();
}

void SettingsFile::load() const {
  sections_.clear();
  unreadable_ = false;
  stampTime_ = stampSize_ = -1;
  loadedFrom_.clear();
  struct stat st {};
  std::string from = path_;
  if (::stat(path_.c_str(), &st) != 0) {
    if (seedPath_.empty() || ::stat(seedPath_.c_str(), &st) != 0)
      return;  // missing: every read gives its default
    from = seedPath_;
  }
  std::string bytes;
  if (!S_ISREG(st.st_mode) || readWholeFile(from, FileKind::Settings, bytes)) {
    // An unreadable seed is passed over: writes then start afresh where they may go.
    if (from == path_) unreadable_ = true;
    return;
  }
  loadedFrom_ = from;
  stampTime_ = fileStamp(st);
  stampSize_ = static_cast<long long>(st.st_size);

  if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) bytes.erase(0, 3);
  const std::string text = (hasHighByte(bytes) && isValidUtf8(bytes)) ? bytes : cp1250ToUtf8(bytes);

  sections_.push_back({});  // lines before the first section
  Section* current = &sections_.front();
  size_t pos = 0;
  while (pos <= text.size()) {
    size_t eol = text.find('\n', pos);
    if (eol == std::string::npos) eol = text.size();
    std::string_view line(text.data() + pos, eol - pos);
    pos = eol + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::string_view t = trimBlanks(line);
    if (t.empty()) continue;
    if (t.front() == '[' && t.find(']') != std::string_view::npos) {
      const std::string name(trimBlanks(t.substr(1, t.find(']') - 1)));
      const std::string folded = foldSettingsName(name);
      current = nullptr;
      for (auto& s : sections_)
        if (!s.name.empty() && foldSettingsName(s.name) == folded) current = &s;  // repeated: merged
      if (!current) {
        sections_.push_back({name, {}});
        current = &sections_.back();
      }
      continue;
    }
    const size_t eq = line.find('=');
    const std::string_view key =
        eq == std::string_view::npos ? std::string_view() : trimBlanks(line.substr(0, eq));
    if (key.empty()) {
      current->entries.push_back({std::string(line), {}, true});
      continue;
    }
    const std::string folded = foldSettingsName(key);
    bool seen = false;
    for (const auto& e : current->entries)
      if (!e.raw && foldSettingsName(e.key) == folded) seen = true;
    if (!seen)  // the first of repeated keys wins; later ones are dropped at the next write
      current->entries.push_back({std::string(key), std::string(line.substr(eq + 1)), false});
  }
}

void SettingsFile::refresh() const {
  if (unreadable_) return;  // kept for the run: writes stay in memory
  struct stat st {};
  if (::stat(path_.c_str(), &st) == 0) {
    if (loadedFrom_ != path_ || fileStamp(st) != stampTime_ ||
        static_cast<long long>(st.st_size) != stampSize_)
      load();
    return;
  }
  if (loadedFrom_ == path_) {
    load();  // removed behind our back
    return;
  }
  if (seedPath_.empty()) return;
  const bool seedThere = ::stat(seedPath_.c_str(), &st) == 0;
  if (seedThere != (loadedFrom_ == seedPath_) ||
      (seedThere && (fileStamp(st) != stampTime_ || static_cast<long long>(st.st_size) != stampSize_)))
    load();
}

const SettingsFile::Entry* SettingsFile::find(std::string_view section, std::string_view key) const {
  refresh();
  const std::string fs = foldSettingsName(trimBlanks(section));
  const std::string fk = foldSettingsName(trimBlanks(key));
  for (const auto& s : sections_) {
    if (s.name.empty() || foldSettingsName(s.name) != fs) continue;
    for (const auto& e : s.entries)
      if (!e.raw && foldSettingsName(e.key) == fk) return &e;
  }
  return nullptr;
}

void SettingsFile::set(std::string_view section, std::string_view key, std::string value) {
  refresh();
  section = trimBlanks(section);
  key = trimBlanks(key);
  const std::string fs = foldSettingsName(section);
  const std::string fk = foldSettingsName(key);
  Section* target = nullptr;
  for (auto& s : sections_)
    if (!s.name.empty() && foldSettingsName(s.name) == fs) target = &s;
  if (!target) {
    if (sections_.empty()) sections_.push_back({});
    sections_.push_back({std::string(section), {}});
    target = &sections_.back();
  }
  Entry* entry = nullptr;
  for (auto& e : target->entries)
    if (!e.raw && foldSettingsName(e.key) == fk) entry = &e;
  if (entry) {
    if (entry->value == value && loadedFrom_ == path_) return;  // already on disk
    entry->value = std::move(value);
  } else {
    target->entries.push_back({std::string(key), std::move(value), false});
  }
  save();
}

void SettingsFile::fail(std::string error) {
  lastWriteOk_ = false;
  lastError_ = std::move(error);
  if (!failureTold_ && writeFailed) {
    failureTold_ = true;
    writeFailed(lastError_);
  }
}

void SettingsFile::save() {
  if (unreadable_) {
    fail("the settings file exists but cannot be read; it is left as it is");
    return;
  }
  std::string text;
  for (const auto& s : sections_) {
    if (s.name.empty() && s.entries.empty()) continue;
    if (!text.empty()) text += "\r\n";
    if (!s.name.empty()) text += "[" + s.name + "]\r\n";
    for (const auto& e : s.entries) text += e.raw ? e.key + "\r\n" : e.key + "=" + e.value + "\r\n";
  }
  WriteRefusal why;
  if (!writeFileAtomically(path_, utf8ToCp1250(text), &why)) {
    fail(path_ + ": " + why.text(Language::English));
    return;
  }
  lastWriteOk_ = true;
  lastError_.clear();
  struct stat st {};
  if (::stat(path_.c_str(), &st) == 0) {
    loadedFrom_ = path_;
    stampTime_ = fileStamp(st);
    stampSize_ = static_cast<long long>(st.st_size);
  }
}

std::string SettingsFile::readString(std::string_view section, std::string_view key,
                                     std::string_view def) const {
  const Entry* e = find(section, key);
  return e ? e->value : std::string(def);
}

long long SettingsFile::readInteger(std::string_view section, std::string_view key, long long def) const {
  const Entry* e = find(section, key);
  if (!e) return def;
  return parseInteger(e->value).value_or(def);
}

bool SettingsFile::readBool(std::string_view section, std::string_view key, bool def) const {
  const Entry* e = find(section, key);
  if (!e) return def;
  const auto v = parseInteger(e->value);
  return v ? *v != 0 : def;
}

double SettingsFile::readFloat(std::string_view section, std::string_view key, double def) const {
  const Entry* e = find(section, key);
  if (!e) return def;
  return parseReal(e->value).value_or(def);
}

void SettingsFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
  // A line break would split the entry; keep the value on its line.
  std::string v(value);
  for (char& c : v)
    if (c == '\r' || c == '\n') c = ' ';
  const std::string letters = cp1250Unencodable(v);
  if (!letters.empty()) {
    const std::string k(trimBlanks(key));
    if (!confirmUnencodable) {
      fail(k + "=" + v + ": letters Windows-1250 cannot store: " + letters);
      return;
    }
    if (!confirmUnencodable(k, v, letters)) return;
  }
  set(section, key, std::move(v));
}

void SettingsFile::writeInteger(std::string_view section, std::string_view key, long long value) {
  set(section, key, std::to_string(value));
}

void SettingsFile::writeBool(std::string_view section, std::string_view key, bool value) {
  set(section, key, value ? "1" : "0");
}

void SettingsFile::writeFloat(std::string_view section, std::string_view key, double value) {
  char buf[64];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
  set(section, key, ec == std::errc() ? std::string(buf, end) : std::string("0"));
}

bool SettingsFile::exists() const {
  struct stat st {};
  return ::stat(path_.c_str(), &st) == 0;
}

std::vector<std::string> SettingsFile::keyNames(std::string_view section) const {
  refresh();
  std::vector<std::string> out;
  const std::string fs = foldSettingsName(trimBlanks(section));
  for (const auto& s : sections_)
    if (!s.name.empty() && foldSettingsName(s.name) == fs)
      for (const auto& e : s.entries)
        if (!e.raw) out.push_back(e.key);
  return out;
}

SettingsLocation chooseSettingsLocation(const std::string& programFolder, const std::string& configFolder,
                                        const std::function<bool(const std::string&)>& writable) {
  const std::string beside = programFolder + "/Veltra.INI";
  struct stat st {};
  const bool besideExists = ::stat(beside.c_str(), &st) == 0;
  // Writes replace the file through a temporary beside it: the folder must take new files too.
  if (writable(programFolder) && (!besideExists || writable(beside))) return {beside, {}};
  return {configFolder + "/Veltra.INI", besideExists ? beside : std::string()};
}
