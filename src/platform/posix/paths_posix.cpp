#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/errors.h"
#include "platform/native_name.h"
#include "platform/paths.h"
#include "platform/posix/errno_code.h"
#include "platform/sjis_codec.h"

namespace nanbaru {

char PathSeparator() {
  return '/';
}

bool IsPathSeparator(char byte) {
  return byte == '/';
}

std::string CurrentDirUtf8() {
  std::vector<char> buffer(4096);
  while (getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) ThrowErrno();
    buffer.resize(buffer.size() * 2);
  }
  return buffer.data();
}

Bytes CurrentDir() {
  Bytes dir;
  if (!ShiftJisName(CurrentDirUtf8(), dir)) throw InOutError(io_code::kPathNotFound);
  return dir;
}

void ChangeDir(const Bytes& path) {
  const std::string native = FileSystemName(path);
  if (chdir(native.c_str()) != 0) ThrowErrno(native.c_str());
}

PathKind ProbePath(const Bytes& path) {
  std::string native;
  struct stat info;
  if (!SjisToUtf8Exact(path, native) || stat(native.c_str(), &info) != 0) return PathKind::kMissing;
  return S_ISDIR(info.st_mode) ? PathKind::kFolder : PathKind::kFile;
}

std::optional<std::time_t> ModifiedTime(const Bytes& path) {
  std::string native;
  struct stat info;
  if (!SjisToUtf8Exact(path, native) || stat(native.c_str(), &info) != 0) return std::nullopt;
  return info.st_mtime;
}

Bytes ExecutableDir() {
  std::vector<char> buffer(4096);
  const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
  if (length <= 0 || static_cast<std::size_t>(length) >= buffer.size()) return {};
  const std::string path(buffer.data(), static_cast<std::size_t>(length));
  Bytes dir;
  if (!ShiftJisName(NativeFolderOf(path), dir)) return {};
  return dir;
}

}  // namespace nanbaru
