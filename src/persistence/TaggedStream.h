#pragma once

// The tagged binary value stream of results files: one tag byte, then the payload, little-endian.
//   2, 3, 4   integer in 1, 2 or 4 bytes        5   real, 80-bit extended
//   8, 9      false, true                       6   text, 1-byte count, 8-bit code page
//   12        text, 4-byte count, 8-bit code page
//   18        text, 4-byte count of UTF-16 code units, UTF-16LE
//   20        text, 4-byte count, UTF-8

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

enum ValueTag : std::uint8_t {
  kTagInt8 = 2,
  kTagInt16 = 3,
  kTagInt32 = 4,
  kTagExtended = 5,
  kTagString = 6,
  kTagFalse = 8,
  kTagTrue = 9,
  kTagLongString = 12,
  kTagWideString = 18,
  kTagUtf8String = 20,
};

/// Collects the values of a stream.
class TaggedWriter {
 public:
  /// Tag 2, 3 or 4, the smallest that holds `v`.
  void writeInteger(std::int32_t v);
  void writeReal(double v);
  void writeBool(bool v);
  /// A UTF-8 text: tag 20 (non-ASCII) or 6 / 12 (ASCII) when its UTF-8 form is shorter than two
  /// bytes per UTF-16 unit, else tag 18 (the empty text included).
  void writeText(std::string_view utf8);
  const std::string& bytes() const { return out_; }

 private:
  std::string out_;
};

/// Why reading stopped.
enum class TaggedFault { None, EndsEarly, UnexpectedTag, BadLength, BadUtf8 };

/// One value of any type, for listings.
struct TaggedValue {
  std::uint8_t tag = 0;
  std::variant<std::int64_t, double, bool, std::string> value;
};

/// Reads the values of a stream in order; after the first fault every read fails and returns a
/// neutral value, and `fault()`, `faultOffset()` and `faultTag()` say what went wrong where.
class TaggedReader {
 public:
  /// Reads `bytes`, which must outlive the reader.
  explicit TaggedReader(std::string_view bytes) : in_(bytes) {}

  std::int32_t readInteger();
  double readReal();
  bool readBool();
  /// Texts of every text tag, as UTF-8 (8-bit texts are taken as Windows-1250); a tag-20 text
  /// that is no valid UTF-8 is a fault.
  std::string readText();
  /// The next value whatever its type.
  TaggedValue readAny();

  /// The tag of the next value, or -1 at the end.
  int peekTag() const { return pos_ < in_.size() ? static_cast<unsigned char>(in_[pos_]) : -1; }

  bool ok() const { return fault_ == TaggedFault::None; }
  bool atEnd() const { return pos_ >= in_.size(); }
  TaggedFault fault() const { return fault_; }
  std::size_t faultOffset() const { return faultOffset_; }
  std::uint8_t faultTag() const { return faultTag_; }
  /// Number of values read so far (1-based index of the value that failed, after a fault).
  std::size_t valueIndex() const { return values_; }
  std::size_t offset() const { return pos_; }

 private:
  std::string_view in_;
  std::size_t pos_ = 0;
  std::size_t values_ = 0;
  TaggedFault fault_ = TaggedFault::None;
  std::size_t faultOffset_ = 0;
  std::uint8_t faultTag_ = 0;

  bool take(std::size_t n, const char*& p);
  int nextTag();
  void failAt(TaggedFault f, std::size_t at, std::uint8_t tag = 0);
  std::string textPayload(std::uint8_t tag);
};

/// UTF-16 code units of a UTF-8 text (4-byte sequences count two).
std::size_t utf16Length(std::string_view utf8);
