#pragma once
// `nanbaru-search info`: which edition of the national list the postal search reads.

#include <span>

namespace nanbaru {

inline constexpr const char* kInfoUsage = "info [--file F] [--json]";

// Prints the list's path, edition date, kind and record count, as text or as one JSON
// object. Returns 0, or 1 when the list cannot be read. Throws UsageError.
int RunInfoCommand(std::span<char* const> args);

}  // namespace nanbaru
