#include "cli/area_command.h"

#include <array>
#include <string_view>
#include <vector>

#include "cli/cli_args.h"
#include "cli/cli_host.h"
#include "cli/search_command.h"
#include "platform/data_location.h"
#include "platform/errors.h"
#include "platform/paths.h"
#include "platform/sjis_codec.h"
#include "search/area_search.h"

namespace nanbaru {

namespace {

constexpr std::array<std::string_view, 1> kValueOptions = {"file"};

// The error box's message for a name Shift-JIS cannot hold names no file; on the terminal
// `problem` names the folder or file as well.
[[noreturn]] void RefuseName(std::string_view what, std::string_view name, std::string& problem) {
  problem = SjisToUtf8(InOutMessage(io_code::kPathNotFound)) + ": " + std::string(what) + " " +
            std::string(name) + " has a name Shift-JIS cannot hold";
  throw InOutError(io_code::kPathNotFound);
}

// The folder the search starts from, as Shift-JIS with a separator at its end; throws
// InOutError.
Bytes StartFolder(std::string& problem) {
  const std::string folder = CurrentDirUtf8();
  Bytes dir;
  if (!Utf8ToSjisExact(folder, dir)) RefuseName("the current folder", folder, problem);
  return WithTrailingSeparator(dir);
}

}  // namespace

int RunAreaCommand(std::span<char* const> raw_args) {
  const CliArgs args = ParseArgs(raw_args, kValueOptions);
  if (args.help) return PrintUsage(kAreaUsage);
  CliHost host;
  host.query = args.query.value_or(Bytes());

  std::string name_problem;
  const std::optional<Bytes> error = CatchSearchError([&] {
    // Like the window, the search starts from the folder the program was started in; a
    // relative --file is therefore found where the user meant it.
    host.start_dir = StartFolder(name_problem);
    const std::optional<Bytes> file = DataFile(args, kBundledAreaFile);
    if (!file) RefuseName("the bundled data file", BundledDataFile(kBundledAreaFile), name_problem);
    host.shared.DataFileName = *file;
    RunAreaSearch(host);
  });

  std::vector<std::string> failures;
  if (!name_problem.empty()) {
    failures.push_back(name_problem);
  } else if (error) {
    failures.push_back(host.open_error ? OpenFailure(host) : SjisToUtf8(*error));
  }
  return FinishSearch(host, args.mode, error, failures);
}

}  // namespace nanbaru
