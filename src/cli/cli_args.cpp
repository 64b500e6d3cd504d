#include "cli/cli_args.h"

#include <algorithm>

#include "platform/sjis_codec.h"

namespace nanbaru {

namespace {

// `what` names the argument; its text is not repeated, since it may not be printable.
Bytes ToSjis(std::string_view utf8, std::string_view what) {
  Bytes out;
  if (!Utf8ToSjisExact(utf8, out)) {
    throw UsageError(std::string(what) + " is not UTF-8 text that Shift-JIS can hold");
  }
  return out;
}

bool IsOption(std::string_view arg) {
  return arg.size() > 1 && arg[0] == '-';
}

}  // namespace

Bytes CliArgs::Value(std::string_view name) const {
  const auto found = values.find(name);
  return found == values.end() ? Bytes() : found->second;
}

CliArgs ParseArgs(std::span<char* const> args, std::span<const std::string_view> value_options,
                  std::span<const std::string_view> flag_options) {
  CliArgs parsed;
  bool options_ended = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (options_ended || !IsOption(arg)) {
      if (parsed.query) throw UsageError("more than one query given (quote a query with spaces)");
      parsed.query = ToSjis(arg, "the query");
      continue;
    }
    if (arg == "--") {
      options_ended = true;
    } else if (arg == "--sjis" || arg == "--json") {
      if (parsed.mode != OutputMode::kUtf8)
        throw UsageError("--sjis and --json exclude each other");
      parsed.mode = arg == "--sjis" ? OutputMode::kSjis : OutputMode::kJson;
    } else if (arg == "--help" || arg == "-h") {
      parsed.help = true;
    } else if (arg.starts_with("--") && std::find(flag_options.begin(), flag_options.end(),
                                                  arg.substr(2)) != flag_options.end()) {
      parsed.flags.emplace(arg.substr(2));
    } else {
      const std::size_t equals = arg.find('=');
      const std::string_view name = arg.substr(2, equals == arg.npos ? arg.npos : equals - 2);
      const bool known =
          arg.starts_with("--") &&
          std::find(value_options.begin(), value_options.end(), name) != value_options.end();
      if (!known) throw UsageError("unknown option " + std::string(arg));
      std::string_view value;
      if (equals != arg.npos) {
        value = arg.substr(equals + 1);
      } else if (i + 1 < args.size()) {
        value = args[++i];
      } else {
        throw UsageError("option " + std::string(arg) + " needs a value");
      }
      parsed.values[std::string(name)] = ToSjis(value, "the value of --" + std::string(name));
    }
  }
  return parsed;
}

}  // namespace nanbaru
