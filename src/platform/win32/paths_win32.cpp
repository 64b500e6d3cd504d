#include <windows.h>

#include <cstdint>
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

std::optional<std::time_t> ModifiedTime(const Bytes& path) {
  std::u16string text;
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!SjisToUtf16Exact(path, text) ||
      !GetFileAttributesExW(std::wstring(text.begin(), text.end()).c_str(), GetFileExInfoStandard,
                            &data)) {
    return std::nullopt;
  }
  // File times count 100 ns from 1601; time_t counts seconds from 1970.
  constexpr std::uint64_t kTicksPerSecond = 10'000'000;
  constexpr std::uint64_t k1970 = 11'644'473'600 * kTicksPerSecond;
  const std::uint64_t ticks = (std::uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32) |
                              data.ftLastWriteTime.dwLowDateTime;
  if (ticks < k1970) return std::nullopt;
  return static_cast<std::time_t>((ticks - k1970) / kTicksPerSecond);
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
