#pragma once
// The postal search key made from the normalised query.

#include <string_view>

#include "common/bytes.h"

namespace nanbaru {

enum class KeyKind { kPlaceName, kSevenDigit, kFiveDigit, kThreeDigit };

struct PostalKey {
  Bytes text;
  KeyKind kind;
};

// What stands between two quoted fields of a data line: double quote, comma, double quote.
inline constexpr std::string_view kFieldSeparator = "\",\"";

// Spaces between terms become field separators; a query that starts with digits becomes a
// code key that matches the start of the new-code field (seven digits) or the whole old-code
// field (five or three digits).
PostalKey BuildPostalKey(std::string_view query);

}  // namespace nanbaru
