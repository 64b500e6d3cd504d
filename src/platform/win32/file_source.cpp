#include "platform/file_source.h"

#include <windows.h>

#include <algorithm>

#include "platform/errors.h"
#include "platform/native_name.h"
#include "platform/win32/owned_handle.h"
#include "platform/win32/windows_error.h"

namespace nanbaru {

namespace {

class FileSource : public ByteSource {
 public:
  explicit FileSource(HANDLE file) : file_(file) {}

  std::size_t Read(char* into, std::size_t size) override {
    const DWORD asked = static_cast<DWORD>(std::min<std::size_t>(size, 1 << 30));
    DWORD got = 0;
    if (!ReadFile(file_.get(), into, asked, &got, nullptr)) {
      const DWORD error = GetLastError();
      // The writing end of a pipe has closed: that is its end.
      if (error == ERROR_BROKEN_PIPE || error == ERROR_HANDLE_EOF) return 0;
      throw InOutError(CodeFromWindowsError(error));
    }
    return got;
  }

  void Close() override { file_.Close(); }

 private:
  OwnedHandle file_;
};

}  // namespace

// Other programs may go on reading, writing, renaming and deleting the file meanwhile, as
// they may while a file is open elsewhere on Windows.
std::unique_ptr<ByteSource> OpenFileSource(const Bytes& path) {
  const HANDLE file = CreateFileW(FileSystemName(path).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE) ThrowLastError();
  BY_HANDLE_FILE_INFORMATION info;
  if (GetFileInformationByHandle(file, &info) &&
      (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
    CloseHandle(file);
    throw InOutError(io_code::kAccessDenied);
  }
  return std::make_unique<FileSource>(file);
}

}  // namespace nanbaru
