#include "search/area_search.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "fake_host.h"
#include "platform/errors.h"
#include "platform/sjis_codec.h"
#include "scratch_dir.h"
#include "test_platform.h"

namespace nanbaru {
namespace {

namespace fs = std::filesystem;

class AreaSearchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = scratch_.path();
    host_.start_dir = dir_.string() + "/";
  }

  // Writes a data file and makes it the active one.
  void UseFile(const std::string& bytes) {
    const fs::path path = dir_ / "area.txt";
    std::ofstream(path, std::ios::binary) << bytes;
    host_.shared.DataFileName = path.string();
  }

  void Search(const Bytes& query) {
    host_.query = query;
    RunAreaSearch(host_);
  }

  ScratchDir scratch_;
  fs::path dir_;
  FakeHost host_;
};

Bytes Shown(const Bytes& line) {
  return "   " + line;
}

TEST_F(AreaSearchTest, FullWidthDigitsBecomeAsciiThreeOfEachAtMost) {
  UseFile(Sj("111１  甲\r\n") + Sj("1111  乙\r\n") + Sj("１１１１丙\r\n"));
  Search(Sj("１１１１"));
  EXPECT_EQ(host_.query, Sj("111１"));
  EXPECT_EQ(host_.shared.SearchText, Sj("111１"));
  EXPECT_EQ(host_.results, (std::vector<Bytes>{Shown(Sj("111１  甲")), Sj("    1件です。")}));
  EXPECT_EQ(host_.history, std::vector<Bytes>{Sj("111１")});
}

TEST_F(AreaSearchTest, BundledFileListsEveryLineOfTheCode) {
  const std::string bundled = NANBARU_SHARED_DATA "/郵電話.txt";
  host_.shared.DataFileName = Sj(bundled);
  std::ifstream in(Utf8Path(bundled), std::ios::binary);
  std::vector<Bytes> expected;
  for (std::string line; std::getline(in, line, '\n');) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find("0289") != std::string::npos) expected.push_back(Shown(line));
  }
  ASSERT_FALSE(expected.empty());
  expected.push_back("    " + std::to_string(expected.size()) + Sj("件です。"));

  Search(Sj("０２８９"));
  EXPECT_EQ(host_.query, "0289");
  EXPECT_EQ(host_.results, expected);
  EXPECT_EQ(host_.status, Sj("検索件数　") + std::to_string(expected.size() - 1));

  Search(Sj("鹿沼"));
  ASSERT_GE(host_.results.size(), 2u);
  EXPECT_NE(host_.results[0].find(Sj("鹿沼")), std::string::npos);
}

TEST_F(AreaSearchTest, KeyIsMatchedUntrimmedByteForByte) {
  UseFile(Sj("03        東京 都\r\n") + Sj("03        東京\r\n") + "\r\n");
  Search(Sj("東京 "));
  EXPECT_EQ(host_.shared.SearchText, Sj("東京 "));
  EXPECT_EQ(host_.results,
            (std::vector<Bytes>{Shown(Sj("03        東京 都")), Sj("    1件です。")}));
  EXPECT_EQ(host_.status, Sj("検索件数　1"));
  EXPECT_EQ(host_.count_label, "  1");
}

TEST_F(AreaSearchTest, ShowsTwoHundredAndCountsNoFurther) {
  std::string file;
  for (int i = 1; i <= 250; ++i) file += "0" + std::to_string(1000 + i) + Sj("  地\r\n");
  UseFile(file);
  host_.count_label = "untouched";
  Search(Sj("地"));
  const std::vector<Bytes> results = host_.results;
  ASSERT_EQ(results.size(), 201u);
  EXPECT_EQ(results.front(), Shown("01001" + Sj("  地")));
  EXPECT_EQ(results[199], Shown("01200" + Sj("  地")));
  EXPECT_EQ(results.back(), Sj("    200件です。"));
  EXPECT_EQ(host_.count_label, "  200");
  EXPECT_EQ(host_.status, Sj("検索件数　200"));
}

// A pipe as the data file: its writer finishes only if the search reads every byte, and it
// fails when the search closes the file early.
TEST_F(AreaSearchTest, ReadsTheWholeFileAfterTheCap) {
  const fs::path fifo = dir_ / "fifo.txt";
  if (!MakeFifo(fifo.string())) GTEST_SKIP() << "no named pipes in folders here";
  host_.shared.DataFileName = fifo.string();
  std::string text;
  for (int i = 0; i < 300; ++i) text += "0123-4    x\r\n";
  text += std::string(1 << 20, 'y') + "\r\n";
  bool all_written = false;
  std::thread writer([&] { all_written = FeedFifo(fifo.string(), text); });
  Search("x");
  writer.join();
  EXPECT_TRUE(all_written);
  EXPECT_EQ(host_.results.back(), Sj("    200件です。"));
}

