#pragma once
// The few values the window's parts share beside its controls.

#include <cstdint>

#include "common/bytes.h"

namespace nanbaru {

struct SharedState {
  Bytes SearchText;            // The current search key; a postal scan takes it when it begins.
  Bytes DataFileName;          // The active data file; a path holding "電" means phone mode.
  bool OfficeMode = false;     // The active data file is searched as the business-office list.
  Bytes StartDirPath;          // Working path: after each settings-file access, that file's path.
  std::int32_t CaretLine = 0;  // The result-pane line last clicked.
};

// True when the path names the area-code file's mode: it holds "電" (0x93 0x64) anywhere.
bool IsPhonePath(std::string_view data_file_name);

}  // namespace nanbaru
