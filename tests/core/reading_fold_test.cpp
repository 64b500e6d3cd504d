#include "search/reading_fold.h"

#include <gtest/gtest.h>

#include "platform/sjis_codec.h"

namespace nanbaru {
namespace {

// Every kana in code order against its form in the list's reading column, written out as the
// list writes readings: a slip in the table shifts every kana after it.
TEST(ReadingFold, EveryKanaTakesTheListsForm) {
  const char* const hiragana =
      "ぁあぃいぅうぇえぉおかがきぎくぐけげこごさざしじすずせぜそぞただちぢっつづてでとどなにぬね"
      "のはばぱひびぴふぶぷへべぺほぼぽまみむめもゃやゅゆょよらりるれろゎわゐゑをん";
  const char* const katakana =
      "ァアィイゥウェエォオカガキギクグケゲコゴサザシジスズセゼソゾタダチヂッツヅテデトドナニヌネ"
      "ノハバパヒビピフブプヘベペホボポマミムメモャヤュユョヨラリルレロヮワヰヱヲンヴヵヶ";
  const char* const forms =
      "ｱｱｲｲｳｳｴｴｵｵｶｶﾞｷｷﾞｸｸﾞｹｹﾞｺｺﾞｻｻﾞｼｼﾞｽｽﾞｾｾﾞｿｿﾞﾀﾀﾞﾁﾁﾞﾂﾂﾂﾞﾃﾃﾞﾄﾄﾞﾅﾆﾇﾈ"
      "ﾉﾊﾊﾞﾊﾟﾋﾋﾞﾋﾟﾌﾌﾞﾌﾟﾍﾍﾞﾍﾟﾎﾎﾞﾎﾟﾏﾐﾑﾒﾓﾔﾔﾕﾕﾖﾖﾗﾘﾙﾚﾛﾜﾜｲｴｦﾝ";
  EXPECT_EQ(FoldReading(Sj(hiragana)), Sj(forms));
  EXPECT_EQ(FoldReading(Sj(katakana)), Sj(forms) + Sj("ｳﾞｶｹ"));
}

TEST(ReadingFold, QueriesOfKanaAndTheirMarksOnly) {
  const std::pair<const char*, const char*> cases[] = {
      {"かぬま　しやくしょ", "ｶﾇﾏｼﾔｸｼﾖ"},
      {"ベネッセ コーポレーション", "ﾍﾞﾈﾂｾｺ-ﾎﾟﾚ-ｼﾖﾝ"},
      {"ｶﾌﾞｼｷｶﾞｲｼｬ", "ｶﾌﾞｼｷｶﾞｲｼﾔ"},  // half-width, small kana written full size
      {"ｺｰﾎﾟ-", "ｺ-ﾎﾟ-"},
      {"エス・ビー", "ｴｽ･ﾋﾞ-"},
      {"ー", ""},  // marks alone are no reading
      {"-・", ""},
      {"鹿沼", ""},
      {"かぬま市", ""},
      {"かぬま1", ""},
      {"ＪＲ", ""},
      {"", ""},
  };
  for (const auto& [query, folded] : cases) EXPECT_EQ(FoldReading(Sj(query)), Sj(folded)) << query;
}

TEST(ReadingFold, ColumnMatchLeavesOutSpacesAndReadsItsLongVowelAsHyphen) {
  struct Case {
    const char* column;
    const char* folded;
    bool found;
  };
  const Case cases[] = {
      {"ｶﾇﾏｼﾔｸｼﾖ ｱﾜﾉｼｼﾖ", "ｼﾖｱﾜ", true},
      {"ｶﾇﾏｼﾔｸｼﾖ ｱﾜﾉｼｼﾖ", "ｶﾇﾏｼﾔｸｼﾖｱﾜﾉｼｼﾖ", true},
      {"ｶ ﾇ ﾏ", "ｶﾇﾏ", true},
      {"ｶｶﾇ", "ｶﾇ", true},  // a false start does not hide the match after it
      {"ﾕｰｴﾌ", "ﾕ-ｴﾌ", true},
      {"ｶﾇﾏ", "ｶﾇﾏｼ", false},
      {"ｶﾇﾏ ", "ｶﾇﾏｼ", false},
      {"ｶﾞﾇﾏ", "ｶﾇﾏ", false},
      {"", "ｶ", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadingContains(Sj(c.column), Sj(c.folded)), c.found) << c.column << " " << c.folded;
  }
}

}  // namespace
}  // namespace nanbaru
