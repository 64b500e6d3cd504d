#include <windows.h>

#include <string>

#include "common/utf.h"
#include "platform/errors.h"
#include "platform/native_name.h"
#include "platform/paths.h"
#include "platform/sjis_codec.h"
#include "platform/win32/windows_error.h"

namespace nanbaru {

char PathSeparator() {
  return '\\';
}

bool IsPathSeparator(char byte) {
  return byte == '\\' || byte == '/';
}

namespace {

std::wstring NativeCurrentDir() {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(buffer.size()), buffer.data());
    if (length == 0) ThrowLastError();
    if (length < buffer.size()) {
      buffer.resize(length);
      break;
    }
    buffer.resize(length);  // The size asked for, with its terminating null.
  }
  return buffer;
}

}  // namespace

Bytes CurrentDir() {
  Bytes dir;
  if (!ShiftJisName(NativeCurrentDir(), dir)) throw InOutError(io_code::kPathNotFound);
  return dir;
}

std::string CurrentDirUtf8() {
  const std::wstring dir = NativeCurrentDir();
  return Utf16ToUtf8(std::u16string(dir.begin(), dir.end()));
}

void ChangeDir(const Bytes& path) {
  if (!SetCurrentDirectoryW(FileSystemName(path).c_str())) ThrowLastError();
}

PathKind ProbePath(const Bytes& path) {
  std::u16string text;
  if (!SjisToUtf16Exact(path, text)) return PathKind::kMissing;
  const DWORD attributes = GetFileAttributesW(std::wstring(text.begin(), text.end()).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::kMissing;
  return attributes & FILE_ATTRIBUTE_DIRECTORY ? PathKind::kFolder : PathKind::kFile;
}

Bytes ExecutableDir() {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) {
      buffer.resize(length);
      break;
    }
    buffer.resize(buffer.size() * 2);
  }
  Bytes dir;
  if (!ShiftJisName(NativeFolderOf(buffer), dir)) return {};
  return dir;
}

}  // namespace nanbaru
