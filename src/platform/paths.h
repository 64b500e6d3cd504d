#pragma once
// Paths as the system passes them around: Shift-JIS bytes, converted to the file system's own
// names only inside the platform layer (UTF-8 on Linux, UTF-16 on Windows).

#include <cstddef>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

#include "common/bytes.h"

namespace nanbaru {

// The separator the platform writes into paths.
char PathSeparator();
// True for a byte that separates folders when it starts a character: '/' everywhere, and
// '\' too on Windows.
bool IsPathSeparator(char byte);

// Position of the last separator in a Shift-JIS path, npos when there is none. The second
// byte of a double-byte character is never taken for one (ソ is 83 5C, 表 is 95 5C).
std::size_t LastSeparator(std::string_view path);

// The directory with a separator appended unless it already ends with one.
Bytes WithTrailingSeparator(const Bytes& dir);

// The process's current directory as Shift-JIS. Throws InOutError when the platform refuses
// or when the name cannot be held in Shift-JIS (3).
Bytes CurrentDir();
// The process's current directory as UTF-8, to be shown when it has no Shift-JIS name (an
// unpaired UTF-16 surrogate becomes U+FFFD). Throws InOutError when the platform refuses.
std::string CurrentDirUtf8();
// Changes the process's current directory; throws InOutError on failure.
void ChangeDir(const Bytes& path);

enum class PathKind { kMissing, kFile, kFolder };
// What lies at a path; a name that cannot be converted exactly is missing.
PathKind ProbePath(const Bytes& path);
// When the file at a path was last changed; none when that cannot be told.
std::optional<std::time_t> ModifiedTime(const Bytes& path);

// The folder of the running program, without a trailing separator; empty when it cannot be
// found or its name cannot be held in Shift-JIS.
Bytes ExecutableDir();

}  // namespace nanbaru
