#include "platform/download.h"

#include <algorithm>
#include <string>

#include "platform/sjis_codec.h"

namespace nanbaru {

namespace {

std::string Lower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
  return lower;
}

// 127.x.y.z written as four decimal numbers up to 255.
bool IsLoopbackIpv4(std::string_view host) {
  int parts = 0;
  while (!host.empty()) {
    const std::size_t dot = host.find('.');
    const std::string_view part = host.substr(0, dot);
    if (part.empty() || part.size() > 3 ||
        !std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; }) ||
        std::stoi(std::string(part)) > 255 || (parts == 0 && part != "127")) {
      return false;
    }
    ++parts;
    host.remove_prefix(dot == std::string_view::npos ? host.size() : dot + 1);
    if (dot != std::string_view::npos && host.empty()) return false;
  }
  return parts == 4;
}

// The host of an absolute address, lower case, without brackets, user or port.
std::string HostOf(std::string_view url) {
  url.remove_prefix(std::min(url.find("://") + 3, url.size()));
  std::string_view authority = url.substr(0, url.find_first_of("/?#"));
  const std::size_t at = authority.rfind('@');
  if (at != std::string_view::npos) authority.remove_prefix(at + 1);
  if (authority.starts_with('[')) return Lower(authority.substr(1, authority.find(']') - 1));
  return Lower(authority.substr(0, authority.find(':')));
}

}  // namespace

bool IsLoopbackHost(std::string_view host) {
  const std::string lower = Lower(host);
  return lower == "localhost" || lower == "::1" || IsLoopbackIpv4(lower);
}

void CheckDownloadAddress(std::string_view url) {
  const std::string lower = Lower(url.substr(0, 8));
  if (lower.starts_with("https://") && url.size() > 8) return;
  if (lower.starts_with("http://")) {
    if (IsLoopbackHost(HostOf(url))) return;
    throw DownloadError(DownloadError::Reason::kRefused,
                        Sj("暗号化されない http のアドレスには接続しません（https "
                           "のアドレスを指定して下さい）"));
  }
  throw DownloadError(DownloadError::Reason::kRefused,
                      Sj("https で始まるアドレスを指定して下さい"));
}

}  // namespace nanbaru
