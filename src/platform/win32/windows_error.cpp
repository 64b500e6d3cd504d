#include "platform/win32/windows_error.h"

#include <cerrno>

#include "platform/errors.h"
#include "platform/system_error.h"

namespace nanbaru {

int CodeFromWindowsError(DWORD error) {
  switch (error) {
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_DISK_FULL:
      return io_code::kDiskFull;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_DIRECTORY:
      return io_code::kPathNotFound;
    default:
      return static_cast<int>(error);
  }
}

void ThrowLastError() {
  throw InOutError(CodeFromWindowsError(GetLastError()));
}

// The library reports most failures by their Windows code, a few by their errno.
int CodeFromSystemError(const std::error_code& error) {
  if (error.category() != std::generic_category()) {
    return CodeFromWindowsError(static_cast<DWORD>(error.value()));
  }
  switch (error.value()) {
    case ENOENT:
      return io_code::kFileNotFound;
    case EACCES:
      return io_code::kAccessDenied;
    case ENOSPC:
      return io_code::kDiskFull;
    default:
      return error.value();
  }
}

}  // namespace nanbaru
