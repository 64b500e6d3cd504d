#pragma once
// File-system names on Windows: UTF-16.

#include <string>

#include "common/bytes.h"

namespace nanbaru {

// The file-system name for a Shift-JIS path. Throws InOutError(3) when the bytes do not
// convert exactly, so a mangled name never reaches the file system.
std::wstring FileSystemName(const Bytes& path);

// A file-system name back in Shift-JIS; false when Shift-JIS cannot hold it.
bool ShiftJisName(std::wstring_view native, Bytes& path);

}  // namespace nanbaru
