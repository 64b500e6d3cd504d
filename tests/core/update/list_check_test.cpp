// The checks an untrusted download passes before it can replace the list: which addresses may
// be fetched at all, which lines are records, and how the changes are listed.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/download.h"
#include "platform/file_source.h"
#include "platform/sjis_codec.h"
#include "scratch_dir.h"
#include "search/postal_record.h"
#include "search/postal_scan.h"
#include "update/list_changes.h"
#include "update/list_text.h"

namespace nanbaru {
namespace {

TEST(DownloadAddress, PlainHttpGoesOnlyToThisMachine) {
  const std::vector<std::pair<std::string, bool>> cases = {
      {"https://www.post.japanpost.jp/service/search/zipcode/download/kogaki/zip/ken_all.zip",
       true},
      {"HTTPS://example.org/x.zip", true},
      {"http://127.0.0.1:8080/ken_all.zip", true},
      {"http://127.1.2.3/x", true},
      {"http://localhost/x", true},
      {"http://[::1]:80/x", true},
      {"http://user:pw@127.0.0.1/x", true},
      {"http://www.post.japanpost.jp/zipcode/dl/kogaki/zip/ken_all.zip", false},
      {"http://127.0.0.1.example.org/x", false},
      {"http://127.0.0.1@example.org/x", false},
      {"http://1270.0.0.1/x", false},
      {"http://127.0.0.256/x", false},
      {"http://10.0.0.1/x", false},
      {"http://[::2]/x", false},
      {"ftp://127.0.0.1/x", false},
      {"file:///etc/passwd", false},
      {"https://", false},
      {"", false},
  };
  for (const auto& [url, allowed] : cases) {
    bool passed = true;
    try {
      CheckDownloadAddress(url);
    } catch (const DownloadError& e) {
      passed = false;
      EXPECT_EQ(e.reason(), DownloadError::Reason::kRefused) << url;
    }
    EXPECT_EQ(passed, allowed) << url;
  }
}

TEST(RecordCheck, OnlyLinesOfTheListsLayoutAreRecords) {
  const std::string good =
      "01101,\"060  \",\"0600000\",\"ﾎｯｶｲﾄﾞｳ\",\"ｻｯﾎﾟﾛｼ\",\"ｲｶﾆｹｲｻｲｶﾞﾅｲﾊﾞｱｲ\",\"北海道\","
      "\"札幌市中央区\",\"以下に掲載がない場合\",0,0,0,0,0,0";
  const std::vector<std::pair<std::string, bool>> cases = {
      {good, true},
      {"01101,\"06012\",\"0600000\",\"\",\"\",\"\",\"\",\"\",\"\",1,0,1,0,2,6", true},
      {good + ",0", false},
      {good.substr(0, good.size() - 2), false},
      {"1101,\"060  \",\"0600000\",\"\",\"\",\"\",\"\",\"\",\"\",0,0,0,0,0,0", false},
      {"01101,\"060 1\",\"0600000\",\"\",\"\",\"\",\"\",\"\",\"\",0,0,0,0,0,0", false},
      {"01101,\"060  \",\"060000\",\"\",\"\",\"\",\"\",\"\",\"\",0,0,0,0,0,0", false},
      {"01101,\"060  \",\"0600000\",\"a\"b\",\"\",\"\",\"\",\"\",\"\",0,0,0,0,0,0", false},
      {"01101,\"060  \",\"0600000\",\"\",\"\",\"\",\"\",\"\",\"\",0,0,0,0,0,10", false},
      {"<!DOCTYPE html>", false},
      {"", false},
  };
  for (const auto& [utf8, record] : cases) {
    EXPECT_EQ(IsWellFormedRecord(Sj(utf8)), record) << utf8;
    EXPECT_EQ(IsWellFormedRecord(utf8), record) << utf8;
  }
}

// The lists are paired in step first, looking a few lines ahead; whatever the order, inserts
// beyond that reach and repeated lines, the changes are the difference of the two lists.
TEST(CompareLists, FindsTheDifferenceWhateverTheOrder) {
  struct Case {
    std::vector<std::string> before, after;
    std::vector<Bytes> added, removed;
  };
  std::vector<std::string> many;
  for (int i = 0; i < 12; ++i) many.push_back("n" + std::to_string(i));
  std::vector<std::string> with_many = {"a", "b"};
  with_many.insert(with_many.end(), many.begin(), many.end());
  with_many.push_back("c");
  const std::vector<Case> cases = {
      {{"a", "b", "c", "d", "e"}, {"a", "x", "c", "d2", "e", "f"}, {"x", "d2", "f"}, {"b", "d"}},
      {{"a", "b", "c", "d", "e"}, {"e", "d", "b", "a"}, {}, {"c"}},
      {{"a", "b", "c"}, with_many, {many.begin(), many.end()}, {}},
      {with_many, {"a", "b", "c"}, {}, {many.begin(), many.end()}},
      {{"a", "a", "b"}, {"a", "b", "b"}, {"b"}, {"a"}},
  };
  ScratchDir dir;
  const CancelFlag never;
  for (const Case& c : cases) {
    const auto joined = [](const std::vector<std::string>& lines) {
      std::string bytes;
      for (const std::string& line : lines) bytes += line + "\r\n";
      return bytes;
    };
    const auto after_reader = OpenTextFile(dir.Write("after.csv", joined(c.after)));
    const ListText after(*after_reader, never);
    const auto before = OpenTextFile(dir.Write("before.csv", joined(c.before)));
    const ListChanges changes = CompareLists(*before, after, never);
    EXPECT_EQ(changes.added, c.added) << joined(c.after);
    EXPECT_EQ(changes.removed, c.removed) << joined(c.after);
  }
}

TEST(ChangeLines, AtMostThePanesLimitThenTheCounts) {
  const ListChanges few{{"a", "b"}, {"c"}};
  EXPECT_EQ(ChangeLines(few), (std::vector<Bytes>{Sj("  追加された郵便番号　2件"), "a", "b",
                                                  Sj("  削除された郵便番号　1件"), "c", "  ",
                                                  Sj("    追加 2件、削除 1件です。")}));
  const ListChanges many{std::vector<Bytes>(kPostalResultLimit, "a"), {"c"}};
  const std::vector<Bytes> lines = ChangeLines(many);
  EXPECT_EQ(lines.size(), kPostalResultLimit + 5u);
  EXPECT_EQ(lines[lines.size() - 2], Sj("      表示は700件までです。"));
  EXPECT_EQ(lines.back(), Sj("    追加 700件、削除 1件です。"));
}

}  // namespace
}  // namespace nanbaru
