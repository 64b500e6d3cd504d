#include "common/bytes.h"

#include <gtest/gtest.h>

#include "platform/sjis_codec.h"

namespace nanbaru {
namespace {

TEST(PosTest, FindsTheFirstOccurrenceOneBased) {
  EXPECT_EQ(Pos("b", "abcb"), 2);
  EXPECT_EQ(Pos("abcb", "abcb"), 1);
  EXPECT_EQ(Pos("cb", "abcb"), 3);
  EXPECT_EQ(Pos("x", "abcb"), 0);
  EXPECT_EQ(Pos("abcbb", "abcb"), 0);
}

TEST(PosTest, EmptyPatternOrTextFindsNothing) {
  EXPECT_EQ(Pos("", "abc"), 0);
  EXPECT_EQ(Pos("a", ""), 0);
  EXPECT_EQ(Pos("", ""), 0);
  EXPECT_FALSE(Contains("abc", ""));
  EXPECT_FALSE(Contains("", "a"));
}

TEST(PosTest, MatchesBytesAcrossCharacterBoundaries) {
  // "ア" is 83 41 and "ゃ" is 82 E1: "A" (0x41) is found inside the full-width character, and
  // 41 82 across two characters.
  const Bytes text = Sj("アゃ");
  EXPECT_EQ(Pos("A", text), 2);
  EXPECT_TRUE(Contains(text, "\x41\x82"));
  EXPECT_TRUE(Contains(Sj("東京都電気"), "\x93\x64"));
}

TEST(CopyTest, TakesPiecesWithoutReadingPastEitherEnd) {
  EXPECT_EQ(Copy("abcdef", 2, 3), "bcd");
  EXPECT_EQ(Copy("abcdef", 4, 100), "def");
  EXPECT_EQ(Copy("abcdef", 6, 1), "f");
  EXPECT_EQ(Copy("abcdef", 7, 1), "");
  EXPECT_EQ(Copy("abcdef", 100, 1), "");
  EXPECT_EQ(Copy("abcdef", 2, 0), "");
  EXPECT_EQ(Copy("abcdef", 2, -5), "");
  EXPECT_EQ(Copy("", 1, 1), "");
}

TEST(CopyTest, StartBeforeTheFirstByteCountsFromTheFirstByte) {
  EXPECT_EQ(Copy("abcdef", 0, 3), "abc");
  EXPECT_EQ(Copy("abcdef", -10, 2), "ab");
}

TEST(DeleteTest, RemovesAPiece) {
  Bytes text = "abcdef";
  Delete(text, 2, 2);
  EXPECT_EQ(text, "adef");
  Delete(text, 3, 100);
  EXPECT_EQ(text, "ad");
}

TEST(DeleteTest, OutOfRangeRequestsChangeNothing) {
  for (auto [start, length] : {std::pair{1, 0}, {1, -1}, {0, 2}, {-3, 5}, {4, 1}, {100, 1}}) {
    Bytes text = "abc";
    Delete(text, start, length);
    EXPECT_EQ(text, "abc") << "start " << start << " length " << length;
  }
}

TEST(InsertTest, InsertsBeforeThePositionAndAppendsPastTheEnd) {
  Bytes text = "abc";
  Insert("X", text, 2);
  EXPECT_EQ(text, "aXbc");
  Insert("Y", text, 1);
  EXPECT_EQ(text, "YaXbc");
  Insert("Z", text, 6);
  EXPECT_EQ(text, "YaXbcZ");
  Insert("W", text, 100);
  EXPECT_EQ(text, "YaXbcZW");
  Insert("V", text, 0);
  EXPECT_EQ(text, "VYaXbcZW");
  Bytes empty;
  Insert("abc", empty, 5);
  EXPECT_EQ(empty, "abc");
}

TEST(TrimTest, RemovesControlBytesAndSpacesFromBothEnds) {
  EXPECT_EQ(Trim(" \t\r\n abc d \x01\x1F "), "abc d");
  EXPECT_EQ(Trim(std::string_view("\0x\0", 3)), "x");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(Trim(""), "");
  EXPECT_EQ(Trim("\x21!\x7F"), "\x21!\x7F");
}

TEST(TrimTest, KeepsTheIdeographicSpaceAndHighBytes) {
  const Bytes ideographic = Sj("　栃木　");
  EXPECT_EQ(Trim(" " + ideographic + " "), ideographic);
  EXPECT_EQ(Trim("\xA0\xFF"), "\xA0\xFF");
}

}  // namespace
}  // namespace nanbaru
