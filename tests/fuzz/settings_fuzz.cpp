// The settings-file reader on any file: the eight lines the plain reading rules give, the
// numbers of lines 6 and 7 read as start-up reads them, and the file released however the
// reading ends.

#include <fcntl.h>
#include <fuzzer/FuzzedDataProvider.h>
#include <sys/mman.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "app/settings_file.h"
#include "fuzz_check.h"
#include "platform/errors.h"
#include "shared/reference_lines.h"

namespace {

// One file in memory, rewritten for each input and opened by its name as any file is.
int MemoryFile() {
  static const int fd = memfd_create("nanbaru2.ini", 0);
  FUZZ_CHECK(fd >= 0);
  return fd;
}

// The lowest free descriptor: it rises when a reading leaves a file open.
int LowestFreeDescriptor() {
  const int fd = open("/dev/null", O_RDONLY);
  close(fd);
  return fd;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace nanbaru;
  FuzzedDataProvider input(data, size);
  const int stop_at = input.ConsumeIntegralInRange(0, kSettingsLineCount + 1);
  const std::string bytes = input.ConsumeRemainingBytesAsString();
  const int fd = MemoryFile();
  FUZZ_CHECK(ftruncate(fd, 0) == 0);
  FUZZ_CHECK(pwrite(fd, bytes.data(), bytes.size(), 0) == static_cast<ssize_t>(bytes.size()));
  const int free_before = LowestFreeDescriptor();

  std::vector<std::string> expected = ReferenceLines(bytes);
  expected.resize(kSettingsLineCount);
  std::vector<std::string> got;
  bool stopped = false;
  try {
    ReadSettings("/proc/self/fd/" + std::to_string(fd), [&](int line, const Bytes& text) {
      FUZZ_CHECK(line == static_cast<int>(got.size()) + 1);
      got.push_back(text);
      if (line == stop_at) throw InOutError(io_code::kAccessDenied);
      if (line == 6 || line == 7) StrToInt(text);
    });
  } catch (const ConvertError&) {
    stopped = true;
  } catch (const InOutError& error) {
    FUZZ_CHECK(error.code() == io_code::kAccessDenied);
    stopped = true;
  }
  FUZZ_CHECK(stopped ? got.size() <= expected.size() : got.size() == expected.size());
  FUZZ_CHECK(std::equal(got.begin(), got.end(), expected.begin()));
  FUZZ_CHECK(LowestFreeDescriptor() == free_before);
  return 0;
}
