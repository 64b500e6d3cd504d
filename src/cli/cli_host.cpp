#include "cli/cli_host.h"

#include "platform/errors.h"
#include "platform/file_source.h"
#include "platform/paths.h"

namespace nanbaru {

std::unique_ptr<TextReader> CliHost::OpenDataFile(const Bytes& path) {
  try {
    return OpenTextFile(path);
  } catch (const InOutError& error) {
    open_error = error.message();
    throw;
  }
}

void CliHost::EnterStartDir() {
  ChangeDir(start_dir);
}

}  // namespace nanbaru
