// Reading what is no regular file or too large, and writing over protected files, links and odd names.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "creation/RawData.h"
#include "histogram/HistogramFile.h"
#include "io/AtomicFile.h"
#include "io/FileRead.h"
#include "persistence/AssessFile.h"
#include "shell/Messages.h"
#include "shell/Refusal.h"

namespace fs = std::filesystem;

namespace {

struct TempDir {
  fs::path path = fs::temp_directory_path() / ("veltra_io_" + std::to_string(::getpid()));
  TempDir() {
    fs::remove_all(path);
    fs::create_directories(path);
    fs::permissions(path, fs::perms::all);  // others too: the unprivileged cases work in it
  }
  ~TempDir() {
    std::error_code ec;
    for (const auto& e : fs::recursive_directory_iterator(path, ec))
      if (e.is_directory(ec) && !e.is_symlink(ec)) fs::permissions(e.path(), fs::perms::owner_all, ec);
    fs::remove_all(path, ec);
  }
  std::string operator/(const std::string& name) const { return (path / name).string(); }
};

void put(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

mode_t modeOf(const std::string& path) {
  struct stat st {};
  ::lstat(path.c_str(), &st);
  return st.st_mode;
}

// A sparse file of `size` bytes: nothing is written to the disk.
void sparse(const std::string& path, std::uint64_t size) {
  put(path, "");
  ASSERT_EQ(::truncate(path.c_str(), static_cast<off_t>(size)), 0);
}

void socketAt(const std::string& path) {
  const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(s, 0);
  sockaddr_un a{};
  a.sun_family = AF_UNIX;
  ASSERT_LT(path.size(), sizeof a.sun_path);
  std::copy(path.begin(), path.end(), a.sun_path);
  ASSERT_EQ(::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
  ::close(s);
}

const std::string kHistogram = "[Parameters]\r\nMin=0\r\nMax=4\r\nBins=2\r\nTotal=2\r\n[Bins]\r\n1\r\n1\r\n";

}  // namespace

// ------------------------------------------------------------------ reading

TEST(FileRead, WhatIsNoRegularFileIsRefusedAtOnceNamingWhatItIs) {
  TempDir dir;
  ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
  socketAt(dir / "socket");
  fs::create_directory(dir.path / "folder");
  fs::create_symlink(dir / "pipe", dir.path / "link-to-pipe");
  struct Object {
    std::string path;
    FileRefusal::Why why;
    const char* cs;
    const char* en;
  };
  const std::vector<Object> objects{
      {dir / "folder", FileRefusal::Why::Folder, "je složka", "is a folder"},
      {dir / "pipe", FileRefusal::Why::Pipe, "je pojmenovaná roura", "is a named pipe"},
      {dir / "link-to-pipe", FileRefusal::Why::Pipe, "je pojmenovaná roura", "is a named pipe"},
      {"/dev/zero", FileRefusal::Why::Device, "je zařízení", "is a device"},
      {dir / "socket", FileRefusal::Why::Socket, "je socket", "is a socket"},
  };
  // Every reader of the program, each giving its refusal text in a language.
  using Reader = std::function<std::string(const std::string&, Language)>;
  const std::vector<std::pair<const char*, Reader>> readers{
      {"histogram",
       [](const std::string& p, Language l) {
         Refusal e;
         EXPECT_FALSE(ReadHistogramFile(p, e));
         return e.text(l);
       }},
      {"raw data",
       [](const std::string& p, Language l) {
         Refusal e;
         EXPECT_FALSE(ReadRawDataFile(p, e));
         return e.text(l);
       }},
      {"project", [](const std::string& p, Language l) { return assessFile(p, "/", "1000", {}, l).text; }},
      {"results",
       [](const std::string& p, Language l) {
         // assessFile tells results files by their extension: read through a link so named.
         const std::string link = p + ".Vys";
         fs::create_symlink(p, link);
         std::string text = assessFile(link, "/", "1000", {}, l).text;
         fs::remove(link);
         return text;
       }},
      {"any file",
       [](const std::string& p, Language l) {
         std::string bytes = "old";
         const auto r = readWholeFile(p, FileKind::RockTypes, bytes);
         EXPECT_EQ(bytes, "old");
         return r ? fileNotRead(*r).text(l) : std::string();
       }},
  };
  for (const Object& o : objects)
    for (const auto& [reader, read] : readers) {
      if (std::string(reader) == "results" && o.path == "/dev/zero") continue;  // no link into /dev
      for (const auto& [l, word] : {std::pair{Language::Czech, o.cs}, std::pair{Language::English, o.en}}) {
        const std::string text = read(o.path, l);
        EXPECT_NE(text.find(o.path), std::string::npos) << reader << ", " << o.path << ": " << text;
        EXPECT_NE(text.find(word), std::string::npos) << reader << ", " << o.path << ": " << text;
      }
    }
  std::string bytes;
  EXPECT_EQ(readWholeFile(dir / "pipe", 0, bytes)->why, FileRefusal::Why::Pipe);
  EXPECT_TRUE(fs::is_fifo(dir.path / "pipe"));
}

TEST(FileRead, FilesAboveTheLimitOfTheirKindAreRefusedNamingFileAndLimit) {
  TempDir dir;
  struct Case {
    FileKind kind;
    std::uint64_t size;  // above the limit
    const char* limit;
  };
  for (const Case& c :
       {Case{FileKind::Histogram, 1000001, "1.0 MB"}, Case{FileKind::RockTypes, 1000001, "1.0 MB"},
        Case{FileKind::Settings, 4000001, "4.0 MB"}, Case{FileKind::Project, 8000001, "8.0 MB"},
        Case{FileKind::Results, 100000000000, "8.0 MB"}}) {
    const std::string path = dir / "big";
    sparse(path, c.size);
    std::string bytes;
    const auto r = readWholeFile(path, c.kind, bytes);
    ASSERT_TRUE(r) << c.limit;
    EXPECT_EQ(r->why, FileRefusal::Why::TooLarge);
    EXPECT_EQ(r->size, c.size);
    for (Language l : {Language::Czech, Language::English}) {
      EXPECT_NE(r->text(l).find(path), std::string::npos) << r->text(l);
      EXPECT_NE(r->text(l).find(c.limit), std::string::npos) << r->text(l);
    }
    // A file at the limit is read.
    sparse(path, fileSizeLimit(c.kind));
    EXPECT_FALSE(readWholeFile(path, c.kind, bytes).has_value()) << c.limit;
    EXPECT_EQ(bytes.size(), fileSizeLimit(c.kind));
  }
  // Through the readers of the program.
  sparse(dir / "big.dis", 2000000);
  Refusal he;
  EXPECT_FALSE(ReadHistogramFile(dir / "big.dis", he));
  EXPECT_NE(he.text(Language::English).find("at most 1.0 MB"), std::string::npos)
      << he.text(Language::English);
  sparse(dir / "big.Vys", 100000000000);
  const AssessedFile a = assessFile(dir / "big.Vys", "/", "1000", {}, Language::Czech);
  EXPECT_FALSE(a.ok);
  EXPECT_NE(a.text.find("nejvýše 8.0 MB"), std::string::npos) << a.text;
}

TEST(FileRead, RawDataStopsReadingAtItsLimits) {
  TempDir dir;
  struct Case {
    const char* name;
    std::function<void(const std::string&)> make;
    int message;
  };
  const std::vector<Case> cases{
      // 500001 values and far more behind them: refused once line 500001 is read.
      {"too many lines",
       [](const std::string& p) {
         std::string s;
         for (int i = 0; i < 500001; ++i) s += "1.5\n";
         put(p, s + std::string(8 << 20, '7'));
       },
       113},
      // A sparse file of zeros is one line too long to be a number.
      {"one endless line", [](const std::string& p) { sparse(p, 3000000000ull); }, 118},
  };
  for (const Case& c : cases) {
    const std::string path = dir / "raw.txt";
    c.make(path);
    Refusal e;
    std::int64_t read = 0, all = 0;
    EXPECT_FALSE(ReadRawDataFile(path, e, [&](std::int64_t d, std::int64_t a) { read = d, all = a; }))
        << c.name;
    EXPECT_EQ(e.message, c.message) << c.name;
    if (c.message == 113) {
      EXPECT_LT(read, all / 2) << "the rest of the file was read";
      EXPECT_NE(e.text(Language::Czech).find("> 500000 !"), std::string::npos) << e.text(Language::Czech);
      EXPECT_NE(e.text(Language::Czech).find(path), std::string::npos) << e.text(Language::Czech);
    }
    fs::remove(path);
  }
}

TEST(FileRead, RawDataReadInPiecesEqualsRawDataReadWhole) {
  TempDir dir;
  const std::string longLine(kMaxRawLineLength + 1, '1');
  const std::vector<std::string> files{
      "",
      "1\n2\n3\n",
      "1\r\n2\r\n3",
      "\xEF\xBB\xBF"
      "1\n2\n3\n",
      "\xEF\xBB"
      "1\n2\n3\n",
      "\xEF\xBB\xBF",
      "\xEF",
      "1,5\n\n-2e3\n4\n",
      "1\n2\nx\n4\n",
      "1\n2\n" + longLine + "\n",
      "1\n2\n3\n" + std::string(kMaxRawLineLength, ' ') + "4\n",
      std::string(kMaxRawLineLength, '9'),
  };
  for (const std::string& bytes : files) {
    Refusal whole, pieces;
    const auto expected = ReadRawValues(bytes, whole);
    put(dir / "raw.txt", bytes);
    for (std::size_t chunk :
         {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{7}, std::size_t{65536}}) {
      const auto got = ReadRawDataFile(dir / "raw.txt", pieces, {}, chunk);
      ASSERT_EQ(got.has_value(), expected.has_value()) << bytes.size() << " bytes, chunk " << chunk;
      if (got)
        EXPECT_EQ(*got, *expected) << chunk;
      else
        EXPECT_EQ(pieces.text(Language::English), whole.text(Language::English)) << chunk;
    }
  }
}

// ------------------------------------------------------------------ writing

namespace {

std::optional<WriteRefusal::Why> write(const std::string& path, const std::string& bytes) {
  WriteRefusal r;
  if (writeFileAtomically(path, bytes, &r)) return std::nullopt;
  return r.why;
}

}  // namespace

TEST(AtomicWrite, KeepsModesOwnersAndLinks) {
  TempDir dir;
  struct Case {
    const char* name;
    std::function<std::string(const TempDir&)> prepare;  // gives the path to write
    std::function<void(const TempDir&)> check;
  };
  const bool root = ::geteuid() == 0;
  const std::vector<Case> cases{
      {"a new file: 0666 less the umask", [](const TempDir& d) { return d / "new.dis"; },
       [](const TempDir& d) { EXPECT_EQ(modeOf(d / "new.dis") & 07777, 0640u); }},
      {"a private file stays private",
       [](const TempDir& d) {
         put(d / "private.dis", "old");
         fs::permissions(d.path / "private.dis", fs::perms::owner_read | fs::perms::owner_write);
         return d / "private.dis";
       },
       [](const TempDir& d) { EXPECT_EQ(modeOf(d / "private.dis") & 07777, 0600u); }},
      {"an executable stays executable",
       [](const TempDir& d) {
         put(d / "run.sh", "old");
         ::chmod((d / "run.sh").c_str(), 0754);
         return d / "run.sh";
       },
       [](const TempDir& d) { EXPECT_EQ(modeOf(d / "run.sh") & 07777, 0754u); }},
      {"owner and group kept where permitted",
       [root](const TempDir& d) {
         put(d / "theirs.dis", "old");
         if (root) {
           EXPECT_EQ(::chown((d / "theirs.dis").c_str(), 1234, 5678), 0);
         }
         return d / "theirs.dis";
       },
       [root](const TempDir& d) {
         struct stat st {};
         ::stat((d / "theirs.dis").c_str(), &st);
         if (root) {
           EXPECT_EQ(st.st_uid, 1234u);
         }
         if (root) {
           EXPECT_EQ(st.st_gid, 5678u);
         }
         if (!root) {
           EXPECT_EQ(st.st_uid, ::geteuid());
         }
       }},
      {"an absolute link: its target is written, the link stays",
       [](const TempDir& d) {
         put(d / "target.dis", "old");
         ::chmod((d / "target.dis").c_str(), 0604);
         fs::create_symlink(d / "target.dis", d.path / "link.dis");
         return d / "link.dis";
       },
       [](const TempDir& d) {
         EXPECT_TRUE(fs::is_symlink(d.path / "link.dis"));
         EXPECT_EQ(slurp(d / "target.dis"), "new");
         EXPECT_EQ(modeOf(d / "target.dis") & 07777, 0604u);
       }},
      {"a relative link into another folder, through a second link",
       [](const TempDir& d) {
         fs::create_directory(d.path / "store");
         put(d / "store/real.dis", "old");
         fs::create_symlink("store/real.dis", d.path / "first.dis");
         fs::create_symlink("first.dis", d.path / "second.dis");
         return d / "second.dis";
       },
       [](const TempDir& d) {
         EXPECT_TRUE(fs::is_symlink(d.path / "second.dis"));
         EXPECT_TRUE(fs::is_symlink(d.path / "first.dis"));
         EXPECT_EQ(slurp(d / "store/real.dis"), "new");
       }},
      {"a dangling link makes its target",
       [](const TempDir& d) {
         fs::create_symlink("made.dis", d.path / "dangling.dis");
         return d / "dangling.dis";
       },
       [](const TempDir& d) {
         EXPECT_TRUE(fs::is_symlink(d.path / "dangling.dis"));
         EXPECT_EQ(slurp(d / "made.dis"), "new");
       }},
      {"a name of 255 characters", [](const TempDir& d) { return d / (std::string(251, 'n') + ".dis"); },
       [](const TempDir& d) { EXPECT_EQ(slurp(d / (std::string(251, 'n') + ".dis")), "new"); }},
  };
  const mode_t umaskWas = ::umask(027);
  for (const Case& c : cases) {
    const std::string path = c.prepare(dir);
    ASSERT_EQ(write(path, "new"), std::nullopt) << c.name;
    EXPECT_EQ(slurp(path), "new") << c.name;
    c.check(dir);
  }
  ::umask(umaskWas);
  // No temporary file is left behind.
  for (const auto& e : fs::directory_iterator(dir.path))
    EXPECT_NE(e.path().filename().string().rfind(".vt", 0), 0u) << e.path();
}

TEST(AtomicWrite, RefusesWhatMayNotOrCannotBeWrittenAndSaysWhy) {
  TempDir dir;
  using Why = WriteRefusal::Why;
  struct Case {
    const char* name;
    std::function<std::string(const TempDir&)> prepare;
    Why why;
  };
  const std::vector<Case> cases{
      {"a read-only file",
       [](const TempDir& d) {
         put(d / "ro.dis", "old");
         ::chmod((d / "ro.dis").c_str(), 0444);
         return d / "ro.dis";
       },
       Why::ReadOnlyFile},
      {"a file in a read-only folder",
       [](const TempDir& d) {
         fs::create_directory(d.path / "locked");
         put(d / "locked/f.dis", "old");
         ::chmod((d / "locked").c_str(), 0555);
         return d / "locked/f.dis";
       },
       Why::FolderReadOnly},
      {"a new file in a read-only folder",
       [](const TempDir& d) {
         fs::create_directory(d.path / "locked2");
         ::chmod((d / "locked2").c_str(), 0555);
         return d / "locked2/new.dis";
       },
       Why::FolderReadOnly},
      {"a folder",
       [](const TempDir& d) {
         fs::create_directory(d.path / "sub.dis");
         return d / "sub.dis";
       },
       Why::IsFolder},
      {"a named pipe",
       [](const TempDir& d) {
         ::mkfifo((d / "pipe.dis").c_str(), 0600);
         return d / "pipe.dis";
       },
       Why::NotRegular},
      {"a device", [](const TempDir&) { return std::string("/dev/null"); }, Why::NotRegular},
      {"a missing folder", [](const TempDir& d) { return d / "no/such/folder/x.dis"; }, Why::FolderMissing},
      {"a file taken for a folder",
       [](const TempDir& d) {
         put(d / "plain", "old");
         return d / "plain/x.dis";
       },
       Why::NotAFolder},
      {"a name of 256 characters", [](const TempDir& d) { return d / (std::string(252, 'n') + ".dis"); },
       Why::NameTooLong},
      {"links in a loop",
       [](const TempDir& d) {
         fs::create_symlink("loop-b", d.path / "loop-a");
         fs::create_symlink("loop-a", d.path / "loop-b");
         return d / "loop-a";
       },
       Why::LinkLoop},
  };
  for (const Case& c : cases) {
    const std::string path = c.prepare(dir);
    const mode_t before = modeOf(path);
    std::error_code ec;
    const bool regular = fs::is_regular_file(path, ec);
    const std::string content = regular ? slurp(path) : std::string();
    WriteRefusal r;
    EXPECT_FALSE(writeFileAtomically(path, "new", &r)) << c.name;
    EXPECT_EQ(r.why, c.why) << c.name;
    EXPECT_EQ(modeOf(path), before) << c.name;
    if (regular) {
      EXPECT_EQ(slurp(path), content) << c.name;
    }
    for (Language l : {Language::Czech, Language::English}) EXPECT_FALSE(r.text(l).empty()) << c.name;
  }
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  // The reasons name what they are about.
  WriteRefusal r;
  writeFileAtomically(dir / "no/such/folder/x.dis", "new", &r);
  EXPECT_NE(r.text(Language::English).find(dir / "no/such/folder"), std::string::npos)
      << r.text(Language::English);
  writeFileAtomically(dir / "pipe.dis", "new", &r);
  EXPECT_EQ(r.text(Language::Czech), "Cíl není obyčejný soubor : je to pojmenovaná roura.");
  EXPECT_EQ(r.text(Language::English), "The target is not a regular file: it is a named pipe.");
  // The writers of the program put the reason after message 27 and the path.
  Refusal he;
  Histogram h;
  h.count = 1;
  h.min = h.max = 1;
  h.step = 1;
  h.total = 1;
  h.p[0] = 1;
  EXPECT_FALSE(WriteHistogramFile(dir / "ro.dis", h, he));
  EXPECT_EQ(he.text(Language::English),
            MessageText(27, Language::English) + dir / "ro.dis" + "\r\n\r\nThe file is read-only.");
}

TEST(AtomicWrite, AnUnprivilegedUserCannotReplaceProtectedFiles) {
  // As the superuser the cases run in a child that has become "nobody".
  TempDir dir;
  const uid_t nobody = 65534;
  const bool root = ::geteuid() == 0;
  using Why = WriteRefusal::Why;
  struct Case {
    const char* name;
    std::function<std::string(const TempDir&)> prepare;  // run as the caller
    std::optional<Why> why;
    mode_t modeAfter;
  };
  auto owned = [&](const std::string& p, mode_t mode) {
    if (root) {
      EXPECT_EQ(::chown(p.c_str(), nobody, nobody), 0);
    }
    ::chmod(p.c_str(), mode);
  };
  const std::vector<Case> cases{
      {"a read-only file of one's own",
       [&](const TempDir& d) {
         put(d / "mine-ro.dis", "old");
         owned(d / "mine-ro.dis", 0444);
         return d / "mine-ro.dis";
       },
       Why::ReadOnlyFile, 0444},
      {"a writable file in a folder one may not write",
       [&](const TempDir& d) {
         fs::create_directory(d.path / "theirs");
         put(d / "theirs/f.dis", "old");
         owned(d / "theirs/f.dis", 0666);
         ::chmod((d / "theirs").c_str(), root ? 0755 : 0555);
         return d / "theirs/f.dis";
       },
       Why::FolderReadOnly, 0666},
      {"a private file of one's own keeps its mode",
       [&](const TempDir& d) {
         fs::create_directory(d.path / "mine");
         owned(d / "mine", 0700);
         put(d / "mine/p.dis", "old");
         owned(d / "mine/p.dis", 0600);
         return d / "mine/p.dis";
       },
       std::nullopt, 0600},
  };
  if (root) {
    for (const Case& c : cases) {
      const std::string path = c.prepare(dir);
      const pid_t child = ::fork();
      ASSERT_GE(child, 0);
      if (child == 0) {
        if (::setgid(nobody) != 0 || ::setuid(nobody) != 0) ::_exit(100);
        WriteRefusal r;
        ::_exit(writeFileAtomically(path, "new", &r) ? 0 : 1 + static_cast<int>(r.why));
      }
      int status = 0;
      ASSERT_EQ(::waitpid(child, &status, 0), child);
      ASSERT_TRUE(WIFEXITED(status));
      EXPECT_EQ(WEXITSTATUS(status), c.why ? 1 + static_cast<int>(*c.why) : 0) << c.name;
      EXPECT_EQ(modeOf(path) & 07777, c.modeAfter) << c.name;
      EXPECT_EQ(slurp(path), c.why ? "old" : "new") << c.name;
    }
  } else {
    for (const Case& c : cases) {
      const std::string path = c.prepare(dir);
      EXPECT_EQ(write(path, "new"), c.why) << c.name;
      EXPECT_EQ(modeOf(path) & 07777, c.modeAfter) << c.name;
    }
  }
}
