#include <gtest/gtest.h>

#include <filesystem>

#include "persistence/RockTypes.h"
#include "persistence/SettingsFile.h"
#include "shell/Encoding.h"

namespace {

TEST(RockTypeFileTest, WritesTheCountAndTheNonEmptyLinesAndReadsThemBack) {
  const std::vector<std::string> lines = {"Jílovec", "", "Pískovec", "Uhlí"};
  const std::string bytes = formatRockTypeFile(4, lines);
  EXPECT_EQ(bytes, "3\r\nJ\xEDlovec\r\nP\xEDskovec\r\nUhl\xED\r\n");
  const RockTypeFile f = parseRockTypeFile(bytes);
  EXPECT_EQ(f.count, 3);
  EXPECT_EQ(f.names, (std::vector<std::string>{"Jílovec", "Pískovec", "Uhlí"}));
  // A count below the number of lines writes only the first lines; above it, only what exists.
  EXPECT_EQ(formatRockTypeFile(1, lines), "1\r\nJ\xEDlovec\r\n");
  EXPECT_EQ(formatRockTypeFile(9, {"A", "B"}), "2\r\nA\r\nB\r\n");
}

TEST(RockTypeFileTest, TheUtf8TextShowsWhichRockTypesWouldLoseLetters) {
  const std::vector<std::string> lines = {"Jílovec", "Granit α中"};
  EXPECT_EQ(unencodableLines(formatRockTypeText(2, lines)),
            (std::vector<UnencodableText>{{"Granit α中", "α中"}}));
  EXPECT_EQ(utf8ToCp1250(formatRockTypeText(2, lines)), formatRockTypeFile(2, lines));
}

TEST(RockTypeFileTest, ReadingFollowsTheCountSkipsEmptyLinesAndAcceptsPlainLists) {
  struct Case {
    std::string bytes;
    int count;
    std::vector<std::string> names;
  };
  const Case cases[] = {
      {"3\r\nA\r\nB\r\nC\r\nD\r\n", 3, {"A", "B", "C"}},
      {"3\r\nA\r\n\r\nC\r\n", 3, {"A", "C"}},  // an empty line counts among the N lines
      {"5\r\nA\r\n", 5, {"A"}},                // ends before N lines
      {"0\r\nA\r\n", 0, {}},
      {"Jílovec\nPískovec\n", 2, {"Jílovec", "Pískovec"}},  // no count: every line is a rock type (UTF-8)
      {"", 0, {}},
  };
  for (const auto& c : cases) {
    const RockTypeFile f = parseRockTypeFile(c.bytes);
    EXPECT_EQ(f.count, c.count) << c.bytes;
    EXPECT_EQ(f.names, c.names) << c.bytes;
  }
}

TEST(RockTypeFileTest, SettingsKeepTheListFromRunToRun) {
  const auto dir = std::filesystem::temp_directory_path() / ("veltra_rock_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "Veltra.INI").string();
  std::filesystem::remove(path);
  {
    SettingsFile s(path);
    EXPECT_EQ(readRockTypeSettings(s).count, 0);
    EXPECT_TRUE(readRockTypeSettings(s).offer.empty());
    writeRockTypeSettings(s, 3, {"Jílovec", "", "Uhlí", "beyond the count"});
  }
  SettingsFile s(path);
  EXPECT_EQ(s.readInteger("--  Horniny  --", "Celkem druhů hornin", -1), 2);
  const RockTypeList list = readRockTypeSettings(s);
  EXPECT_EQ(list.count, 2);
  EXPECT_EQ(list.offer, (std::vector<std::string>{"Jílovec", "Uhlí"}));
  // A stored count above the stored keys gives empty items; a damaged huge count is cut.
  s.writeInteger("--  Horniny  --", "Celkem druhů hornin", 3);
  EXPECT_EQ(readRockTypeSettings(s).offer, (std::vector<std::string>{"Jílovec", "Uhlí", ""}));
  s.writeInteger("--  Horniny  --", "Celkem druhů hornin", 2000000000);
  EXPECT_EQ(readRockTypeSettings(s).offer.size(), static_cast<size_t>(kMaxRockTypes));
  std::filesystem::remove_all(dir);
}

TEST(RockTypeFileTest, TextLinesCountLikeATextBox) {
  EXPECT_EQ(splitTextLines("a\nb\n"), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(splitTextLines("a\n\nb"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_TRUE(splitTextLines("").empty());
}

}  // namespace
