// Files as Windows shares and protects them: held open by another program, read-only,
// hidden.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "common/text_reader.h"
#include "io_code.h"
#include "platform/errors.h"
#include "platform/file_source.h"
#include "platform/native_name.h"
#include "platform/sjis_codec.h"
#include "platform/text_writer.h"
#include "platform/win32/windows_error.h"
#include "shared/file_bytes.h"
#include "text_writer_fixture.h"

namespace nanbaru {
namespace {

// Holds a file open the way an editor does that lets no one else in.
class HeldFile {
 public:
  explicit HeldFile(const std::string& path)
      : handle_(CreateFileW(Utf8Path(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~HeldFile() { CloseHandle(handle_); }
  bool held() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

using WindowsFilesTest = TextWriterTest;

TEST(WindowsErrorTest, CodesPassThroughButFullDisksAndBadFolderNames) {
  for (DWORD code : {2, 3, 4, 5, 32}) EXPECT_EQ(CodeFromWindowsError(code), int(code));
  EXPECT_EQ(CodeFromWindowsError(ERROR_DISK_FULL), 101);
  EXPECT_EQ(CodeFromWindowsError(ERROR_HANDLE_DISK_FULL), 101);
  EXPECT_EQ(CodeFromWindowsError(ERROR_DIRECTORY), 3);
  EXPECT_EQ(CodeFromWindowsError(ERROR_INVALID_NAME), 3);
}

// A name in a drive's root keeps the root's separator: without it the folder would be the
// drive's current folder, and a file staged there could not take the target's place.
TEST(WindowsNamesTest, FolderOfAName) {
  EXPECT_EQ(NativeFolderOf(L"C:\\a\\b.txt"), L"C:\\a");
  EXPECT_EQ(NativeFolderOf(L"C:\\b.txt"), L"C:\\");
  EXPECT_EQ(NativeFolderOf(L"a/b.txt"), L"a");
  EXPECT_EQ(NativeFolderOf(L"\\\\server\\share\\b.txt"), L"\\\\server\\share");
  EXPECT_EQ(NativeFolderOf(L"b.txt"), L".");
}

TEST_F(WindowsFilesTest, AFileHeldByAnotherProgramGivesCode32) {
  const std::string path = Put("held.txt", "old\r\n");
  HeldFile held(path);
  ASSERT_TRUE(held.held());
  EXPECT_EQ(IoCodeOf([&] { TextReader reader(OpenFileSource(Sj(path))); }), 32);
  EXPECT_EQ(InOutError(32).message(), Sj("I/O ｴﾗｰ (32)"));
  EXPECT_EQ(IoCodeOf([&] { TextWriter writer(Sj(path)); }), 32);
  EXPECT_NE(IoCodeOf([&] {
              SafeTextWriter writer(Sj(path));
              writer.WriteLine("new");
              writer.Commit();
            }),
            0);
  EXPECT_EQ(Leftovers(dir_), 0);
}

TEST_F(WindowsFilesTest, AReadOnlyFileIsRefusedAndKept) {
  const std::string path = Put("read-only.txt", "old\r\n");
  ASSERT_TRUE(SetFileAttributesW(Utf8Path(path).c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(IoCodeOf([&] { SafeTextWriter writer(Sj(path)); }), 5);
  EXPECT_EQ(FileBytes(path), "old\r\n");
  EXPECT_EQ(Leftovers(dir_), 0);
  SetFileAttributesW(Utf8Path(path).c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(WindowsFilesTest, SafeWriterKeepsAttributesAndJapaneseNames) {
  const std::string path = Put("隠し表.txt", "old\r\n");
  if (!SetFileAttributesW(Utf8Path(path).c_str(), FILE_ATTRIBUTE_HIDDEN)) {
    GTEST_SKIP() << "this file system keeps no hidden attribute";
  }
  SafeTextWriter writer(Sj(path));
  writer.WriteLine(Sj("表"));
  writer.Commit();
  EXPECT_EQ(FileBytes(path), Sj("表") + "\r\n");
  EXPECT_TRUE(GetFileAttributesW(Utf8Path(path).c_str()) & FILE_ATTRIBUTE_HIDDEN);
  EXPECT_EQ(Leftovers(dir_), 0);
}

}  // namespace
}  // namespace nanbaru
