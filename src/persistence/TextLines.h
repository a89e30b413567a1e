#pragma once

// Text files of lines: CR LF and Windows-1250 on disk, UTF-8 in memory.

#include <string>
#include <string_view>
#include <vector>

/// Collects UTF-8 lines and gives the file bytes: Windows-1250, each line ended by CR LF.
class TextLineWriter {
 public:
  void line(std::string_view utf8) {
    text_ += utf8;
    text_ += "\r\n";
  }
  std::string bytes() const;
  /// The lines as UTF-8, before the encoding.
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

/// Decodes file bytes to UTF-8 (valid UTF-8 with non-ASCII bytes is taken as UTF-8, a BOM is
/// skipped; anything else is Windows-1250).
std::string decodeTextFile(std::string_view bytes);

/// The lines of a file (CR LF or LF, or CR alone in a file without LF), decoded to UTF-8; a final line
/// break opens no new line.
std::vector<std::string> decodeTextLines(std::string_view bytes);
