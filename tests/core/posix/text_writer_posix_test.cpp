#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "io_code.h"
#include "platform/errors.h"
#include "platform/sjis_codec.h"
#include "platform/text_writer.h"
#include "shared/file_bytes.h"
#include "shared/scratch_fs.h"
#include "text_writer_fixture.h"

namespace nanbaru {
namespace {

constexpr uid_t kNobody = 65534;

// Runs the file calls as an unprivileged user for its lifetime, so permission bits count.
class AsNobody {
 public:
  AsNobody() : active_(geteuid() == 0 && setegid(kNobody) == 0 && seteuid(kNobody) == 0) {}
  ~AsNobody() {
    // The user goes back first: only it may take the group back.
    if (active_ && (seteuid(0) != 0 || setegid(0) != 0)) std::abort();
  }
  bool active() const { return active_; }

 private:
  bool active_;
};

mode_t ModeOf(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// The writer tests' folder, open to the unprivileged user too.
class PosixTextWriterTest : public TextWriterTest {
 protected:
  void SetUp() override { chmod(dir_.c_str(), 0777); }
};

TEST_F(PosixTextWriterTest, AFullDeviceReportsDiskFullAtTheLatestOnClose) {
  const int code = IoCodeOf([] {
    TextWriter writer("/dev/full");
    writer.WriteLine("x");
    writer.Close();
  });
  EXPECT_EQ(code, io_code::kDiskFull);
}

TEST_F(PosixTextWriterTest, ALockedFolderRefusesTheCreate) {
  const std::string locked = dir_ + "/locked";
  ASSERT_EQ(mkdir(locked.c_str(), 0555), 0);
  AsNobody nobody;
  if (!nobody.active()) GTEST_SKIP() << "needs to switch to an unprivileged user";
  EXPECT_EQ(IoCodeOf([&] { TextWriter(Sj(locked + "/out.txt")); }), 5);
}

TEST_F(PosixTextWriterTest, SafeWriterKeepsPermissionsAndCreatesNewFilesAsUsual) {
  const std::string old_path = Put("private.txt", "x");
  ASSERT_EQ(chmod(old_path.c_str(), 0640), 0);
  SafeTextWriter writer(Sj(old_path));
  writer.Commit();
  EXPECT_EQ(ModeOf(old_path), 0640u);

  const std::string new_path = dir_ + "/" + "新規.txt";
  SafeTextWriter fresh(Sj(new_path));
  fresh.WriteLine("a");
  fresh.Commit();
  const mode_t mask = umask(0);
  umask(mask);
  EXPECT_EQ(ModeOf(new_path), 0666u & ~mask);
  EXPECT_EQ(FileBytes(new_path), "a\r\n");
}

TEST_F(PosixTextWriterTest, SafeWriterWritesThroughALink) {
  const std::string target = Put("target.txt", "old");
  const std::string link = dir_ + "/link.txt";
  ASSERT_EQ(symlink(target.c_str(), link.c_str()), 0);
  SafeTextWriter writer(Sj(link));
  writer.WriteLine("new");
  writer.Commit();
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(FileBytes(target), "new\r\n");
}

TEST_F(PosixTextWriterTest, SafeWriterRefusesReadOnlyFilesAndLockedFolders) {
  const std::string read_only = Put("read-only.txt", "old\r\n");
  ASSERT_EQ(chmod(read_only.c_str(), 0444), 0);
  const std::string locked = dir_ + "/locked";
  ASSERT_EQ(mkdir(locked.c_str(), 0555), 0);
  AsNobody nobody;
  if (!nobody.active()) GTEST_SKIP() << "needs to switch to an unprivileged user";
  EXPECT_EQ(IoCodeOf([&] { SafeTextWriter(Sj(read_only)); }), 5);
  EXPECT_EQ(FileBytes(read_only), "old\r\n");
  EXPECT_EQ(IoCodeOf([&] { SafeTextWriter(Sj(locked + "/out.txt")); }), 5);
  EXPECT_EQ(Leftovers(dir_), 0);
}

TEST_F(PosixTextWriterTest, SafeWriterRewritesAWritableFileInALockedFolderInPlace) {
  const std::string locked = dir_ + "/locked";
  ASSERT_EQ(mkdir(locked.c_str(), 0777), 0);
  const std::string path = locked + "/mine.txt";
  std::ofstream(path) << "old";
  ASSERT_EQ(chown(path.c_str(), kNobody, kNobody), 0);
  ASSERT_EQ(chmod(locked.c_str(), 0555), 0);
  AsNobody nobody;
  if (!nobody.active()) GTEST_SKIP() << "needs to switch to an unprivileged user";
  SafeTextWriter writer(Sj(path));
  writer.WriteLine("new");
  writer.Commit();
  EXPECT_EQ(FileBytes(path), "new\r\n");
}

// Refusals that bind root too: a file marked immutable and a file system mounted read-only.
TEST_F(PosixTextWriterTest, SafeWriterRefusedByTheFileSystemLeavesTheOldFile) {
  const std::string kept = Put("kept.txt", "old\r\n");
  const mode_t mode = ModeOf(kept);
  {
    test::Immutable immutable(kept);
    if (immutable.set()) {
      EXPECT_EQ(IoCodeOf([&] {
                  SafeTextWriter writer(Sj(kept));
                  writer.WriteLine("new");
                  writer.Commit();
                }),
                5);
      EXPECT_EQ(FileBytes(kept), "old\r\n");
      EXPECT_EQ(ModeOf(kept), mode);
      EXPECT_EQ(Leftovers(dir_), 0);
    }
  }
  const std::string small = dir_ + "/small";
  ASSERT_EQ(mkdir(small.c_str(), 0777), 0);
  test::ScratchMount mount(small, "size=64k");
  if (!mount.mounted()) GTEST_SKIP() << "cannot mount a small file system here";
  const std::string on_mount = Put("small/kept.txt", "old\r\n");
  if (!mount.SetReadOnly()) GTEST_SKIP() << "the small file system cannot be made read-only";
  EXPECT_EQ(IoCodeOf([&] { SafeTextWriter(Sj(on_mount)); }), 5);
  EXPECT_EQ(IoCodeOf([&] { SafeTextWriter(Sj(small + "/new.txt")); }), 5);
  EXPECT_EQ(FileBytes(on_mount), "old\r\n");
}

// A small file system of its own stands in for a full disk.
class FullDiskTest : public PosixTextWriterTest {
 protected:
  void SetUp() override {
    PosixTextWriterTest::SetUp();
    mount_ = dir_ + "/small";
    ASSERT_EQ(mkdir(mount_.c_str(), 0777), 0);
    mounted_ = mount("tmpfs", mount_.c_str(), "tmpfs", 0, "size=64k") == 0;
  }
  void TearDown() override {
    if (mounted_) umount(mount_.c_str());
    PosixTextWriterTest::TearDown();
  }

  std::string mount_;
  bool mounted_ = false;
};

TEST_F(FullDiskTest, AFailedSafeWriteLeavesTheOldFileAsItWas) {
  if (!mounted_) GTEST_SKIP() << "cannot mount a small file system here";
  const std::string path = mount_ + "/saved.txt";
  std::ofstream(path) << "old content\r\n";
  const int code = IoCodeOf([&] {
    SafeTextWriter writer(Sj(path));
    for (int i = 0; i < 10000; ++i) writer.WriteLine("a line that will not fit on the disk");
    writer.Commit();
  });
  EXPECT_EQ(code, io_code::kDiskFull);
  EXPECT_EQ(FileBytes(path), "old content\r\n");
  EXPECT_EQ(Leftovers(mount_), 0);
}

}  // namespace
}  // namespace nanbaru
