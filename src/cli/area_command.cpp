#include "cli/area_command.h"

#include <array>
#include <string_view>
#include <vector>

#include "cli/cli_args.h"
#include "cli/cli_host.h"
#include "cli/data_location.h"
#include "cli/search_command.h"
#include "common/errors.h"
#include "common/native_path.h"
#include "common/sjis_codec.h"
#include "search/area_search.h"

namespace nanbaru {

namespace {

constexpr std::array<std::string_view, 1> kValueOptions = {"file"};

// The data file as a Shift-JIS path: --file, else the bundled area-code file. Throws
// InOutError when the bundled file's folder has a name Shift-JIS cannot hold.
Bytes DataFile(const CliArgs& args) {
  if (const auto file = args.values.find("file"); file != args.values.end()) return file->second;
  Bytes path;
  if (!Utf8ToSjisExact(BundledDataFile("郵電話.txt"), path))
    throw InOutError(io_code::kPathNotFound);
  return path;
}

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
    host.shared.DataFileName = DataFile(args);
    RunAreaSearch(host);
  });

  std::vector<std::string> failures;
  if (error) {
    failures.push_back(host.open_error
                           ? "cannot open the data file " + SjisToUtf8(host.shared.DataFileName) +
                                 ": " + SjisToUtf8(*host.open_error)
                           : SjisToUtf8(*error));
  }
  return FinishSearch(host, args.mode, error, failures);
}

}  // namespace nanbaru
