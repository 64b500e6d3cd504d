#include "search/postal_record.h"

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "platform/sjis_codec.h"

namespace nanbaru {
namespace {

Bytes Line(std::string_view old_code, std::string_view new_code, std::string_view pref,
           std::string_view city, std::string_view town) {
  return "09205,\"" + Bytes(old_code) + "\",\"" + Bytes(new_code) + "\"," + Sj("\"ﾄﾁｷﾞｹﾝ\",") +
         Sj("\"ｶﾇﾏｼ\",\"ｶﾐﾏﾁ\",\"") + Bytes(pref) + "\",\"" + Bytes(city) + "\",\"" + Bytes(town) +
         "\",0,0,0,0,0,0";
}

Bytes Formatted(std::string_view line) {
  return FormatPostalResult(ParsePostalLine(line));
}

TEST(PostalRecord, ParsesTheFieldsByPosition) {
  const PostalRecord record =
      ParsePostalLine(Line("322  ", "3220061", Sj("栃木県"), Sj("鹿沼市"), Sj("上町")));
  EXPECT_EQ(record.old_code, "322  ");
  EXPECT_EQ(record.new_code, "3220061");
  EXPECT_EQ(record.prefecture, Sj("栃木県"));
  EXPECT_EQ(record.city, Sj("鹿沼市"));
  EXPECT_EQ(record.town, Sj("上町"));
}

TEST(PostalRecord, FormatsAlignedColumns) {
  const Bytes three_digit = " 322     322-0061  " + Sj("栃木県   鹿沼市 上町");
  EXPECT_EQ(Formatted(Line("322  ", "3220061", Sj("栃木県"), Sj("鹿沼市"), Sj("上町"))),
            three_digit);
  EXPECT_EQ(Formatted(Line("322", "3220061", Sj("栃木県"), Sj("鹿沼市"), Sj("上町"))), three_digit);
  EXPECT_EQ(Formatted(Line("32201", "3220061", Sj("神奈川県"), Sj("鹿沼市"), Sj("上町"))),
            " 322-01  322-0061  " + Sj("神奈川県 鹿沼市 上町"));
  // The value decides the separator: 00123 is 123.
  EXPECT_EQ(Formatted(Line("00123", "0012345", "", "", "")), " 001 23  001-2345" + Bytes(12, ' '));
  EXPECT_EQ(Formatted(Line("01001", "12", Sj("和歌山県県"), "", "")),
            " 010-01  12-  " + Sj("和歌山県県") + "  ");
}

TEST(PostalRecord, QuotedCommasAndMissingTailDoNotShiftFields) {
  const Bytes line = "1,\"322\",\"3220061\",\"a,b\",\"c\",\"d\",\"P,Q\",\"C\",\"T,U\"";
  const PostalRecord record = ParsePostalLine(line);
  EXPECT_EQ(record.prefecture, "P,Q");
  EXPECT_EQ(record.city, "C");
  EXPECT_EQ(record.town, "T,U");
  EXPECT_EQ(Formatted(line), Formatted(line + ",0,0,0"));
}

TEST(PostalRecord, OtherLayoutsParseToWhatThePositionsGive) {
  EXPECT_EQ(ParsePostalLine("").old_code, "");
  const PostalRecord plain = ParsePostalLine("a,b,c,d");
  EXPECT_EQ(plain.old_code, "");
  EXPECT_EQ(plain.town, "");
  const PostalRecord short_line = ParsePostalLine("1,\"123\",\"4567890\"");
  EXPECT_EQ(short_line.old_code, "123");
  EXPECT_EQ(short_line.new_code, "4567890");
  EXPECT_EQ(short_line.prefecture, "");
}

TEST(PostalRecord, OldCodeThatIsNoWholeNumberFailsWithItsTrimmedText) {
  try {
    Formatted(Line("", "3220061", "", "", ""));
    FAIL() << "no error";
  } catch (const ConvertError& e) {
    EXPECT_EQ(e.message(), Sj("'' は整数ではありません"));
  }
  try {
    Formatted(Line(" 3x ", "3220061", "", "", ""));
    FAIL() << "no error";
  } catch (const ConvertError& e) {
    EXPECT_EQ(e.message(), Sj("'3x' は整数ではありません"));
  }
}

}  // namespace
}  // namespace nanbaru
