#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "persistence/SettingsFile.h"
#include "persistence/SettingsKeys.h"

namespace fs = std::filesystem;

namespace {

class SettingsFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("veltra_settings_" + std::to_string(::getpid()) + "_" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string path(const char* name = "Veltra.INI") const { return (dir_ / name).string(); }
  static std::string bytesOf(const std::string& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }
  static void put(const std::string& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
  }

  fs::path dir_;
};

TEST_F(SettingsFileTest, MissingFileGivesDefaultsAndTheFirstWriteCreatesIt) {
  SettingsFile f(path());
  EXPECT_FALSE(f.exists());
  EXPECT_EQ(f.readInteger("--  Setting  --", "DateSeparator", 46), 46);
  EXPECT_TRUE(f.readBool("--  Nastaveni  --", "Form1 Help-HTML", true));
  EXPECT_EQ(f.readString("--  Position  --", "ParamRozdel Form4.Eps", "1E-7"), "1E-7");
  EXPECT_FALSE(fs::exists(path()));  // reading never creates the file

  f.writeInteger("--  Position  --", "Pelmora-Form1.left", 12);
  f.writeBool("--  Nastaveni  --", "Form1 PlotCom", false);
  f.writeInteger("--  Position  --", "Pelmora-Form1.top", -3);
  EXPECT_TRUE(f.exists());
  EXPECT_EQ(bytesOf(path()),
            "[--  Position  --]\r\nPelmora-Form1.left=12\r\nPelmora-Form1.top=-3\r\n\r\n"
            "[--  Nastaveni  --]\r\nForm1 PlotCom=0\r\n");
}

TEST_F(SettingsFileTest, SectionsAndKeysMatchWithoutRegardToCaseCzechLettersIncluded) {
  SettingsFile f(path());
  f.writeInteger("--  Horniny  --", "Celkem druhů hornin", 3);
  f.writeBool("--  Setting  --", "Barevné zvýraznění Ano", true);
  EXPECT_EQ(f.readInteger("--  HORNINY  --", "CELKEM DRUHŮ HORNIN", 0), 3);
  EXPECT_TRUE(f.readBool("--  setting  --", "BAREVNÉ ZVÝRAZNĚNÍ ANO", false));
  // Writing under another spelling replaces the entry, keeping the first spelling.
  f.writeInteger("--  horniny  --", "celkem DRUHŮ hornin", 5);
  EXPECT_EQ(f.keyNames("--  Horniny  --"), std::vector<std::string>{"Celkem druhů hornin"});
  EXPECT_EQ(SettingsFile(path()).readInteger("--  Horniny  --", "Celkem druhů hornin", 0), 5);
}

TEST(SettingsFoldTest, FoldsEveryCzechCapitalToItsSmallLetter) {
  const char* upper = "ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ ABCXYZ ĽŁŚŹĄĘŐŰ";
  const char* lower = "áčďéěíňóřšťúůýž abcxyz ľłśźąęőű";
  EXPECT_EQ(foldSettingsName(upper), lower);
  EXPECT_EQ(foldSettingsName(lower), lower);
  EXPECT_EQ(foldSettingsName("×÷-- 1=€"), "×÷-- 1=€");  // no letters: unchanged
}

TEST_F(SettingsFileTest, FileIsWindows1250WithCrLfAndUtf8FilesAreReadToo) {
  {
    SettingsFile f(path());
    f.writeString("--  Horniny  --", "Hornina 1", "Jílovec šedý");
  }
  // "ů" is 0xF9, "í" 0xED, "š" 0x9A, "ý" 0xFD in Windows-1250.
  EXPECT_EQ(bytesOf(path()),
            "[--  Horniny  --]\r\nHornina 1=J\xEDlovec \x9A"
            "ed\xFD\r\n");

  put(path("utf8.ini"), "[--  Horniny  --]\nCelkem druhů hornin=1\nHornina 1=Pískovec\n");
  SettingsFile u(path("utf8.ini"));
  EXPECT_EQ(u.readInteger("--  Horniny  --", "Celkem druhů hornin", 0), 1);
  EXPECT_EQ(u.readString("--  Horniny  --", "Hornina 1", ""), "Pískovec");

  put(path("cp.ini"), "[--  Horniny  --]\r\nCelkem druh\xF9 hornin=2\r\nHornina 2=P\xEDskovec\r\n");
  SettingsFile c(path("cp.ini"));
  EXPECT_EQ(c.readInteger("--  HORNINY  --", "celkem druhů hornin", 0), 2);
  EXPECT_EQ(c.readString("--  Horniny  --", "hornina 2", ""), "Pískovec");
}

TEST_F(SettingsFileTest, ValuesThatAreNoIntegerReadAsTheDefault) {
  put(path(),
      "[s]\r\na=12\r\nb=  -7 \r\nc=abc\r\nd=12x\r\ne=\r\nf=99999999999999999999\r\ng=1\r\nh=0\r\n"
      "i=TRUE\r\nj=-1\r\nk=+4\r\nl=2.5\r\n");
  SettingsFile f(path());
  struct Case {
    const char* key;
    long long asInt;
    bool asBool;
  };
  const Case cases[] = {{"a", 12, true},  {"b", -7, true},  {"c", 99, false}, {"d", 99, false},
                        {"e", 99, false}, {"f", 99, false}, {"g", 1, true},   {"h", 0, false},
                        {"i", 99, false}, {"j", -1, true},  {"k", 4, true},   {"l", 99, false}};
  for (const auto& c : cases) {
    EXPECT_EQ(f.readInteger("s", c.key, 99), c.asInt) << c.key;
    EXPECT_EQ(f.readBool("s", c.key, false), c.asBool) << c.key;
  }
  EXPECT_DOUBLE_EQ(f.readFloat("s", "l", 0), 2.5);
  EXPECT_DOUBLE_EQ(f.readFloat("s", "c", 7.0), 7.0);
}

TEST_F(SettingsFileTest, WritesKeepOtherEntriesCommentsAndExactValues) {
  put(path(), "; kept comment\r\n[A]\r\nx=1\r\n  y = 2 \r\n[B]\r\nz= spaced value \r\n");
  SettingsFile f(path());
  EXPECT_EQ(f.readString("A", "y", ""), " 2 ");  // key trimmed, value kept as written
  f.writeInteger("A", "x", 10);
  f.writeString("C", "w", "  lead");
  f.writeFloat("B", "r", 0.1);
  EXPECT_EQ(bytesOf(path()),
            "; kept comment\r\n\r\n[A]\r\nx=10\r\ny= 2 \r\n\r\n[B]\r\nz= spaced value \r\nr=0.1\r\n\r\n"
            "[C]\r\nw=  lead\r\n");
  SettingsFile g(path());
  EXPECT_EQ(g.readString("C", "w", ""), "  lead");
  EXPECT_EQ(g.readFloat("B", "r", 0), 0.1);
}

TEST_F(SettingsFileTest, RepeatedKeysAndSectionsTheFirstWinsAndTheNextWriteCleansThem) {
  put(path(), "[S]\r\nk=1\r\nK=2\r\n[T]\r\nm=5\r\n[s]\r\nk=3\r\nn=4\r\n");
  SettingsFile f(path());
  EXPECT_EQ(f.readInteger("S", "k", 0), 1);
  EXPECT_EQ(f.readInteger("S", "n", 0), 4);  // a repeated section is merged into the first
  f.writeInteger("T", "m", 6);
  EXPECT_EQ(bytesOf(path()), "[S]\r\nk=1\r\nn=4\r\n\r\n[T]\r\nm=6\r\n");
}

TEST_F(SettingsFileTest, EveryWriteReachesTheDiskAtOnceAndOtherObjectsSeeIt) {
  SettingsFile a(path());
  SettingsFile b(path());
  a.writeInteger("--  Setting  --", "Color- ColorTab", 255);
  EXPECT_EQ(b.readInteger("--  Setting  --", "Color- ColorTab", 0), 255);
  b.writeInteger("--  Setting  --", "Color- ColorEdit", 128);
  a.writeInteger("--  Setting  --", "Color- ColorFS", 1);  // a must not lose b's entry
  SettingsFile c(path());
  EXPECT_EQ(c.readInteger("--  Setting  --", "Color- ColorEdit", 0), 128);
  EXPECT_EQ(c.readInteger("--  Setting  --", "Color- ColorTab", 0), 255);
  EXPECT_EQ(c.readInteger("--  Setting  --", "Color- ColorFS", 0), 1);
}

TEST_F(SettingsFileTest, UnreadableOrUnwritablePathsNeverDamageAnythingAndReadsGiveDefaults) {
  // A folder where the file should be: it cannot be read, so it is never replaced.
  fs::create_directories(path("Dir.INI"));
  SettingsFile d(path("Dir.INI"));
  EXPECT_TRUE(d.unreadable());
  EXPECT_EQ(d.readInteger("s", "k", 7), 7);
  d.writeInteger("s", "k", 8);
  EXPECT_FALSE(d.lastWriteOk());
  EXPECT_EQ(d.readInteger("s", "k", 7), 8);  // kept in memory for the run
  EXPECT_TRUE(fs::is_directory(path("Dir.INI")));

  // A parent that is a regular file: the write fails and is reported, nothing crashes.
  put(path("plain"), "x");
  SettingsFile p(path("plain") + "/Veltra.INI");
  p.writeInteger("s", "k", 1);
  EXPECT_FALSE(p.lastWriteOk());
  EXPECT_FALSE(p.lastError().empty());
  EXPECT_EQ(bytesOf(path("plain")), "x");
}

TEST_F(SettingsFileTest, AFileBesideAReadOnlyProgramFolderIsReadAndWritesGoToTheConfigurationFolder) {
  const std::string program = path("program"), config = path("config");
  fs::create_directories(program);
  fs::create_directories(config);
  put(program + "/Veltra.INI",
      "[--  Nastaveni  --]\r\nForm1 Jazyk - cestina=0\r\nForm1 Jazyk - anglictina=1\r\n");
  // The test may run with rights that ignore file modes: the folder's writability is given.
  auto readOnly = [&](const std::string& p) { return p.rfind(program, 0) != 0; };
  const SettingsLocation where = chooseSettingsLocation(program, config, readOnly);
  EXPECT_EQ(where.path, config + "/Veltra.INI");
  EXPECT_EQ(where.seedPath, program + "/Veltra.INI");
  SettingsFile f(where.path, where.seedPath);
  EXPECT_TRUE(f.readBool("--  Nastaveni  --", "Form1 Jazyk - anglictina", false));
  EXPECT_FALSE(f.readBool("--  Nastaveni  --", "Form1 Jazyk - cestina", true));
  EXPECT_FALSE(fs::exists(where.path));
  f.writeInteger("--  Setting  --", "DateSeparator", 47);
  ASSERT_TRUE(f.lastWriteOk()) << f.lastError();
  // The first write starts from the content beside the program; that file stays as it was.
  SettingsFile g(where.path, where.seedPath);
  EXPECT_TRUE(g.readBool("--  Nastaveni  --", "Form1 Jazyk - anglictina", false));
  EXPECT_EQ(g.readInteger("--  Setting  --", "DateSeparator", 46), 47);
  EXPECT_EQ(bytesOf(program + "/Veltra.INI"),
            "[--  Nastaveni  --]\r\nForm1 Jazyk - cestina=0\r\nForm1 Jazyk - anglictina=1\r\n");

  // A writable program folder keeps the file beside the program; none there and read-only: no seed.
  EXPECT_EQ(chooseSettingsLocation(program, config, [](const std::string&) { return true; }).path,
            program + "/Veltra.INI");
  fs::remove(program + "/Veltra.INI");
  EXPECT_EQ(chooseSettingsLocation(program, config, readOnly).seedPath, "");
}

TEST_F(SettingsFileTest, AFailedWriteIsToldOncePerRunAndUnencodableTextsAskFirst) {
  put(path("plain"), "x");
  SettingsFile p(path("plain") + "/Veltra.INI");
  std::vector<std::string> told;
  p.writeFailed = [&](const std::string& e) { told.push_back(e); };
  p.writeInteger("s", "a", 1);
  p.writeInteger("s", "b", 2);
  ASSERT_EQ(told.size(), 1u);
  EXPECT_NE(told[0].find("Veltra.INI"), std::string::npos);

  SettingsFile f(path());
  f.writeString("--  Horniny  --", "Hornina 1", "Pískovec");
  // No one to ask: the value is not written and the failure is told.
  std::string failure;
  f.writeFailed = [&](const std::string& e) { failure = e; };
  f.writeString("--  Horniny  --", "Hornina 1", "Granit α中");
  EXPECT_NE(failure.find("α中"), std::string::npos);
  EXPECT_EQ(SettingsFile(path()).readString("--  Horniny  --", "Hornina 1", ""), "Pískovec");
  // Asked: No keeps the stored value, Yes writes the letters as "?".
  std::vector<std::string> asked;
  bool answer = false;
  f.confirmUnencodable = [&](const std::string& key, const std::string& value, const std::string& letters) {
    asked.push_back(key + "|" + value + "|" + letters);
    return answer;
  };
  f.writeString("--  Horniny  --", "Hornina 1", "Granit α中");
  EXPECT_EQ(SettingsFile(path()).readString("--  Horniny  --", "Hornina 1", ""), "Pískovec");
  answer = true;
  f.writeString("--  Horniny  --", "Hornina 1", "Granit α中");
  EXPECT_EQ(SettingsFile(path()).readString("--  Horniny  --", "Hornina 1", ""), "Granit ??");
  EXPECT_EQ(asked, (std::vector<std::string>(2, "Hornina 1|Granit α中|α中")));
}

TEST_F(SettingsFileTest, LineBreaksInTextValuesCannotSplitTheEntry) {
  SettingsFile f(path());
  f.writeString("S", "k", "a\r\nb=c\n[x]");
  SettingsFile g(path());
  EXPECT_EQ(g.readString("S", "k", ""), "a  b=c [x]");
  EXPECT_TRUE(g.keyNames("x").empty());
}

TEST_F(SettingsFileTest, EveryKnownKeyIsDistinctAndSurvivesTheFileWithItsDefault) {
  std::set<std::string> seen;
  SettingsFile f(path());
  for (const auto& k : settings::kAllKeys) {
    EXPECT_TRUE(seen.insert(foldSettingsName(std::string(k.section) + "|" + std::string(k.key))).second)
        << k.key;
    if (k.type == settings::KeyType::Text)
      settings::writeText(f, k, k.textDefault);
    else
      settings::write(f, k, k.intDefault + 1);
  }
  SettingsFile g(path());
  for (const auto& k : settings::kAllKeys) {
    if (k.type == settings::KeyType::Text)
      EXPECT_EQ(settings::readText(g, k), k.textDefault) << k.key;
    else
      EXPECT_EQ(settings::readInteger(g, k), k.intDefault + 1) << k.key;
  }
  for (const auto& w : settings::kAllGeometries) {
    settings::writeGeometry(f, w, {1, 2, 300, 400});
    const auto r = settings::readGeometry(SettingsFile(path()), w);
    EXPECT_EQ(r.left + r.top + r.width + r.height, 703) << w.prefix;
  }
  const auto dflt = settings::readGeometry(SettingsFile(path("none.ini")), settings::kForm14Geometry, 1600);
  EXPECT_EQ(dflt.width, 1600);
  EXPECT_EQ(dflt.height, 600);
}

}  // namespace
