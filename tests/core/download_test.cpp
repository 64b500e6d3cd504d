// The download seam on the platform's own library (libcurl, WinHTTP), against the loopback
// server ctest starts: a file arrives whole with its progress, and each way a server fails is
// told by its reason.

#include "platform/download.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "scratch_dir.h"
#include "shared/file_bytes.h"

namespace nanbaru {
namespace {

class Collect : public DownloadReceiver {
 public:
  bool Receive(std::string_view bytes) override {
    body.append(bytes);
    return true;
  }
  void Progress(std::uint64_t received, std::uint64_t size) override {
    last_received = received;
    total = size;
  }
  std::string body;
  std::uint64_t last_received = 0;
  std::uint64_t total = 0;
};

class DownloadTest : public testing::Test {
 protected:
  void SetUp() override {
    const std::string port = FileBytes(server_ + "/port");
    if (port == "<missing>") GTEST_SKIP() << "no update server: run the tests through ctest";
    http_ = "http://127.0.0.1:" + port;
    body_ = std::string(300000, 'x') + "end";
    name_ = "download-" + std::to_string(std::random_device()()) + ".bin";
    std::ofstream(Utf8Path(server_ + "/files/" + name_), std::ios::binary) << body_;
    options_.stall_timeout_seconds = 2;
  }

  const std::string server_ = NANBARU_UPDATE_SERVER;
  std::string http_;
  std::string body_;
  std::string name_;
  DownloadOptions options_;
};

TEST_F(DownloadTest, AFileArrivesWholeWithItsProgress) {
  Collect collect;
  EXPECT_TRUE(Download(http_ + "/files/" + name_, options_, collect, CancelFlag()));
  EXPECT_EQ(collect.body, body_);
  EXPECT_EQ(collect.last_received, body_.size());
  EXPECT_EQ(collect.total, body_.size());
}

TEST_F(DownloadTest, EachFailureIsToldByItsReason) {
  using Reason = DownloadError::Reason;
  const std::vector<std::pair<std::string, Reason>> cases = {
      {http_ + "/status/404", Reason::kStatus},
      {http_ + "/status/500", Reason::kStatus},
      {http_ + "/cut/" + name_, Reason::kCutShort},
      {http_ + "/stall/" + name_, Reason::kTimedOut},
      // Followed to HTTPS, where the test certificate is trusted by no system.
      {http_ + "/to-https/" + name_, Reason::kUntrusted},
      {"http://127.0.0.1:1/nothing-listens", Reason::kNetwork},
  };
  for (const auto& [url, reason] : cases) {
    Collect collect;
    try {
      Download(url, options_, collect, CancelFlag());
      ADD_FAILURE() << url << " gave " << collect.body.size() << " bytes";
    } catch (const DownloadError& e) {
      EXPECT_EQ(e.reason(), reason) << url << ": " << e.what();
    }
  }
}

TEST_F(DownloadTest, ACancelStopsAStalledTransfer) {
  CancelFlag cancel;
  class CancelOnFirstBytes : public Collect {
   public:
    explicit CancelOnFirstBytes(CancelFlag& flag) : flag_(flag) {}
    bool Receive(std::string_view bytes) override {
      flag_.Cancel();
      return Collect::Receive(bytes);
    }

   private:
    CancelFlag& flag_;
  } receiver(cancel);
  options_.stall_timeout_seconds = 30;
  EXPECT_THROW(Download(http_ + "/stall/" + name_, options_, receiver, cancel), Cancelled);
}

}  // namespace
}  // namespace nanbaru
