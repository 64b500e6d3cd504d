#pragma once
// A file descriptor one object owns: closed when the object goes, or by Close(), which
// reports a failed close (a write the system could not finish may only show there).

#include <unistd.h>

#include "platform/posix/errno_code.h"

namespace nanbaru {

class OwnedFd {
 public:
  explicit OwnedFd(int fd) : fd_(fd) {}
  ~OwnedFd() {
    if (fd_ >= 0) close(fd_);
  }
  OwnedFd(const OwnedFd&) = delete;
  OwnedFd& operator=(const OwnedFd&) = delete;

  int get() const { return fd_; }
  bool is_open() const { return fd_ >= 0; }

  void Close() {
    if (fd_ < 0) return;
    const int result = close(fd_);
    fd_ = -1;
    if (result != 0) ThrowErrno();
  }

 private:
  int fd_;
};

}  // namespace nanbaru
