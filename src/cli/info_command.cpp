#include "cli/info_command.h"

#include <array>
#include <ctime>
#include <string>
#include <string_view>

#include "cli/cli_args.h"
#include "cli/cli_output.h"
#include "cli/json_writer.h"
#include "cli/search_command.h"
#include "platform/errors.h"
#include "platform/sjis_codec.h"
#include "update/list_edition.h"

namespace nanbaru {

namespace {

constexpr std::array<std::string_view, 1> kValueOptions = {"file"};

std::string KindName(ListEncoding kind) {
  return kind == ListEncoding::kUtf8 ? "utf8" : "shift_jis";
}

std::string DateSource(const ListEdition& edition) {
  return edition.dated_by_member ? "archive member" : "file modified";
}

std::string Json(const std::string& file, const ListEdition& edition, bool stale) {
  JsonObject json;
  json.Text("file", file);
  json.TextOrNull("edition",
                  edition.date ? std::optional(EditionDateText(*edition.date)) : std::nullopt);
  json.Text("edition_from", DateSource(edition));
  json.Text("kind", KindName(edition.kind));
  json.Number("records", static_cast<std::int64_t>(edition.records));
  json.Number("first_bad_line", static_cast<std::int64_t>(edition.first_bad_line));
  json.Bool("stale", stale);
  return json.Finish();
}

std::string Text(const std::string& file, const ListEdition& edition, bool stale) {
  std::string text = "file: " + file + "\n";
  text += "edition: " + (edition.date ? EditionDateText(*edition.date) : "unknown") + " (" +
          DateSource(edition) + ")\n";
  text += "kind: " +
          std::string(edition.kind == ListEncoding::kUtf8 ? "UTF-8 edition" : "Shift-JIS list") +
          "\n";
  text += "records: " + std::to_string(edition.records) + "\n";
  if (edition.first_bad_line != 0) {
    text += "first line not a record: " + std::to_string(edition.first_bad_line) + "\n";
  }
  if (stale) {
    text += "out of date: more than " + std::to_string(kStaleDays) +
            " days old; nanbaru-search update fetches the current edition\n";
  }
  return text;
}

}  // namespace

int RunInfoCommand(std::span<char* const> raw_args) {
  const CliArgs args = ParseArgs(raw_args, kValueOptions);
  if (args.help) return PrintUsage(kInfoUsage);
  if (args.query) throw UsageError("info takes no query");
  if (args.mode == OutputMode::kSjis) throw UsageError("info has no --sjis output");
  const std::optional<Bytes> path = PostalListFile(args);
  if (!path) {
    Complain("no data file: give one with --file");
    return 1;
  }
  ListEdition edition;
  try {
    edition = ReadListEdition(*path);
  } catch (const AppError& e) {
    Complain("cannot read the list " + SjisToUtf8(*path) + ": " + SjisToUtf8(e.message()));
    return 1;
  }
  const bool stale = edition.date && IsStale(*edition.date, std::time(nullptr));
  const std::string file = SjisToUtf8(*path);
  const bool json = args.mode == OutputMode::kJson;
  if (!WriteStdout(json ? Json(file, edition, stale) : Text(file, edition, stale))) {
    Complain("cannot write the output");
    return 1;
  }
  return 0;
}

}  // namespace nanbaru
