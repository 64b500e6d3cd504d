// nanbaru-search: the searches without the window, for the terminal and for scripts.

#include <array>
#include <cstdio>
#include <exception>
#include <span>
#include <string>
#include <string_view>

#include "cli/area_command.h"
#include "cli/cli_args.h"
#include "cli/cli_output.h"
#include "cli/postal_command.h"

namespace {

struct Command {
  std::string_view name;
  const char* usage;
  int (*run)(std::span<char* const> args);
};

constexpr std::array kCommands = {
    Command{"postal", nanbaru::kPostalUsage, nanbaru::RunPostalCommand},
    Command{"area", nanbaru::kAreaUsage, nanbaru::RunAreaCommand},
};

std::string Usage() {
  std::string usage = "usage:\n";
  for (const Command& command : kCommands) {
    usage += "  nanbaru-search ";
    usage += command.usage;
    usage += '\n';
  }
  usage +=
      "Output: the result pane as UTF-8 lines (default), its exact Shift-JIS bytes (--sjis),\n"
      "or the window's state as one JSON object (--json).\n";
  return usage;
}

int Run(std::span<char* const> args) {
  if (args.empty()) throw nanbaru::UsageError("no command given");
  const std::string_view name = args[0];
  if (name == "--help" || name == "-h") {
    nanbaru::WriteStdout(Usage());
    return 0;
  }
  for (const Command& command : kCommands) {
    if (name == command.name) return command.run(args.subspan(1));
  }
  throw nanbaru::UsageError("unknown command " + std::string(name));
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(std::span<char* const>(argv + 1, static_cast<std::size_t>(argc - 1)));
  } catch (const nanbaru::UsageError& e) {
    nanbaru::Complain(e.what());
    std::fputs(Usage().c_str(), stderr);
    return 2;
  } catch (const std::exception& e) {
    nanbaru::Complain(e.what());
    return 1;
  }
}
