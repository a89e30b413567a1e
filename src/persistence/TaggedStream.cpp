#include "persistence/TaggedStream.h"

#include "persistence/Extended80.h"
#include "shell/Encoding.h"

namespace {

void putLe(std::string& out, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

std::uint32_t getLe(const char* p, int bytes) {
  std::uint32_t v = 0;
  for (int i = 0; i < bytes; ++i)
    v |= static_cast<std::uint32_t>(static_cast<unsigned char>(p[i])) << (8 * i);
  return v;
}

// Calls `f` with each code point of `s`; broken sequences give U+FFFD.
template <class F>
void forEachCodePoint(std::string_view s, F f) {
  for (std::size_t i = 0; i < s.size();) f(nextCodePoint(s, i));
}

std::string utf16leToUtf8(const char* p, std::size_t units) {
  std::string out;
  for (std::size_t i = 0; i < units; ++i) {
    char32_t u = getLe(p + 2 * i, 2);
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units) {
      const char32_t lo = getLe(p + 2 * (i + 1), 2);
      if (lo >= 0xDC00 && lo <= 0xDFFF) {
        u = 0x10000 + ((u - 0xD800) << 10) + (lo - 0xDC00);
        ++i;
      } else {
        u = 0xFFFD;
      }
    } else if (u >= 0xD800 && u <= 0xDFFF) {
      u = 0xFFFD;
    }
    appendUtf8(out, u);
  }
  return out;
}

}  // namespace

std::size_t utf16Length(std::string_view utf8) {
  std::size_t n = 0;
  forEachCodePoint(utf8, [&](char32_t c) { n += c >= 0x10000 ? 2 : 1; });
  return n;
}

void TaggedWriter::writeInteger(std::int32_t v) {
  if (v >= -128 && v <= 127) {
    out_ += static_cast<char>(kTagInt8);
    putLe(out_, static_cast<std::uint32_t>(v), 1);
  } else if (v >= -32768 && v <= 32767) {
    out_ += static_cast<char>(kTagInt16);
    putLe(out_, static_cast<std::uint32_t>(v), 2);
  } else {
    out_ += static_cast<char>(kTagInt32);
    putLe(out_, static_cast<std::uint32_t>(v), 4);
  }
}

void TaggedWriter::writeReal(double v) {
  out_ += static_cast<char>(kTagExtended);
  const auto b = encodeExtended(v);
  out_.append(reinterpret_cast<const char*>(b.data()), b.size());
}

void TaggedWriter::writeBool(bool v) { out_ += static_cast<char>(v ? kTagTrue : kTagFalse); }

void TaggedWriter::writeText(std::string_view utf8) {
  const std::size_t units = utf16Length(utf8);
  if (utf8.size() < 2 * units) {
    bool high = false;
    for (char c : utf8)
      if (static_cast<unsigned char>(c) >= 0x80) high = true;
    if (high) {
      out_ += static_cast<char>(kTagUtf8String);
      putLe(out_, static_cast<std::uint32_t>(utf8.size()), 4);
    } else if (utf8.size() <= 255) {
      out_ += static_cast<char>(kTagString);
      putLe(out_, static_cast<std::uint32_t>(utf8.size()), 1);
    } else {
      out_ += static_cast<char>(kTagLongString);
      putLe(out_, static_cast<std::uint32_t>(utf8.size()), 4);
    }
    out_ += utf8;
    return;
  }
  out_ += static_cast<char>(kTagWideString);
  putLe(out_, static_cast<std::uint32_t>(units), 4);
  forEachCodePoint(utf8, [&](char32_t c) {
    if (c >= 0x10000) {
      putLe(out_, 0xD800 + ((c - 0x10000) >> 10), 2);
      putLe(out_, 0xDC00 + ((c - 0x10000) & 0x3FF), 2);
    } else {
      putLe(out_, c, 2);
    }
  });
}

void TaggedReader::failAt(TaggedFault f, std::size_t at, std::uint8_t tag) {
  if (fault_ != TaggedFault::None) return;
  fault_ = f;
  faultOffset_ = at;
  faultTag_ = tag;
  pos_ = in_.size();
}

