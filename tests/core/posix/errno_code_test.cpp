#include "platform/posix/errno_code.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "platform/errors.h"
#include "platform/sjis_codec.h"
#include "scratch_dir.h"

namespace nanbaru {
namespace {

TEST(CodeFromErrnoTest, MapsPlatformErrorsToFileCodes) {
  EXPECT_EQ(CodeFromErrno(ENOENT), 2);
  EXPECT_EQ(CodeFromErrno(ENOTDIR), 3);
  EXPECT_EQ(CodeFromErrno(ENAMETOOLONG), 3);
  EXPECT_EQ(CodeFromErrno(EMFILE), 4);
  EXPECT_EQ(CodeFromErrno(ENFILE), 4);
  for (int e : {EACCES, EPERM, EROFS, EISDIR, ETXTBSY}) EXPECT_EQ(CodeFromErrno(e), 5) << e;
  for (int e : {ENOSPC, EDQUOT, EFBIG}) EXPECT_EQ(CodeFromErrno(e), 101) << e;
  EXPECT_EQ(CodeFromErrno(ELOOP), ELOOP);
  EXPECT_EQ(CodeFromErrno(EINVAL), EINVAL);
}

TEST(CodeFromErrnoTest, ErrorsNumberedLikeTableKeysShowAsTheirOwn) {
  // EIO is 5 on Linux: shown as "access denied" it would send the user the wrong way.
  for (int e : {EIO, ENETDOWN, ENETUNREACH}) {
    const int code = CodeFromErrno(e);
    EXPECT_EQ(InOutMessage(code), Sj("I/O ｴﾗｰ (") + std::to_string(code) + ")") << e;
  }
}

TEST(CodeFromErrnoTest, MissingFileAndMissingFolderDiffer) {
  ScratchDir dir;
  const std::string& base = dir.path();
  EXPECT_EQ(CodeFromErrno(ENOENT, (base + "/missing.txt").c_str()), 2);
  EXPECT_EQ(CodeFromErrno(ENOENT, (base + "/nofolder/missing.txt").c_str()), 3);
  EXPECT_EQ(CodeFromErrno(ENOENT, "bare-name-in-the-current-folder"), 2);
}

}  // namespace
}  // namespace nanbaru
