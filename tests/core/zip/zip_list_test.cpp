// The national list read as published: zip archives (made here with libzip, or with zip for
// the zip64 layout), the UTF-8 edition, and the damaged inputs a download can bring.

#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <vector>

#include "fake_host.h"
#include "platform/file_source.h"
#include "platform/sjis_codec.h"
#include "platform/zip_archive.h"
#include "postal_outcome.h"
#include "scratch_dir.h"
#include "search/postal_list.h"
#include "search_process.h"
#include "shared/file_bytes.h"
#include "shared_data.h"
#include "test_platform.h"
#include "zip/write_zip.h"

namespace nanbaru {
namespace {

// A list line in the published layout; `town` is UTF-8 and written in `utf8` or Shift-JIS.
std::string ListLine(int n, std::string_view town, bool utf8 = false) {
  const std::string code = std::to_string(1000000 + n);
  const std::string text = std::string("13101,\"100  \",\"") + code +
                           "\",\"ﾄｳｷｮｳﾄ\",\"ﾁﾖﾀﾞｸ\",\"ﾁﾖﾀﾞ\",\"東京都\",\"千代田区\",\"" +
                           std::string(town) + "\",0,0,0,0,0,0\r\n";
  return utf8 ? text : Sj(text);
}

// Lines 0 to count-1, every one holding 町 in its town.
std::string SampleList(int count, bool utf8 = false) {
  std::string list;
  for (int n = 0; n < count; ++n) list += ListLine(n, "本町" + std::to_string(n), utf8);
  return list;
}

// A postal search of `path` after an earlier one left a line in the result pane.
PostalOutcome Search(const std::string& path, std::string_view query = "本町") {
  FakeHost host;
  host.shared.DataFileName = path;
  host.query = Sj(query);
  host.results = {"earlier"};
  return RunPostalToOutcome(host);
}

// The directory as stored: a name in Shift-JIS is not taken for CP437, and sizes, dates and
// encryption are the member's own. A member's source goes on reading after the archive object
// has gone.
TEST(ZipArchive, ListsMembersAsStored) {
  ScratchDir dir;
  const std::time_t noon = 1580644800;  // 2020-02-02, an even second as the format keeps them
  const std::string deflated(1000, 'x');
  const std::vector<Member> members = {
      {Sj("郵便/表.csv"), "abc", true, false, noon},
      {"big.txt", deflated},
      {"secret.csv", "secret", false, true},
  };
  const std::string path = WriteZip(dir, "a.zip", members);
  std::unique_ptr<ByteSource> source;
  {
    const std::unique_ptr<ZipArchive> archive = OpenZipArchive(Sj(path));
    const std::vector<ZipMember>& listed = archive->Members();
    ASSERT_EQ(listed.size(), members.size());
    for (std::size_t i = 0; i < members.size(); ++i) {
      EXPECT_EQ(listed[i].name, members[i].name) << i;
      EXPECT_EQ(listed[i].encrypted, members[i].encrypted) << i;
      EXPECT_EQ(listed[i].size, members[i].data.size()) << i;
      ASSERT_TRUE(listed[i].modified.has_value()) << i;
    }
    EXPECT_EQ(listed[0].packed_size, 3u);
    EXPECT_LT(listed[1].packed_size, deflated.size());
    EXPECT_EQ(*listed[0].modified, noon);
    EXPECT_NEAR(std::difftime(*listed[1].modified, std::time(nullptr)), 0, 3600);
    source = archive->OpenMember(1);
  }
  std::string read;
  char block[256];
  while (const std::size_t got = source->Read(block, sizeof block)) read.append(block, got);
  source->Close();
  EXPECT_EQ(read, deflated);
}

TEST(ZipList, ArchivesListLikeTheirPlainFile) {
  ScratchDir dir;
  const std::string list = SampleList(50);
  const PostalOutcome plain = Search(dir.Write("plain.csv", list));
  ASSERT_EQ(plain.results.size(), 52u);
  EXPECT_FALSE(plain.error);

  dir.Write("KEN_ALL.CSV", list);
  // Told by content, not by name; the list's member is chosen by its name in any case, in
  // any folder, else as the only .csv member.
  std::vector<std::string> archives = {
      WriteZip(dir, "a.zip", {{"KEN_ALL.CSV", list}}),
      WriteZip(dir, "named.csv", {{"readme.txt", "x"}, {"ken_all.csv", list, true}}),
      WriteZip(dir, "b.zip", {{"other.csv", "x"}, {"data/Utf_Ken_All.CSV", list}}),
      WriteZip(dir, "c.zip", {{"dir/", ""}, {"x.txt", "x"}, {"list.CSV", list}}),
  };
  if (WriteZip64(dir.path(), "KEN_ALL.CSV", "zip64.zip")) archives.push_back(dir.Path("zip64.zip"));
  for (const std::string& archive : archives) {
    const PostalOutcome zipped = Search(archive);
    EXPECT_FALSE(zipped.error) << archive;
    EXPECT_EQ(zipped.results, plain.results) << archive;
  }
}

TEST(ZipList, BadInputEndsWithAClearMessage) {
  ScratchDir dir;
  const std::string list = SampleList(20);
  const std::string good = WriteZip(dir, "good.zip", {{"KEN_ALL.CSV", SampleList(4000)}});
  std::string bytes = FileBytes(good);
  const std::string truncated = dir.Write("truncated.zip", bytes.substr(0, bytes.size() / 2));
  // A stored member, longer than the first read, with a byte changed in its last line: the
  // lines are listed as read, then the CRC at the member's end disagrees.
  std::string crc = FileBytes(WriteZip(dir, "crc.zip", {{"KEN_ALL.CSV", SampleList(4000), true}}));
  crc[crc.find("0\r\n", crc.find(Sj("本町3999")))] = '1';
  const std::string utf8 = ListLine(1, "本町399", true) + ListLine(2, "本町3990", true) +
                           ListLine(3, "本町3991\xFF", true) + ListLine(4, "本町3992", true);

  struct Case {
    std::string name;
    std::string path;
    std::string error;
    std::size_t results;  // lines in the result pane afterwards
  };
  const std::vector<Case> cases = {
      {"no csv", WriteZip(dir, "none.zip", {{"KEN_ALL.TXT", list}}),
       "ZIPファイルに郵便番号データ（CSVファイル）がありません", 1},
      {"empty", dir.Write("empty.zip", std::string("PK\x05\x06", 4) + std::string(18, '\0')),
       "ZIPファイルに郵便番号データ（CSVファイル）がありません", 1},
      {"several", WriteZip(dir, "two.zip", {{"a.csv", list}, {"b.csv", list}}),
       "ZIPファイルにCSVファイルが複数あり、どれが郵便番号データか分かりません", 1},
      {"encrypted", WriteZip(dir, "secret.zip", {{"KEN_ALL.CSV", list, false, true}}),
       "ZIPファイルの郵便番号データが暗号化されていて読めません", 1},
      {"corrupt", dir.Write("corrupt.zip", "PK\x03\x04 this is not an archive"),
       "ZIPファイルが壊れています（Not a zip archive）", 1},
      {"truncated", truncated, "ZIPファイルが壊れています（Not a zip archive）", 1},
      {"crc", dir.Write("crc.zip", crc), "ZIPファイルが壊れています（CRC error）", 11},
      {"invalid utf-8", dir.Write("utf8.csv", utf8), "UTF-8の郵便番号データに壊れた文字があります",
       2},
  };
  for (const Case& c : cases) {
    const PostalOutcome searched = Search(c.path, "本町399");
    EXPECT_EQ(searched.error, Sj(c.error)) << c.name;
    EXPECT_EQ(searched.results.size(), c.results) << c.name;
  }

  const Outcome command = RunSearchCommand({"postal", "--file", dir.Path("two.zip"), "本町"});
  EXPECT_EQ(command.status, 1);
  EXPECT_NE(command.err.find("CSVファイルが複数あり"), std::string::npos) << command.err;
}

// Each list takes its own member from an archive holding both, and names itself when the
// archive fails it.
TEST(ZipList, OfficeListIsItsOwnMember) {
  ScratchDir dir;
  const std::string office =
      Sj("09205,\"ｶﾇﾏｼﾔｸｼﾖ\",\"鹿沼市役所\",\"栃木県\",\"鹿沼市\",\"今宮町\",\"１\","
         "\"3228601\",\"322  \",\"鹿沼\",1,0,0\r\n");
  const std::string both =
      WriteZip(dir, "both.zip", {{"KEN_ALL.CSV", SampleList(3)}, {"data/Jigyosyo.csv", office}});
  FakeHost host;
  host.shared.DataFileName = both;
  host.shared.OfficeMode = true;
  host.query = Sj("かぬま");
  EXPECT_EQ(RunPostalToOutcome(host).results.front(),
            Sj(" 322-8601  栃木県   鹿沼市 今宮町１  鹿沼市役所  私書箱"));
  EXPECT_EQ(Search(both).results.size(), 5u);

  const std::pair<std::string, const char*> cases[] = {
      {WriteZip(dir, "none.zip", {{"JIGYOSYO.TXT", office}}),
       "ZIPファイルに事業所の郵便番号データ（CSVファイル）がありません"},
      {WriteZip(dir, "two.zip", {{"a.csv", office}, {"b.csv", office}}),
       "ZIPファイルにCSVファイルが複数あり、どれが事業所の郵便番号データか分かりません"},
      {WriteZip(dir, "secret.zip", {{"JIGYOSYO.CSV", office, false, true}}),
       "ZIPファイルの事業所の郵便番号データが暗号化されていて読めません"},
  };
  for (const auto& [path, error] : cases) {
    host.shared.DataFileName = path;
    EXPECT_EQ(RunPostalToOutcome(host).error, Sj(error)) << path;
  }
}

TEST(ZipList, Utf8EditionIsToldByContentWithOrWithoutItsMark) {
  const std::string sjis = Sj("01101,\"060  \",\"0600000\",\"ﾎｯｶｲﾄﾞｳ\"");
  const std::string utf8 = "01101,\"060  \",\"0600000\",\"ホッカイドウ\"";
  EXPECT_FALSE(LooksLikeUtf8(sjis));
  EXPECT_TRUE(LooksLikeUtf8(utf8));
  EXPECT_TRUE(LooksLikeUtf8(utf8 + "\xFF" + utf8 + "\xE3\x83"));  // damaged, then cut off

  ScratchDir dir;
  const std::string marked = dir.Write("bom.csv", "\xEF\xBB\xBF" + utf8);
  TextReader list(OpenFileSource(marked));
  EXPECT_EQ(TakeListEncoding(list), ListEncoding::kUtf8);
  EXPECT_EQ(list.ReadLine(), utf8);

  // Matched in UTF-8, shown in Shift-JIS with the same best fit as everywhere (U+2212).
  const std::string path = dir.Write("utf.csv", SampleList(3, true) + ListLine(9, "八−二", true));
  const PostalOutcome searched = Search(path, "八");
  ASSERT_EQ(searched.results.size(), 3u);
  EXPECT_TRUE(searched.results[0].ends_with(Sj(" 八－二")));
  EXPECT_EQ(Search(dir.Write("bom2.csv", "\xEF\xBB\xBF" + SampleList(3, true)), "本町").results,
            Search(dir.Write("sjis.csv", SampleList(3)), "本町").results);
}

// The published files themselves: the zip lists byte for byte what its unpacked file does,
// the UTF-8 edition too except where it keeps a long town on one line.
TEST(ZipList, PublishedArchives) {
  const std::string ken_all = NANBARU_SHARED_DATA "/ken_all.zip";
  const std::string utf_ken_all = NANBARU_SHARED_DATA "/utf_ken_all.zip";
  // The last lists a town the Shift-JIS list splits over lines.
  const std::vector<std::vector<std::string>> searches = {
      {"322-0061"}, {"32201"}, {"--pref", "栃木県", "鹿沼市"}, {"町"}, {"北海道　千歳市"}};
  for (std::size_t i = 0; i < searches.size(); ++i) {
    const std::vector<std::string>& search = searches[i];
    std::vector<std::string> args = {"postal", "--sjis", "--file"};
    const auto run = [&](const std::string& file) {
      std::vector<std::string> with_file = args;
      with_file.push_back(file);
      with_file.insert(with_file.end(), search.begin(), search.end());
      return RunSearchCommand(with_file);
    };
    const Outcome plain = run(kNationalList);
    const Outcome zipped = run(ken_all);
    EXPECT_EQ(zipped.status, 0) << zipped.err;
    EXPECT_EQ(zipped.out, plain.out) << search.back();
    if (i + 1 < searches.size()) {
      EXPECT_EQ(run(utf_ken_all).out, plain.out) << search.back();
    }
  }
  const Outcome merged = RunSearchCommand({"postal", "--file", utf_ken_all, "0660005"});
  EXPECT_NE(merged.out.find("１７５２番地）\n"), std::string::npos) << merged.out;
  EXPECT_NE(merged.out.find("検索終了 1件です。"), std::string::npos) << merged.out;
}

}  // namespace
}  // namespace nanbaru
