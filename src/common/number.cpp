#include "common/number.h"

#include <charconv>
#include <limits>
#include <optional>

namespace nanbaru {

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

// The sign belongs to decimal numbers only: "-$10" is not a number.
std::optional<std::int32_t> ParseWholeNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  const std::string_view rest = text.substr(i);
  if (rest.empty()) return std::nullopt;

  const bool hex = rest[0] == '$';
  const bool negative = rest[0] == '-';
  std::string_view digits = (hex || negative || rest[0] == '+') ? rest.substr(1) : rest;
  if (digits.empty()) return std::nullopt;

  // Accumulated as a magnitude in 64 bits; any digit past the 32-bit range stops at once.
  const std::int64_t limit = hex || !negative
                                 ? std::int64_t{std::numeric_limits<std::int32_t>::max()}
                                 : -std::int64_t{std::numeric_limits<std::int32_t>::min()};
  const int base = hex ? 16 : 10;
  std::int64_t value = 0;
  for (char c : digits) {
    const int d = hex ? HexDigit(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
    if (d < 0) return std::nullopt;
    value = value * base + d;
    if (value > limit) return std::nullopt;
  }
  return static_cast<std::int32_t>(negative ? -value : value);
}

Bytes IntToStr(std::int64_t value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return Bytes(buffer, result.ptr);
}

}  // namespace nanbaru
