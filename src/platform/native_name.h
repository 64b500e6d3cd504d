#pragma once
// File-system names in the system's own form: UTF-8 bytes on Linux, UTF-16 on Windows. The
// system names files by Shift-JIS paths and converts them only here, at the file calls; a name
// the platform gives (one chosen in a dialog) may also be used as it is, never passing through
// Shift-JIS.

#include <filesystem>

#include "common/bytes.h"

namespace nanbaru {

using NativeString = std::filesystem::path::string_type;

struct NativeName {
  std::filesystem::path path;
};

// The file-system name for a Shift-JIS path. Throws InOutError(3) when the bytes do not
// convert exactly, so a mangled name never reaches the file system.
NativeString FileSystemName(const Bytes& path);
NativeName NativeNameOf(const Bytes& path);

// A file-system name back in Shift-JIS; false when Shift-JIS cannot hold it.
bool ShiftJisName(const NativeString& native, Bytes& path);

// The folder that holds a file-system name: the part before its last separator, the root
// itself for a name in the root ("/", "C:\"), and "." for a bare name.
NativeString NativeFolderOf(const NativeString& native_name);

}  // namespace nanbaru
