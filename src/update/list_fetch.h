#pragma once
// The list's archive fetched into memory, from the first of its addresses that gives one.

#include <span>
#include <string>

#include "common/cancel_flag.h"
#include "platform/download.h"
#include "update/update_progress.h"

namespace nanbaru {

// The list's archive is about 2 MB; a download many times that size is not it.
inline constexpr std::size_t kMaxListArchive = 256 * 1024 * 1024;

// Tries each address in turn until one answers with a zip archive. Throws AppError naming
// each address and why it gave none (an error status, a page instead of an archive, no
// connection, an untrusted certificate, a stall, a cut), and Cancelled.
std::string FetchListArchive(std::span<const std::string> addresses, const DownloadOptions& options,
                             UpdateProgress& progress, const CancelFlag& cancel);

}  // namespace nanbaru
