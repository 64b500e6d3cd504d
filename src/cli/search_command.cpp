#include "cli/search_command.h"

#include <new>

#include "cli/cli_output.h"
#include "platform/data_location.h"
#include "platform/errors.h"
#include "platform/sjis_codec.h"
#include "update/list_update.h"

namespace nanbaru {

int PrintUsage(const char* usage) {
  WriteStdout(std::string("usage: nanbaru-search ") + usage + "\n");
  return 0;
}

std::optional<Bytes> DataFile(const CliArgs& args, std::string_view bundled_name) {
  if (const auto file = args.values.find("file"); file != args.values.end()) return file->second;
  Bytes path = BundledDataFile(bundled_name);
  if (path.empty()) return std::nullopt;
  return path;
}

std::optional<Bytes> PostalListFile(const CliArgs& args) {
  if (!args.values.contains("file")) {
    Bytes updated = LatestUpdatedList(UserDataFolder());
    if (!updated.empty()) return updated;
  }
  return DataFile(args, kBundledPostalList);
}

std::string OpenFailure(const CliHost& host) {
  std::string message = "cannot open the data file " + SjisToUtf8(host.shared.DataFileName);
  if (host.open_error) message += ": " + SjisToUtf8(*host.open_error);
  return message;
}

std::optional<Bytes> CatchSearchError(const std::function<void()>& search) {
  try {
    search();
  } catch (const AppError& e) {
    return e.message();
  } catch (const std::bad_alloc&) {
    return Bytes("out of memory");
  }
  return std::nullopt;
}

int FinishSearch(const CliHost& host, OutputMode mode, const std::optional<Bytes>& error,
                 const std::vector<std::string>& failures) {
  const bool written = WriteOutput(host, mode, error);
  if (host.query.empty()) Complain("the query is empty, so no search ran");
  for (const std::string& failure : failures) Complain(failure);
  if (!written) Complain("cannot write the output");
  return !failures.empty() || !written ? 1 : 0;
}

}  // namespace nanbaru
