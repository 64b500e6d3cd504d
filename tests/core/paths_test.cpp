#include "platform/paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "io_code.h"
#include "platform/errors.h"
#include "platform/sjis_codec.h"
#include "scratch_dir.h"

namespace nanbaru {
namespace {

namespace fs = std::filesystem;

// Each test runs in a fresh folder of its own and returns to where it started.
class CurrentDirTest : public testing::Test {
 protected:
  void TearDown() override { fs::current_path(start_); }

  const Bytes start_ = CurrentDir();
  ScratchDir scratch_;
  const std::string root_ = scratch_.path();
};

TEST(PathsTest, TrailingSeparatorIsAddedOnce) {
  const Bytes sep(1, PathSeparator());
  EXPECT_EQ(WithTrailingSeparator("tmp"), "tmp" + sep);
  EXPECT_EQ(WithTrailingSeparator("tmp" + sep), "tmp" + sep);
  EXPECT_EQ(WithTrailingSeparator("/"), "/");
  EXPECT_EQ(WithTrailingSeparator(""), sep);
  // The last byte of 表 and ソ is 0x5C, the Windows separator, yet no separator ends them.
  EXPECT_EQ(WithTrailingSeparator(Sj("/表")), Sj("/表") + sep);
  EXPECT_EQ(WithTrailingSeparator(Sj("ソ")), Sj("ソ") + sep);
}

TEST(PathsTest, LastSeparatorSkipsTrailBytes) {
  EXPECT_EQ(LastSeparator(Sj("a/ソ")), 1u);
  EXPECT_EQ(LastSeparator(Sj("表ソ")), std::string::npos);
  EXPECT_EQ(LastSeparator(Sj("a/b/表")), 3u);
  EXPECT_EQ(LastSeparator("\x82/"), 1u);  // A lead byte before a non-trail byte stands alone.
}

TEST_F(CurrentDirTest, ChangesIntoJapaneseNamedFoldersAndReportsThemInShiftJis) {
  const Bytes folder = Sj(root_) + PathSeparator() + Sj("郵便番号表");
  ASSERT_TRUE(fs::create_directory(Utf8Path(SjisToUtf8(folder))));
  ChangeDir(folder);
  EXPECT_EQ(CurrentDir(), folder);
  EXPECT_EQ(ProbePath(folder), PathKind::kFolder);
  ChangeDir("..");
  EXPECT_EQ(CurrentDir(), Sj(root_));
}

TEST_F(CurrentDirTest, ChangeDirFailuresCarryFileCodes) {
  std::ofstream(root_ + "/file.txt") << "x";
  EXPECT_EQ(IoCodeOf([&] { ChangeDir(Sj(root_ + "/missing")); }), 2);
  EXPECT_EQ(IoCodeOf([&] { ChangeDir(Sj(root_ + "/missing/deeper")); }), 3);
  EXPECT_EQ(IoCodeOf([&] { ChangeDir(Sj(root_ + "/file.txt")); }), 3);
  EXPECT_EQ(IoCodeOf([&] { ChangeDir(Sj(root_) + "/\x82"); }), 3);
  EXPECT_EQ(CurrentDir(), start_);
}

TEST_F(CurrentDirTest, AFolderNameShiftJisCannotHoldIsRefused) {
  const fs::path folder = Utf8Path(root_ + "/한국");
  ASSERT_TRUE(fs::create_directory(folder));
  fs::current_path(folder);
  EXPECT_EQ(IoCodeOf([] { CurrentDir(); }), 3);
}

TEST_F(CurrentDirTest, ProbingTellsFilesFoldersAndMissingPaths) {
  const std::string file = scratch_.Write("file.txt", "x");
  EXPECT_EQ(ProbePath(Sj(file)), PathKind::kFile);
  EXPECT_EQ(ProbePath(Sj(root_)), PathKind::kFolder);
  EXPECT_EQ(ProbePath(Sj(root_ + "/none")), PathKind::kMissing);
  EXPECT_EQ(ProbePath(Sj(root_) + "/\x82"), PathKind::kMissing);
}

}  // namespace
}  // namespace nanbaru
