#pragma once
// What the search commands share around their search: the help line, the data file, the
// errors that end a search, and the output with the complaints and the exit status after it.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_args.h"
#include "cli/cli_host.h"

namespace nanbaru {

// Writes "usage: nanbaru-search " and the command's usage line; returns the exit status 0.
int PrintUsage(const char* usage);

// The data file as a Shift-JIS path: --file, else the bundled file `bundled_name`. Nothing when
// the bundled file's folder has a name Shift-JIS cannot hold.
std::optional<Bytes> DataFile(const CliArgs& args, std::string_view bundled_name);

// The national list as a Shift-JIS path: --file, else the list the last update wrote into the
// user's data folder, else the bundled list. Nothing as DataFile.
std::optional<Bytes> PostalListFile(const CliArgs& args);

// Why the search could not open its data file, for the terminal.
std::string OpenFailure(const CliHost& host);

// Runs `search`; returns the message of the error that ended it (as the error box would show
// it, without its period), or nothing when it ran to its end.
std::optional<Bytes> CatchSearchError(const std::function<void()>& search);

// Writes the output for the mode, then one complaint each for an empty query, for each of
// `failures` (what ended the search or kept it from its data), and for a failed write.
// Returns the exit status: 1 when there is a failure or the write failed, else 0.
int FinishSearch(const CliHost& host, OutputMode mode, const std::optional<Bytes>& error,
                 const std::vector<std::string>& failures);

}  // namespace nanbaru
