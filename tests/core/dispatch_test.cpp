#include "search/dispatch.h"

#include <gtest/gtest.h>

#include "fake_host.h"
#include "platform/errors.h"
#include "platform/sjis_codec.h"
#include "shared_data.h"

namespace nanbaru {
namespace {

bool RanAreaSearch(const FakeHost& host) {
  return !host.last_area_file.empty();
}
// The postal search writes the prefecture box back trimmed.
bool RanPostalSearch(const FakeHost& host) {
  return !host.CallsNamed("SetPrefText").empty();
}

TEST(Dispatch, OnlyEnterWithAQueryStartsASearch) {
  FakeHost host;
  host.query = "322";
  host.shared.DataFileName = kNationalList;
  HandleQueryKey(host, 'a');
  EXPECT_TRUE(host.calls.empty());

  // Not even the code boxes are taken.
  FakeHost empty;
  empty.old_code = "32201";
  empty.shared.DataFileName = kNationalList;
  HandleQueryKey(empty, kEnterKey);
  EXPECT_TRUE(empty.calls.empty());
  EXPECT_EQ(empty.query, "");
  EXPECT_EQ(empty.shared.SearchText, "");
}

TEST(Dispatch, PhonePathRunsTheAreaSearchWithTheQueryAsTyped) {
  FakeHost host;
  host.shared.DataFileName = Sj("/nowhere/郵電話.txt");
  host.query = Sj(" ０２８９ ");
  host.old_code = "32201";
  EXPECT_THROW(HandleQueryKey(host, kEnterKey), AppError);  // no such area-code file
  EXPECT_TRUE(RanAreaSearch(host));
  EXPECT_FALSE(RanPostalSearch(host));
  // The code boxes belong to postal mode: neither is taken as the query.
  EXPECT_EQ(host.shared.SearchText, " 0289 ");
}

TEST(Dispatch, PostalModeCopiesTheCodeBoxesThenSearches) {
  FakeHost host = NationalHost("鹿沼市");
  host.new_code = "3220061";
  host.old_code = "32201";
  HandleQueryKey(host, kEnterKey);
  EXPECT_TRUE(RanPostalSearch(host));
  EXPECT_EQ(host.query, "32201");
  EXPECT_EQ(host.new_code, "");
  EXPECT_EQ(host.shared.SearchText, ",\"32201\"");
  EXPECT_EQ(host.results.back(), Sj("    検索終了 3件です。"));

  FakeHost spaces = NationalHost("鹿沼市");
  spaces.new_code = "  ";
  HandleQueryKey(spaces, kEnterKey);
  EXPECT_EQ(spaces.query, Sj("鹿沼市"));
}

TEST(Dispatch, WhileASearchRunsEnterChangesNothing) {
  FakeHost host = NationalHost("鹿沼市");
  host.busy = true;
  host.old_code = " 32201 ";
  host.new_code = "3220061";
  host.shared.SearchText = "key";
  HandleQueryKey(host, kEnterKey);
  EXPECT_EQ(host.query, Sj("鹿沼市"));
  EXPECT_EQ(host.new_code, "3220061");
  EXPECT_EQ(host.shared.SearchText, "key");
  EXPECT_FALSE(RanPostalSearch(host));
}

TEST(Dispatch, EnterWithAPostalFileInAPhonePathRunsTheAreaSearch) {
  FakeHost host;
  host.shared.DataFileName = Sj("/nowhere/電話/KEN_ALL.CSV");
  host.query = Sj("鹿沼市");
  EXPECT_THROW(HandleQueryKey(host, kEnterKey), AppError);  // no such area-code file
  EXPECT_TRUE(RanAreaSearch(host));
}

}  // namespace
}  // namespace nanbaru
