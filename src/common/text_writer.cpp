#include "common/text_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "common/errors.h"
#include "common/native_path.h"

namespace nanbaru {

namespace {

constexpr std::size_t kFlushAt = 64 * 1024;

[[noreturn]] void ThrowErrno(const char* native_path = nullptr) {
  throw InOutError(CodeFromErrno(errno, native_path));
}

// Asked for the effective user, the one the file calls run as.
bool Allowed(const std::string& native_path, int mode) {
  return faccessat(AT_FDCWD, native_path.c_str(), mode, AT_EACCESS) == 0;
}

// The permission bits a plain create gives a new file.
mode_t CreatedMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

}  // namespace

TextWriter::TextWriter(const Bytes& path) : TextWriter(NativeName{NativePath(path)}) {}

TextWriter::TextWriter(const NativeName& name) {
  fd_ = open(name.path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd_ < 0) ThrowErrno(name.path.c_str());
}

// Whatever is still buffered is written if it can be; a writer closed this way has no one
// to report a failure to.
TextWriter::~TextWriter() {
  if (fd_ < 0) return;
  try {
    Flush();
  } catch (const InOutError&) {
  }
  close(fd_);
}

void TextWriter::WriteLine(std::string_view line) {
  buffer_.append(line);
  buffer_.append("\r\n");
  if (buffer_.size() >= kFlushAt) Flush();
}

void TextWriter::Flush() {
  std::size_t done = 0;
  while (done < buffer_.size()) {
    const ssize_t wrote = write(fd_, buffer_.data() + done, buffer_.size() - done);
    if (wrote < 0) {
      if (errno == EINTR) continue;
      buffer_.erase(0, done);
      ThrowErrno();
    }
    if (wrote == 0) {
      buffer_.erase(0, done);
      throw InOutError(io_code::kDiskFull);
    }
    done += static_cast<std::size_t>(wrote);
  }
  buffer_.clear();
}

void TextWriter::Close() {
  if (fd_ < 0) return;
  Flush();
  const int result = close(fd_);
  fd_ = -1;
  if (result != 0) ThrowErrno();
}

SafeTextWriter::SafeTextWriter(const Bytes& path) : SafeTextWriter(NativeName{NativePath(path)}) {}

SafeTextWriter::SafeTextWriter(const NativeName& target) : target_(target.path) {
  // A link is replaced through: the new file takes the place of the file it names.
  char resolved[PATH_MAX];
  struct stat info;
  if (lstat(target_.c_str(), &info) == 0 && S_ISLNK(info.st_mode) &&
      realpath(target_.c_str(), resolved) != nullptr) {
    target_ = resolved;
  }

  // Refuse exactly what creating the target in place would refuse.
  const bool exists = stat(target_.c_str(), &info) == 0;
  if (exists) {
    if (S_ISDIR(info.st_mode)) throw InOutError(io_code::kAccessDenied);
    if (!Allowed(target_, W_OK)) ThrowErrno(target_.c_str());
  } else {
    const int code = CodeFromErrno(errno, target_.c_str());
    if (code != io_code::kFileNotFound) throw InOutError(code);
  }

  const std::string folder = NativeFolderOf(target_);
  if (!Allowed(folder, W_OK | X_OK)) {
    // No file can be put beside the target, but the target itself may be rewritten.
    if (!exists) ThrowErrno(folder.c_str());
    writer_.reset(new TextWriter(NativeName{target_}));
    return;
  }
  std::string name = (folder == "/" ? "" : folder) + "/.nanbaru-XXXXXX";
  const int fd = mkstemp(name.data());
  if (fd < 0) ThrowErrno(folder.c_str());
  temp_ = std::move(name);
  writer_.reset(new TextWriter(fd));
  if (exists) {
    fchmod(fd, info.st_mode & 07777);
    // Only a privileged writer can hand the file back to its owner; otherwise it stays ours.
    [[maybe_unused]] const int handed_back = fchown(fd, info.st_uid, info.st_gid);
  } else {
    fchmod(fd, CreatedMode());
  }
}

SafeTextWriter::~SafeTextWriter() {
  if (committed_ || temp_.empty()) return;
  writer_.reset();
  unlink(temp_.c_str());
}

void SafeTextWriter::WriteLine(std::string_view line) {
  writer_->WriteLine(line);
}

void SafeTextWriter::Commit() {
  if (committed_) return;
  if (temp_.empty()) {
    writer_->Close();
    committed_ = true;
    return;
  }
  writer_->Flush();
  if (fsync(writer_->fd_) != 0) ThrowErrno();
  writer_->Close();
  if (rename(temp_.c_str(), target_.c_str()) != 0) ThrowErrno(target_.c_str());
  committed_ = true;
}

}  // namespace nanbaru
