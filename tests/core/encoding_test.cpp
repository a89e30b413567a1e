#include "shell/Encoding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<char32_t> decodeAll(std::string_view s, std::vector<std::size_t>* steps = nullptr) {
  std::vector<char32_t> out;
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t at = i;
    out.push_back(nextCodePoint(s, i));
    if (steps) steps->push_back(i - at);
  }
  return out;
}

TEST(EncodingTest, DecodesEachSequenceLengthAndRoundTrips) {
  const std::string text = "A\xC3\xA1\xE2\x82\xAC\xF0\x9F\x98\x80";  // A, á, €, an emoji
  std::vector<std::size_t> steps;
  EXPECT_EQ(decodeAll(text, &steps), (std::vector<char32_t>{U'A', 0xE1, 0x20AC, 0x1F600}));
  EXPECT_EQ(steps, (std::vector<std::size_t>{1, 2, 3, 4}));
  std::string back;
  for (char32_t c : decodeAll(text)) appendUtf8(back, c);
  EXPECT_EQ(back, text);
  EXPECT_TRUE(isValidUtf8(text));
  EXPECT_TRUE(isValidUtf8("\xEF\xBF\xBD"));  // U+FFFD itself is valid
}

TEST(EncodingTest, BrokenSequencesGiveReplacementAndMoveOneByte) {
  struct Case {
    std::string bytes;
    std::vector<char32_t> points;
  };
  const Case cases[] = {
      {"\x80", {0xFFFD}},                        // lone continuation byte
      {"\xFF!", {0xFFFD, U'!'}},                 // no lead byte of that form
      {"\xC3", {0xFFFD}},                        // cut off at the end
      {"\xE2\x82", {0xFFFD, 0xFFFD}},            // cut off inside
      {"\xC3!", {0xFFFD, U'!'}},                 // continuation missing
      {"\xE2\x28\xA1", {0xFFFD, U'(', 0xFFFD}},  // bad second byte
  };
  for (const auto& c : cases) {
    EXPECT_EQ(decodeAll(c.bytes), c.points) << testing::PrintToString(c.bytes);
    EXPECT_FALSE(isValidUtf8(c.bytes)) << testing::PrintToString(c.bytes);
  }
}

}  // namespace

namespace {

TEST(EncodingTest, LettersWindows1250CannotHoldAreFoundPerLineEachOnce) {
  EXPECT_EQ(cp1250Unencodable("Žluťoučký kůň úpěl ďábelské ódy"), "");
  EXPECT_EQ(cp1250Unencodable("Granit α中 αβ"), "α中β");
  EXPECT_EQ(cp1250Unencodable("€ „uvozovky“ – ©"), "");  // Windows-1250 punctuation is kept
  const auto lines = unencodableLines("Pískovec\r\nGranit α中\r\nčisté\nŁupek ∑\r\n");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], (UnencodableText{"Granit α中", "α中"}));
  EXPECT_EQ(lines[1], (UnencodableText{"Łupek ∑", "∑"}));
  const std::string cs = unencodableMessage(lines, Language::Czech, true);
  EXPECT_NE(cs.find("\"Granit α中\"   :   α 中"), std::string::npos) << cs;
  EXPECT_NE(cs.find("Uložit přesto ?"), std::string::npos);
  EXPECT_EQ(unencodableMessage(lines, Language::English, false).find("Save anyway"), std::string::npos);
}

}  // namespace
