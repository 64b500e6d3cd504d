#pragma once
// Where the data bundled with the program lies.

#include <filesystem>
#include <string_view>

#include "common/bytes.h"

namespace nanbaru {

// The bundled national list and area-code file, by their names in the data folder (the list
// is the published archive, or its unpacked list in a build that cannot read archives).
inline constexpr std::string_view kBundledPostalList = NANBARU_BUNDLED_LIST;
inline constexpr std::string_view kBundledAreaFile = "郵電話.txt";

// A bundled data file such as kBundledPostalList (a Shift-JIS path): in the build tree
// `<program folder>/../data`, else in the installed layout (`<program
// folder>/../share/nanbaru/data` unless the install folders were moved). When neither exists,
// the build-tree path, so that the failure names a real place. Empty when the program's folder
// cannot be named in Shift-JIS.
Bytes BundledDataFile(std::string_view name);

// The user's own folder for what the program keeps: the lists an update brings, and the
// settings of the window started from the desktop menu. Linux: $XDG_DATA_HOME/nanbaru, by
// default ~/.local/share/nanbaru. Windows: the program's own folder for a portable copy (one
// with a settings file nanbaru2.ini beside the program), else %LOCALAPPDATA%\nanbaru.
std::filesystem::path UserDataFolder();

}  // namespace nanbaru
