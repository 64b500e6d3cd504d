// nanbaru-search: the searches without the window, for the terminal and for scripts.

#include <array>
#include <exception>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/area_command.h"
#include "cli/cli_args.h"
#include "cli/cli_output.h"
#include "cli/info_command.h"
#include "cli/postal_command.h"
#include "cli/update_command.h"
#include "platform/command_line.h"

namespace {

struct Command {
  std::string_view name;
  const char* usage;
  int (*run)(std::span<char* const> args);
};

constexpr std::array kCommands = {
    Command{"postal", nanbaru::kPostalUsage, nanbaru::RunPostalCommand},
    Command{"area", nanbaru::kAreaUsage, nanbaru::RunAreaCommand},
    Command{"info", nanbaru::kInfoUsage, nanbaru::RunInfoCommand},
    Command{"update", nanbaru::kUpdateUsage, nanbaru::RunUpdateCommand},
};

std::string Synopsis() {
  std::string usage = "usage:\n";
  for (const Command& command : kCommands) {
    usage += "  nanbaru-search ";
    usage += command.usage;
    usage += '\n';
  }
  return usage + "  nanbaru-search --help | --version\n";
}

// Also the manual page's synopsis, options and exit status: keep the two in step.
std::string Usage() {
  return Synopsis() +
         "\n"
         "postal searches the national postal-code list and area the area-code file, as the\n"
         "window does, and prints what the window's result pane would show. postal reads the\n"
         "list the last update wrote, else the bundled one. info tells that list's edition\n"
         "date, kind and record count. update fetches its current edition, checks it whole,\n"
         "puts it into the user's data folder and prints the records added and removed.\n"
         "\n"
         "options:\n"
         "  --file F   the data file (default: the list of the command, as above)\n"
         "  --old X    the old-code box: a code that takes the place of the query\n"
         "  --new X    the new-code box: a code that takes the place of the query\n"
         "  --pref X   the prefecture box: only lines of this prefecture\n"
         "  --url URL  update: the address to fetch the list from (default: the postal service's)\n"
         "  --from F   update: a downloaded archive of the list, instead of fetching one\n"
         "  --force    update: take an edition older than the list in use\n"
         "  --sjis     the result pane's exact Shift-JIS bytes, lines ended by CR LF\n"
         "  --json     the window's state after the search, as one JSON object\n"
         "  --help     this text\n"
         "  --version  the program's name and version\n"
         "Without --sjis or --json the result lines are printed as UTF-8.\n"
         "\n"
         "exit status:\n"
         "  0  the search ran (also when it found nothing), the list was read or updated\n"
         "  1  an error ended the search, or the data file could not be opened; an update\n"
         "     changed nothing\n"
         "  2  bad usage\n";
}

int Run(std::span<char* const> args) {
  if (args.empty()) throw nanbaru::UsageError("no command given");
  const std::string_view name = args[0];
  if (name == "--help" || name == "-h") {
    nanbaru::WriteStdout(Usage());
    return 0;
  }
  if (name == "--version") {
    nanbaru::WriteStdout("nanbaru-search " NANBARU_VERSION "\n");
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
    std::vector<std::string> args = nanbaru::CommandArguments(argc, argv);
    std::vector<char*> pointers;
    for (std::string& arg : args) pointers.push_back(arg.data());
    return Run(pointers);
  } catch (const nanbaru::UsageError& e) {
    nanbaru::Complain(e.what());
    nanbaru::WriteStandardError(Synopsis());
    return 2;
  } catch (const std::exception& e) {
    nanbaru::Complain(e.what());
    return 1;
  }
}
