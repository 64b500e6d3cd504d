#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/data_location.h"

namespace nanbaru {

namespace {

std::filesystem::path HomeFolder() {
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
  const passwd* user = getpwuid(getuid());
  return user != nullptr && user->pw_dir != nullptr ? user->pw_dir : "/";
}

}  // namespace

// As the desktop's base-directory rules have it: a relative $XDG_DATA_HOME is ignored.
std::filesystem::path UserDataFolder() {
  const char* data_home = std::getenv("XDG_DATA_HOME");
  if (data_home != nullptr && *data_home == '/')
    return std::filesystem::path(data_home) / "nanbaru";
  return HomeFolder() / ".local" / "share" / "nanbaru";
}

}  // namespace nanbaru
