#include "cli/update_command.h"

#include <array>
#include <string>
#include <string_view>

#include "cli/cli_args.h"
#include "cli/cli_host.h"
#include "cli/cli_output.h"
#include "cli/json_writer.h"
#include "cli/search_command.h"
#include "platform/command_line.h"
#include "platform/data_location.h"
#include "platform/errors.h"
#include "platform/sjis_codec.h"
#include "update/list_update.h"

namespace nanbaru {

namespace {

constexpr std::array<std::string_view, 2> kValueOptions = {"url", "from"};
constexpr std::array<std::string_view, 1> kFlagOptions = {"force"};

// Progress on standard error: what is read, then the bytes received on one line that is
// written over, at most once per percent.
class TerminalProgress : public UpdateProgress {
 public:
  ~TerminalProgress() override { EndLine(); }

  void Begin(Step step, std::string_view source) override {
    EndLine();
    switch (step) {
      case Step::kFetching:
        Complain("fetching " + std::string(source));
        break;
      case Step::kReading:
        Complain("reading " + std::string(source));
        break;
      case Step::kChecking:
        Complain("checking the new list and comparing it with the list in use");
        break;
      case Step::kWriting:
        Complain("writing the new list");
        break;
    }
  }

  void Received(std::uint64_t bytes, std::uint64_t total) override {
    const std::uint64_t step = total > 0 ? bytes * 100 / total : bytes / (256 * 1024);
    if (line_open_ && step == last_step_) return;
    last_step_ = step;
    line_open_ = true;
    std::string line = "\r  " + std::to_string(bytes / 1024) + " KB";
    if (total > 0)
      line += " of " + std::to_string(total / 1024) + " KB (" + std::to_string(step) + "%)";
    WriteStandardError(line);
  }

 private:
  void EndLine() {
    if (line_open_) WriteStandardError("\n");
    line_open_ = false;
  }

  bool line_open_ = false;
  std::uint64_t last_step_ = 0;
};

std::string Json(const UpdateResult& result) {
  std::vector<std::string> added;
  std::vector<std::string> removed;
  if (result.changes) {
    for (const Bytes& line : result.changes->added) added.push_back(SjisToUtf8(line));
    for (const Bytes& line : result.changes->removed) removed.push_back(SjisToUtf8(line));
  }
  JsonObject json;
  json.Text("list", SjisToUtf8(result.list));
  json.TextOrNull("backup",
                  result.backup.empty() ? std::nullopt : std::optional(SjisToUtf8(result.backup)));
  json.TextOrNull("edition", result.edition.date
                                 ? std::optional(EditionDateText(*result.edition.date))
                                 : std::nullopt);
  json.Number("records", static_cast<std::int64_t>(result.edition.records));
  json.Bool("compared", result.changes.has_value());
  json.TextList("added", added);
  json.TextList("removed", removed);
  return json.Finish();
}

bool WriteResult(const UpdateResult& result, OutputMode mode) {
  if (mode == OutputMode::kJson) return WriteStdout(Json(result));
  CliHost host;
  if (result.changes) {
    for (const Bytes& line : ChangeLines(*result.changes)) host.AppendResult(line);
  } else {
    host.AppendResult(Sj("  使用中の郵便番号データを読めないため、変更点は示せません。"));
  }
  return WriteOutput(host, mode, std::nullopt);
}

}  // namespace

int RunUpdateCommand(std::span<char* const> raw_args) {
  const CliArgs args = ParseArgs(raw_args, kValueOptions, kFlagOptions);
  if (args.help) return PrintUsage(kUpdateUsage);
  if (args.query) throw UsageError("update takes no query");
  if (args.values.contains("url") && args.values.contains("from")) {
    throw UsageError("--url and --from exclude each other");
  }
  const CliArgs in_use_args;
  UpdateRequest request;
  request.list_in_use = PostalListFile(in_use_args).value_or(Bytes());
  request.folder = UserDataFolder();
  request.force = args.flags.contains("force");
  request.from_file = args.Value("from");
  if (args.values.contains("url")) {
    request.addresses = {args.Value("url")};
  } else if (request.from_file.empty()) {
    // The edition in use; an unreadable list is replaced by the Shift-JIS list, the one the
    // program comes with.
    request.addresses =
        ListAddressesOf(ReadListKind(request.list_in_use).value_or(ListEncoding::kShiftJis));
  }

  UpdateResult result;
  try {
    TerminalProgress progress;
    const CancelFlag never;
    result = UpdateList(request, progress, never);
  } catch (const AppError& e) {
    Complain(SjisToUtf8(e.message()));
    Complain("the list in use is unchanged");
    return 1;
  }
  Complain("the list is now the " +
           (result.edition.date ? EditionDateText(*result.edition.date) : "undated") +
           " edition, " + std::to_string(result.edition.records) +
           " records: " + SjisToUtf8(result.list));
  if (!result.backup.empty())
    Complain("the list it replaced is kept as " + SjisToUtf8(result.backup));
  if (!WriteResult(result, args.mode)) {
    Complain("cannot write the output");
    return 1;
  }
  return 0;
}

}  // namespace nanbaru
