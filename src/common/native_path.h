#pragma once
// The operating-system boundary for paths and the current directory. Paths travel through
// the system as Shift-JIS bytes and are converted only here (UTF-8 names on Linux).

#include <string>

#include "common/bytes.h"

namespace nanbaru {

// The platform's path separator as the system writes it into paths.
inline constexpr char kPathSeparator = '/';

// The file-system name for a Shift-JIS path. Throws InOutError(3) when the bytes do not
// convert exactly, so a mangled name never reaches the file system.
std::string NativePath(const Bytes& path);

// The process's current directory as the file system names it. Throws InOutError when the
// platform refuses.
std::string NativeCurrentDir();
// The process's current directory as Shift-JIS. Throws InOutError when the platform refuses
// or when the name cannot be held in Shift-JIS.
Bytes CurrentDir();
// Changes the process's current directory; throws InOutError on failure.
void ChangeDir(const Bytes& path);

// The folder that holds a file-system name: the part before its last separator, "/" for a
// name in the root and "." for a bare name.
std::string NativeFolderOf(const std::string& native_path);

// The directory with a separator appended unless its last byte already is one.
Bytes WithTrailingSeparator(const Bytes& dir);

}  // namespace nanbaru
