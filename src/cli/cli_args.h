#pragma once
// The command line of the headless search command: options with values, output options and
// one query, converted from the terminal's UTF-8 to Shift-JIS.

#include <map>
#include <optional>
#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "common/bytes.h"

namespace nanbaru {

enum class OutputMode { kUtf8, kSjis, kJson };

// A command line the program cannot run; the message says why.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct CliArgs {
  std::map<std::string, Bytes, std::less<>> values;  // by option name without "--"
  std::set<std::string, std::less<>> flags;  // options without a value, by name without "--"
  std::optional<Bytes> query;
  OutputMode mode = OutputMode::kUtf8;
  bool help = false;

  // The option's value, or the empty text when it was not given.
  Bytes Value(std::string_view name) const;
};

// Parses the arguments after the command name. `value_options` name the options that take a
// value ("file" for --file F or --file=F), `flag_options` those that take none; --sjis, --json
// and --help are always known, and "--" ends the options. Throws UsageError.
CliArgs ParseArgs(std::span<char* const> args, std::span<const std::string_view> value_options,
                  std::span<const std::string_view> flag_options = {});

}  // namespace nanbaru
