#include "cli/postal_command.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_args.h"
#include "cli/cli_host.h"
#include "cli/data_location.h"
#include "cli/search_command.h"
#include "common/errors.h"
#include "common/sjis_codec.h"
#include "search/postal_search.h"

namespace nanbaru {

namespace {

constexpr std::array<std::string_view, 4> kValueOptions = {"file", "old", "new", "pref"};

// The data file as a Shift-JIS path: --file, else the bundled national list. Empty when the
// bundled list's folder has a name Shift-JIS cannot hold; the search then asks for a file.
Bytes DataFile(const CliArgs& args) {
  if (const auto file = args.values.find("file"); file != args.values.end()) return file->second;
  Bytes path;
  if (!Utf8ToSjisExact(BundledDataFile("KEN_ALL.CSV"), path)) path.clear();
  return path;
}

// Why the search could not read its data, for the terminal.
std::string OpenFailure(const CliHost& host) {
  if (host.shared.DataFileName.empty()) return "no data file: give one with --file";
  std::string message = "cannot open the data file " + SjisToUtf8(host.shared.DataFileName);
  if (host.open_error) message += ": " + SjisToUtf8(*host.open_error);
  return message;
}

}  // namespace

int RunPostalCommand(std::span<char* const> raw_args) {
  const CliArgs args = ParseArgs(raw_args, kValueOptions);
  if (args.help) return PrintUsage(kPostalUsage);
  CliHost host;
  host.query = args.query.value_or(Bytes());
  host.old_code = args.Value("old");
  host.new_code = args.Value("new");
  host.pref = args.Value("pref");
  host.shared.DataFileName = DataFile(args);

  const std::optional<Bytes> error = CatchSearchError([&] { RunPostalSearch(host); });

  std::vector<std::string> failures;
  if (error) failures.push_back(SjisToUtf8(*error));
  if (host.chooser_opened) failures.push_back(OpenFailure(host));
  return FinishSearch(host, args.mode, error, failures);
}

}  // namespace nanbaru
