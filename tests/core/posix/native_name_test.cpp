#include "platform/native_name.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "io_code.h"
#include "platform/errors.h"
#include "platform/paths.h"
#include "platform/sjis_codec.h"
#include "scratch_dir.h"

namespace nanbaru {
namespace {

TEST(NativeNameTest, ConvertsShiftJisNamesToUtf8) {
  EXPECT_EQ(FileSystemName(Sj("/data/郵電話.txt")), "/data/郵電話.txt");
  EXPECT_EQ(FileSystemName(Sj("表")), "表");  // Trail byte 0x5C is no separator.
  EXPECT_EQ(FileSystemName(""), "");
}

TEST(NativeNameTest, RefusesNamesThatDoNotConvertExactly) {
  auto code = [](const Bytes& path) { return IoCodeOf([&] { FileSystemName(path); }); };
  EXPECT_EQ(code("abc\x82"), 3);
  EXPECT_EQ(code("\x80.txt"), 3);
  EXPECT_EQ(code(std::string("a\0b", 3)), 3);  // Would name the file "a".
}

TEST(NativeNameTest, FolderOfAName) {
  EXPECT_EQ(NativeFolderOf("/a/b/c.txt"), "/a/b");
  EXPECT_EQ(NativeFolderOf("/c.txt"), "/");
  EXPECT_EQ(NativeFolderOf("c.txt"), ".");
  EXPECT_EQ(NativeFolderOf("a/c.txt"), "a");
}

TEST(CurrentDirPosixTest, ARemovedCurrentFolderIsAnError) {
  const std::filesystem::path start = std::filesystem::current_path();
  ScratchDir scratch;
  const std::string folder = scratch.Path("gone");
  ASSERT_EQ(mkdir(folder.c_str(), 0777), 0);
  ASSERT_EQ(chdir(folder.c_str()), 0);
  ASSERT_EQ(rmdir(folder.c_str()), 0);
  EXPECT_THROW(CurrentDir(), InOutError);
  std::filesystem::current_path(start);
}

}  // namespace
}  // namespace nanbaru
