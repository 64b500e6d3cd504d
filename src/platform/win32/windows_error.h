#pragma once
// The file codes of failed Windows calls.

#include <windows.h>

namespace nanbaru {

// Windows error codes are the file codes already (2, 3, 4, 5; 32 for a file another program
// holds shows as "I/O ｴﾗｰ (32)"), except a full disk, which is 101 whichever call finds it, and
// the other ways of naming no folder, which are 3.
int CodeFromWindowsError(DWORD error);

// Throws InOutError for GetLastError().
[[noreturn]] void ThrowLastError();

}  // namespace nanbaru
