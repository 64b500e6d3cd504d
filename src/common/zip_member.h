#pragma once
// The national list as the postal service publishes it: a zip archive holding one CSV file.
// The member is inflated as it is read, so no unpacked copy is made and memory stays bounded
// whatever its size.

#include <memory>
#include <string_view>

#include "common/byte_source.h"
#include "common/bytes.h"

namespace nanbaru {

// True when `head`, the first bytes of a file, starts a zip archive: with a member's local
// header, or with the end record of an archive that holds nothing.
inline bool LooksLikeZip(std::string_view head) {
  return head.starts_with("PK\x03\x04") || head.starts_with("PK\x05\x06");
}

// Opens the archive at `path` and its member that holds the list: the one named KEN_ALL.CSV
// or utf_ken_all.csv in any case, else the only .csv member. Throws AppError with a message
// for the user when the archive is damaged, encrypted, or holds no such member or several
// CSV files, and InOutError when the file cannot be read. Reading throws AppError on damaged
// data; a CRC error shows only at the member's end, after the lines before it.
std::unique_ptr<ByteSource> OpenZipMember(const Bytes& path);

}  // namespace nanbaru
