#pragma once
// Files the text writers write into. Every call throws InOutError at the failing step.

#include <memory>
#include <string_view>

#include "common/bytes.h"
#include "platform/native_name.h"

namespace nanbaru {

class OutputFile {
 public:
  virtual ~OutputFile() = default;
  // Writes all of `bytes`; a device that takes no more is a full disk (101).
  virtual void Write(std::string_view bytes) = 0;
  // Closes the file; a staged file then takes its target's place.
  virtual void Close() = 0;
};

// Creates the file, or empties an existing one, without a question.
std::unique_ptr<OutputFile> CreateOutputFile(const Bytes& path);
std::unique_ptr<OutputFile> CreateOutputFile(const NativeName& name);

// A file written beside `path` that takes its place only on Close(), after it is safely on
// disk, keeping the old file's permissions or attributes; destroyed before that, it is
// removed and the old file stays as it was. A target a plain create would refuse (a read-only
// file, a folder without write access) is refused the same way here, before anything is
// written. Where nothing can be put beside a writable target, the target is written in place.
std::unique_ptr<OutputFile> StageOutputFile(const Bytes& path);
std::unique_ptr<OutputFile> StageOutputFile(const NativeName& name);

}  // namespace nanbaru
