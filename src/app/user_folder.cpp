#include "app/user_folder.h"

#include <system_error>

#include "app/settings_file.h"
#include "platform/errors.h"
#include "platform/native_name.h"
#include "platform/paths.h"
#include "platform/sjis_codec.h"
#include "platform/system_error.h"

namespace nanbaru {

namespace fs = std::filesystem;

namespace {

void Check(const std::error_code& error) {
  if (error) throw InOutError(CodeFromSystemError(error));
}

// The path as UTF-8, the form the Shift-JIS codec takes.
std::string Utf8Of(const fs::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

bool Present(const fs::path& path) {
  std::error_code error;
  // A link counts as present even when what it names has gone.
  const fs::file_status status = fs::symlink_status(path, error);
  if (status.type() == fs::file_type::not_found) return false;
  Check(error);
  return true;
}

void PlaceAreaFile(const fs::path& folder, const fs::path& area_file) {
  const fs::path target = folder / area_file.filename();
  if (Present(target)) return;
  std::error_code error;
  // A link follows the installed file through updates of the package.
  fs::create_symlink(area_file, target, error);
  if (error) {
    error.clear();
    fs::copy_file(area_file, target, error);
  }
  Check(error);
}

void PlaceSettings(const Bytes& folder, const fs::path& postal_list) {
  Bytes postal;
  if (!Utf8ToSjisExact(Utf8Of(postal_list), postal)) return;
  const Bytes path = SettingsPath(folder);
  if (Present(NativeNameOf(path).path)) return;
  // Lines 6 and 7 are the window's top and left as its layout places it.
  WriteSettings(path, {postal, Sj("鹿沼市"), "", "", Sj("栃木県"), "131", "104", postal});
}

}  // namespace

void EnterUserFolder(const fs::path& folder, const fs::path& postal_list,
                     const fs::path& area_file) {
  // The window names its start directory in Shift-JIS; a folder it could not name is no
  // start for it.
  Bytes sjis_folder;
  if (!Utf8ToSjisExact(Utf8Of(folder), sjis_folder)) throw InOutError(io_code::kPathNotFound);
  std::error_code error;
  fs::create_directories(folder, error);
  Check(error);
  PlaceAreaFile(folder, area_file);
  PlaceSettings(sjis_folder, postal_list);
  ChangeDir(sjis_folder);
}

}  // namespace nanbaru
