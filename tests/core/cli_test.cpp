// The headless command, run as a process: exit status, output modes and messages.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sjis_codec.h"
#include "scratch_dir.h"
#include "search_process.h"
#include "shared_data.h"

namespace nanbaru {
namespace {

TEST(Cli, DefaultFileAndUtf8Lines) {
  const Outcome run = RunSearchCommand({"postal", "322-0061"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, " 322     322-0061  栃木県   鹿沼市 千手町\n  \n    検索終了 1件です。\n");
  EXPECT_EQ(run.err, "");
}

TEST(Cli, SjisGivesThePaneBytes) {
  const Outcome run = RunSearchCommand(
      {"postal", "--sjis", "--file", kNationalList, "--pref", "栃木県", "--", "322-0061"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            Sj(" 322     322-0061  栃木県   鹿沼市 千手町\r\n  \r\n    検索終了 1件です。\r\n"));
}

TEST(Cli, JsonHoldsTheWindowState) {
  const Outcome run = RunSearchCommand(
      {"postal", "--json", "--file=" + kNationalList, "--old", "32201", "--new", "1", "鹿沼市"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(
      run.out,
      "{\"result_pane\":\" 322-01  322-0102  栃木県   鹿沼市 上大久保\\r\\n"
      " 322-01  322-0101  栃木県   鹿沼市 草久\\r\\n"
      " 322-01  322-0103  栃木県   鹿沼市 下大久保\\r\\n  \\r\\n    検索終了 3件です。\\r\\n\","
      "\"query_box\":\"32201\",\"new_code_box\":\"\",\"pref_box\":\"\","
      "\"count_label\":\"  3\",\"status\":\" 検索を終わりました。\",\"status_colour\":\"black\","
      "\"history\":[\"32201\"],\"search_text\":\",\\\"32201\\\"\",\"error\":null,"
      "\"chooser_opened\":false}\n");
}

TEST(Cli, EmptyQueryRunsNothing) {
  const Outcome run = RunSearchCommand({"postal", "--json", "--old", "32201"});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("\"status_colour\":null"), std::string::npos);
  EXPECT_NE(run.out.find("\"history\":[]"), std::string::npos);
  EXPECT_NE(run.err.find("no search ran"), std::string::npos);
}

TEST(Cli, MissingFileOrFolderPrintsGuidanceAndFails) {
  ScratchDir dir;
  for (const std::string& file : {dir.Path("none.csv"), dir.path(), std::string()}) {
    const Outcome run = RunSearchCommand({"postal", "--file", file, "鹿沼市"});
    EXPECT_EQ(run.status, 1) << file;
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')),
              "ファイルが見つかりません。読むファイルを設定します。");
    EXPECT_NE(run.err.find(file.empty() ? "no data file" : "cannot open the data file"),
              std::string::npos)
        << run.err;
  }
  const Outcome json = RunSearchCommand({"postal", "--json", "--file", dir.Path("none.csv"), "x"});
  EXPECT_NE(json.out.find("\"error\":null,\"chooser_opened\":true"), std::string::npos);
}

// Each list's command refuses the other list, saying which it is, and lists nothing.
TEST(Cli, EachListsCommandRefusesTheOtherList) {
  const std::pair<std::string, std::string> cases[] = {
      {"postal", kBusinessList + "」は事業所の郵便番号データです。"},
      {"office", kNationalList + "」は全国の郵便番号データです。"},
  };
  for (const auto& [command, refusal] : cases) {
    const Bytes& other = command == "postal" ? kBusinessList : kNationalList;
    const Outcome run = RunSearchCommand({command, "--json", "--file", other, "鹿沼市"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("\"result_pane\":\"\""), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"error\":\"「" + refusal), std::string::npos) << run.out;
    EXPECT_TRUE(run.err.starts_with("nanbaru-search: 「" + refusal)) << run.err;
  }
}

TEST(Cli, OfficeCommandSearchesTheBundledOfficeList) {
  const Outcome run = RunSearchCommand({"office", "鹿沼市役所"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.substr(0, run.out.find('\n')),
            " 322-8601  栃木県   鹿沼市 今宮町１６８８－１（鹿沼郵便局私書箱第４号）  鹿沼市役所  "
            "私書箱");
  EXPECT_NE(run.out.find("検索終了 2件です。"), std::string::npos);
  // The list as published, zipped, lists what it lists unpacked.
  for (const char* query : {"かぬましやくしょ", "3108282"}) {
    EXPECT_EQ(RunSearchCommand({"office", "--sjis", query}).out,
              RunSearchCommand({"office", "--sjis", "--file", kBusinessList, query}).out)
        << query;
  }
}

TEST(Cli, InvalidShiftJisInTheFileShowsAsReplacementCharacters) {
  ScratchDir dir;
  const std::string file =
      dir.Write("bad.csv", "1,\"32201\",\"3220102\",\"\",\"\",\"\",\"A\",\"B\",\"\x80\x82\"\r\n");
  const Outcome run = RunSearchCommand({"postal", "--file", file, "B"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.substr(0, run.out.find('\n')),
            " 322-01  322-0102  A        B \xef\xbf\xbd\xef\xbf\xbd");
}

TEST(Cli, BadUsage) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"lookup"},
      {"postal", "--bogus"},
      {"postal", "--file"},
      {"postal", "a", "b"},
      {"postal", "--sjis", "--json", "a"},
      {"postal", "\xff"},
      {"postal", "😀"},
  };
  for (const std::vector<std::string>& args : cases) {
    const Outcome run = RunSearchCommand(args);
    EXPECT_EQ(run.status, 2) << (args.empty() ? "" : args.back());
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("usage:"), std::string::npos);
  }
  const Outcome help = RunSearchCommand({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("nanbaru-search postal"), std::string::npos);
  EXPECT_NE(help.out.find("nanbaru-search office"), std::string::npos);
  EXPECT_EQ(RunSearchCommand({"--version"}).out, "nanbaru-search " NANBARU_VERSION "\n");
}

}  // namespace
}  // namespace nanbaru
