#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>

#include "platform/errors.h"
#include "platform/native_name.h"
#include "platform/output_file.h"
#include "platform/win32/owned_handle.h"
#include "platform/win32/windows_error.h"

namespace nanbaru {

namespace {

class HandleFile : public OutputFile {
 public:
  explicit HandleFile(HANDLE file) : file_(file) {}

  void Write(std::string_view bytes) override {
    while (!bytes.empty()) {
      const DWORD asked = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1 << 30));
      DWORD wrote = 0;
      if (!WriteFile(file_.get(), bytes.data(), asked, &wrote, nullptr)) ThrowLastError();
      if (wrote == 0) throw InOutError(io_code::kDiskFull);
      bytes.remove_prefix(wrote);
    }
  }

  void Close() override { file_.Close(); }

 protected:
  OwnedHandle file_;
};

// A temporary file beside the target that takes its place on Close.
class StagedFile : public HandleFile {
 public:
  StagedFile(HANDLE file, std::wstring temp, std::wstring target, DWORD target_attributes)
      : HandleFile(file),
        temp_(std::move(temp)),
        target_(std::move(target)),
        target_attributes_(target_attributes) {}
  ~StagedFile() override {
    if (temp_.empty()) return;
    // Windows deletes no file that is still open.
    file_.Discard();
    DeleteFileW(temp_.c_str());
  }

  void Close() override {
    if (!file_.is_open()) return;
    if (!FlushFileBuffers(file_.get())) ThrowLastError();
    HandleFile::Close();
    // Replacing keeps the old file's security; its attributes are copied first, as not
    // every file system's replace keeps them. Where the file system cannot replace, the new
    // file is moved over the old one.
    const bool existed = target_attributes_ != INVALID_FILE_ATTRIBUTES;
    if (existed) SetFileAttributesW(temp_.c_str(), target_attributes_);
    const bool replaced =
        existed && ReplaceFileW(target_.c_str(), temp_.c_str(), nullptr,
                                REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS,
                                nullptr, nullptr);
    if (!replaced && !MoveFileExW(temp_.c_str(), target_.c_str(),
                                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      ThrowLastError();
    }
    temp_.clear();
  }

 private:
  std::wstring temp_;
  std::wstring target_;
  DWORD target_attributes_;
};

// Creates a new file named `prefix` and a random suffix; its name goes into `name`.
HANDLE CreateTemporary(const std::wstring& prefix, std::wstring& name) {
  std::random_device seed;
  std::mt19937 random(seed());
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = prefix + std::to_wstring(random() % 1000000000);
    const HANDLE file = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return INVALID_HANDLE_VALUE;
}

}  // namespace

std::unique_ptr<OutputFile> CreateOutputFile(const NativeName& name) {
  const HANDLE file = CreateFileW(name.path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) ThrowLastError();
  return std::make_unique<HandleFile>(file);
}

std::unique_ptr<OutputFile> StageOutputFile(const NativeName& name) {
  std::wstring target = name.path.native();
  // Refuse exactly what creating the target in place would refuse.
  const DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) {
      throw InOutError(io_code::kAccessDenied);
    }
  } else {
    const int code = CodeFromWindowsError(GetLastError());
    if (code != io_code::kFileNotFound) throw InOutError(code);
  }

  const std::wstring prefix =
      (std::filesystem::path(NativeFolderOf(target)) / L".nanbaru-").native();
  std::wstring temp;
  const HANDLE file = CreateTemporary(prefix, temp);
  if (file == INVALID_HANDLE_VALUE) {
    // No file can be put beside the target, but the target itself may be rewritten.
    if (attributes != INVALID_FILE_ATTRIBUTES && GetLastError() == ERROR_ACCESS_DENIED) {
      return CreateOutputFile(name);
    }
    ThrowLastError();
  }
  return std::make_unique<StagedFile>(file, std::move(temp), std::move(target), attributes);
}

}  // namespace nanbaru
