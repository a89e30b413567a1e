#include "shell/Encoding.h"

#include <iconv.h>

#include <cerrno>

#include "shell/FileTexts.h"

namespace {

std::string convert(std::string_view in, const char* to, const char* from) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(in);
  std::string out;
  out.resize(in.size() * 4 + 16);
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  char* dst = out.data();
  size_t dstLeft = out.size();
  while (srcLeft > 0) {
    if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) {  // cannot happen with 4x room, but keep the conversion sound
      const size_t used = static_cast<size_t>(dst - out.data());
      out.resize(out.size() * 2);
      dst = out.data() + used;
      dstLeft = out.size() - used;
      continue;
    }
    // An unconvertible or broken sequence: write '?' and skip one input character.
    if (dstLeft == 0) break;
    *dst++ = '?';
    --dstLeft;
    size_t skip = 1;
    if (std::string_view(from) == "UTF-8") {
      const auto c = static_cast<unsigned char>(*src);
      skip = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
      if (skip > srcLeft) skip = srcLeft;
    }
    src += skip;
    srcLeft -= skip;
  }
  out.resize(static_cast<size_t>(dst - out.data()));
  iconv_close(cd);
  return out;
}

}  // namespace

std::string utf8ToCp1250(std::string_view utf8) { return convert(utf8, "WINDOWS-1250", "UTF-8"); }

std::string cp1250ToUtf8(std::string_view cp1250) { return convert(cp1250, "UTF-8", "WINDOWS-1250"); }

char32_t nextCodePoint(std::string_view s, std::size_t& i) {
  const auto b = static_cast<unsigned char>(s[i]);
  const std::size_t len = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
  if (len == 0 || len > s.size() - i) {
    ++i;
    return 0xFFFD;
  }
  char32_t c = len == 1 ? b : b & (0xFF >> (len + 1));
  for (std::size_t k = 1; k < len; ++k) {
    const auto cb = static_cast<unsigned char>(s[i + k]);
    if ((cb >> 6) != 0x2) {
      ++i;
      return 0xFFFD;
    }
    c = (c << 6) | (cb & 0x3F);
  }
  i += len;
  return c;
}

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

bool isValidUtf8(std::string_view s) {
  // A broken sequence is the only one-byte step that is not ASCII.
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t at = i;
    if (nextCodePoint(s, i) == 0xFFFD && i - at == 1) return false;
  }
  return true;
}

std::string cp1250Unencodable(std::string_view s) {
  std::string letters;
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t at = i;
    nextCodePoint(s, i);
    const std::string_view one = s.substr(at, i - at);
    if (static_cast<unsigned char>(one.front()) < 0x80) continue;
    // A broken byte never reaches a file as a letter; it is reported like one.
    if (utf8ToCp1250(one) == "?" && letters.find(one) == std::string::npos) letters += one;
  }
  return letters;
}

std::vector<UnencodableText> unencodableLines(std::string_view utf8) {
  std::vector<UnencodableText> out;
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    std::size_t eol = utf8.find('\n', pos);
    if (eol == std::string_view::npos) eol = utf8.size();
    std::string_view line = utf8.substr(pos, eol - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    pos = eol + 1;
    std::string letters = cp1250Unencodable(line);
    if (!letters.empty()) out.push_back({std::string(line), std::move(letters)});
  }
  return out;
}

std::string unencodableMessage(const std::vector<UnencodableText>& texts, Language language, bool ask) {
  std::string m = FileTextOf(FileText::LostLettersIntro, language);
  constexpr std::size_t kShown = 10;
  for (std::size_t i = 0; i < texts.size() && i < kShown; ++i) {
    std::string letters;
    for (std::size_t k = 0; k < texts[i].letters.size();) {
      const std::size_t at = k;
      nextCodePoint(texts[i].letters, k);
      if (!letters.empty()) letters += ' ';
      letters += texts[i].letters.substr(at, k - at);
    }
    m += "    \"" + texts[i].text + "\"   :   " + letters + "\r\n";
  }
  if (texts.size() > kShown)
    m += FileTextFormat(FileText::LostLettersMore, language, {std::to_string(texts.size() - kShown)});
  m += FileTextOf(ask ? FileText::LostLettersAsk : FileText::LostLettersNotWritten, language);
  return m;
}
