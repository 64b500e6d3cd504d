#pragma once
// A file's bytes as they lie on disk, for the tests of everything that writes files.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace nanbaru {

// "<missing>" when the file cannot be opened, so that a missing file never passes for an
// empty one.
// The path is UTF-8 on every platform.
inline std::string FileBytes(const std::string& path) {
  std::ifstream in(std::filesystem::path(std::u8string(path.begin(), path.end())),
                   std::ios::binary);
  if (!in) return "<missing>";
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace nanbaru
