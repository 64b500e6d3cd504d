#pragma once
// `nanbaru-search area`: one area-code search, printed.

#include <span>

namespace nanbaru {

inline constexpr const char* kAreaUsage = "area [--file F] [--sjis|--json] QUERY";

// Runs the command on the arguments after its name and returns the exit status: 0 when the
// search ran, 1 when an error ended it. Throws UsageError.
int RunAreaCommand(std::span<char* const> args);

}  // namespace nanbaru
