#pragma once
// Writing a text file by lines: each line is its bytes followed by CR LF.

#include <memory>
#include <string>
#include <string_view>

#include "common/bytes.h"
#include "platform/native_name.h"

namespace nanbaru {

class OutputFile;

// Creates the file or empties an existing one, without a question. Every call throws
// InOutError at the failing step.
class TextWriter {
 public:
  explicit TextWriter(const Bytes& path);
  ~TextWriter();
  TextWriter(const TextWriter&) = delete;
  TextWriter& operator=(const TextWriter&) = delete;

  void WriteLine(std::string_view line);
  void Close();

 private:
  friend class SafeTextWriter;
  explicit TextWriter(std::unique_ptr<OutputFile> file);
  void Flush();
  std::unique_ptr<OutputFile> file_;
  std::string buffer_;
};

// Writes beside the target into a temporary file and puts it in the target's place only in
// Commit(), after every line is written and the file closed, so a failed write leaves the old
// file as it was (see StageOutputFile). A target a plain create would refuse is refused at
// construction, before anything is written.
class SafeTextWriter {
 public:
  explicit SafeTextWriter(const Bytes& path);
  explicit SafeTextWriter(const NativeName& name);
  SafeTextWriter(const SafeTextWriter&) = delete;
  SafeTextWriter& operator=(const SafeTextWriter&) = delete;

  void WriteLine(std::string_view line);
  void Commit();

 private:
  TextWriter writer_;
};

}  // namespace nanbaru
