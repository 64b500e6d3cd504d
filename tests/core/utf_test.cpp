#include "common/utf.h"

#include <gtest/gtest.h>

#include <string>

namespace nanbaru {
namespace {

std::u16string Lenient(std::string_view utf8) {
  std::u16string out;
  EXPECT_TRUE(Utf8ToUtf16(utf8, false, out));
  return out;
}

TEST(UtfTest, WellFormedTextRoundTrips) {
  const std::string text = "a\u00E9\u9E7F\U0001F600";
  EXPECT_EQ(Lenient(text), u"a\u00E9\u9E7F\U0001F600");
  EXPECT_EQ(Utf16ToUtf8(Lenient(text)), text);
}

TEST(UtfTest, EachIllFormedPieceIsOneReplacement) {
  EXPECT_EQ(Lenient("x\xFFy"), u"x\uFFFDy");
  EXPECT_EQ(Lenient("\xE9\xB9"), u"\uFFFD");                  // A cut-off character.
  EXPECT_EQ(Lenient("\xE9\xB9z"), u"\uFFFDz");                // Its next byte starts anew.
  EXPECT_EQ(Lenient("\xC0\xAF"), u"\uFFFD\uFFFD");            // Overlong: no piece is well begun.
  EXPECT_EQ(Lenient("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");  // An encoded surrogate.
  EXPECT_EQ(Lenient("\xF4\x90\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD");  // Past U+10FFFF.
  std::u16string out;
  EXPECT_FALSE(Utf8ToUtf16("ok\xE9\xB9", true, out));
}

TEST(UtfTest, UnpairedSurrogatesBecomeReplacements) {
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, u'\xD800') + u"a"),
            "\uFFFD"
            "a");
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, u'\xDC00')), "\uFFFD");
}

}  // namespace
}  // namespace nanbaru
