#include "cli/postal_command.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_args.h"
#include "cli/cli_host.h"
#include "cli/search_command.h"
#include "platform/sjis_codec.h"
#include "search/postal_search.h"

namespace nanbaru {

namespace {

constexpr std::array<std::string_view, 4> kValueOptions = {"file", "old", "new", "pref"};

}  // namespace

int RunPostalCommand(std::span<char* const> raw_args) {
  const CliArgs args = ParseArgs(raw_args, kValueOptions);
  if (args.help) return PrintUsage(kPostalUsage);
  CliHost host;
  host.query = args.query.value_or(Bytes());
  host.old_code = args.Value("old");
  host.new_code = args.Value("new");
  host.pref = args.Value("pref");
  // Without a path the search asks for a file, as the window would.
  host.shared.DataFileName = PostalListFile(args).value_or(Bytes());

  const std::optional<Bytes> error = CatchSearchError([&] { RunPostalSearch(host); });

  std::vector<std::string> failures;
  if (error) failures.push_back(SjisToUtf8(*error));
  if (host.chooser_opened) {
    failures.push_back(host.shared.DataFileName.empty() ? "no data file: give one with --file"
                                                        : OpenFailure(host));
  }
  return FinishSearch(host, args.mode, error, failures);
}

}  // namespace nanbaru
