#include "persistence/TextLines.h"

#include "shell/Encoding.h"

std::string TextLineWriter::bytes() const { return utf8ToCp1250(text_); }

std::string decodeTextFile(std::string_view bytes) {
  if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") return std::string(bytes.substr(3));
  bool high = false;
  for (char c : bytes)
    if (static_cast<unsigned char>(c) >= 0x80) {
      high = true;
      break;
    }
  if (!high || isValidUtf8(bytes)) return std::string(bytes);
  return cp1250ToUtf8(bytes);
}

std::vector<std::string> decodeTextLines(std::string_view bytes) {
  const std::string text = decodeTextFile(bytes);
  std::vector<std::string> out;
  // A file without LF but with CR has CR-only line ends.
  const char end = text.find('\n') == std::string::npos && text.find('\r') != std::string::npos ? '\r' : '\n';
  size_t pos = 0;
  while (pos < text.size()) {
    size_t eol = text.find(end, pos);
    if (eol == std::string::npos) eol = text.size();
    std::string_view line(text.data() + pos, eol - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    out.emplace_back(line);
    pos = eol + 1;
  }
  return out;
}
