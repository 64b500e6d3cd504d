#include "cli/area_command.h"

#include <array>
#include <string_view>

#include "cli/cli_args.h"
#include "cli/cli_host.h"
#include "cli/cli_output.h"
#include "cli/data_location.h"
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
  if (args.help) {
    WriteStdout(std::string("usage: nanbaru-search ") + kAreaUsage + "\n");
    return 0;
  }
  CliHost host;
  host.query = args.query.value_or(Bytes());

  std::optional<Bytes> error;
  try {
    // Like the window, the search starts from the folder the program was started in; a
    // relative --file is therefore found where the user meant it.
    host.start_dir = WithTrailingSeparator(CurrentDir());
    host.shared.DataFileName = DataFile(args);
    SpeedButton2Click(host);
  } catch (const AppError& e) {
    error = e.message();
  } catch (const std::bad_alloc&) {
    error = Bytes("out of memory");
  }

  const bool written = WriteStdout(RenderOutput(host, args.mode, error));
  if (host.query.empty()) Complain("the query is empty, so no search ran");
  if (host.open_error) {
    Complain("cannot open the data file " + SjisToUtf8(host.shared.DataFileName) + ": " +
             SjisToUtf8(*host.open_error));
  } else if (error) {
    Complain(SjisToUtf8(*error));
  }
  if (!written) Complain("cannot write the output");
  return error || !written ? 1 : 0;
}

}  // namespace nanbaru
