#pragma once
// What the update tests share: the loopback server ctest starts for them, the editions of
// the list they serve (the bundled list with two records added and one removed, dated a
// month later), and a user's data folder with the list in use beside it.

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "platform/sjis_codec.h"
#include "scratch_dir.h"
#include "shared/file_bytes.h"
#include "shared_data.h"
#include "test_platform.h"
#include "update/list_update.h"
#include "zip/write_zip.h"

namespace nanbaru {

// 2026-06-26 and 2026-04-01 at noon, local time: a month after the bundled edition, and two
// months before it.
inline std::time_t LocalNoon(int year, int month, int day) {
  std::tm parts{};
  parts.tm_year = year - 1900;
  parts.tm_mon = month - 1;
  parts.tm_mday = day;
  parts.tm_hour = 12;
  parts.tm_isdst = -1;
  return std::mktime(&parts);
}

// The records the newer edition adds, and the one it no longer has (in the bundled list).
inline const std::string kAddedLines[] = {
    "09201,\"322  "
    "\",\"3229901\",\"ﾄﾁｷﾞｹﾝ\",\"ｶﾇﾏｼ\",\"ｼﾝﾏﾁ\",\"栃木県\",\"鹿沼市\",\"新町一\",0,0,0,0,0,0",
    "09201,\"322  "
    "\",\"3229902\",\"ﾄﾁｷﾞｹﾝ\",\"ｶﾇﾏｼ\",\"ｼﾝﾏﾁ\",\"栃木県\",\"鹿沼市\",\"新町二\",0,0,0,0,0,0",
};
inline const std::string kRemovedCode = "\"3220061\"";

class UpdateTest : public testing::Test {
 protected:
  void SetUp() override {
    const std::string port = FileBytes(server_ + "/port");
    if (port == "<missing>") GTEST_SKIP() << "no update server: run the tests through ctest";
    http_ = "http://127.0.0.1:" + port;
    https_ = "https://127.0.0.1:" + FileBytes(server_ + "/tls-port");
    trusted_ = TrustsTestCertificates() ? https_ : http_;
    std::filesystem::create_directories(Utf8Path(dir_.Path("in use")));
    in_use_ = dir_.Path("in use/ken_all.zip");
    in_use_bytes_ = FileBytes(NANBARU_BUNDLED_DATA "/ken_all.zip");
    dir_.Write("in use/ken_all.zip", in_use_bytes_);
    folder_ = dir_.Path("data");
    std::random_device seed;
    tag_ = std::to_string(std::mt19937(seed())());
  }

  // The list in use and the data folder are as they were: nothing written, nothing left.
  void ExpectNothingChanged() const {
    EXPECT_EQ(FileBytes(in_use_), in_use_bytes_);
    if (std::filesystem::exists(Utf8Path(folder_))) {
      EXPECT_TRUE(std::filesystem::is_empty(Utf8Path(folder_))) << folder_;
    }
  }

  // The national list as published, or with kAddedLines added and kRemovedCode removed.
  static std::string EditedList(bool add_and_remove) {
    std::string list = FileBytes(NANBARU_SHARED_DATA "/KEN_ALL.CSV");
    if (!add_and_remove) return list;
    const std::size_t code = list.find(kRemovedCode);
    const std::size_t start = list.rfind('\n', code) + 1;
    list.erase(start, list.find('\n', code) + 1 - start);
    for (const std::string& line : kAddedLines) list += Sj(line) + "\r\n";
    return list;
  }

  // An archive of `list` dated `modified`, put where the server serves it; returns its name.
  std::string Serve(const std::string& name, const std::string& list, std::time_t modified,
                    const std::string& member = "KEN_ALL.CSV") {
    const std::string served = tag_ + "-" + name;
    const ScratchDir made;
    const std::string path = WriteZip(made, name, {{member, list, true, false, modified}});
    std::ofstream(Utf8Path(server_ + "/files/" + served), std::ios::binary) << FileBytes(path);
    return served;
  }

  UpdateRequest Request(const std::string& address) const {
    UpdateRequest request;
    request.addresses = {address};
    request.list_in_use = Sj(in_use_);
    request.folder = Utf8Path(folder_);
    request.download.ca_file = server_ + "/ca.pem";
    request.download.stall_timeout_seconds = 2;
    return request;
  }

  const std::string server_ = NANBARU_UPDATE_SERVER;
  std::string http_;
  std::string https_;
  std::string trusted_;  // HTTPS where the test certificate can be trusted, else plain HTTP
  ScratchDir dir_;
  std::string in_use_;
  std::string in_use_bytes_;
  std::string folder_;
  std::string tag_;
};

// Tells nothing; a cancel can be asked for at one step.
class QuietProgress : public UpdateProgress {
 public:
  explicit QuietProgress(CancelFlag* cancel = nullptr, int cancel_at = -1)
      : cancel_(cancel), cancel_at_(cancel_at) {}
  void Begin(Step step, std::string_view) override { Reached(static_cast<int>(step)); }
  void Received(std::uint64_t, std::uint64_t) override { Reached(kReceiving); }
  static constexpr int kReceiving = 100;

 private:
  void Reached(int point) {
    if (cancel_ != nullptr && point == cancel_at_) cancel_->Cancel();
  }
  CancelFlag* cancel_;
  int cancel_at_;
};

}  // namespace nanbaru
