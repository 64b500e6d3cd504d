#pragma once
// The file codes of failed POSIX calls.

namespace nanbaru {

// Maps the errno of a failed call to the file code; codes without an entry in the message
// table pass through and show as "I/O ｴﾗｰ (%d)", except those whose number is itself a key of
// the table (EIO is 5), which take a code outside it. `native_name` lets ENOENT tell a
// missing file (2) from a missing folder on the way to it (3).
int CodeFromErrno(int error_number, const char* native_name = nullptr);

// Throws InOutError for the current errno.
[[noreturn]] void ThrowErrno(const char* native_name = nullptr);

}  // namespace nanbaru
