// Downloads through WinHTTP, which checks certificates against the system's store and takes
// the system's proxy settings. Redirects are followed here rather than by WinHTTP, so that
// only those to HTTPS are.

#include <windows.h>
#include <winhttp.h>

#include <algorithm>
#include <atomic>
#include <string>

#include "platform/download.h"
#include "platform/sjis_codec.h"

namespace nanbaru {

namespace {

using Reason = DownloadError::Reason;

constexpr int kMaxRedirects = 10;

// A WinHTTP handle. Closing a request's handle from another thread ends the call blocked on
// it, which is how a cancel reaches a stalled transfer.
class InternetHandle {
 public:
  explicit InternetHandle(HINTERNET handle) : handle_(handle) {}
  ~InternetHandle() { Close(); }
  InternetHandle(const InternetHandle&) = delete;
  InternetHandle& operator=(const InternetHandle&) = delete;

  HINTERNET get() const { return handle_.load(); }
  void Close() {
    if (HINTERNET handle = handle_.exchange(nullptr)) WinHttpCloseHandle(handle);
  }

 private:
  std::atomic<HINTERNET> handle_;
};

[[noreturn]] void ThrowFailure(DWORD error, bool connected, const DownloadOptions& options,
                               const CancelFlag& cancel) {
  cancel.ThrowIfCancelled();
  switch (error) {
    case ERROR_WINHTTP_TIMEOUT:
    case WSAETIMEDOUT:  // as Wine reports a stall
      throw DownloadError(
          Reason::kTimedOut,
          connected ? Sj("サーバーからの受信が" + std::to_string(options.stall_timeout_seconds) +
                         "秒間止まりました")
                    : Sj(std::to_string(options.connect_timeout_seconds) +
                         "秒以内に接続できませんでした"));
    case ERROR_WINHTTP_SECURE_FAILURE:
    case ERROR_WINHTTP_SECURE_INVALID_CA:
    case ERROR_WINHTTP_SECURE_INVALID_CERT:
    case ERROR_WINHTTP_SECURE_CERT_CN_INVALID:
    case ERROR_WINHTTP_SECURE_CERT_DATE_INVALID:
    case ERROR_WINHTTP_SECURE_CERT_REVOKED:
    case ERROR_WINHTTP_SECURE_CERT_WRONG_USAGE:
      throw DownloadError(Reason::kUntrusted, Sj("サーバーの証明書を信頼できません"));
    case ERROR_WINHTTP_SECURE_CHANNEL_ERROR:
      throw DownloadError(Reason::kUntrusted,
                          Sj("サーバーの証明書を信頼できないか、暗号化した通信を始められません"));
    default:
      throw DownloadError(Reason::kNetwork,
                          Sj("サーバーと通信できません（WinHTTP " + std::to_string(error) + "）"));
  }
}

std::wstring Wide(std::string_view ascii) {
  return std::wstring(ascii.begin(), ascii.end());
}

struct Address {
  bool secure = false;
  std::wstring host;
  INTERNET_PORT port = 0;
  std::wstring path;  // with the query
};

Address Crack(const std::string& url) {
  const std::wstring wide = Wide(url);
  URL_COMPONENTS parts{};
  parts.dwStructSize = sizeof parts;
  parts.dwHostNameLength = static_cast<DWORD>(-1);
  parts.dwUrlPathLength = static_cast<DWORD>(-1);
  parts.dwExtraInfoLength = static_cast<DWORD>(-1);
  if (!WinHttpCrackUrl(wide.c_str(), static_cast<DWORD>(wide.size()), 0, &parts)) {
    throw DownloadError(Reason::kRefused, Sj("アドレスを読めません"));
  }
  Address address;
  address.secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
  address.host.assign(parts.lpszHostName, parts.dwHostNameLength);
  address.port = parts.nPort;
  address.path.assign(parts.lpszUrlPath, parts.dwUrlPathLength);
  address.path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
  if (address.path.empty()) address.path = L"/";
  return address;
}

// A header's value; empty when the response has none.
std::wstring Header(HINTERNET request, DWORD query) {
  DWORD size = 0;
  WinHttpQueryHeaders(request, query, WINHTTP_HEADER_NAME_BY_INDEX, WINHTTP_NO_OUTPUT_BUFFER, &size,
                      WINHTTP_NO_HEADER_INDEX);
  if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return {};
  std::wstring value(size / sizeof(wchar_t), L'\0');
  if (!WinHttpQueryHeaders(request, query, WINHTTP_HEADER_NAME_BY_INDEX, value.data(), &size,
                           WINHTTP_NO_HEADER_INDEX)) {
    return {};
  }
  value.resize(size / sizeof(wchar_t));
  return value;
}

// The absolute address a Location header names, a relative one taken against `from`.
std::string Resolve(const std::string& from, const std::wstring& location) {
  std::string to;
  for (const wchar_t c : location) {
    if (c >= 0x80) throw DownloadError(Reason::kRefused, Sj("転送先のアドレスを読めません"));
    to += static_cast<char>(c);
  }
  if (to.find("://") != std::string::npos) return to;
  const std::size_t authority = from.find("://") + 3;
  if (to.starts_with("//")) return from.substr(0, authority - 2) + to;
  if (to.starts_with('/')) return from.substr(0, from.find('/', authority)) + to;
  return from.substr(0, from.rfind('/') + 1) + to;
}

bool IsRedirect(DWORD status) {
  return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

// With the system's proxy settings; systems before Windows 8.1 know only the proxy set for
// WinHTTP itself.
HINTERNET OpenSession() {
  HINTERNET session = WinHttpOpen(L"nanbaru", WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY,
                                  WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0);
  if (session != nullptr) return session;
  return WinHttpOpen(L"nanbaru", WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, WINHTTP_NO_PROXY_NAME,
                     WINHTTP_NO_PROXY_BYPASS, 0);
}

}  // namespace

bool Download(const std::string& url, const DownloadOptions& options, DownloadReceiver& receiver,
              const CancelFlag& cancel) {
  CheckDownloadAddress(url);
  InternetHandle session(OpenSession());
  if (session.get() == nullptr) ThrowFailure(GetLastError(), false, options, cancel);
  const int connect_ms = options.connect_timeout_seconds * 1000;
  const int stall_ms = options.stall_timeout_seconds * 1000;
  WinHttpSetTimeouts(session.get(), 0, connect_ms, stall_ms, stall_ms);

  std::string current = url;
  for (int redirects = 0;; ++redirects) {
    const Address address = Crack(current);
    InternetHandle connection(WinHttpConnect(session.get(), address.host.c_str(), address.port, 0));
    if (connection.get() == nullptr) ThrowFailure(GetLastError(), false, options, cancel);
    InternetHandle request(WinHttpOpenRequest(
        connection.get(), L"GET", address.path.c_str(), nullptr, WINHTTP_NO_REFERER,
        WINHTTP_DEFAULT_ACCEPT_TYPES, address.secure ? WINHTTP_FLAG_SECURE : 0));
    if (request.get() == nullptr) ThrowFailure(GetLastError(), false, options, cancel);
    DWORD no_redirects = WINHTTP_DISABLE_REDIRECTS;
    WinHttpSetOption(request.get(), WINHTTP_OPTION_DISABLE_FEATURE, &no_redirects,
                     sizeof no_redirects);
    const CancelFlag::Interrupt interrupt(cancel, [&request] { request.Close(); });
    cancel.ThrowIfCancelled();
    if (!WinHttpSendRequest(request.get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0,
                            WINHTTP_NO_REQUEST_DATA, 0, 0, 0) ||
        !WinHttpReceiveResponse(request.get(), nullptr)) {
      ThrowFailure(GetLastError(), false, options, cancel);
    }

    DWORD status = 0;
    DWORD size = sizeof status;
    WinHttpQueryHeaders(request.get(), WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                        WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX);
    if (IsRedirect(status)) {
      if (redirects == kMaxRedirects) {
        throw DownloadError(Reason::kNetwork, Sj("転送が多すぎます"));
      }
      current = Resolve(current, Header(request.get(), WINHTTP_QUERY_LOCATION));
      if (!current.starts_with("https://")) {
        throw DownloadError(Reason::kRefused, Sj("https 以外のアドレスへの転送には従いません"));
      }
      continue;
    }
    if (status != 200) {
      throw DownloadError(Reason::kStatus,
                          Sj("サーバーが HTTP " + std::to_string(status) + " を返しました"));
    }

    const std::wstring length = Header(request.get(), WINHTTP_QUERY_CONTENT_LENGTH);
    const std::uint64_t total = length.empty() ? 0 : std::wcstoull(length.c_str(), nullptr, 10);
    std::uint64_t received = 0;
    std::string block(64 * 1024, '\0');
    for (;;) {
      // What has arrived is read as it is; a read of a whole block would wait for the block.
      DWORD available = 0;
      if (!WinHttpQueryDataAvailable(request.get(), &available)) {
        ThrowFailure(GetLastError(), true, options, cancel);
      }
      cancel.ThrowIfCancelled();
      if (available == 0) break;
      DWORD got = 0;
      const DWORD asked = std::min<DWORD>(available, static_cast<DWORD>(block.size()));
      if (!WinHttpReadData(request.get(), block.data(), asked, &got)) {
        ThrowFailure(GetLastError(), true, options, cancel);
      }
      if (got == 0) break;
      received += got;
      if (!receiver.Receive(std::string_view(block.data(), got))) return false;
      receiver.Progress(received, total);
    }
    if (total != 0 && received < total) {
      throw DownloadError(Reason::kCutShort, Sj("ダウンロードが途中で切れました"));
    }
    return true;
  }
}

}  // namespace nanbaru
