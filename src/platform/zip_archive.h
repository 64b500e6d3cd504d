#pragma once
// Zip archives read where they lie: the directory of their members, and a member inflated as
// it is read, so no unpacked copy is made and memory stays bounded whatever its size.

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "common/byte_source.h"
#include "common/bytes.h"

namespace nanbaru {

// True when `head`, the first bytes of a file, starts a zip archive: with a member's local
// header, or with the end record of an archive that holds nothing.
inline bool LooksLikeZip(std::string_view head) {
  return head.starts_with("PK\x03\x04") || head.starts_with("PK\x05\x06");
}

struct ZipMember {
  // As stored, in whatever encoding the archive's maker used; '/' separates folders.
  Bytes name;
  bool encrypted = false;
  std::uint64_t size = 0;  // unpacked
  std::uint64_t packed_size = 0;
  // The date the archive gives, read as local time; none when the archive gives none.
  std::optional<std::time_t> modified;
};

class ZipArchive {
 public:
  virtual ~ZipArchive() = default;
  // In the order of the archive's directory.
  virtual const std::vector<ZipMember>& Members() const = 0;
  // The bytes of Members()[index], inflated as they are read. Reading throws AppError on
  // damaged data; a CRC error shows only at the member's end, after the bytes before it. The
  // source keeps the archive open for as long as it lives.
  virtual std::unique_ptr<ByteSource> OpenMember(std::size_t index) = 0;
};

// Opens the archive at `path` and reads its directory. Throws AppError with a message for the
// user when the archive is damaged or cannot be read, and InOutError when the file cannot be
// read.
std::unique_ptr<ZipArchive> OpenZipArchive(const Bytes& path);
// Opens an archive held in memory, such as a download, checking the consistency of its
// directory more strictly than a file's. `bytes` must outlive the archive and every source
// opened from it. Throws AppError as OpenZipArchive.
std::unique_ptr<ZipArchive> OpenZipArchiveInMemory(std::string_view bytes);

}  // namespace nanbaru
