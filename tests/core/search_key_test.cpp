#include "search/search_key.h"

#include <gtest/gtest.h>

#include "platform/sjis_codec.h"

namespace nanbaru {
namespace {

struct KeyCase {
  const char* query;  // UTF-8
  const char* key;    // UTF-8
  KeyKind kind;
};

TEST(SearchKey, KindsAndTerms) {
  const KeyCase cases[] = {
      {"3220061", ",\"3220061", KeyKind::kSevenDigit},
      {"322-0061", ",\"3220061", KeyKind::kSevenDigit},
      {"32200619", ",\"3220061", KeyKind::kSevenDigit},
      {"32201", ",\"32201\"", KeyKind::kFiveDigit},
      {"322006", ",\"32200\"", KeyKind::kFiveDigit},
      {"322", ",\"322\"", KeyKind::kThreeDigit},
      {"3220", ",\"322\"", KeyKind::kThreeDigit},
      {"322 鹿沼市", ",\"322\"", KeyKind::kThreeDigit},
      {"3220061 x", ",\"3220061", KeyKind::kSevenDigit},
      {"32", "32", KeyKind::kPlaceName},
      {"栃木県　鹿沼市", "栃木県\",\"鹿沼市", KeyKind::kPlaceName},
      {"栃木県 鹿沼市", "栃木県\",\"鹿沼市", KeyKind::kPlaceName},
      {" 栃木県 鹿沼市 ", "栃木県\",\"鹿沼市", KeyKind::kPlaceName},
      {"甲　乙　丙　丁 戊", "甲\",\"乙\",\"丙\",\"丁\",\"戊", KeyKind::kPlaceName},
      {"甲　乙　丙　丁　戊", "甲\",\"乙\",\"丙\",\"丁　戊", KeyKind::kPlaceName},
      {"a b c d e", "a\",\"b\",\"c\",\"d e", KeyKind::kPlaceName},
      // Leading and trailing spaces stay when there is no space between terms.
      {" 322", " 322", KeyKind::kPlaceName},
      {"322 ", ",\"322\"", KeyKind::kThreeDigit},
      {"-", "", KeyKind::kPlaceName},
      {"セン-タ-", "センタ-", KeyKind::kPlaceName},
      // With a space between terms the "-" stays, and a code still wins over the terms.
      {"a-b c", "a-b\",\"c", KeyKind::kPlaceName},
      {"322-0061 x", ",\"322\"", KeyKind::kThreeDigit},
  };
  for (const KeyCase& c : cases) {
    const PostalKey key = BuildPostalKey(Sj(c.query));
    EXPECT_EQ(key.text, Sj(c.key)) << c.query;
    EXPECT_EQ(key.kind, c.kind) << c.query;
  }
}

}  // namespace
}  // namespace nanbaru
