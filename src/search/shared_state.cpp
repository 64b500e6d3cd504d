#include "search/shared_state.h"

namespace nanbaru {

bool IsPhonePath(std::string_view data_file_name) {
  return Contains(data_file_name, "\x93\x64");
}

}  // namespace nanbaru
