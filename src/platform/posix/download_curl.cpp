// Downloads through libcurl, which finds the distribution's certificate store and honours the
// usual proxy variables (https_proxy, no_proxy, ...) by itself.

#include <cstdlib>
#include <exception>
#include <memory>
#include <string>

#include "platform/download.h"
#include "platform/posix/libcurl.h"
#include "platform/sjis_codec.h"

namespace nanbaru {

namespace {

using Reason = DownloadError::Reason;

struct Transfer {
  const LibCurl& lib;
  CURL* handle;
  DownloadReceiver& receiver;
  const CancelFlag& cancel;
  bool status_seen = false;
  bool stopped = false;
  std::exception_ptr error;  // thrown by the receiver, rethrown once libcurl has returned
};

long Status(const Transfer& transfer) {
  long status = 0;
  transfer.lib.easy_getinfo(transfer.handle, CURLINFO_RESPONSE_CODE, &status);
  return status;
}

// libcurl calls these from C: nothing may be thrown through it.
std::size_t Write(char* data, std::size_t, std::size_t size, void* context) {
  Transfer& transfer = *static_cast<Transfer*>(context);
  try {
    // A body of any other status is the server's own page, not the file.
    if (!transfer.status_seen && Status(transfer) != 200) return 0;
    transfer.status_seen = true;
    if (transfer.receiver.Receive(std::string_view(data, size))) return size;
    transfer.stopped = true;
  } catch (...) {
    transfer.error = std::current_exception();
  }
  return 0;
}

int Progress(void* context, curl_off_t total, curl_off_t received, curl_off_t, curl_off_t) {
  Transfer& transfer = *static_cast<Transfer*>(context);
  if (transfer.cancel.IsCancelled()) return 1;
  try {
    transfer.receiver.Progress(static_cast<std::uint64_t>(received),
                               static_cast<std::uint64_t>(total));
  } catch (...) {
    transfer.error = std::current_exception();
    return 1;
  }
  return 0;
}

// Loopback addresses never go through a proxy, whatever no_proxy says besides.
std::string NoProxy() {
  std::string hosts = "127.0.0.0/8,localhost,::1";
  for (const char* name : {"no_proxy", "NO_PROXY"}) {
    if (const char* value = std::getenv(name); value != nullptr && *value != '\0') {
      return hosts + "," + value;
    }
  }
  return hosts;
}

Bytes WithDetail(std::string_view message, const std::string& detail) {
  return Sj(message) + (detail.empty() ? Bytes() : Sj("（") + Sj(detail) + Sj("）"));
}

[[noreturn]] void ThrowFailure(const Transfer& transfer, CURLcode code, const char* detail_buffer,
                               const DownloadOptions& options) {
  const std::string detail =
      *detail_buffer != '\0' ? detail_buffer : transfer.lib.easy_strerror(code);
  switch (code) {
    case CURLE_HTTP_RETURNED_ERROR:
    case CURLE_WRITE_ERROR:
      throw DownloadError(Reason::kStatus, Sj("サーバーが HTTP " +
                                              std::to_string(Status(transfer)) + " を返しました"));
    case CURLE_UNSUPPORTED_PROTOCOL:
      throw DownloadError(Reason::kRefused, Sj("https 以外のアドレスへの転送には従いません"));
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
      throw DownloadError(Reason::kUntrusted,
                          WithDetail("サーバーの証明書を信頼できません", detail));
    case CURLE_OPERATION_TIMEDOUT: {
      curl_off_t connected = 0;
      transfer.lib.easy_getinfo(transfer.handle, CURLINFO_CONNECT_TIME_T, &connected);
      throw DownloadError(
          Reason::kTimedOut,
          connected == 0
              ? Sj(std::to_string(options.connect_timeout_seconds) + "秒以内に接続できませんでした")
              : Sj("サーバーからの受信が" + std::to_string(options.stall_timeout_seconds) +
                   "秒間止まりました"));
    }
    case CURLE_PARTIAL_FILE:
      throw DownloadError(Reason::kCutShort, Sj("ダウンロードが途中で切れました"));
    default:
      throw DownloadError(Reason::kNetwork, WithDetail("サーバーと通信できません", detail));
  }
}

}  // namespace

bool Download(const std::string& url, const DownloadOptions& options, DownloadReceiver& receiver,
              const CancelFlag& cancel) {
  CheckDownloadAddress(url);
  cancel.ThrowIfCancelled();
  const LibCurl& lib = LibCurlFunctions();
  const std::unique_ptr<CURL, decltype(lib.easy_cleanup)> handle(lib.easy_init(), lib.easy_cleanup);
  if (!handle) throw DownloadError(Reason::kNetwork, Sj("ダウンロードを始められません"));
  CURL* curl = handle.get();
  Transfer transfer{lib, curl, receiver, cancel, false, false, nullptr};
  char detail[CURL_ERROR_SIZE] = "";
  const std::string no_proxy = NoProxy();

  lib.easy_setopt(curl, CURLOPT_URL, url.c_str());
  lib.easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  lib.easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
  lib.easy_setopt(curl, CURLOPT_MAXREDIRS, 10L);
  lib.easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "https");
  lib.easy_setopt(curl, CURLOPT_NOPROXY, no_proxy.c_str());
  lib.easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
  lib.easy_setopt(curl, CURLOPT_USERAGENT, "nanbaru");
  lib.easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  lib.easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, static_cast<long>(options.connect_timeout_seconds));
  lib.easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
  lib.easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, static_cast<long>(options.stall_timeout_seconds));
  if (!options.ca_file.empty()) lib.easy_setopt(curl, CURLOPT_CAINFO, options.ca_file.c_str());
  lib.easy_setopt(curl, CURLOPT_ERRORBUFFER, detail);
  lib.easy_setopt(curl, CURLOPT_WRITEFUNCTION, Write);
  lib.easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
  lib.easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, Progress);
  lib.easy_setopt(curl, CURLOPT_XFERINFODATA, &transfer);
  lib.easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);

  const CURLcode code = lib.easy_perform(curl);
  if (transfer.error) std::rethrow_exception(transfer.error);
  cancel.ThrowIfCancelled();
  if (transfer.stopped) return false;
  if (code != CURLE_OK) ThrowFailure(transfer, code, detail, options);
  if (Status(transfer) != 200) ThrowFailure(transfer, CURLE_HTTP_RETURNED_ERROR, detail, options);
  return true;
}

}  // namespace nanbaru
