#include "platform/sjis_codec.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

namespace nanbaru {
namespace {

struct Pair {
  const char* sjis;
  char16_t unicode;
};

// Mappings that distinguish the Windows table from other Shift-JIS tables, and the ranges
// the data files use.
constexpr Pair kMappings[] = {
    {"\x81\x7C", u'\uFF0D'},                           // Full-width minus, not U+2212.
    {"\x81\x5B", u'\u30FC'},                           // Prolonged sound mark.
    {"\x81\x40", u'\u3000'},                           // Ideographic space.
    {"\x81\x60", u'\uFF5E'},                           // Full-width tilde, not U+301C.
    {"\x81\x5F", u'\uFF3C'},                           // Full-width reverse solidus.
    {"\x82\x4F", u'\uFF10'},                           // Full-width digit zero.
    {"\x93\x64", u'\u96FB'},                           // 電
    {"\xB1", u'\uFF71'},                               // Half-width katakana a.
    {"\xDF", u'\uFF9F'},                               // Half-width semi-voiced mark.
    {"\x5C", u'\\'},                                   // ASCII stays ASCII.
    {"\x7E", u'~'},          {"\x87\x40", u'\u2460'},  // NEC special characters: circled one.
    {"\xFA\x40", u'\u2170'},                           // IBM extension: small roman numeral one.
    {"\xFA\x5C", u'\u7E8A'},                           // IBM extension kanji.
};

TEST(SjisCodecTest, MapsTheWindowsTableBothWays) {
  for (const Pair& pair : kMappings) {
    EXPECT_EQ(SjisToUtf16(pair.sjis), std::u16string(1, pair.unicode)) << pair.sjis;
    EXPECT_EQ(Utf16ToSjis(std::u16string(1, pair.unicode)), pair.sjis) << pair.sjis;
  }
}

TEST(SjisCodecTest, EveryAsciiByteMapsToItself) {
  for (int b = 0; b < 0x80; ++b) {
    const std::string byte(1, static_cast<char>(b));
    EXPECT_EQ(SjisToUtf16(byte), std::u16string(1, static_cast<char16_t>(b))) << b;
    EXPECT_EQ(Utf16ToSjis(std::u16string(1, static_cast<char16_t>(b))), byte) << b;
  }
}

TEST(SjisCodecTest, NecSelectedDuplicatesReadAsTheirIbmTwins) {
  EXPECT_EQ(SjisToUtf16("\xED\x40"), u"\u7E8A");
  EXPECT_EQ(SjisToUtf16("\x87\x90"), u"\u2252");
  EXPECT_EQ(SjisToUtf16("\x81\xE0"), u"\u2252");
}

TEST(SjisCodecTest, EveryDecodedDoubleByteCharacterEncodesBackToItsCharacter) {
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    if (lead >= 0xA0 && lead < 0xE0) continue;
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      if (trail == 0x7F) continue;  // Never a trail byte.
      const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
      const std::u16string text = SjisToUtf16(bytes);
      ASSERT_EQ(text.size(), 1u) << lead << " " << trail;
      if (text[0] == u'\uFFFD') continue;
      EXPECT_EQ(SjisToUtf16(Utf16ToSjis(text)), text) << lead << " " << trail;
    }
  }
}

