#pragma once
// A file handle one object owns: closed when the object goes, or by Close(), which reports a
// failed close; Discard() closes it without a word, for a file about to be deleted.

#include <windows.h>

#include "platform/win32/windows_error.h"

namespace nanbaru {

class OwnedHandle {
 public:
  explicit OwnedHandle(HANDLE handle) : handle_(handle) {}
  ~OwnedHandle() { Discard(); }
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;

  HANDLE get() const { return handle_; }
  bool is_open() const { return handle_ != INVALID_HANDLE_VALUE; }

  void Close() {
    if (handle_ == INVALID_HANDLE_VALUE) return;
    const BOOL closed = CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    if (!closed) ThrowLastError();
  }
  void Discard() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE handle_;
};

}  // namespace nanbaru
