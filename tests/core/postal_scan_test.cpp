// The postal scan passes over lines in bulk; these tests hold it against the plain
// line-by-line scan, over the national list and over files that are not one.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_host.h"
#include "platform/errors.h"
#include "platform/sjis_codec.h"
#include "postal_outcome.h"
#include "postal_reference.h"
#include "scratch_dir.h"
#include "search/postal_search.h"
#include "shared_data.h"
#include "test_platform.h"

namespace nanbaru {
namespace {

using Outcome = PostalOutcome;

Outcome Search(const Bytes& path, const Bytes& query, const Bytes& pref, bool interleave) {
  FakeHost host;
  host.interleave = interleave;
  host.shared.DataFileName = path;
  host.query = query;
  host.pref = pref;
  return RunPostalToOutcome(host);
}

// The search, with and without a window's event turns, gives what the plain scan gives.
void ExpectAsPlainScan(const Bytes& path, const Bytes& query, const Bytes& pref) {
  const ReferenceOutcome expected = ReferenceSearch(path, query, pref);
  for (const bool interleave : {false, true}) {
    const Outcome got = Search(path, query, pref, interleave);
    EXPECT_EQ(got.results, expected.results) << SjisToUtf8(query) << " / " << SjisToUtf8(pref);
    EXPECT_EQ(got.error, expected.error) << SjisToUtf8(query);
  }
}

TEST(PostalScan, NationalListAsThePlainScan) {
  const std::pair<const char*, const char*> cases[] = {
      {"鹿沼市", "栃木県"}, {"栃木県 鹿沼市", ""},
      {"町", ""},           {"0", ""},
      {"322-0061", ""},     {"3220061", "北海道"},
      {"9071801", ""},      {"32201", ""},
      {"060", ""},          {"060  ", ""},
      {"大通", "北海道"},   {"中央", "東京都"},
      {"那覇市", "沖縄県"}, {"沖縄", "縄"},
      {"存在地名", ""},     {"札幌市", "北海道"},
      {"ﾄﾁｷﾞｹﾝ", "栃木県"}, {"-", ""},
      {"鹿沼市", "群馬県"}, {"\"", ""},
  };
  for (const auto& [query, pref] : cases) ExpectAsPlainScan(kNationalList, Sj(query), Sj(pref));
}

TEST(PostalScan, EmptyFileListsNothing) {
  ScratchDir dir;
  const Outcome got = Search(dir.Write("empty.csv", ""), Sj("鹿沼市"), "", false);
  EXPECT_EQ(got.results, (std::vector<Bytes>{"  ", Sj("    検索終了 0件です。")}));
}

TEST(PostalScan, DirectoryAndUnreadableFileAskForAnotherFile) {
  ScratchDir dir;
  std::vector<Bytes> refused = UnreadableFiles(dir);
  refused.insert(refused.begin(), dir.path());
  if (refused.size() < 2) GTEST_SKIP() << "no unreadable file can be made here";
  for (const Bytes& path : refused) {
    FakeHost host;
    host.shared.DataFileName = path;
    host.query = Sj("鹿沼市");
    RunPostalSearch(host);
    EXPECT_EQ(host.chooser_runs, 1) << path;
    EXPECT_EQ(host.results.size(), 3u) << path;
    EXPECT_FALSE(host.busy);
  }
}

TEST(PostalScan, LineFeedsAloneMakeOneLine) {
  ScratchDir dir;
  const Bytes record =
      Sj("09205,\"322  \",\"3220061\",\"\",\"\",\"\",\"栃木県\",\"鹿沼市\",\"上町\"");
  Bytes text;
  for (int i = 0; i < 3; ++i) text += record + "\n";
  const Bytes path = dir.Write("lf.csv", text);
  EXPECT_EQ(Search(path, Sj("鹿沼市"), "", false).results,
            (std::vector<Bytes>{Sj(" 322     322-0061  栃木県   鹿沼市 上町"), "  ",
                                Sj("    検索終了 1件です。")}));
}

TEST(PostalScan, HugeSingleLineIsReadWhole) {
  ScratchDir dir;
  const std::string path = dir.Path("huge.csv");
  {
    std::ofstream out(path, std::ios::binary);
    const Bytes record =
        Sj("09205,\"32201\",\"3220102\",\"\",\"\",\"\",\"栃木県\",\"鹿沼市\",\"上大久保\"\n");
    Bytes block;
    while (block.size() < (1 << 20)) block += record;
    for (int i = 0; i < 200; ++i)
      out.write(block.data(), static_cast<std::streamsize>(block.size()));
    out << Sj("最後");
  }
  EXPECT_EQ(Search(path, Sj("最後"), "", false).results,
            (std::vector<Bytes>{Sj(" 322-01  322-0102  栃木県   鹿沼市 上大久保"), "  ",
                                Sj("    検索終了 1件です。")}));
  EXPECT_EQ(Search(path, Sj("存在地名"), "", true).results.back(), Sj("    検索終了 0件です。"));
}

TEST(PostalScan, InvalidShiftJisBytesAreCarriedThrough) {
  ScratchDir dir;
  // Bytes no Shift-JIS text holds, and a lead byte without its trail byte before a quote.
  const Bytes town = "\x80\xa0\xfd\xfe\xff\x82";
  const Bytes line = "1,\"32201\",\"3220102\",\"\",\"\",\"\",\"\x81\",\"\xfc\",\"" + town + "\"";
  const Bytes path = dir.Write("invalid.csv", line + "\r\n" + line + "\x1a" + line);
  const Outcome got = Search(path, "\xa0\xfd", "", false);
  EXPECT_EQ(got.results,
            (std::vector<Bytes>{" 322-01  322-0102  \x81" + Bytes(8, ' ') + "\xfc " + town,
                                " 322-01  322-0102  \x81" + Bytes(8, ' ') + "\xfc " + town, "  ",
                                Sj("    検索終了 2件です。")}));
}

TEST(PostalScan, OtherLayoutsGiveTheConversionErrorOrPartialLines) {
  ScratchDir dir;
  const Bytes path =
      dir.Write("other.csv", "name\tcode\r\n1,\"123\",\"4567890\"\r\na,b,c\r\n\x01\x02\x1b");
  EXPECT_EQ(Search(path, "123", "", false).results,
            (std::vector<Bytes>{" 123     456-7890  " + Bytes(8, ' ') + "  ", "  ",
                                Sj("    検索終了 1件です。")}));
  const Outcome tab = Search(path, "code", "", false);
  EXPECT_EQ(tab.error, Sj("'' は整数ではありません"));
  EXPECT_TRUE(tab.results.empty());
  ExpectAsPlainScan(path, "b", "");
}

TEST(PostalScan, BinaryFileGivesWhatThePlainScanGives) {
  ScratchDir dir;
  Bytes bytes;
  std::uint32_t state = 12345;
  for (int i = 0; i < (1 << 20); ++i) {
    state = state * 1103515245u + 12345u;
    const char byte = static_cast<char>(state >> 24);
    bytes += byte == 0x1a ? '\r' : byte;  // keep the whole file readable
  }
  const Bytes path = dir.Write("binary.bin", bytes);
  for (const Bytes& key : {bytes.substr(1000, 2), bytes.substr(500000, 3), Bytes("\x01\x02")}) {
    if (key.find_first_of("\r\n -") != Bytes::npos) continue;
    ExpectAsPlainScan(path, key, "");
    ExpectAsPlainScan(path, key, key.substr(0, 1));
  }
}

}  // namespace
}  // namespace nanbaru
