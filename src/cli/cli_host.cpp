#include "cli/cli_host.h"

#include "common/errors.h"
#include "platform/paths.h"

namespace nanbaru {

std::unique_ptr<TextReader> CliHost::OpenDataFile(const Bytes& path) {
  try {
    return std::make_unique<TextReader>(path);
  } catch (const InOutError& error) {
    open_error = error.message();
    throw;
  }
}

void CliHost::EnterStartDir() {
  ChangeDir(start_dir);
}

}  // namespace nanbaru
