#include "common/number.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "platform/errors.h"
#include "platform/sjis_codec.h"

namespace nanbaru {
namespace {

TEST(StrToIntTest, ReadsDecimalAndHexadecimal) {
  EXPECT_EQ(StrToInt("0"), 0);
  EXPECT_EQ(StrToInt("322"), 322);
  EXPECT_EQ(StrToInt("00123"), 123);
  EXPECT_EQ(StrToInt("   42"), 42);
  EXPECT_EQ(StrToInt("+7"), 7);
  EXPECT_EQ(StrToInt("-7"), -7);
  EXPECT_EQ(StrToInt("$1F"), 31);
  EXPECT_EQ(StrToInt("$ff"), 255);
  EXPECT_EQ(StrToInt("  $0010"), 16);
}

TEST(StrToIntTest, AcceptsTheWholeSigned32BitRange) {
  EXPECT_EQ(StrToInt("2147483647"), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(StrToInt("-2147483648"), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(StrToInt("$7FFFFFFF"), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(StrToInt("000000000000002147483647"), std::numeric_limits<std::int32_t>::max());
}

TEST(StrToIntTest, RejectsEverythingElse) {
  for (const char* text : {"",
                           "   ",
                           "+",
                           "-",
                           "$",
                           "12 ",
                           "1 2",
                           "12a",
                           "a12",
                           "$G",
                           "0x10",
                           "\t5",
                           "- 5",
                           "-$10",
                           "+$10",
                           "$-1",
                           "1.0",
                           "2147483648",
                           "-2147483649",
                           "$80000000",
                           "$FFFFFFFF",
                           "99999999999999999999",
                           "１２"}) {
    EXPECT_THROW(StrToInt(Sj(text)), ConvertError) << text;
  }
}

TEST(StrToIntTest, TheErrorQuotesTheOriginalText) {
  auto message_for = [](std::string_view text) {
    try {
      StrToInt(text);
    } catch (const ConvertError& error) {
      return error.message();
    }
    return Bytes("no error");
  };
  EXPECT_EQ(message_for("  12x"), Sj("'  12x' は整数ではありません"));
  EXPECT_EQ(message_for(""), Sj("'' は整数ではありません"));
  const Bytes full_width = Sj("３２２");
  EXPECT_EQ(message_for(full_width), "'" + full_width + Sj("' は整数ではありません"));
}

TEST(IntToStrTest, WritesPlainDecimal) {
  EXPECT_EQ(IntToStr(0), "0");
  EXPECT_EQ(IntToStr(1234567), "1234567");
  EXPECT_EQ(IntToStr(-45), "-45");
  EXPECT_EQ(IntToStr(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
}

}  // namespace
}  // namespace nanbaru
