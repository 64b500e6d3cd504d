// The office search over the business-office list as published, held against the listing a
// reader would make by hand, and the inputs it must refuse.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/number.h"
#include "common/text_reader.h"
#include "fake_host.h"
#include "platform/file_source.h"
#include "platform/sjis_codec.h"
#include "postal_outcome.h"
#include "scratch_dir.h"
#include "search/dispatch.h"
#include "search/office_record.h"
#include "search/postal_search.h"
#include "search/reading_fold.h"
#include "shared_data.h"

namespace nanbaru {
namespace {

constexpr const char* kKanumaCityHall =
    " 322-8601  栃木県   鹿沼市 今宮町１６８８－１（鹿沼郵便局私書箱第４号）  鹿沼市役所  私書箱";
constexpr const char* kAwanoBranch =
    " 322-0393  栃木県   鹿沼市 口粟野８３９－２  鹿沼市役所　粟野支所";

FakeHost OfficeHost(const Bytes& path, std::string_view query, std::string_view pref = "") {
  FakeHost host;
  host.shared.DataFileName = path;
  host.shared.OfficeMode = true;
  host.query = Sj(query);
  host.pref = Sj(pref);
  return host;
}

std::vector<Bytes> SjLines(const std::vector<std::string>& utf8) {
  std::vector<Bytes> lines;
  for (const std::string& line : utf8) lines.push_back(Sj(line));
  return lines;
}

TEST(OfficeSearch, FindsOfficesByNameReadingCodeAndAddress) {
  struct Case {
    const char* query;
    const char* pref;
    std::vector<std::string> listed;
  };
  const std::string hall = kKanumaCityHall;
  const std::string awano = kAwanoBranch;
  const std::string ks = " 310-8282  茨城県   水戸市 城南二丁目７番５号  ";
  const std::string chuo = " 060-8612  北海道   札幌市中央区 南三条西１１丁目  札幌市中央区役所";
  const std::vector<Case> cases = {
      {"鹿沼市役所", "", {hall, awano}},
      {"かぬましやくしょ", "", {hall, awano}},
      {"カヌマシヤクショ", "", {hall, awano}},
      {"かぬましやくしょ　あわの", "", {awano}},  // across the reading's own space
      {"3228601", "", {hall}},
      {"322-8601", "", {hall}},
      {"３２２－８６０１", "栃木県", {hall}},
      {"鹿沼市 今宮町", "", {hall}},  // from the city's column into the town's
      {"3228601", "北海道", {}},
      // Several offices behind one code, and one office with several codes.
      {"3108282",
       "",
       {ks + "株式会社　関西ケーズデンキ", ks + "株式会社　九州ケーズデンキ",
        ks + "株式会社　ケーズキャリアスタッフ", ks + "株式会社　ケーズホールディングス",
        ks + "株式会社　テクニカルアーツ", ks + "ケーズグループユニオン連合会",
        ks + "ケーズホールディングスユニオン", ks + "テクニカルアーツユニオン"}},
      {"札幌市中央区役所",
       "",
       {chuo, " 060-8766  北海道   札幌市中央区 南三条西１１丁目  札幌市中央区役所"}},
  };
  for (const Case& c : cases) {
    FakeHost host = OfficeHost(kBusinessList, c.query, c.pref);
    RunOfficeSearch(host);
    std::vector<std::string> expected = c.listed;
    // A prefecture's lines stand together: once they have been passed, the search ends.
    if (!c.listed.empty() && *c.pref != '\0') {
      expected.insert(expected.end(),
                      {"  ", "  " + std::string(c.pref) + "のみの検索をしました。"});
    }
    expected.insert(expected.end(),
                    {"  ", "    検索終了 " + std::to_string(c.listed.size()) + "件です。"});
    EXPECT_EQ(host.results, SjLines(expected)) << c.query;
    EXPECT_EQ(host.status, Sj(" 検索を終わりました。"));
    EXPECT_FALSE(host.busy);
  }
}

// The listing by hand: every line holding the key, or the reading in its reading column, and
// the prefecture; a prefecture's lines stand together, so its closing line follows them unless
// they end the list.
std::vector<Bytes> ListedByHand(const Bytes& key, const Bytes& reading, const Bytes& pref) {
  std::vector<Bytes> listed;
  TextReader reader(OpenFileSource(kBusinessList));
  bool last_in_pref = false;
  while (!reader.AtEnd()) {
    const std::string_view line = reader.ReadLine();
    last_in_pref = Contains(line, pref);
    const bool found =
        Contains(line, key) || (!reading.empty() && ReadingContains(OfficeReading(line), reading));
    if (found && (pref.empty() || Contains(line, pref))) {
      listed.push_back(FormatOfficeResult(*ParseOfficeLine(line)));
    }
  }
  const std::size_t count = listed.size();
  if (!pref.empty() && !last_in_pref) {
    listed.insert(listed.end(), {"  ", "  " + pref + Sj("のみの検索をしました。")});
  }
  listed.insert(
      listed.end(),
      {"  ", Sj("    検索終了 ") + IntToStr(static_cast<std::int64_t>(count)) + Sj("件です。")});
  return listed;
}

// Lines without the key are passed over in bulk, with a reading they are read one by one; with
// and without a window's event turns, both list what the hand does.
TEST(OfficeSearch, ListsWhatTheHandListsOverTheWholeList) {
  const std::pair<const char*, const char*> cases[] = {
      {"鹿沼", ""},
      {"ｶﾇﾏ", ""},
      {"べねっせこーぽれーしょん", ""},
      {"やくしょ", "栃木県"},
      {"市役所", "栃木県"},
      {"ゆうちょぎんこう", "沖縄県"},
      {"郵便局私書箱", "鳥取県"},
  };
  for (const auto& [query, pref] : cases) {
    const std::vector<Bytes> expected = ListedByHand(Sj(query), FoldReading(Sj(query)), Sj(pref));
    ASSERT_GT(expected.size(), 3u) << query;
    for (const bool interleave : {false, true}) {
      FakeHost host = OfficeHost(kBusinessList, query, pref);
      host.interleave = interleave;
      RunOfficeSearch(host);
      EXPECT_EQ(host.results, expected) << query << " " << interleave;
    }
  }
}

// What must not be searched as the office list is refused before the pane is touched; a
// damaged line among the offices ends the search after what was listed before it.
TEST(OfficeSearch, RefusesOtherListsAndDamagedLinesWithAClearMessage) {
  ScratchDir dir;
  const Bytes hall =
      Sj("09205,\"ｶﾇﾏｼﾔｸｼﾖ\",\"鹿沼市役所\",\"栃木県\",\"鹿沼市\",\"今宮町\",\"１６８８－１\","
         "\"3228601\",\"322  \",\"鹿沼\",1,0,0");
  const Bytes twelve =
      Sj("09205,\"ｶﾇﾏ\",\"鹿沼の壊れた行\",\"栃木県\",\"鹿沼市\",\"\",\"\",\"3228602\",\"322  \","
         "\"鹿沼\",0,0");
  const Bytes six_digits =
      Sj("09205,\"ｶﾇﾏ\",\"鹿沼の短い番号\",\"栃木県\",\"鹿沼市\",\"\",\"\",\"322860\",\"322  \","
         "\"鹿沼\",0,0,0");
  const Bytes damaged = dir.Write("damaged.csv", hall + "\r\n" + twelve + "\r\n" + hall + "\r\n");
  const Bytes short_code = dir.Write("short.csv", hall + "\r\n" + six_digits + "\r\n");
  const Bytes utf8 = dir.Write("utf8.csv", SjisToUtf8(hall) + "\r\n");
  const Bytes area = dir.Write("area.txt", Sj("0289      鹿沼\r\n"));

  const Bytes listed_before =
      Sj(" 322-8601  栃木県   鹿沼市 今宮町１６８８－１  鹿沼市役所  私書箱");
  const Bytes damaged_line = Sj("事業所の郵便番号データに壊れた行があります：");
  const auto named = [](const Bytes& path, const char* why) { return Sj("「") + path + Sj(why); };
  const char* const not_office =
      "」は事業所の郵便番号データ（jigyosyo.zip など）の形をしていません";

  struct Case {
    const char* name;
    Bytes path;
    bool office_mode;
    Bytes error;
    std::vector<Bytes> results;
  };
  const std::vector<Case> cases = {
      {"national list in office mode",
       kNationalList,
       true,
       named(kNationalList,
             "」は全国の郵便番号データです。事業所の郵便番号検索には事業所の郵便番号データ"
             "（jigyosyo.zip など）を選び、地名や町域は郵便番号の検索で探して下さい"),
       {"earlier"}},
      {"office list in postal mode",
       kBusinessList,
       false,
       named(kBusinessList,
             "」は事業所の郵便番号データです。郵便番号の検索には全国の郵便番号データ"
             "（ken_all.zip など）を選び、事業所は事業所の郵便番号検索で探して下さい"),
       {"earlier"}},
      {"area-code file", area, true, named(area, not_office), {"earlier"}},
      {"UTF-8", utf8, true, named(utf8, not_office), {"earlier"}},
      // The line is named by its first 60 bytes.
      {"twelve fields", damaged, true, damaged_line + twelve.substr(0, 60), {listed_before}},
      {"six-digit code",
       short_code,
       true,
       damaged_line + six_digits.substr(0, 60),
       {listed_before}},
  };
  for (const Case& c : cases) {
    FakeHost host = OfficeHost(c.path, "鹿沼");
    host.shared.OfficeMode = c.office_mode;
    host.results = {"earlier"};
    const PostalOutcome outcome = RunPostalToOutcome(host);
    EXPECT_EQ(outcome.error, c.error) << c.name;
    EXPECT_EQ(outcome.results, c.results) << c.name;
    EXPECT_TRUE(host.history.empty()) << c.name;
  }
}

TEST(OfficeSearch, EnterInOfficeModeSearchesTheOfficeList) {
  FakeHost host = OfficeHost(kBusinessList, "かぬましやくしょ");
  host.new_code = "3228601";
  HandleQueryKey(host, kEnterKey);
  EXPECT_EQ(host.query, "3228601");
  EXPECT_EQ(host.results.front(), Sj(kKanumaCityHall));
}

}  // namespace
}  // namespace nanbaru
