#include "cli/area_command.h"

#include <array>
#include <string_view>
#include <vector>

#include "cli/cli_args.h"
#include "cli/cli_host.h"
#include "cli/search_command.h"
#include "common/data_location.h"
#include "common/errors.h"
#include "common/native_path.h"
#include "common/sjis_codec.h"
#include "search/area_search.h"

namespace nanbaru {

namespace {

constexpr std::array<std::string_view, 1> kValueOptions = {"file"};

}  // namespace

int RunAreaCommand(std::span<char* const> raw_args) {
  const CliArgs args = ParseArgs(raw_args, kValueOptions);
  if (args.help) return PrintUsage(kAreaUsage);
  CliHost host;
  host.query = args.query.value_or(Bytes());

  const std::optional<Bytes> error = CatchSearchError([&] {
    // Like the window, the search starts from the folder the program was started in; a
    // relative --file is therefore found where the user meant it.
    host.start_dir = WithTrailingSeparator(CurrentDir());
    const std::optional<Bytes> file = DataFile(args, kBundledAreaFile);
    if (!file) throw InOutError(io_code::kPathNotFound);
    host.shared.DataFileName = *file;
    RunAreaSearch(host);
  });

  std::vector<std::string> failures;
  if (error) {
    failures.push_back(host.open_error ? OpenFailure(host) : SjisToUtf8(*error));
  }
  return FinishSearch(host, args.mode, error, failures);
}

}  // namespace nanbaru
