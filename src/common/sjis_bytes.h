#pragma once
// The shape of Shift-JIS bytes: which bytes begin a double-byte character.

#include <cstddef>
#include <string_view>

namespace nanbaru {

// 0x81-0x9F and 0xE0-0xFC begin a double-byte character.
inline bool IsSjisLeadByte(char byte) {
  const auto b = static_cast<unsigned char>(byte);
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// 0x40-0x7E and 0x80-0xFC may follow a lead byte.
inline bool IsSjisTrailByte(char byte) {
  const auto b = static_cast<unsigned char>(byte);
  return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

// How many bytes the character at `at` takes: 2 for a lead byte followed by a trail byte,
// else 1.
inline std::size_t SjisCharLength(std::string_view text, std::size_t at) {
  return IsSjisLeadByte(text[at]) && at + 1 < text.size() && IsSjisTrailByte(text[at + 1]) ? 2 : 1;
}

// The length of the longest start of `text` that is whole characters and at most `limit`
// bytes.
inline std::size_t WholeCharactersWithin(std::string_view text, std::size_t limit) {
  std::size_t end = 0;
  while (end < text.size()) {
    const std::size_t next = end + SjisCharLength(text, end);
    if (next > limit) break;
    end = next;
  }
  return end;
}

}  // namespace nanbaru
