#include "platform/paths.h"

#include "common/sjis_bytes.h"

namespace nanbaru {

std::size_t LastSeparator(std::string_view path) {
  std::size_t last = std::string_view::npos;
  for (std::size_t i = 0; i < path.size(); i += SjisCharLength(path, i)) {
    if (IsPathSeparator(path[i])) last = i;
  }
  return last;
}

Bytes WithTrailingSeparator(const Bytes& dir) {
  if (!dir.empty() && LastSeparator(dir) == dir.size() - 1) return dir;
  return dir + PathSeparator();
}

}  // namespace nanbaru
