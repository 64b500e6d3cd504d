// StrToInt against a plain model of the number rules, and IntToStr read back by it.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string>

#include "common/number.h"
#include "fuzz_check.h"
#include "platform/errors.h"
#include "platform/sjis_codec.h"

namespace {

bool AllOf(std::string_view digits, int base) {
  return !digits.empty() && std::all_of(digits.begin(), digits.end(), [base](char c) {
    return (c >= '0' && c <= '9') || (base == 16 && std::isxdigit(static_cast<unsigned char>(c)));
  });
}

std::optional<std::int64_t> Model(std::string_view text) {
  text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
  const bool hex = text.starts_with('$');
  const bool negative = text.starts_with('-');
  if (hex || negative || text.starts_with('+')) text.remove_prefix(1);
  const int base = hex ? 16 : 10;
  if (!AllOf(text, base)) return std::nullopt;
  std::uint64_t magnitude = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  const std::int64_t value =
      negative ? -static_cast<std::int64_t>(std::min<std::uint64_t>(magnitude, 1ull << 32))
               : static_cast<std::int64_t>(std::min<std::uint64_t>(magnitude, 1ull << 32));
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace nanbaru;
  FuzzedDataProvider input(data, size);
  const std::int64_t number = input.ConsumeIntegral<std::int64_t>();
  const std::string text = input.ConsumeRemainingBytesAsString();

  const std::optional<std::int64_t> expected = Model(text);
  try {
    const std::int32_t value = StrToInt(text);
    FUZZ_CHECK(expected && *expected == value);
  } catch (const ConvertError& error) {
    FUZZ_CHECK(!expected);
    FUZZ_CHECK(error.message() == "'" + text + Sj("' は整数ではありません"));
  }

  const Bytes written = IntToStr(number);
  FUZZ_CHECK(written == std::to_string(number));
  if (number >= INT32_MIN && number <= INT32_MAX) FUZZ_CHECK(StrToInt(written) == number);
  return 0;
}
