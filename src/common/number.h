#pragma once
// Whole numbers as the user and the files see them.

#include <cstdint>
#include <optional>
#include <string_view>

#include "common/bytes.h"

namespace nanbaru {

// Leading ASCII spaces are skipped; then an optional "+" or "-" and decimal digits, or "$"
// and hexadecimal digits, with nothing after them and a value within the signed 32-bit range.
// Anything else, the empty text included, is no number.
std::optional<std::int32_t> ParseWholeNumber(std::string_view text);

// Decimal, without leading zeros or separators; a leading "-" for negative values.
Bytes IntToStr(std::int64_t value);

}  // namespace nanbaru
