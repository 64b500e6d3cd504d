#pragma once
// The headless command run as a process: its exit status and what it wrote.

#include <string>
#include <vector>

namespace nanbaru {

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

// Runs the command with `args` (UTF-8), in the folder `dir` when one is given.
Outcome RunSearchCommand(const std::vector<std::string>& args, const std::string& dir = {});

}  // namespace nanbaru
