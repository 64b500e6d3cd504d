// StrToInt on spellings of numbers (spaces, sign or "$", zeros, digits of either case), which
// read as themselves within 32 bits and fail outside, and on any text, which reads only as what
// it spells. IntToStr against the standard library.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <string>

#include "common/number.h"
#include "fuzz_check.h"
#include "platform/errors.h"
#include "platform/sjis_codec.h"

namespace {

std::string Digits(std::uint64_t magnitude, bool hex) {
  char buffer[24];
  return {buffer, std::to_chars(buffer, buffer + 24, magnitude, hex ? 16 : 10).ptr};
}

// Whether the text is spaces, then "+", "-" or nothing and decimal digits, or "$" and
// hexadecimal digits, that give `value` once leading zeros are dropped.
bool Spells(std::string_view text, std::int64_t value) {
  text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
  const bool negative = text.starts_with('-'), hex = text.starts_with('$');
  if (negative || hex || text.starts_with('+')) text.remove_prefix(1);
  if (text.empty() || (negative ? value > 0 : value < 0)) return false;
  std::string digits(text.substr(std::min(text.find_first_not_of('0'), text.size() - 1)));
  for (char& c : digits) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return digits == Digits(negative ? -value : value, hex);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace nanbaru;
  FuzzedDataProvider input(data, size);
  const std::uint64_t magnitude =
      input.ConsumeIntegral<std::uint64_t>() >> input.ConsumeIntegralInRange(0, 63);
  const std::string_view prefix = input.PickValueInArray({"", "+", "-", "$"});
  std::string spelling(input.ConsumeIntegralInRange(0, 3), ' ');
  spelling += std::string(prefix) + std::string(input.ConsumeIntegralInRange(0, 3), '0') +
              Digits(magnitude, prefix == "$");
  if (input.ConsumeBool())
    for (char& c : spelling) c = static_cast<char>(std::toupper(c));
  const std::int64_t sign = prefix == "-" ? -1 : 1;
  const bool fits = magnitude <= (sign < 0 ? 0x80000000u : 0x7FFFFFFFu);
  try {
    FUZZ_CHECK(StrToInt(spelling) * sign == static_cast<std::int64_t>(magnitude) && fits);
  } catch (const ConvertError&) {
    FUZZ_CHECK(!fits);
  }

  const std::string text = input.ConsumeRemainingBytesAsString();
  try {
    FUZZ_CHECK(Spells(text, StrToInt(text)));
  } catch (const ConvertError& error) {
    FUZZ_CHECK(error.message() == "'" + text + Sj("' は整数ではありません"));
  }
  const auto number = static_cast<std::int64_t>(magnitude);
  FUZZ_CHECK(IntToStr(number) == std::to_string(number));
  return 0;
}
