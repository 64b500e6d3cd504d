#pragma once
// File-system names on Linux: UTF-8.

#include <string>

#include "common/bytes.h"

namespace nanbaru {

// The file-system name for a Shift-JIS path. Throws InOutError(3) when the bytes do not
// convert exactly, so a mangled name never reaches the file system.
std::string FileSystemName(const Bytes& path);

// The folder that holds a file-system name: the part before its last separator, "/" for a
// name in the root and "." for a bare name.
std::string NativeFolderOf(const std::string& native_name);

}  // namespace nanbaru
