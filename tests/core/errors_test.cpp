#include "platform/errors.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/sjis_codec.h"

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

}  // namespace
}  // namespace nanbaru
