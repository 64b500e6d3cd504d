#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <thread>

#include "scratch_dir.h"
#include "test_platform.h"

namespace nanbaru {

namespace {

long KilobytesOf(const std::string& field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.starts_with(field)) return std::stol(line.substr(field.size()));
  }
  return -1;
}

}  // namespace

// The process's own memory opens as a file, but reading its unmapped first page fails with
// EIO, which shows as the device error 1117.
std::optional<FailingRead> FileFailingToRead() {
  return FailingRead{"/proc/self/mem", 1117};
}

bool TrustsTestCertificates() {
  return true;
}

bool WriteZip64(const std::string& dir, const std::string& file, const std::string& archive) {
  const std::string command = "cd '" + dir + "' && zip -q -fz '" + archive + "' '" + file + "'";
  if (std::system(command.c_str()) != 0) throw std::runtime_error("failed: " + command);
  return true;
}

void PointUserDataAt(const std::string& dir) {
  setenv("XDG_DATA_HOME", dir.c_str(), 1);
}

std::vector<Bytes> UnreadableFiles(const ScratchDir& dir) {
  std::vector<Bytes> files;
  const std::string locked = dir.Write("locked.csv", "1,\"322\"\r\n");
  chmod(locked.c_str(), 0);
  if (access(locked.c_str(), R_OK) != 0) files.push_back(locked);
  // Running as root reads any file; a kernel setting without read permission stands in.
  const char* write_only = "/proc/sys/vm/compact_memory";
  const int fd = open(write_only, O_RDONLY);
  if (fd >= 0) close(fd);
  if (fd < 0 && errno == EACCES) files.push_back(write_only);
  return files;
}

bool MakeFifo(const std::string& path) {
  return mkfifo(path.c_str(), 0600) == 0;
}

bool FeedFifo(const std::string& path, const std::string& chunk, std::size_t repeats) {
  signal(SIGPIPE, SIG_IGN);
  int fd = -1;
  for (int tries = 0; fd < 0 && tries < 500; ++tries) {
    fd = open(path.c_str(), O_WRONLY | O_NONBLOCK);
    if (fd < 0) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  if (fd < 0) return false;
  fcntl(fd, F_SETFL, 0);
  bool whole = true;
  for (std::size_t i = 0; i < repeats && whole; ++i) {
    std::size_t done = 0;
    while (done < chunk.size()) {
      const ssize_t wrote = write(fd, chunk.data() + done, chunk.size() - done);
      if (wrote <= 0) break;
      done += static_cast<std::size_t>(wrote);
    }
    whole = done == chunk.size();
  }
  close(fd);
  return whole;
}

std::optional<std::size_t> OpenHandleCount() {
  return static_cast<std::size_t>(
      std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {}));
}

bool ResetPeakMemory() {
  return static_cast<bool>(std::ofstream("/proc/self/clear_refs").write("5", 1));
}

std::optional<long> PeakMemoryKilobytes() {
  return KilobytesOf("VmHWM:");
}

}  // namespace nanbaru
