#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "shell/Language.h"

/// UTF-8 to Windows-1250; characters without a Windows-1250 form become '?'.
std::string utf8ToCp1250(std::string_view utf8);
/// Windows-1250 to UTF-8.
std::string cp1250ToUtf8(std::string_view cp1250);
/// True when `s` is valid UTF-8 (plain ASCII included).
bool isValidUtf8(std::string_view s);
/// Decodes the UTF-8 sequence at `i` (i < s.size()) and moves `i` past it. A broken sequence
/// gives U+FFFD and moves `i` by one byte.
char32_t nextCodePoint(std::string_view s, std::size_t& i);
/// Appends `c` to `out` in UTF-8.
void appendUtf8(std::string& out, char32_t c);

/// The letters of `utf8` that Windows-1250 cannot hold, each once, in order of appearance.
std::string cp1250Unencodable(std::string_view utf8);

/// A text that would lose letters in Windows-1250, with those letters.
struct UnencodableText {
  std::string text;
  std::string letters;
  friend bool operator==(const UnencodableText&, const UnencodableText&) = default;
};

/// The lines of `utf8` (LF or CR LF separated) that would lose letters in Windows-1250.
std::vector<UnencodableText> unencodableLines(std::string_view utf8);

/// Says which texts lose which letters and that they would be written as "?"; `ask` adds the
/// question whether to save anyway.
std::string unencodableMessage(const std::vector<UnencodableText>& texts, Language language, bool ask);
