#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "io/FolderCopy.h"

namespace fs = std::filesystem;

namespace {

class FolderCopyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("veltra_copy_" + std::to_string(::getpid()) + "_" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "template/Veltra/Projects");
    fs::create_directories(dir_ / "template/Veltra/Histograms");
    put(dir_ / "template/Veltra/Projects/a.hor", "POPIS DAT\r\n");
    put(dir_ / "template/Veltra/Histograms/b.dis", std::string("x\0y", 3));
  }
  void TearDown() override {
    // Read-only folders of a test must not keep the cleaning out.
    std::error_code ec;
    for (const auto& e : fs::recursive_directory_iterator(dir_, ec))
      fs::permissions(e.path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(dir_);
  }

  static void put(const fs::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
  }
  static std::string bytesOf(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }
  std::string from() const { return (dir_ / "template/Veltra").string(); }
  std::string to() const { return (dir_ / "Documents/Veltra").string(); }
  // Names in the folder of the copy other than the copy itself (a left-over temporary folder).
  int strays() const {
    int n = 0;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(dir_ / "Documents", ec)) n += e.path().filename() != "Veltra";
    return n;
  }

  fs::path dir_;
};

TEST_F(FolderCopyTest, CopiesTheTemplateWholeAndTheCopyIsWritableThoughTheTemplateIsNot) {
  fs::permissions(dir_ / "template/Veltra/Projects/a.hor", fs::perms::owner_read | fs::perms::group_read);
  fs::permissions(dir_ / "template/Veltra/Projects", fs::perms::owner_read | fs::perms::owner_exec);
  std::string error;
  ASSERT_EQ(copyFolderIfMissing(from(), to(), &error), FolderCopy::Copied) << error;
  EXPECT_EQ(bytesOf(dir_ / "Documents/Veltra/Projects/a.hor"), "POPIS DAT\r\n");
  EXPECT_EQ(bytesOf(dir_ / "Documents/Veltra/Histograms/b.dis"), std::string("x\0y", 3));
  for (const char* p : {"Documents/Veltra", "Documents/Veltra/Projects", "Documents/Veltra/Projects/a.hor"})
    EXPECT_NE(fs::status(dir_ / p).permissions() & fs::perms::owner_write, fs::perms::none) << p;
  EXPECT_EQ(strays(), 0);
  EXPECT_EQ(bytesOf(dir_ / "template/Veltra/Projects/a.hor"), "POPIS DAT\r\n");
}

TEST_F(FolderCopyTest, AnythingAlreadyThereUnderTheNameIsLeftAsItIs) {
  fs::create_directories(dir_ / "Documents");
  put(dir_ / "Documents/Veltra", "mine");  // even a file of that name
  EXPECT_EQ(copyFolderIfMissing(from(), to()), FolderCopy::AlreadyThere);
  EXPECT_EQ(bytesOf(dir_ / "Documents/Veltra"), "mine");

  fs::remove(dir_ / "Documents/Veltra");
  fs::create_directories(dir_ / "Documents/Veltra/Projects");
  put(dir_ / "Documents/Veltra/Projects/a.hor", "changed");
  EXPECT_EQ(copyFolderIfMissing(from(), to()), FolderCopy::AlreadyThere);
  EXPECT_EQ(bytesOf(dir_ / "Documents/Veltra/Projects/a.hor"), "changed");
  EXPECT_FALSE(fs::exists(dir_ / "Documents/Veltra/Histograms"));
  EXPECT_EQ(strays(), 0);
}

TEST_F(FolderCopyTest, WithoutATemplateOrWhereNothingCanBeCreatedNothingIsLeftBehind) {
  EXPECT_EQ(copyFolderIfMissing((dir_ / "none").string(), to()), FolderCopy::NoSource);
  EXPECT_FALSE(fs::exists(dir_ / "Documents"));

  put(dir_ / "Documents", "a file where the documents folder should be");
  std::string error;
  EXPECT_EQ(copyFolderIfMissing(from(), to(), &error), FolderCopy::Failed);
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(bytesOf(dir_ / "Documents"), "a file where the documents folder should be");
  int left = 0;
  for (const auto& e : fs::directory_iterator(dir_))
    left += e.path().filename().string().find(".part-") != std::string::npos;
  EXPECT_EQ(left, 0);
}

}  // namespace
