#pragma once
// Files read as a stream of bytes, and as text by lines.

#include <memory>

#include "common/byte_source.h"
#include "common/bytes.h"
#include "common/text_reader.h"

namespace nanbaru {

// Opens a file for reading; throws InOutError. A folder is refused with code 5.
std::unique_ptr<ByteSource> OpenFileSource(const Bytes& path);

// A reader of the file's lines; throws InOutError as OpenFileSource.
inline std::unique_ptr<TextReader> OpenTextFile(const Bytes& path) {
  return std::make_unique<TextReader>(OpenFileSource(path));
}

}  // namespace nanbaru
