#include "support/held_open.h"

#include <filesystem>

namespace nanbaru::test {

bool HeldOpen(const char* file_name) {
  for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
    std::error_code error;
    if (std::filesystem::read_symlink(entry.path(), error).filename() == file_name) return true;
  }
  return false;
}

}  // namespace nanbaru::test
