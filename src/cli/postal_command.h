#pragma once
// `nanbaru-search postal` and `nanbaru-search office`: one search of the national list or of
// the business-office list with the given boxes, printed.

#include <span>

namespace nanbaru {

inline constexpr const char* kPostalUsage =
    "postal [--file F] [--old X] [--new X] [--pref X] [--sjis|--json] [QUERY]";

// Runs the command on the arguments after its name and returns the exit status: 0 when the
// search ran, 1 when an error ended it or the data file could not be opened. Throws
// UsageError.
int RunPostalCommand(std::span<char* const> args);

inline constexpr const char* kOfficeUsage =
    "office [--file F] [--old X] [--new X] [--pref X] [--sjis|--json] QUERY";

// The same for the business-office list, by default the bundled one.
int RunOfficeCommand(std::span<char* const> args);

}  // namespace nanbaru
