#include "update/list_fetch.h"

#include <algorithm>

#include "platform/sjis_codec.h"
#include "platform/zip_archive.h"

namespace nanbaru {

namespace {

// Keeps what arrives while it may be the archive: its first bytes must start one, and it
// may not grow past any list's size.
class ArchiveReceiver : public DownloadReceiver {
 public:
  explicit ArchiveReceiver(UpdateProgress& progress) : progress_(progress) {}

  bool Receive(std::string_view bytes) override {
    const std::size_t known = bytes_.size();
    bytes_.append(bytes.substr(0, std::min(bytes.size(), kMaxListArchive + 1 - known)));
    if (bytes_.size() > kMaxListArchive) {
      refusal_ = Sj("郵便番号データにしては大きすぎます");
      return false;
    }
    const std::size_t head = std::min<std::size_t>(bytes_.size(), 4);
    if (known < 4 && !std::string_view("PK\x03\x04").starts_with(bytes_.substr(0, head)) &&
        !std::string_view("PK\x05\x06").starts_with(bytes_.substr(0, head))) {
      refusal_ = NotArchive(bytes_);
      return false;
    }
    return true;
  }

  void Progress(std::uint64_t received, std::uint64_t total) override {
    progress_.Received(received, total);
  }

  // Why the body was refused, or why a whole one is not an archive; empty when it is one.
  Bytes Refusal() const {
    if (!refusal_.empty() || LooksLikeZip(bytes_)) return refusal_;
    return NotArchive(bytes_);
  }
  std::string Take() { return std::move(bytes_); }

 private:
  static Bytes NotArchive(std::string_view head) {
    std::string lower(head.substr(0, 512));
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    if (lower.find("<html") != std::string::npos || lower.find("<!doctype") != std::string::npos) {
      return Sj("ZIPファイルではなくHTMLのページが返されました");
    }
    return Sj("ZIPファイルではありません");
  }

  UpdateProgress& progress_;
  std::string bytes_;
  Bytes refusal_;
};

}  // namespace

std::string FetchListArchive(std::span<const std::string> addresses, const DownloadOptions& options,
                             UpdateProgress& progress, const CancelFlag& cancel) {
  Bytes failures;
  for (const std::string& address : addresses) {
    progress.Begin(UpdateProgress::Step::kFetching, address);
    ArchiveReceiver receiver(progress);
    Bytes failure;
    try {
      Download(address, options, receiver, cancel);
      failure = receiver.Refusal();
      if (failure.empty()) return receiver.Take();
    } catch (const DownloadError& e) {
      failure = e.message();
    }
    failures += Sj("\n") + address + Sj("：") + failure;
  }
  throw AppError(Sj("郵便番号データをダウンロードできませんでした。") + failures);
}

}  // namespace nanbaru