TEST_F(AreaSearchTest, NothingAfterEndOfFileByteIsRead) {
  UseFile("011       a\r\n012       a\x1A\r\n013       a\r\n");
  Search("a");
  EXPECT_EQ(host_.results,
            (std::vector<Bytes>{Shown("011       a"), Shown("012       a"), Sj("    2件です。")}));
}

TEST_F(AreaSearchTest, EmptyFileShowsOnlyTheCountLine) {
  UseFile("");
  host_.count_label = "  7";
  host_.results = {"old"};
  Search("0289");
  EXPECT_EQ(host_.results, std::vector<Bytes>{Sj("    0件です。")});
  EXPECT_EQ(host_.status, Sj("検索件数　0"));
  EXPECT_EQ(host_.count_label, "  7");
}

TEST_F(AreaSearchTest, EachSearchAddsAHistoryItemAndUsesTheStartDirectory) {
  UseFile("0289      x\r\n");
  Search("0289");
  Search("0289");
  EXPECT_EQ(host_.history, (std::vector<Bytes>{"0289", "0289"}));
  EXPECT_EQ(
      host_.CallsNamed("EnterDir"),
      (std::vector<std::string>{"EnterDir:" + host_.start_dir, "EnterDir:" + host_.start_dir}));
  EXPECT_EQ(host_.last_area_file, host_.shared.DataFileName);
  EXPECT_FALSE(host_.busy);
}

TEST_F(AreaSearchTest, DeclinesWhenEmptyOrBusy) {
  UseFile("0289      x\r\n");
  host_.results = {"old"};
  Search("");
  host_.busy = true;
  Search(Sj("０２８９"));
  EXPECT_EQ(host_.query, Sj("０２８９"));
  EXPECT_TRUE(host_.busy);
  EXPECT_TRUE(host_.shared.SearchText.empty());
  EXPECT_TRUE(host_.CallsNamed("EnterDir").empty());
  EXPECT_TRUE(host_.history.empty());
  EXPECT_EQ(host_.results, std::vector<Bytes>{"old"});
}

TEST_F(AreaSearchTest, MissingFileLeavesThePreviousResults) {
  UseFile("0289      x\r\n");
  Search("0289");
  const std::vector<Bytes> before = host_.results;
  host_.shared.DataFileName = (dir_ / "missing.txt").string();
  host_.query = Sj("０１");
  try {
    RunAreaSearch(host_);
    ADD_FAILURE() << "no error";
  } catch (const InOutError& error) {
    EXPECT_EQ(error.message(), Sj("ﾌｧｲﾙが見つかりません"));
  }
  EXPECT_EQ(host_.results, before);
  EXPECT_EQ(host_.query, "01");
  EXPECT_EQ(host_.shared.SearchText, "01");
  EXPECT_EQ(host_.status, Sj("検索件数　1"));
  EXPECT_EQ(host_.count_label, "  1");
  EXPECT_EQ(host_.history, std::vector<Bytes>{"0289"});
  EXPECT_FALSE(host_.busy);

  UseFile("01        y\r\n");
  Search("01");
  EXPECT_EQ(host_.results.back(), Sj("    1件です。"));
}

TEST_F(AreaSearchTest, StartFolderThatCannotBeEnteredStopsBeforeTheFile) {
  UseFile("0289      x\r\n");
  host_.on_enter_dir = [](const Bytes&) { throw InOutError(io_code::kPathNotFound); };
  EXPECT_THROW(Search("0289"), InOutError);
  EXPECT_TRUE(host_.CallsNamed("OpenDataFile").empty());
  EXPECT_TRUE(host_.last_area_file.empty());
  EXPECT_FALSE(host_.busy);
}

TEST_F(AreaSearchTest, FolderAsDataFileIsRefusedLikeAMissingFile) {
  UseFile("0289      x\r\n");
  Search("0289");
  host_.shared.DataFileName = dir_.string();
  try {
    Search("0289");
    ADD_FAILURE() << "no error";
  } catch (const InOutError& error) {
    EXPECT_EQ(error.message(), Sj("ﾌｧｲﾙへのｱｸｾｽが拒否されました"));
  }
  EXPECT_EQ(host_.results, (std::vector<Bytes>{Shown("0289      x"), Sj("    1件です。")}));
  EXPECT_FALSE(host_.busy);
}

TEST_F(AreaSearchTest, ReadErrorEndsWithoutCountLineAndClosesTheFile) {
  const std::optional<FailingRead> failing = FileFailingToRead();
  if (!failing) GTEST_SKIP() << "no file here fails to read";
  host_.results = {"old"};
  host_.shared.DataFileName = failing->path;
  const std::optional<std::size_t> open_before = OpenHandleCount();
  EXPECT_THROW(Search("0289"), InOutError);
  EXPECT_EQ(OpenHandleCount(), open_before);
  EXPECT_TRUE(host_.results.empty());
  EXPECT_TRUE(host_.history.empty());
  EXPECT_EQ(host_.status, "");
  EXPECT_FALSE(host_.busy);
}

}  // namespace
}  // namespace nanbaru
