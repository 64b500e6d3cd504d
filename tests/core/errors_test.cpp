#include "common/errors.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "common/sjis_codec.h"
#include "scratch_dir.h"

namespace nanbaru {
namespace {

TEST(InOutMessageTest, KnownCodesHaveTheirFixedTexts) {
  // The messages are half-width katakana: one byte each in Shift-JIS.
  EXPECT_EQ(InOutMessage(2), Sj("ﾌｧｲﾙが見つかりません"));
  EXPECT_EQ(InOutMessage(2).substr(0, 4), "\xCC\xA7\xB2\xD9");
  EXPECT_EQ(InOutMessage(3), Sj("不正なﾌｧｲﾙ名です"));
  EXPECT_EQ(InOutMessage(4), Sj("ｵｰﾌﾟﾝしたﾌｧｲﾙが多すぎます"));
  EXPECT_EQ(InOutMessage(5), Sj("ﾌｧｲﾙへのｱｸｾｽが拒否されました"));
  EXPECT_EQ(InOutMessage(100), Sj("ﾌｧｲﾙの末尾以降を読み込みました"));
  EXPECT_EQ(InOutMessage(101), Sj("ﾃﾞｨｽｸがいっぱいです"));
  EXPECT_EQ(InOutMessage(106), Sj("入力値が数値ではありません"));
}

TEST(InOutMessageTest, OtherCodesShowTheirNumber) {
  EXPECT_EQ(InOutMessage(32), "I/O \xB4\xD7\xB0 (32)");
  EXPECT_EQ(InOutMessage(0), Sj("I/O ｴﾗｰ (0)"));
  EXPECT_EQ(InOutMessage(-1), Sj("I/O ｴﾗｰ (-1)"));
  EXPECT_EQ(InOutMessage(102), Sj("I/O ｴﾗｰ (102)"));
}

TEST(InOutErrorTest, CarriesCodeAndMessageAndReadsAsUtf8) {
  const InOutError error(io_code::kAccessDenied);
  EXPECT_EQ(error.code(), 5);
  EXPECT_EQ(error.message(), InOutMessage(5));
  EXPECT_STREQ(error.what(), "ﾌｧｲﾙへのｱｸｾｽが拒否されました");
  const AppError& base = error;
  EXPECT_STREQ(base.what(), "ﾌｧｲﾙへのｱｸｾｽが拒否されました");
}

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
