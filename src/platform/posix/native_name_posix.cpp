#include "platform/errors.h"
#include "platform/native_name.h"
#include "platform/sjis_codec.h"

namespace nanbaru {

NativeString FileSystemName(const Bytes& path) {
  std::string native;
  if (!SjisToUtf8Exact(path, native) || native.find('\0') != std::string::npos) {
    throw InOutError(io_code::kPathNotFound);
  }
  return native;
}

bool ShiftJisName(const NativeString& native, Bytes& path) {
  return Utf8ToSjisExact(native, path);
}

}  // namespace nanbaru
