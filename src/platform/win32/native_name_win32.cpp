#include "platform/errors.h"
#include "platform/native_name.h"
#include "platform/sjis_codec.h"

namespace nanbaru {

NativeString FileSystemName(const Bytes& path) {
  std::u16string text;
  if (!SjisToUtf16Exact(path, text) || text.find(u'\0') != std::u16string::npos) {
    throw InOutError(io_code::kPathNotFound);
  }
  return std::wstring(text.begin(), text.end());
}

bool ShiftJisName(const NativeString& native, Bytes& path) {
  return Utf16ToSjisExact(std::u16string(native.begin(), native.end()), path);
}

}  // namespace nanbaru