TEST(SjisCodecTest, InvalidBytesBecomeReplacementCharacters) {
  EXPECT_EQ(SjisToUtf16("a\x82"), u"a\uFFFD");  // Lead byte cut off at the end.
  EXPECT_EQ(SjisToUtf16("\x81\x20z"), u"\uFFFD z");
  EXPECT_EQ(SjisToUtf16("\x80\xA0\xFD\xFE\xFF"), u"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(SjisToUtf8("\x82\x5C"), "\xEF\xBF\xBD");  // Unassigned pair.
}

TEST(SjisCodecTest, RandomBytesNeverFailAndNeverGrow) {
  std::mt19937 random(7);
  for (int round = 0; round < 2000; ++round) {
    std::string bytes(random() % 40, '\0');
    for (char& c : bytes) c = static_cast<char>(random());
    const std::u16string text = SjisToUtf16(bytes);
    EXPECT_LE(text.size(), bytes.size());
    EXPECT_FALSE(SjisToUtf8(bytes).empty() && !bytes.empty());
  }
}

TEST(SjisCodecTest, PiecesJoinToTheWholeConversion) {
  // Double-byte characters, invalid bytes and a lead byte cut off at the end, cut into pieces
  // of every small size: a character across a cut converts whole.
  const Bytes text = Sj("ab郵便ﾃｽﾄ") + "\x80\x82\x5C" + Sj("①") + "\x82";
  for (std::size_t units = 1; units <= 4; ++units) {
    std::string joined;
    SjisToUtf8Pieces(
        text, [&](std::string_view piece) { joined += piece; }, units);
    EXPECT_EQ(joined, "ab郵便ﾃｽﾄ\uFFFD\uFFFD①\uFFFD") << units;
  }
}

TEST(SjisCodecTest, UnicodeWithoutShiftJisBecomesQuestionMarks) {
  EXPECT_EQ(Utf8ToSjis("a한b"), "a?b");
  EXPECT_EQ(Utf8ToSjis("😀"), "?");  // One mark for the whole surrogate pair.
  EXPECT_EQ(Utf16ToSjis(u"\uFFFD"), "?");
  EXPECT_EQ(Utf8ToSjis("x\xFFy"), "x?y");                     // Broken UTF-8.
  EXPECT_EQ(Utf16ToSjis(std::u16string(1, u'\xD800')), "?");  // Lone surrogate.
}

TEST(SjisCodecTest, InvisibleAndPlatformOnlyCharactersBecomeQuestionMarksToo) {
  // Zero-width space, byte order mark, variation selector, soft hyphen: never dropped.
  EXPECT_EQ(Utf8ToSjis("a\u200Bb\uFEFFc\uFE0Fd\u00ADe"), "a?b?c?d?e");
  // Code page 932 on Windows maps these to bytes that read back as U+FFFD, or to a second №.
  EXPECT_EQ(Utf16ToSjis(u"\u0080\uF8F0\uF8F3\uF86F"), "????");
  Bytes sjis;
  EXPECT_FALSE(Utf16ToSjisExact(u"\uF86F", sjis));
}

// Every conversion, folded into one number that must come out the same on every platform:
// each single byte and byte pair read, and each UTF-16 unit written leniently and exactly.
TEST(SjisCodecTest, TheWholeTableIsTheSameOnEveryPlatform) {
  std::uint64_t digest = 14695981039346656037u;
  auto fold = [&](std::uint64_t value) { digest = (digest ^ value) * 1099511628211u; };
  std::u16string text;
  for (int b = 0; b < 256; ++b) {
    for (int t = -1; t < 256; ++t) {
      std::string bytes(1, static_cast<char>(b));
      if (t >= 0) bytes += static_cast<char>(t);
      fold(SjisToUtf16Exact(bytes, text));
      for (const char16_t c : SjisToUtf16(bytes)) fold(c);
    }
  }
  Bytes exact;
  for (int c = 0; c < 0x10000; ++c) {
    const std::u16string unit(1, static_cast<char16_t>(c));
    fold(Utf16ToSjisExact(unit, exact));
    for (const char b : Utf16ToSjis(unit)) fold(static_cast<unsigned char>(b));
  }
  EXPECT_EQ(digest, 15833924021642540369u);
}

TEST(SjisCodecTest, LenientEncodingTakesBestFitsFromOtherSources) {
  EXPECT_EQ(Utf8ToSjis("\u2212"), "\x81\x7C");  // Minus sign.
  EXPECT_EQ(Utf8ToSjis("\u301C"), "\x81\x60");  // Wave dash.
  EXPECT_EQ(Utf8ToSjis("\u00A5"), "\x5C");      // Yen sign.
}

TEST(SjisCodecTest, FixedTextsAreShiftJisBytes) {
  EXPECT_EQ(Sj("検索"), "\x8C\x9F\x8D\xF5");
  EXPECT_EQ(Sj("ｴﾗｰ"), "\xB4\xD7\xB0");
  EXPECT_EQ(Sj(""), "");
  EXPECT_EQ(SjisToUtf8(Sj("栃木県　鹿沼市")), "栃木県　鹿沼市");
}

TEST(SjisCodecExactTest, ConvertsWhatMapsExactly) {
  std::string utf8;
  ASSERT_TRUE(SjisToUtf8Exact(Sj("郵電話.txt"), utf8));
  EXPECT_EQ(utf8, "郵電話.txt");
  Bytes sjis;
  ASSERT_TRUE(Utf8ToSjisExact("データ/表.csv", sjis));
  EXPECT_EQ(sjis, Sj("データ/表.csv"));
  ASSERT_TRUE(Utf8ToSjisExact("", sjis));
  EXPECT_EQ(sjis, "");
}

TEST(SjisCodecExactTest, FailsInsteadOfReplacing) {
  std::string utf8;
  EXPECT_FALSE(SjisToUtf8Exact("a\x82", utf8));
  EXPECT_FALSE(SjisToUtf8Exact("\x80", utf8));
  EXPECT_FALSE(SjisToUtf8Exact("\x82\x5C", utf8));
  Bytes sjis;
  EXPECT_FALSE(Utf8ToSjisExact("a한b", sjis));
  EXPECT_FALSE(Utf8ToSjisExact("\u2212", sjis));  // A best fit would name another file.
  EXPECT_FALSE(Utf8ToSjisExact("x\xFFy", sjis));
  EXPECT_FALSE(Utf8ToSjisExact("soft\u00ADhyphen", sjis));  // Must not be silently dropped.
  EXPECT_FALSE(Utf8ToSjisExact("zero\u200Bwidth", sjis));
}

}  // namespace
}  // namespace nanbaru
