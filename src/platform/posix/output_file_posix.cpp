#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>

#include "platform/errors.h"
#include "platform/native_name.h"
#include "platform/output_file.h"
#include "platform/posix/errno_code.h"
#include "platform/posix/owned_fd.h"

namespace nanbaru {

namespace {

// Asked for the effective user, the one the file calls run as.
bool Allowed(const std::string& native_name, int mode) {
  return faccessat(AT_FDCWD, native_name.c_str(), mode, AT_EACCESS) == 0;
}

// The permission bits a plain create gives a new file.
mode_t CreatedMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

class FdFile : public OutputFile {
 public:
  explicit FdFile(int fd) : fd_(fd) {}

  void Write(std::string_view bytes) override {
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t wrote = write(fd_.get(), bytes.data() + done, bytes.size() - done);
      if (wrote < 0) {
        if (errno == EINTR) continue;
        ThrowErrno();
      }
      if (wrote == 0) throw InOutError(io_code::kDiskFull);
      done += static_cast<std::size_t>(wrote);
    }
  }

  void Close() override { fd_.Close(); }

 protected:
  OwnedFd fd_;
};

// A temporary file beside the target, renamed over it on Close.
class StagedFile : public FdFile {
 public:
  StagedFile(int fd, std::string temp, std::string target)
      : FdFile(fd), temp_(std::move(temp)), target_(std::move(target)) {}
  ~StagedFile() override {
    if (!temp_.empty()) unlink(temp_.c_str());
  }

  void Close() override {
    if (!fd_.is_open()) return;
    if (fsync(fd_.get()) != 0) ThrowErrno();
    FdFile::Close();
    if (rename(temp_.c_str(), target_.c_str()) != 0) ThrowErrno(target_.c_str());
    temp_.clear();
  }

 private:
  std::string temp_;
  std::string target_;
};

}  // namespace

std::unique_ptr<OutputFile> CreateOutputFile(const NativeName& name) {
  const std::string& native = name.path.native();
  const int fd = open(native.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) ThrowErrno(native.c_str());
  return std::make_unique<FdFile>(fd);
}

std::unique_ptr<OutputFile> StageOutputFile(const NativeName& name) {
  std::string target = name.path.native();
  // A link is replaced through: the new file takes the place of the file it names.
  char resolved[PATH_MAX];
  struct stat info;
  if (lstat(target.c_str(), &info) == 0 && S_ISLNK(info.st_mode) &&
      realpath(target.c_str(), resolved) != nullptr) {
    target = resolved;
  }

  // Refuse exactly what creating the target in place would refuse.
  const bool exists = stat(target.c_str(), &info) == 0;
  if (exists) {
    if (S_ISDIR(info.st_mode)) throw InOutError(io_code::kAccessDenied);
    if (!Allowed(target, W_OK)) ThrowErrno(target.c_str());
  } else {
    const int code = CodeFromErrno(errno, target.c_str());
    if (code != io_code::kFileNotFound) throw InOutError(code);
  }

  const std::string folder = NativeFolderOf(target);
  if (!Allowed(folder, W_OK | X_OK)) {
    // No file can be put beside the target, but the target itself may be rewritten.
    if (!exists) ThrowErrno(folder.c_str());
    return CreateOutputFile(name);
  }
  std::string temp = (std::filesystem::path(folder) / ".nanbaru-XXXXXX").native();
  const int fd = mkstemp(temp.data());
  if (fd < 0) ThrowErrno(folder.c_str());
  if (exists) {
    fchmod(fd, info.st_mode & 07777);
    // Only a privileged writer can hand the file back to its owner; otherwise it stays ours.
    [[maybe_unused]] const int handed_back = fchown(fd, info.st_uid, info.st_gid);
  } else {
    fchmod(fd, CreatedMode());
  }
  return std::make_unique<StagedFile>(fd, std::move(temp), std::move(target));
}

}  // namespace nanbaru
