#pragma once
// The update of the national list: a new edition is fetched (or taken from a file the user
// downloaded), checked whole, compared with the list in use, and only then written into the
// user's data folder. Whatever fails before that last step leaves every file as it was.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "common/bytes.h"
#include "common/cancel_flag.h"
#include "platform/download.h"
#include "update/list_changes.h"
#include "update/list_edition.h"
#include "update/update_progress.h"

namespace nanbaru {

// A new list has at least this many records; the national list has about 125,000.
inline constexpr std::size_t kMinListRecords = 100'000;

struct UpdateRequest {
  std::vector<std::string> addresses;  // tried in turn, unless `from_file` is given
  Bytes from_file;                     // a downloaded archive to take instead
  Bytes list_in_use;                   // empty when there is none
  std::filesystem::path folder;        // where the new list goes
  bool force = false;                  // take an edition older than the list in use
  DownloadOptions download;
};

struct UpdateResult {
  Bytes list;    // the new list's path
  Bytes backup;  // where the list it replaced is kept; empty when it replaced none
  ListEdition edition;
  // What changed since the list in use; none when that list could not be read.
  std::optional<ListChanges> changes;
};

// The addresses of the edition `kind`, today's first.
std::vector<std::string> ListAddressesOf(ListEncoding kind);

// The file an update writes for a list of `kind` in `folder`: ken_all.zip or utf_ken_all.zip.
Bytes UpdatedListPath(const Bytes& folder, ListEncoding kind);

// The list the last update wrote into `folder`, the later of the two kinds; empty when there
// is none, or when Shift-JIS cannot name the folder.
Bytes LatestUpdatedList(const std::filesystem::path& folder);

// Runs the update. Before anything is written it checks that the new list is a zip archive
// with the list's member, that every CRC holds and every line is a record, that it has at
// least kMinListRecords of them, and (unless forced) that its edition is not older than the
// list in use. Throws AppError with the reason, InOutError when the folder cannot take the
// list, and Cancelled; in each case no file has changed.
UpdateResult UpdateList(const UpdateRequest& request, UpdateProgress& progress,
                        const CancelFlag& cancel);

}  // namespace nanbaru
