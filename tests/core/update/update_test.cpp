// The update fetched from the loopback server: a newer edition replaces the list and tells what
// changed; every bad answer, bad list and cancel changes nothing.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/errors.h"
#include "platform/sjis_codec.h"
#include "search/postal_record.h"
#include "update/update_fixture.h"

namespace nanbaru {

namespace fs = std::filesystem;
namespace {

TEST_F(UpdateTest, ANewerEditionReplacesTheListAndTellsWhatChanged) {
  const std::string newer = Serve("newer.zip", EditedList(true), LocalNoon(2026, 6, 26));
  // The first address fails as the old one does since the move; the second gives the list.
  UpdateRequest request = Request(trusted_ + "/status/404");
  request.addresses.push_back(trusted_ + "/files/" + newer);
  QuietProgress quiet;
  const UpdateResult result = UpdateList(request, quiet, CancelFlag());

  // Compared as paths: Windows joins names with either separator.
  EXPECT_EQ(fs::path(SjisToUtf8(result.list)), fs::path(folder_) / "ken_all.zip");
  EXPECT_EQ(FileBytes(folder_ + "/ken_all.zip"), FileBytes(server_ + "/files/" + newer));
  EXPECT_EQ(FileBytes(in_use_), in_use_bytes_);
  EXPECT_EQ(result.backup, "");
  EXPECT_EQ(EditionDateText(*result.edition.date), "2026-06-26");
  EXPECT_EQ(result.edition.records, 124826u);
  ASSERT_TRUE(result.changes);
  EXPECT_EQ(result.changes->added,
            (std::vector<Bytes>{FormatPostalResult(ParsePostalLine(Sj(kAddedLines[0]))),
                                FormatPostalResult(ParsePostalLine(Sj(kAddedLines[1])))}));
  EXPECT_EQ(result.changes->removed,
            std::vector<Bytes>{Sj(" 322     322-0061  栃木県   鹿沼市 千手町")});

  // Updated again from its own folder, the list it replaces is kept beside it.
  request = Request(http_ + "/files/" + newer);
  request.list_in_use = result.list;
  const UpdateResult again = UpdateList(request, quiet, CancelFlag());
  EXPECT_EQ(fs::path(SjisToUtf8(again.backup)), fs::path(folder_) / "ken_all.previous.zip");
  EXPECT_EQ(FileBytes(folder_ + "/ken_all.previous.zip"), FileBytes(server_ + "/files/" + newer));
  EXPECT_TRUE(again.changes->added.empty() && again.changes->removed.empty());
}

TEST_F(UpdateTest, AnOlderEditionIsTakenOnlyWhenForced) {
  const std::string older = Serve("older.zip", EditedList(false), LocalNoon(2026, 4, 1));
  UpdateRequest request = Request(http_ + "/files/" + older);
  QuietProgress quiet;
  try {
    UpdateList(request, quiet, CancelFlag());
    ADD_FAILURE() << "an older edition replaced the list";
  } catch (const AppError& e) {
    EXPECT_NE(SjisToUtf8(e.message()).find("2026-04-01版）は使用中のもの（2026-05-26版）より古い"),
              std::string::npos)
        << e.what();
  }
  ExpectNothingChanged();
  request.force = true;
  EXPECT_EQ(UpdateList(request, quiet, CancelFlag()).edition.records, 124825u);
}

TEST_F(UpdateTest, BadAnswersAndBadListsChangeNothing) {
  const std::time_t newer_date = LocalNoon(2026, 6, 26);
  const std::string whole = EditedList(true);
  const std::string newer = Serve("newer.zip", whole, newer_date);
  std::string broken_line = whole;
  broken_line.insert(broken_line.find("\r\n", broken_line.size() / 2), ",0");
  const std::string broken = Serve("broken.zip", broken_line, newer_date);
  const std::string few =
      Serve("few.zip", whole.substr(0, whole.find("\r\n", 500000) + 2), newer_date);
  const std::string no_list = Serve("none.zip", whole, newer_date, "README.TXT");
  std::string flipped = FileBytes(server_ + "/files/" + newer);
  flipped[flipped.size() / 2] ^= 1;
  std::ofstream(Utf8Path(server_ + "/files/" + tag_ + "-crc.zip"), std::ios::binary) << flipped;

  struct Case {
    std::string name;
    std::vector<std::string> addresses;
    std::string message;  // a piece of the message
    bool trusted = true;
  };
  const std::vector<Case> cases = {
      {"404 everywhere", {http_ + "/status/404", trusted_ + "/status/404"}, "HTTP 404"},
      {"a page with 200", {http_ + "/html"}, "HTMLのページ"},
      {"untrusted certificate", {https_ + "/files/" + newer}, "証明書を信頼でき", false},
      {"cut short", {http_ + "/cut/" + newer}, "途中で切れました"},
      {"stalled", {http_ + "/stall/" + newer}, "2秒間止まりました"},
      {"redirect to plain http", {trusted_ + "/to-http/" + newer}, "https 以外"},
      {"plain http elsewhere", {"http://example.invalid/ken_all.zip"}, "暗号化されない http"},
      {"no list in the archive",
       {http_ + "/files/" + no_list},
       "郵便番号データ（CSVファイル）がありません"},
      {"a broken line", {http_ + "/files/" + broken}, "行目が郵便番号データの形をしていません"},
      {"too few records", {http_ + "/files/" + few}, "件しかありません"},
      {"a CRC that fails", {http_ + "/files/" + tag_ + "-crc.zip"}, "壊れています"},
  };
  for (const Case& c : cases) {
    UpdateRequest request = Request("");
    request.addresses = c.addresses;
    if (!c.trusted) request.download.ca_file.clear();
    QuietProgress quiet;
    try {
      UpdateList(request, quiet, CancelFlag());
      ADD_FAILURE() << c.name << ": the list was replaced";
    } catch (const AppError& e) {
      EXPECT_NE(SjisToUtf8(e.message()).find(c.message), std::string::npos)
          << c.name << ": " << e.what();
    }
    ExpectNothingChanged();
  }
}

TEST_F(UpdateTest, ACancelAtAnyStepChangesNothing) {
  const std::string newer = Serve("newer.zip", EditedList(true), LocalNoon(2026, 6, 26));
  using Step = UpdateProgress::Step;
  for (const int at : {static_cast<int>(Step::kFetching), QuietProgress::kReceiving,
                       static_cast<int>(Step::kChecking), static_cast<int>(Step::kWriting)}) {
    CancelFlag cancel;
    QuietProgress cancelling(&cancel, at);
    // Slowly served, so that the cancel comes while bytes still arrive.
    const std::string kind = at == QuietProgress::kReceiving ? "/slow/" : "/files/";
    EXPECT_THROW(UpdateList(Request(http_ + kind + newer), cancelling, cancel), Cancelled) << at;
    ExpectNothingChanged();
  }
}

}  // namespace
}  // namespace nanbaru
