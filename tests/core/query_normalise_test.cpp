#include "search/query_normalise.h"

#include <gtest/gtest.h>

#include "fake_host.h"
#include "platform/sjis_codec.h"

namespace nanbaru {
namespace {

Bytes NormalisedPostal(const Bytes& query) {
  FakeHost host;
  host.query = query;
  NormalisePostalQuery(host);
  return host.query;
}

TEST(QueryNormalise, QueryWithoutListedCharactersIsLeftAlone) {
  FakeHost host;
  host.query = Sj("鹿沼市　ＡＢＣ");
  NormalisePostalQuery(host);
  EXPECT_EQ(host.query, Sj("鹿沼市　ＡＢＣ"));
  // The box is not rewritten, so the caret stays where the user left it.
  EXPECT_TRUE(host.calls.empty());
}

TEST(QueryNormalise, PostalConvertsDigitsDashesAndLongVowelUpToEightEach) {
  EXPECT_EQ(NormalisedPostal(Sj("３２２－００６１")), "322-0061");
  EXPECT_EQ(NormalisedPostal(Sj("１ab")), "1ab");
  EXPECT_EQ(NormalisedPostal(Sj("センター")), Sj("セン") +
                                                  "\x83\x5e"
                                                  "-");
  EXPECT_EQ(NormalisedPostal(Sj("－－－－－－－－－")), "--------" + Sj("－"));
  EXPECT_EQ(NormalisedPostal(Sj("０００００００００")), "00000000" + Sj("０"));
  // Full-width letters, spaces and other signs stay.
  EXPECT_EQ(NormalisedPostal(Sj("Ａ　＋")), Sj("Ａ　＋"));
}

TEST(QueryNormalise, AreaConvertsThreeOfEachDigitAndNoDashes) {
  FakeHost host;
  host.query = Sj("１１１１－");
  NormaliseAreaQuery(host);
  EXPECT_EQ(host.query, "111" + Sj("１－"));
}

TEST(QueryNormalise, ReplacementIsByteWiseAcrossCharacterBoundaries) {
  // "≠" (81 82) followed by "O" holds the bytes of "０" (82 4F) across the boundary.
  FakeHost host;
  host.query = "\x81\x82O";
  ReplaceFirstInQuery(host, Sj("０"), "0");
  EXPECT_EQ(host.query,
            "\x81"
            "0");
}

}  // namespace
}  // namespace nanbaru
