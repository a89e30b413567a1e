#include "persistence/RockTypes.h"

#include <charconv>

#include "persistence/SettingsFile.h"
#include "persistence/SettingsKeys.h"
#include "persistence/TextLines.h"
#include "shell/Encoding.h"

std::vector<std::string> splitTextLines(std::string_view text) {
  std::vector<std::string> out;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t eol = text.find('\n', pos);
    if (eol == std::string_view::npos) eol = text.size();
    std::string_view line = text.substr(pos, eol - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    out.emplace_back(line);
    pos = eol + 1;
  }
  return out;
}

std::vector<std::string> storedRockTypes(int count, const std::vector<std::string>& lines) {
  std::vector<std::string> out;
  const size_t n = count < 0 ? 0 : std::min(static_cast<size_t>(count), lines.size());
  for (size_t i = 0; i < n; ++i)
    if (!lines[i].empty()) out.push_back(lines[i]);
  return out;
}

RockTypeList readRockTypeSettings(const SettingsFile& settings) {
  RockTypeList list;
  long long n = settings::readInteger(settings, settings::kRockTypeCount);
  if (n < 0) n = 0;
  if (n > kMaxRockTypes) n = kMaxRockTypes;
  list.count = static_cast<int>(n);
  for (int i = 1; i <= list.count; ++i)
    list.offer.push_back(settings.readString(settings::kHorniny,
                                             std::string(settings::kRockTypePrefix) + std::to_string(i), ""));
  return list;
}

void writeRockTypeSettings(SettingsFile& settings, int count, const std::vector<std::string>& lines) {
  const auto names = storedRockTypes(count, lines);
  settings::write(settings, settings::kRockTypeCount, static_cast<long long>(names.size()));
  for (size_t i = 0; i < names.size(); ++i)
    settings.writeString(settings::kHorniny, std::string(settings::kRockTypePrefix) + std::to_string(i + 1),
                         names[i]);
}

std::string formatRockTypeFile(int count, const std::vector<std::string>& lines) {
  return utf8ToCp1250(formatRockTypeText(count, lines));
}

std::string formatRockTypeText(int count, const std::vector<std::string>& lines) {
  const auto names = storedRockTypes(count, lines);
  TextLineWriter w;
  w.line(std::to_string(names.size()));
  for (const auto& n : names) w.line(n);
  return w.text();
}

RockTypeFile parseRockTypeFile(std::string_view bytes) {
  const std::vector<std::string> lines = decodeTextLines(bytes);
  RockTypeFile f;
  if (lines.empty()) return f;
  std::string_view first = lines.front();
  while (!first.empty() && (first.front() == ' ' || first.front() == '\t')) first.remove_prefix(1);
  while (!first.empty() && (first.back() == ' ' || first.back() == '\t')) first.remove_suffix(1);
  long long n = 0;
  const auto [end, ec] = std::from_chars(first.data(), first.data() + first.size(), n);
  if (ec != std::errc() || end != first.data() + first.size() || first.empty() || n < 0) {
    for (const auto& l : lines)
      if (!l.empty()) f.names.push_back(l);
    f.count = static_cast<int>(f.names.size());
    return f;
  }
  f.count = static_cast<int>(std::min<long long>(n, kMaxRockTypes));
  for (size_t i = 1; i < lines.size() && i <= static_cast<size_t>(f.count); ++i)
    if (!lines[i].empty()) f.names.push_back(lines[i]);
  return f;
}
