#include <unistd.h>

#include <cerrno>

#include "platform/command_line.h"

namespace nanbaru {

namespace {

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t wrote = write(fd, bytes.data(), bytes.size());
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(wrote));
  }
  return true;
}

}  // namespace

std::vector<std::string> CommandArguments(int argc, char** argv) {
  return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

bool WriteStandardOutput(std::string_view bytes, bool) {
  return WriteAll(STDOUT_FILENO, bytes);
}

void WriteStandardError(std::string_view utf8) {
  WriteAll(STDERR_FILENO, utf8);
}

// A terminal's program has its standard streams already.
void UseParentConsole() {}

}  // namespace nanbaru
