// nanbaru-search info and update, run as processes: the bundled list's edition, and an update
// from the loopback server that the next search uses.

#include <gtest/gtest.h>

#include <string>

#include "search_process.h"
#include "test_platform.h"
#include "update/update_fixture.h"

namespace nanbaru {
namespace {

TEST(InfoCommand, NamesTheBundledEdition) {
  const Outcome text = RunSearchCommand({"info"});
  EXPECT_EQ(text.status, 0) << text.err;
  EXPECT_NE(text.out.find("edition: 2026-05-26 (archive member)\nkind: Shift-JIS list\n"
                          "records: 124825\n"),
            std::string::npos)
      << text.out;
  const Outcome json = RunSearchCommand({"info", "--json", "--file", kNationalList});
  EXPECT_NE(json.out.find("\"edition_from\":\"file modified\",\"kind\":\"shift_jis\","
                          "\"records\":124825,\"first_bad_line\":0"),
            std::string::npos)
      << json.out;
}

using UpdateCommandTest = UpdateTest;

TEST_F(UpdateCommandTest, TheUpdatedListIsWhatTheSearchesRead) {
  PointUserDataAt(dir_.path());
  const std::string data = dir_.Path("nanbaru");
  const std::string newer = Serve("newer.zip", EditedList(true), LocalNoon(2026, 6, 26));

  const Outcome failed = RunSearchCommand({"update", "--url", http_ + "/status/404"});
  EXPECT_EQ(failed.status, 1);
  EXPECT_NE(failed.err.find("HTTP 404"), std::string::npos) << failed.err;
  EXPECT_EQ(FileBytes(data + "/ken_all.zip"), "<missing>");

  const Outcome updated = RunSearchCommand({"update", "--url", http_ + "/files/" + newer});
  ASSERT_EQ(updated.status, 0) << updated.err;
  EXPECT_EQ(updated.out,
            "  追加された郵便番号　2件\n"
            " 322     322-9901  栃木県   鹿沼市 新町一\n"
            " 322     322-9902  栃木県   鹿沼市 新町二\n"
            "  削除された郵便番号　1件\n"
            " 322     322-0061  栃木県   鹿沼市 千手町\n"
            "  \n"
            "    追加 2件、削除 1件です。\n");
  EXPECT_EQ(FileBytes(data + "/ken_all.zip"), FileBytes(server_ + "/files/" + newer));
  EXPECT_NE(RunSearchCommand({"postal", "322-9902"}).out.find("新町二"), std::string::npos);
  EXPECT_NE(RunSearchCommand({"info"}).out.find("edition: 2026-06-26"), std::string::npos);
  PointUserDataAt(dir_.Path("nowhere"));
}

}  // namespace
}  // namespace nanbaru
