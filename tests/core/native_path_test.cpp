#include "common/native_path.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "common/errors.h"
#include "common/sjis_codec.h"
#include "io_code.h"
#include "scratch_dir.h"

namespace nanbaru {
namespace {

// Each test runs in a fresh folder of its own and returns to where it started.
class CurrentDirTest : public testing::Test {
 protected:
  void TearDown() override { std::filesystem::current_path(start_); }

  const std::filesystem::path start_ = std::filesystem::current_path();
  ScratchDir scratch_;
  const std::string root_ = scratch_.path();
};

TEST(NativePathTest, ConvertsShiftJisNamesToUtf8) {
  EXPECT_EQ(NativePath(Sj("/data/郵電話.txt")), "/data/郵電話.txt");
  EXPECT_EQ(NativePath(Sj("表")), "表");  // Trail byte 0x5C is no separator.
  EXPECT_EQ(NativePath(""), "");
}

TEST(NativePathTest, RefusesNamesThatDoNotConvertExactly) {
  auto code = [](const Bytes& path) { return IoCodeOf([&] { NativePath(path); }); };
  EXPECT_EQ(code("abc\x82"), 3);
  EXPECT_EQ(code("\x80.txt"), 3);
  EXPECT_EQ(code(std::string("a\0b", 3)), 3);  // Would name the file "a".
}

TEST(NativePathTest, FolderOfAName) {
  EXPECT_EQ(NativeFolderOf("/a/b/c.txt"), "/a/b");
  EXPECT_EQ(NativeFolderOf("/c.txt"), "/");
  EXPECT_EQ(NativeFolderOf("c.txt"), ".");
  EXPECT_EQ(NativeFolderOf("a/c.txt"), "a");
}

TEST(NativePathTest, TrailingSeparatorIsAddedOnce) {
  EXPECT_EQ(WithTrailingSeparator("/tmp"), "/tmp/");
  EXPECT_EQ(WithTrailingSeparator("/tmp/"), "/tmp/");
  EXPECT_EQ(WithTrailingSeparator("/"), "/");
  EXPECT_EQ(WithTrailingSeparator(Sj("/表")), Sj("/表") + "/");
}

TEST_F(CurrentDirTest, ChangesIntoJapaneseNamedFoldersAndReportsThemInShiftJis) {
  const std::string folder = root_ + "/郵便番号";
  ASSERT_EQ(mkdir(folder.c_str(), 0777), 0);
  ChangeDir(Sj(folder));
  EXPECT_EQ(CurrentDir(), Sj(folder));
  ChangeDir("..");
  EXPECT_EQ(CurrentDir(), Sj(root_));
}

TEST_F(CurrentDirTest, ChangeDirFailuresCarryFileCodes) {
  std::ofstream(root_ + "/file.txt") << "x";
  EXPECT_EQ(IoCodeOf([&] { ChangeDir(Sj(root_ + "/missing")); }), 2);
  EXPECT_EQ(IoCodeOf([&] { ChangeDir(Sj(root_ + "/missing/deeper")); }), 3);
  EXPECT_EQ(IoCodeOf([&] { ChangeDir(Sj(root_ + "/file.txt")); }), 3);
  EXPECT_EQ(IoCodeOf([&] { ChangeDir(Sj(root_) + "/\x82"); }), 3);
  EXPECT_EQ(CurrentDir(), Sj(start_.string()));
}

TEST_F(CurrentDirTest, AFolderNameShiftJisCannotHoldIsRefused) {
  const std::string folder = root_ + "/한국";
  ASSERT_EQ(mkdir(folder.c_str(), 0777), 0);
  ASSERT_EQ(chdir(folder.c_str()), 0);
  EXPECT_EQ(IoCodeOf([] { CurrentDir(); }), 3);
}

TEST_F(CurrentDirTest, ARemovedCurrentFolderIsAnError) {
  const std::string folder = root_ + "/gone";
  ASSERT_EQ(mkdir(folder.c_str(), 0777), 0);
  ASSERT_EQ(chdir(folder.c_str()), 0);
  ASSERT_EQ(rmdir(folder.c_str()), 0);
  EXPECT_THROW(CurrentDir(), InOutError);
}

}  // namespace
}  // namespace nanbaru
