#pragma once
// `nanbaru-search update`: the national list brought up to date, and what changed.

#include <span>

namespace nanbaru {

inline constexpr const char* kUpdateUsage =
    "update [--url URL] [--from FILE] [--force] [--sjis|--json]";

// Fetches and checks the current edition of the list the postal search reads, puts it into
// the user's data folder (where the next searches find it) and prints the records added and
// removed, with its progress on
// standard error. Returns 0 when the list was updated, 1 when nothing was changed because
// of an error. Throws UsageError.
int RunUpdateCommand(std::span<char* const> args);

}  // namespace nanbaru
