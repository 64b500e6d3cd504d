#pragma once
// What the core tests need from the platform they run on. Where a platform offers no such
// thing, the helper says so and the test is skipped there.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "common/bytes.h"

namespace nanbaru {

class ScratchDir;

// A file that opens but whose first read fails, with the code the failure gives.
struct FailingRead {
  Bytes path;
  int code;
};
std::optional<FailingRead> FileFailingToRead();

// Files in `dir` (or elsewhere) that exist but cannot be opened for reading.
std::vector<Bytes> UnreadableFiles(const ScratchDir& dir);

// Makes a named pipe at `path` (UTF-8); false where the file system has none.
bool MakeFifo(const std::string& path);
// Waits up to five seconds for a reader to open the pipe, then writes `chunk` `repeats`
// times; true when every byte went in before the reader closed its end.
bool FeedFifo(const std::string& path, const std::string& chunk, std::size_t repeats = 1);

// How many files and other handles the process holds open.
std::optional<std::size_t> OpenHandleCount();

// Whether the download can be given the test server's certificate to trust (DownloadOptions's
// ca_file); where it cannot, the tests fetch over plain HTTP what they would over HTTPS.
bool TrustsTestCertificates();

// Points the user's data folder (UserDataFolder(), then `dir`/nanbaru) of this process and the
// commands it starts at `dir` (UTF-8).
void PointUserDataAt(const std::string& dir);

// Packs `dir`/`file` into the Zip64 archive `dir`/`archive` with the zip tool, whose archives
// the tests cannot write otherwise; false where the platform has no such tool.
bool WriteZip64(const std::string& dir, const std::string& file, const std::string& archive);

// Resets the process's peak memory and reads it back, in kilobytes.
bool ResetPeakMemory();
std::optional<long> PeakMemoryKilobytes();

}  // namespace nanbaru
