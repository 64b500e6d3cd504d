#include "platform/native_name.h"

namespace nanbaru {

NativeName NativeNameOf(const Bytes& path) {
  return {FileSystemName(path)};
}

NativeString NativeFolderOf(const NativeString& native_name) {
  const std::filesystem::path folder = std::filesystem::path(native_name).parent_path();
  return folder.empty() ? NativeString(1, '.') : folder.native();
}

}  // namespace nanbaru
