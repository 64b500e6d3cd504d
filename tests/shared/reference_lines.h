#pragma once
// The reading rules written out plainly, for holding the text reader against: cut at the first
// 0x1A, then split at CR, with an LF right after a CR belonging to the line end.

#include <string>
#include <string_view>
#include <vector>

namespace nanbaru {

inline std::vector<std::string> ReferenceLines(std::string_view bytes) {
  bytes = bytes.substr(0, bytes.find('\x1A'));
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at < bytes.size()) {
    const std::size_t cr = bytes.find('\r', at);
    if (cr == std::string_view::npos) {
      lines.emplace_back(bytes.substr(at));
      break;
    }
    lines.emplace_back(bytes.substr(at, cr - at));
    at = cr + 1;
    if (at < bytes.size() && bytes[at] == '\n') ++at;
  }
  return lines;
}

}  // namespace nanbaru
