#include "search/postal_search.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "fake_host.h"
#include "io_code.h"
#include "platform/errors.h"
#include "platform/sjis_codec.h"
#include "scratch_dir.h"
#include "search/dispatch.h"
#include "shared_data.h"
#include "test_platform.h"

namespace nanbaru {
namespace {

std::string Call(std::string_view name, std::string_view utf8_argument) {
  return std::string(name) + ":" + Sj(utf8_argument);
}

FakeHost NationalSearch(std::string_view query, std::string_view pref = "") {
  FakeHost host = NationalHost(query);
  host.pref = Sj(pref);
  RunPostalSearch(host);
  return host;
}

TEST(PostalSearch, PlaceNameWithinOnePrefectureStopsAfterItsLines) {
  const FakeHost host = NationalSearch("鹿沼市", " 栃木県 ");
  ASSERT_EQ(host.results.size(), 117u);
  EXPECT_EQ(host.results.front(), Sj(" 322     322-0000  栃木県   鹿沼市 以下に掲載がない場合"));
  EXPECT_EQ(host.results[112], Sj(" 322     322-0016  栃木県   鹿沼市 流通センター"));
  EXPECT_EQ(std::vector<Bytes>(host.results.begin() + 113, host.results.end()),
            (std::vector<Bytes>{"  ", Sj("  栃木県のみの検索をしました。"), "  ",
                                Sj("    検索終了 113件です。")}));

  // Everything the search changes, in order, apart from the listed lines and counts.
  std::vector<std::string> changes;
  for (const std::string& call : host.calls) {
    if (call.starts_with("AppendResult: 3") || call.starts_with("SetCountLabel:  ")) continue;
    changes.push_back(call);
  }
  const std::vector<std::string> expected = {
      "SetQueryBusy:1",
      Call("SetCountLabel", "鹿沼市"),
      Call("SetPrefText", "栃木県"),
      "OpenDataFile:" + kNationalList,
      "ClearResults",
      "SetStatusColour:red",
      Call("SetStatus", "　現在　検索中"),
      Call("SetCountLabel", "鹿沼市"),
      "AppendResult:  ",
      Call("AppendResult", "  栃木県のみの検索をしました。"),
      "AppendResult:  ",
      Call("AppendResult", "    検索終了 113件です。"),
      "SetStatusColour:black",
      Call("SetStatus", "検索件数　113"),
      Call("AddHistory", "鹿沼市"),
      "SetStatusColour:black",
      Call("SetStatus", " 検索を終わりました。"),
      "ProcessEvents",
      "SetQueryBusy:0",
  };
  EXPECT_EQ(changes, expected);
  EXPECT_EQ(host.count_label, "  113");
  EXPECT_EQ(host.shared.SearchText, Sj("鹿沼市"));
}

TEST(PostalSearch, SevenDigitCodeInAnyFormListsItsLineAndStops) {
  for (const char* query : {"322-0061", "３２２－００６１", "3220061"}) {
    const FakeHost host = NationalSearch(query);
    EXPECT_EQ(host.results, (std::vector<Bytes>{Sj(" 322     322-0061  栃木県   鹿沼市 千手町"),
                                                "  ", Sj("    検索終了 1件です。")}))
        << query;
    EXPECT_EQ(host.shared.SearchText, ",\"3220061");
    EXPECT_EQ(host.history, std::vector<Bytes>{host.query});
  }
  EXPECT_EQ(NationalSearch("３２２－００６１").query, "322-0061");
  // The first line with the code is in another prefecture: nothing listed, the scan ends.
  const FakeHost other = NationalSearch("3220061", "北海道");
  EXPECT_EQ(other.results, (std::vector<Bytes>{"  ", Sj("    検索終了 0件です。")}));
}

TEST(PostalSearch, OldCodesMatchTheWholeOldCodeField) {
  EXPECT_EQ(NationalSearch("32201").results,
            (std::vector<Bytes>{Sj(" 322-01  322-0102  栃木県   鹿沼市 上大久保"),
                                Sj(" 322-01  322-0101  栃木県   鹿沼市 草久"),
                                Sj(" 322-01  322-0103  栃木県   鹿沼市 下大久保"), "  ",
                                Sj("    検索終了 3件です。")}));
  // Three-digit codes are stored with two trailing spaces, so a three-digit key finds none.
  EXPECT_EQ(NationalSearch("322").results.back(), Sj("    検索終了 0件です。"));
}

TEST(PostalSearch, SevenHundredthLineEndsTheScan) {
  const FakeHost host = NationalSearch("町");
  ASSERT_EQ(host.results.size(), 704u);
  EXPECT_EQ(host.results[699], Sj(" 068-31  068-3152  北海道   岩見沢市 栗沢町万字幸町"));
  EXPECT_EQ(std::vector<Bytes>(host.results.begin() + 700, host.results.end()),
            (std::vector<Bytes>{Sj(" 検索数　過多 "), "  ", Sj("    検索終了 700件です。"),
                                Sj("      表示を止めます。検索条件を絞って下さい。")}));
  EXPECT_EQ(host.status, Sj(" 検索を終わりました。"));
}

TEST(PostalSearch, EmptyKeyListsNothing) {
  for (const char* query : {"-", "－", "ー"}) {
    const FakeHost host = NationalSearch(query);
    EXPECT_EQ(host.results, (std::vector<Bytes>{"  ", Sj("    検索終了 0件です。")}));
    EXPECT_EQ(host.query, "-");
    EXPECT_EQ(host.shared.SearchText, "");
  }
}

TEST(PostalSearch, DeclinesWhenBusyOrTheQueryIsEmpty) {
  FakeHost busy;
  busy.busy = true;
  busy.query = "322";
  busy.shared.DataFileName = kNationalList;
  RunPostalSearch(busy);
  EXPECT_TRUE(busy.calls.empty());
  EXPECT_TRUE(busy.busy);

  // Not even the code boxes are taken.
  FakeHost empty;
  empty.old_code = "32201";
  empty.shared.DataFileName = kNationalList;
  RunPostalSearch(empty);
  EXPECT_TRUE(empty.calls.empty());
  EXPECT_EQ(empty.query, "");
}

TEST(PostalSearch, CodeBoxesOverrideTheQuery) {
  FakeHost host = NationalHost("鹿沼市");
  host.new_code = "3220061";
  host.old_code = "32201";
  RunPostalSearch(host);
  EXPECT_EQ(host.query, "32201");
  EXPECT_EQ(host.new_code, "");
  EXPECT_EQ(host.old_code, "32201");
  EXPECT_EQ(host.results.size(), 5u);

  host.old_code = "";
  host.new_code = Sj("３２２００６１");
  RunPostalSearch(host);
  EXPECT_EQ(host.query, "3220061");
  EXPECT_EQ(host.results.size(), 3u);
  EXPECT_EQ(host.history, (std::vector<Bytes>{"32201", "3220061"}));
}

TEST(PostalSearch, MissingFileGivesGuidanceAndTheChooser) {
  for (const Bytes& path : {Bytes(), Bytes("/nonexistent/KEN_ALL.CSV")}) {
    FakeHost host;
    host.shared.DataFileName = path;
    host.query = Sj("鹿沼市");
    host.results = {"old"};
    RunPostalSearch(host);
    EXPECT_EQ(host.results,
              (std::vector<Bytes>{
                  Sj("ファイルが見つかりません。読むファイルを設定します。"),
                  Sj("    　　設定し終わったら　もう一度押し直して下さい。"),
                  Sj("          "
                     "Ｑ：のドライブのＰｃｉｎｇのｋｉｊｉのｙｕｕｂｉｎのken_all.csvなど。")}));
    const std::vector<std::string>& changes = host.calls;
    ASSERT_GE(changes.size(), 2u);
    EXPECT_EQ(changes[changes.size() - 2], "ChooseDataFile");
    EXPECT_EQ(changes.back(), "SetQueryBusy:0");
    EXPECT_FALSE(host.status_colour.has_value());
    EXPECT_TRUE(host.history.empty());
    EXPECT_EQ(host.shared.SearchText, Sj("鹿沼市"));
  }
}

TEST(PostalSearch, ChooserFailureStillFreesTheQueryBox) {
  FakeHost host;
  host.query = "322";
  host.on_choose_data_file = [](FakeHost&) { throw InOutError(5); };
  EXPECT_THROW(RunPostalSearch(host), InOutError);
  EXPECT_FALSE(host.busy);
}

TEST(PostalSearch, BadOldCodeEndsTheScanKeepingWhatWasListed) {
  ScratchDir dir;
  const Bytes good =
      Sj("1,\"32201\",\"3220102\",\"\",\"\",\"\",\"栃木県\",\"鹿沼市\",\"上大久保\"");
  const Bytes bad = Sj("1,\"3x\",\"3220101\",\"\",\"\",\"\",\"栃木県\",\"鹿沼市\",\"草久\"");
  FakeHost host;
  host.shared.DataFileName = dir.Write("bad.csv", good + "\r\n" + bad + "\r\n" + good + "\r\n");
  host.query = Sj("鹿沼市");
  try {
    RunPostalSearch(host);
    FAIL() << "no error";
  } catch (const ConvertError& e) {
    EXPECT_EQ(e.message(), Sj("'3x' は整数ではありません"));
  }
  EXPECT_EQ(host.results, std::vector<Bytes>{Sj(" 322-01  322-0102  栃木県   鹿沼市 上大久保")});
  EXPECT_FALSE(host.busy);
  EXPECT_EQ(host.status, Sj("　現在　検索中"));
  EXPECT_EQ(host.status_colour, StatusColour::kRed);
  EXPECT_TRUE(host.history.empty());
}

TEST(PostalSearch, ReadErrorEndsTheScan) {
  const std::optional<FailingRead> failing = FileFailingToRead();
  if (!failing) GTEST_SKIP() << "no file here fails to read";
  FakeHost host;
  host.shared.DataFileName = failing->path;
  host.query = Sj("鹿沼市");
  EXPECT_EQ(IoCodeOf([&] { RunPostalSearch(host); }), failing->code);
  EXPECT_FALSE(host.busy);
  EXPECT_EQ(host.status, Sj("　現在　検索中"));
}

TEST(PostalSearch, EnterDuringTheScanLeavesItsKeyAlone) {
  FakeHost quiet = NationalHost("鹿沼市");
  RunPostalSearch(quiet);
  FakeHost host = NationalHost("鹿沼市");
  host.interleave = true;
  bool pressed = false;
  host.on_process_events = [&pressed](FakeHost& h) {
    if (pressed) return;
    pressed = true;
    // The user types another query and presses Enter: the running search goes on with its
    // own key to its complete result, and no second search starts.
    h.query = Sj("千手町");
    HandleQueryKey(h, kEnterKey);
  };
  RunPostalSearch(host);
  EXPECT_EQ(host.results, quiet.results);
  EXPECT_EQ(host.CallsNamed("SetQueryBusy"),
            (std::vector<std::string>{"SetQueryBusy:1", "SetQueryBusy:0"}));
  EXPECT_EQ(host.shared.SearchText, quiet.shared.SearchText);
}

// What the user types while a scan lets events run is for the next search: a prefecture typed
// into the empty box cut a search of 200 lines to 73, reported as complete.
TEST(PostalSearch, EditsDuringTheScanWaitForTheNextSearch) {
  const FakeHost quiet = NationalSearch("緑町");
  ASSERT_GT(quiet.results.size(), 200u);
  const std::pair<const char*, std::function<void(FakeHost&)>> edits[] = {
      {"prefecture", [](FakeHost& h) { h.pref = Sj("東京都"); }},
      {"prefecture of the first line", [](FakeHost& h) { h.pref = Sj("北海道"); }},
      {"search key", [](FakeHost& h) { h.shared.SearchText = Sj("鹿沼市"); }},
  };
  for (const auto& [name, edit] : edits) {
    FakeHost host = NationalHost("緑町");
    host.interleave = true;
    host.on_process_events = [&edit](FakeHost& h) {
      if (h.results.size() == 1) edit(h);
    };
    RunPostalSearch(host);
    EXPECT_TRUE(host.results == quiet.results)
        << name << ": " << host.results.size() << " lines, not " << quiet.results.size();
  }
}

}  // namespace
}  // namespace nanbaru
