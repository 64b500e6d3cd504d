#include "cli/postal_command.h"

#include <array>
#include <string_view>

#include "cli/cli_args.h"
#include "cli/cli_host.h"
#include "cli/cli_output.h"
#include "cli/data_location.h"
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

void ExplainOpenFailure(const CliHost& host) {
  if (host.shared.DataFileName.empty()) {
    Complain("no data file: give one with --file");
    return;
  }
  std::string message = "cannot open the data file " + SjisToUtf8(host.shared.DataFileName);
  if (host.open_error) message += ": " + SjisToUtf8(*host.open_error);
  Complain(message);
}

}  // namespace

int RunPostalCommand(std::span<char* const> raw_args) {
  const CliArgs args = ParseArgs(raw_args, kValueOptions);
  if (args.help) {
    WriteStdout(std::string("usage: nanbaru-search ") + kPostalUsage + "\n");
    return 0;
  }
  CliHost host;
  host.query = args.query.value_or(Bytes());
  host.old_code = args.Value("old");
  host.new_code = args.Value("new");
  host.pref = args.Value("pref");
  host.shared.DataFileName = DataFile(args);

  std::optional<Bytes> error;
  try {
    SpeedButton5Click(host);
  } catch (const AppError& e) {
    error = e.message();
  } catch (const std::bad_alloc&) {
    error = Bytes("out of memory");
  }

  const bool written = WriteStdout(RenderOutput(host, args.mode, error));
  if (host.query.empty()) Complain("the query is empty, so no search ran");
  if (error) Complain(SjisToUtf8(*error));
  if (host.chooser_opened) ExplainOpenFailure(host);
  if (!written) Complain("cannot write the output");
  return error || host.chooser_opened || !written ? 1 : 0;
}

}  // namespace nanbaru
