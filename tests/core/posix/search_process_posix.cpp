#include <sys/wait.h>

#include <cstdlib>
#include <string_view>

#include "scratch_dir.h"
#include "search_process.h"
#include "shared/file_bytes.h"

namespace nanbaru {

namespace {

std::string ShellQuote(std::string_view arg) {
  std::string quoted = "'";
  for (const char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

}  // namespace

Outcome RunSearchCommand(const std::vector<std::string>& args, const std::string& dir) {
  ScratchDir capture;
  std::string command = dir.empty() ? "" : "cd " + ShellQuote(dir) + " && ";
  command += ShellQuote(NANBARU_SEARCH_EXE);
  for (const std::string& arg : args) command += " " + ShellQuote(arg);
  command += " >" + ShellQuote(capture.Path("out")) + " 2>" + ShellQuote(capture.Path("err"));
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, FileBytes(capture.Path("out")),
          FileBytes(capture.Path("err"))};
}

}  // namespace nanbaru
