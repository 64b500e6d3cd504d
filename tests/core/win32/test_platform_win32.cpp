#include <windows.h>

#include "scratch_dir.h"
#include "test_platform.h"

namespace nanbaru {

// Windows offers no file that opens and then fails to read, and no peak memory to reset;
// a file held by another program is tested on its own (locked_file_test).

std::optional<FailingRead> FileFailingToRead() {
  return std::nullopt;
}

// WinHTTP trusts the system's store alone, which the tests leave as it is.
bool TrustsTestCertificates() {
  return false;
}

bool WriteZip64(const std::string&, const std::string&, const std::string&) {
  return false;
}

// The folder the program names from the variable, as Windows sets it for every process.
void PointUserDataAt(const std::string& dir) {
  SetEnvironmentVariableW(L"LOCALAPPDATA", Utf8Path(dir).c_str());
}

std::vector<Bytes> UnreadableFiles(const ScratchDir&) {
  return {};
}

// Named pipes live in a namespace of their own, not in folders.
bool MakeFifo(const std::string&) {
  return false;
}

bool FeedFifo(const std::string&, const std::string&, std::size_t) {
  return false;
}

std::optional<std::size_t> OpenHandleCount() {
  DWORD count = 0;
  if (!GetProcessHandleCount(GetCurrentProcess(), &count)) return std::nullopt;
  return count;
}

bool ResetPeakMemory() {
  return false;
}

std::optional<long> PeakMemoryKilobytes() {
  return std::nullopt;
}

}  // namespace nanbaru
