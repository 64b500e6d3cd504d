#include "platform/data_location.h"

#include "platform/paths.h"
#include "platform/sjis_codec.h"

namespace nanbaru {

namespace {

// `dir` and a relative path written with '/', its leading "." and ".." steps taken out, so
// that the path reads well where it is shown or kept (no "bin/.." or "bin/./").
Bytes Joined(Bytes dir, std::string_view relative) {
  while (relative.starts_with("./")) relative.remove_prefix(2);
  while (relative.starts_with("../")) {
    const std::size_t last = LastSeparator(dir);
    if (last == std::string_view::npos) break;
    dir.resize(last);
    relative.remove_prefix(3);
  }
  dir += PathSeparator();
  for (const char byte : relative) dir += byte == '/' ? PathSeparator() : byte;
  return dir;
}

}  // namespace

Bytes BundledDataFile(std::string_view name) {
  const Bytes dir = ExecutableDir();
  if (dir.empty()) return {};
  const Bytes file = Sj(name);
  const Bytes build_tree = Joined(dir, "../data/") + file;
  if (ProbePath(build_tree) != PathKind::kMissing) return build_tree;
  // The build passes the installed data folder relative to the installed program folder.
  const Bytes installed = Joined(dir, NANBARU_DATA_FROM_BIN "/") + file;
  if (ProbePath(installed) != PathKind::kMissing) return installed;
  return build_tree;
}

}  // namespace nanbaru
