#pragma once
// Writing a text file by lines: each line is its bytes followed by CR LF.

#include <memory>
#include <string>
#include <string_view>

#include "common/bytes.h"

namespace nanbaru {

// A file-system name as the platform gives it (a name chosen in a dialog), for files whose
// name never passes through Shift-JIS.
struct NativeName {
  std::string path;
};

// Creates the file or empties an existing one, without a question. Every call throws
// InOutError at the failing step.
class TextWriter {
 public:
  explicit TextWriter(const Bytes& path);
  explicit TextWriter(const NativeName& name);
  ~TextWriter();
  TextWriter(const TextWriter&) = delete;
  TextWriter& operator=(const TextWriter&) = delete;

  void WriteLine(std::string_view line);
  void Close();

 private:
  friend class SafeTextWriter;
  explicit TextWriter(int fd) : fd_(fd) {}  // Takes over an open file.
  void Flush();
  int fd_ = -1;
  std::string buffer_;
};

// Writes beside the target into a temporary file and puts it in the target's place only in
// Commit(), after every line is written and the file closed, so a failed write leaves the old
// file as it was. A target a plain create would refuse (a read-only file, a folder without
// write access) is refused the same way at construction, before anything is written. The
// new file keeps the old file's permissions. The temporary file is removed when the writer
// is destroyed without a successful Commit().
class SafeTextWriter {
 public:
  explicit SafeTextWriter(const Bytes& path);
  explicit SafeTextWriter(const NativeName& name);
  ~SafeTextWriter();
  SafeTextWriter(const SafeTextWriter&) = delete;
  SafeTextWriter& operator=(const SafeTextWriter&) = delete;

  void WriteLine(std::string_view line);
  void Commit();

 private:
  std::string target_;  // File-system names.
  std::string temp_;    // Empty when the target is written in place.
  std::unique_ptr<TextWriter> writer_;
  bool committed_ = false;
};

}  // namespace nanbaru
