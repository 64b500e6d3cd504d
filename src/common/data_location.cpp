#include "common/data_location.h"

#include <unistd.h>

#include <filesystem>
#include <vector>

namespace nanbaru {

std::string ExecutableDir() {
  std::vector<char> buffer(4096);
  const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
  if (length <= 0 || static_cast<std::size_t>(length) >= buffer.size()) return {};
  const std::string path(buffer.data(), static_cast<std::size_t>(length));
  return path.substr(0, path.rfind('/'));
}

std::string BundledDataFile(std::string_view name) {
  const std::filesystem::path dir = ExecutableDir();
  // Without the "bin/..", so that the path reads well where it is shown or kept.
  const std::string build_tree = (dir / "../data" / name).lexically_normal().string();
  if (access(build_tree.c_str(), F_OK) == 0) return build_tree;
  // The build passes the installed data folder relative to the installed program folder.
  const std::string installed = (dir / NANBARU_DATA_FROM_BIN / name).lexically_normal().string();
  if (access(installed.c_str(), F_OK) == 0) return installed;
  return build_tree;
}

}  // namespace nanbaru
