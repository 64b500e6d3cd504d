#include "platform/output_file.h"

namespace nanbaru {

std::unique_ptr<OutputFile> CreateOutputFile(const Bytes& path) {
  return CreateOutputFile(NativeNameOf(path));
}

std::unique_ptr<OutputFile> StageOutputFile(const Bytes& path) {
  return StageOutputFile(NativeNameOf(path));
}

}  // namespace nanbaru
