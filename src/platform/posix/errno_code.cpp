#include "platform/posix/errno_code.h"

#include <sys/stat.h>

#include <cerrno>

#include "platform/errors.h"
#include "platform/native_name.h"
#include "platform/system_error.h"

namespace nanbaru {

namespace {

// Platform errors whose numbers are keys of the message table would show another error's
// message; they take the codes the file layer reports for the same failures on Windows.
constexpr int kDeviceError = 1117;
constexpr int kNetworkNameGone = 64;

// True when the folder that would hold `native_name` exists.
bool ParentFolderExists(const char* native_name) {
  struct stat info;
  return stat(NativeFolderOf(native_name).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

int CodeFromErrno(int error_number, const char* native_name) {
  switch (error_number) {
    case ENOENT:
      return native_name != nullptr && !ParentFolderExists(native_name) ? io_code::kPathNotFound
                                                                        : io_code::kFileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
      return io_code::kPathNotFound;
    case EMFILE:
    case ENFILE:
      return io_code::kTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
      return io_code::kAccessDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return io_code::kDiskFull;
    case EIO:
      return kDeviceError;
    case ENETDOWN:
    case ENETUNREACH:
      return kNetworkNameGone;
    default:
      return error_number;
  }
}

void ThrowErrno(const char* native_name) {
  throw InOutError(CodeFromErrno(errno, native_name));
}

int CodeFromSystemError(const std::error_code& error) {
  return CodeFromErrno(error.value());
}

}  // namespace nanbaru