bool TaggedReader::take(std::size_t n, const char*& p) {
  if (!ok()) return false;
  if (in_.size() - pos_ < n) {
    failAt(TaggedFault::EndsEarly, in_.size());
    return false;
  }
  p = in_.data() + pos_;
  pos_ += n;
  return true;
}

int TaggedReader::nextTag() {
  if (!ok()) return -1;
  ++values_;
  const char* p = nullptr;
  if (!take(1, p)) return -1;
  return static_cast<unsigned char>(*p);
}

std::int32_t TaggedReader::readInteger() {
  const std::size_t at = pos_;
  const int tag = nextTag();
  if (tag < 0) return 0;
  const char* p = nullptr;
  switch (tag) {
    case kTagInt8:
      return take(1, p) ? static_cast<std::int8_t>(getLe(p, 1)) : 0;
    case kTagInt16:
      return take(2, p) ? static_cast<std::int16_t>(getLe(p, 2)) : 0;
    case kTagInt32:
      return take(4, p) ? static_cast<std::int32_t>(getLe(p, 4)) : 0;
    default:
      failAt(TaggedFault::UnexpectedTag, at, static_cast<std::uint8_t>(tag));
      return 0;
  }
}

double TaggedReader::readReal() {
  const std::size_t at = pos_;
  const int tag = nextTag();
  if (tag < 0) return 0;
  if (tag != kTagExtended) {
    failAt(TaggedFault::UnexpectedTag, at, static_cast<std::uint8_t>(tag));
    return 0;
  }
  const char* p = nullptr;
  return take(10, p) ? decodeExtended(reinterpret_cast<const std::uint8_t*>(p)) : 0;
}

bool TaggedReader::readBool() {
  const std::size_t at = pos_;
  const int tag = nextTag();
  if (tag < 0) return false;
  if (tag != kTagFalse && tag != kTagTrue) {
    failAt(TaggedFault::UnexpectedTag, at, static_cast<std::uint8_t>(tag));
    return false;
  }
  return tag == kTagTrue;
}

std::string TaggedReader::textPayload(std::uint8_t tag) {
  const std::size_t at = pos_ - 1;
  const char* p = nullptr;
  std::uint32_t count = 0;
  if (tag == kTagString) {
    if (!take(1, p)) return {};
    count = getLe(p, 1);
  } else {
    if (!take(4, p)) return {};
    count = getLe(p, 4);
    if (count > 0x7FFFFFFFu) {
      failAt(TaggedFault::BadLength, at, tag);
      return {};
    }
  }
  const std::size_t bytes = tag == kTagWideString ? std::size_t{count} * 2 : count;
  if (!take(bytes, p)) return {};
  if (tag == kTagWideString) return utf16leToUtf8(p, count);
  const std::string_view raw(p, bytes);
  if (tag == kTagUtf8String) {
    if (isValidUtf8(raw)) return std::string(raw);
    failAt(TaggedFault::BadUtf8, at, tag);
    return {};
  }
  return cp1250ToUtf8(raw);
}

std::string TaggedReader::readText() {
  const std::size_t at = pos_;
  const int tag = nextTag();
  if (tag < 0) return {};
  if (tag != kTagString && tag != kTagLongString && tag != kTagWideString && tag != kTagUtf8String) {
    failAt(TaggedFault::UnexpectedTag, at, static_cast<std::uint8_t>(tag));
    return {};
  }
  return textPayload(static_cast<std::uint8_t>(tag));
}

TaggedValue TaggedReader::readAny() {
  TaggedValue v;
  if (!ok() || atEnd()) {
    if (ok()) failAt(TaggedFault::EndsEarly, pos_);
    return v;
  }
  v.tag = static_cast<std::uint8_t>(in_[pos_]);
  switch (v.tag) {
    case kTagInt8:
    case kTagInt16:
    case kTagInt32:
      v.value = std::int64_t{readInteger()};
      break;
    case kTagExtended:
      v.value = readReal();
      break;
    case kTagFalse:
    case kTagTrue:
      v.value = readBool();
      break;
    case kTagString:
    case kTagLongString:
    case kTagWideString:
    case kTagUtf8String:
      v.value = readText();
      break;
    default:
      ++values_;
      failAt(TaggedFault::UnexpectedTag, pos_, v.tag);
      break;
  }
  return v;
}
