#pragma once
// The start folder of a start from the desktop menu: the user's data folder (UserDataFolder(),
// where an update puts the lists it brings), made ready on first use so that the first
// Enter searches the bundled national list and the settings persist from run to run.

#include <filesystem>

namespace nanbaru {

// Creates `folder` if missing and gives it what a start there needs and lacks: the area-code
// file of phone mode (a link to `area_file`, or a copy where links cannot be made) and a
// settings file naming `postal_list`, in postal mode with the layout's query, prefecture and
// place. What is already there is left as it is, so the user's own settings are never
// replaced. A postal list whose path Shift-JIS cannot hold gets no settings file: the window
// then starts as on any first run. Then makes `folder` the current directory. Throws
// InOutError, before anything is made when Shift-JIS cannot hold the path of `folder`.
void EnterUserFolder(const std::filesystem::path& folder, const std::filesystem::path& postal_list,
                     const std::filesystem::path& area_file);

}  // namespace nanbaru
