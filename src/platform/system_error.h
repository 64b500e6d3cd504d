#pragma once
// The file codes of failures the C++ library reports (std::filesystem).

#include <system_error>

namespace nanbaru {

// The file code for `error`, as the platform's own calls would give it.
int CodeFromSystemError(const std::error_code& error);

}  // namespace nanbaru
