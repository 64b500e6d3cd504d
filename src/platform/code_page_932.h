#pragma once
// The platform's own Shift-JIS converter (code page 932), given only text the shared rules in
// sjis_codec have already shaped, so that both platforms convert alike.

#include <string>
#include <string_view>

#include "common/bytes.h"

namespace nanbaru {

// Appends the characters of well-formed Shift-JIS, where every lead byte is followed by a
// trail byte and no byte is 0x80, 0xA0 or 0xFD-0xFF: one UTF-16 unit per character, ASCII
// as it is, U+FFFD for a pair that names no character. False when there was such a pair.
bool DecodeCodePage932(std::string_view well_formed, std::u16string& out);

// Appends the bytes of UTF-16 text without surrogates, each unit by its round-trip mapping
// or "?" when it has none. False when a "?" was put in.
bool EncodeCodePage932(std::u16string_view text, Bytes& out);

}  // namespace nanbaru
