#include "platform/file_source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/errors.h"
#include "platform/native_name.h"
#include "platform/posix/errno_code.h"
#include "platform/posix/owned_fd.h"

namespace nanbaru {

namespace {

class FileSource : public ByteSource {
 public:
  explicit FileSource(int fd) : fd_(fd) {}

  std::size_t Read(char* into, std::size_t size) override {
    ssize_t got;
    do {
      got = read(fd_.get(), into, size);
    } while (got < 0 && errno == EINTR);
    if (got < 0) ThrowErrno();
    return static_cast<std::size_t>(got);
  }

  void Close() override { fd_.Close(); }

 private:
  OwnedFd fd_;
};

}  // namespace

std::unique_ptr<ByteSource> OpenFileSource(const Bytes& path) {
  const std::string native = FileSystemName(path);
  const int fd = open(native.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) ThrowErrno(native.c_str());
  // A folder opens for reading here but is no file to read: refuse it at once, as opening
  // it would be refused elsewhere.
  struct stat info;
  if (fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
    close(fd);
    throw InOutError(io_code::kAccessDenied);
  }
  return std::make_unique<FileSource>(fd);
}

}  // namespace nanbaru
