#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class SettingsFile;

/// The rock types offered in the layer table, with the count N kept beside them.
struct RockTypeList {
  std::vector<std::string> offer;  // items of the layer table's rock type list, in order (UTF-8)
  int count = 0;                   // N as last stored or set by the offer command
};

/// Lines of a multi-line text as a text box counts them: a final line break opens no new line.
std::vector<std::string> splitTextLines(std::string_view text);

/// The first `count` lines of `lines` that are not empty: what the files and the settings keep.
std::vector<std::string> storedRockTypes(int count, const std::vector<std::string>& lines);

/// Reads N and "Hornina 1" .. "Hornina N"; a missing key gives an empty item. N above
/// `kMaxRockTypes` is taken as damaged and cut there. With N = 0 `offer` stays empty.
RockTypeList readRockTypeSettings(const SettingsFile& settings);
inline constexpr int kMaxRockTypes = 1000;

/// Writes the stored rock types (`storedRockTypes`) as N and "Hornina 1" .. "Hornina N".
void writeRockTypeSettings(SettingsFile& settings, int count, const std::vector<std::string>& lines);

/// A rock type file: N on line 1, then the non-empty lines, CR LF, Windows-1250.
std::string formatRockTypeFile(int count, const std::vector<std::string>& lines);
/// The same lines as UTF-8, before the encoding.
std::string formatRockTypeText(int count, const std::vector<std::string>& lines);

/// Parsed rock type file: N from line 1 and the non-empty ones of the N lines that follow.
/// A first line that is no count makes the whole file a plain list (every non-empty line).
/// Windows-1250 and UTF-8 files are both read.
struct RockTypeFile {
  int count = 0;
  std::vector<std::string> names;
};
RockTypeFile parseRockTypeFile(std::string_view bytes);
