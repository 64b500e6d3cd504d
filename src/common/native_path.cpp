#include "common/native_path.h"

#include <unistd.h>

#include <cerrno>
#include <vector>

#include "common/errors.h"
#include "common/sjis_codec.h"

namespace nanbaru {

std::string NativePath(const Bytes& path) {
  std::string native;
  if (!SjisToUtf8Exact(path, native) || native.find('\0') != std::string::npos) {
    throw InOutError(io_code::kPathNotFound);
  }
  return native;
}

std::string NativeCurrentDir() {
  std::vector<char> buffer(4096);
  while (getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) throw InOutError(CodeFromErrno(errno));
    buffer.resize(buffer.size() * 2);
  }
  return buffer.data();
}

Bytes CurrentDir() {
  Bytes dir;
  if (!Utf8ToSjisExact(NativeCurrentDir(), dir)) throw InOutError(io_code::kPathNotFound);
  return dir;
}

void ChangeDir(const Bytes& path) {
  const std::string native = NativePath(path);
  if (chdir(native.c_str()) != 0) throw InOutError(CodeFromErrno(errno, native.c_str()));
}

std::string NativeFolderOf(const std::string& native_path) {
  const std::size_t slash = native_path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : native_path.substr(0, slash);
}

Bytes WithTrailingSeparator(const Bytes& dir) {
  if (!dir.empty() && dir.back() == kPathSeparator) return dir;
  return dir + kPathSeparator;
}

}  // namespace nanbaru
