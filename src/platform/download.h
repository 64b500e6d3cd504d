#pragma once
// Fetching a file over the network: the one seam through which anything leaves the machine,
// used only when the user asks for an update. HTTPS is checked against the system's own
// certificate store, redirects are followed only to HTTPS, plain HTTP goes only to a loopback
// address (the tests' servers), and the system's proxy settings apply.

#include <cstdint>
#include <string>
#include <string_view>

#include "common/cancel_flag.h"
#include "platform/errors.h"

namespace nanbaru {

struct DownloadOptions {
  int connect_timeout_seconds = 15;
  // The transfer ends when no byte has come for this long.
  int stall_timeout_seconds = 30;
  // A file of certificates to trust instead of the system's; only the tests give one.
  std::string ca_file;
};

class DownloadReceiver {
 public:
  virtual ~DownloadReceiver() = default;
  // The body's bytes as they arrive; false stops the transfer (Download then returns false).
  virtual bool Receive(std::string_view bytes) = 0;
  // The bytes received so far and the body's size, 0 while the server has not said it.
  virtual void Progress(std::uint64_t received, std::uint64_t total) = 0;
};

// Why a download failed; the message says it to the user.
class DownloadError : public AppError {
 public:
  enum class Reason {
    kRefused,    // an address or a redirect this program does not go to
    kStatus,     // the server answered with another status than 200
    kNetwork,    // no connection, or it broke
    kUntrusted,  // the server's certificate is not trusted by the system
    kTimedOut,   // no connection in time, or the transfer stalled
    kCutShort,   // the body ended before the size the server gave
  };
  DownloadError(Reason reason, Bytes message) : AppError(std::move(message)), reason_(reason) {}
  Reason reason() const { return reason_; }

 private:
  Reason reason_;
};

// True for the addresses plain HTTP may go to: 127.0.0.0/8, ::1 and localhost.
bool IsLoopbackHost(std::string_view host);
// Throws DownloadError(kRefused) unless `url` is https://..., or http:// to a loopback host.
void CheckDownloadAddress(std::string_view url);

// Fetches `url` (ASCII) with GET, handing the body to `receiver`. True when the whole body
// came, false when the receiver stopped it. Throws DownloadError, Cancelled when `cancel` was
// set (it is checked at least once a second), and what the receiver throws.
bool Download(const std::string& url, const DownloadOptions& options, DownloadReceiver& receiver,
              const CancelFlag& cancel);

}  // namespace nanbaru
