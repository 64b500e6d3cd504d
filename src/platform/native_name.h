#pragma once
// File-system names as the platform gives them (a name chosen in a dialog), for files whose
// name never passes through Shift-JIS: bytes on Linux, UTF-16 on Windows.

#include <filesystem>

#include "common/bytes.h"

namespace nanbaru {

struct NativeName {
  std::filesystem::path path;
};

// The file-system name for a Shift-JIS path. Throws InOutError(3) when the bytes do not
// convert exactly, so a mangled name never reaches the file system.
NativeName NativeNameOf(const Bytes& path);

}  // namespace nanbaru
